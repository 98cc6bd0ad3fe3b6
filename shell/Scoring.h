#pragma once

#include "race/GameConstants.h"
#include "race/RaceTime.h"
#include "shell/GameState.h"

// The results screen's arithmetic: the points a place earns, the reveal of the result lines,
// the count-up of the points into the total, and the unlocks the total reaches. The screen
// itself (ResultsScreen.cpp) only draws what this leaves in the game state.

// Frames of the results screen at which the lines appear, and after which the count-up starts.
inline constexpr int kRevealFrames[] = {70, 140, 210, 280};
inline constexpr int kCountUpAfter = 350;
// StepTicks while the points are counted; then it counts 0 .. kNextShown and stays there.
inline constexpr int kCountingUp = 2000;
inline constexpr int kNextShown = 101;

inline constexpr const char* kNewTracksMessage = "New tracks are avaible!";
inline constexpr const char* kNewCarMessage = "New car is avaible!";

// Only 1st, 2nd and 3rd place earn the selected track's points; any other place, and any place
// of a time trial, keeps the RacePoints the race started with.
void GiveRacePoints(TGameState& state, int finishPosition);

// Everything the results screen starts from: the race's points, the score before them and the
// counters of the reveal and the count-up.
void BeginResults(TGameState& state, int finishPosition);

// One frame of the results: the next line revealed, one point counted into the total, and once
// the count-up has settled the unlock check on every frame. Returns whether the count-up has
// settled, which is when the "next" button shows.
bool StepResults(TGameState& state);

// Unlocks the next stage when this race's points brought the score from below the target to
// it or beyond; raises the flag of the message the stage deserves. Run once a frame, it unlocks
// every target a race passed, one a frame.
void CheckUnlock(TGameState& state);

// The unlock message to show, or nullptr: the tracks win when both are due.
const char* UnlockMessage(const TGameState& state);

// Stores the time as the track's best only when it beats the one stored; an equal time does not.
void KeepBestTime(TTrack& track, const TRaceTime& time);
