#pragma once

#include <array>
#include <string>

#include "race/Difficulty.h"
#include "race/GameConstants.h"

// What the track and car selections show of a catalogue entry, apart from any display.

// Stepping through a catalogue of entries 0 .. last wraps around at both ends.
int NextEntry(int index, int last);
int PreviousEntry(int index, int last);

// One information row under the track preview: its label and value at height Y.
struct TTrackInfoRow {
  int Y;
  const char* Label;
  std::string Value;
};

// The heading over the preview: a locked track is known only by its number.
std::string TrackTitle(const TTrack& track, int index);
// Best time, length, laps and opponents; a locked track tells nothing but its number.
std::array<TTrackInfoRow, 4> TrackInfoRows(const TTrack& track);
// The opponents' row with their level after the count, "4 (Hard)"; a locked track's "-" stays.
void AddDifficulty(TTrackInfoRow& opponents, TDifficulty level);
// "--:--:--" until the track has been raced to the end.
std::string BestTimeText(const TRaceTime& best);

// The heading of the car selection.
std::string CarTitle(const TCarType& car);
// How far the four bars (top speed, acceleration, steering, grip) reach, as a part of their length.
std::array<float, 4> CarBarScales(const TCarType& car);
