#pragma once

#include <string>
#include <vector>

#include "race/RaceState.h"
#include "race/TrackFile.h"

// Fills the race's track tables from a track file's records, in file order: way points, start
// slots and, when asked, check lines. The tables are emptied first. A start slot outside
// 1 .. kMaxStartSlots is ignored; a later slot of the same number replaces an earlier one.
void FillTrackTables(const std::vector<TTrackRecord>& records, TRaceState& race, bool withCheckLines);

// Sorts the way points by their order keys (a selection sort: among equal keys the one met first
// comes first) and measures the track along them into TrackLength, in tenths of pixels.
void OrderWayPoints(TRaceState& race);

// Adds (dx, dy) to every way point.
void ShiftWayPoints(TRaceState& race, double dx, double dy);

// What a race with `rivals` opponents needs from its track: way points and the start slots
// 1 .. rivals + 1. Returns an empty text, or the message naming the file and what it lacks.
std::string CheckRaceTrack(const std::vector<TTrackRecord>& records, const std::string& fileName, int rivals);
