#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "race/GhostLap.h"

// The file that keeps a track's best lap, little-endian throughout:
//   "MRGH", version (u16), track (u16), car (u16), track file size (u32), lap time in
//   hundredths (u32), sample count (u32), the samples (x, y, angle as f32, pattern as u8, lap
//   clock in hundredths as u32), and a CRC-32 of every byte before it (u32).
inline constexpr uint16_t kGhostFileVersion = 1;

std::string GhostFileBytes(const TGhostLap& lap);

// What a ghost file gave: the lap, or why it cannot be used.
struct TGhostFileResult {
  std::optional<TGhostLap> Lap;
  std::string Error;
};

// Reads a ghost file's bytes; refuses a damaged file (size, mark, version, checksum, values out
// of range) and one that belongs to another track or to another version of the track's file.
TGhostFileResult ReadGhostFile(std::string_view bytes, int track, uint32_t trackFileSize);
