#pragma once

#include <string>
#include <vector>

#include "race/GameConstants.h"
#include "race/RaceState.h"
#include "race/TrackFile.h"

// The demonstration race behind the menus.
inline constexpr const char* kDemoTrackFile = "Data\\data1.prd";
inline constexpr int kDemoOpponents = 4;

// Reads a catalogue track's file and checks that it holds what a race with the track's
// opponents needs. On failure Error names the file; nothing of the running race is touched, so
// the caller can show it and stay where it is.
TTrackFileResult ReadRaceTrack(const TTrack& track);

// Lays out a track from its records: the grass, then every object of the file in file order,
// and fills the track tables (unordered; PrepareRace orders them).
void LoadRaceTrack(TRaceContext& context, const std::vector<TTrackRecord>& records);

// Reads the demonstration track's way points and start slots (no sprites, no check lines).
// Returns an empty text, or why there is no demonstration race.
std::string LoadDemoTrack(TRaceContext& context);

// Builds a race on records that ReadRaceTrack accepted: the dashboard, the track, the player's
// car of catalogue index `carIndex` on start slot Rivals + 1, the needle and radar pointer, the
// opponents on slots 1 .. Rivals with random cars below `carsAvailable`; then moves the world
// so that the player's slot lies under the player's car.
void PrepareRace(TRaceContext& context, const TTrack& track, int carIndex, int carsAvailable,
                 const std::vector<TTrackRecord>& records);

// The demonstration race: an invisible player's car and four racing opponents on the
// demonstration track. Returns an empty text, or why there is none (the menus go on without it).
std::string PrepareDemoRace(TRaceContext& context, int carsAvailable);

// The player's fixed place on the screen: the centre of the player's car.
inline constexpr double kPlayerCentreX = 396, kPlayerCentreY = 321;
