#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// One record of a track data file: one placed object. Fields as stored, in this order.
struct TTrackRecord {
  int32_t Y = 0;  // world pixels, down is positive
  int32_t X = 0;
  int32_t Kind = 0;   // what the record places (TRecordKind)
  int32_t Param = 0;  // angle for paints and the finish line, key flag for way points
  int32_t Index = 0;  // order key, start slot, check-line number, or obstacle kind
};

// The record kinds a track file knows; kinds 1 .. 14 are road pieces of that road kind.
namespace TRecordKind {
inline constexpr int32_t WayPoint = 0;
inline constexpr int32_t FirstRoad = 1;
inline constexpr int32_t LastRoad = 14;
inline constexpr int32_t Obstacle = 20;
inline constexpr int32_t Flowers = 50;
inline constexpr int32_t Flower = 51;
inline constexpr int32_t Rhomb = 52;
inline constexpr int32_t RhombHorizontal = 53;
inline constexpr int32_t RhombVertical = 54;
inline constexpr int32_t StartSlot = 88;
inline constexpr int32_t StartLinePaint = 99;
inline constexpr int32_t CheckLine = 101;
inline constexpr int32_t FinishLine = 105;
inline constexpr int32_t Paint = 160;
}  // namespace TRecordKind

// Records are 128 bytes: five little-endian 32-bit fields, then filler.
inline constexpr std::size_t kTrackRecordSize = 128;

// The records of a track file, or why there are none: Error names the file and the fault.
struct TTrackFileResult {
  std::vector<TTrackRecord> Records;
  std::string Error;
  bool Ok() const { return Error.empty(); }
};

// Splits a whole file's bytes into records. A length that is not a whole number of records is
// an error (fileName is only used in its message).
TTrackFileResult ParseTrackFile(std::span<const uint8_t> bytes, const std::string& fileName);

// Reads a track file named as the game names it ("Data\data4.prd").
TTrackFileResult ReadTrackFile(const std::string& fileName);

// The records as file bytes (filler zero).
std::vector<uint8_t> TrackFileBytes(const std::vector<TTrackRecord>& records);

// Writes a track file; returns an empty text, or why the file could not be written.
std::string WriteTrackFile(const std::string& fileName, const std::vector<TTrackRecord>& records);
