#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "race/GameConstants.h"
#include "race/GhostLap.h"

// Where the best laps are kept: one file a catalogue track ("Ghost1.gst" ... "Ghost12.gst"),
// beside the settings files.
inline std::string GhostFileName(int track) {
  return "Ghost" + std::to_string(track + 1) + ".gst";
}

// The size of the track's data file, the guard a kept lap carries; 0 when it cannot be read.
uint32_t TrackFileSize(const TTrack& track);

// The lap kept for the track, when there is a usable one. A damaged file, or one made for
// another track or another version of the track's file, is left alone and said in one line on
// stderr; the race then goes on without a ghost, and its first good lap replaces the file.
std::optional<TGhostLap> LoadGhostLap(int track, uint32_t trackFileSize);
std::optional<TGhostLap> LoadGhostLap(const std::filesystem::path& file, int track, uint32_t trackFileSize);

// Keeps the lap in its track's file; a failure is said as the settings files' saves say it.
bool SaveGhostLap(const TGhostLap& lap, std::string* failure = nullptr);
