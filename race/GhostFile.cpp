#include "race/GhostFile.h"

#include <zlib.h>

#include <bit>
#include <cmath>
#include <utility>

#include "race/GameConstants.h"

namespace {

constexpr char kMark[4] = {'M', 'R', 'G', 'H'};
constexpr size_t kHeaderBytes = 4 + 2 + 2 + 2 + 4 + 4 + 4;
constexpr size_t kSampleBytes = 4 + 4 + 4 + 1 + 4;
constexpr size_t kChecksumBytes = 4;

uint32_t Checksum(std::string_view bytes) {
  return uint32_t(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), uInt(bytes.size())));
}

class TWriter {
 public:
  void Put(uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) Text.push_back(char((value >> (8 * i)) & 0xFF));
  }
  void PutFloat(float value) { Put(std::bit_cast<uint32_t>(value), 4); }
  std::string Text;
};

class TReader {
 public:
  explicit TReader(std::string_view bytes) : Bytes(bytes) {}
  uint32_t Get(int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= uint32_t(uint8_t(Bytes[Offset++])) << (8 * i);
    return value;
  }
  float GetFloat() { return std::bit_cast<float>(Get(4)); }

 private:
  std::string_view Bytes;
  size_t Offset = 0;
};

// Whether a sample could come from a race: finite numbers, a pattern the car pictures have.
bool Plausible(const TGhostSample& sample) {
  return std::isfinite(sample.X) && std::isfinite(sample.Y) && std::isfinite(sample.Angle) &&
         std::abs(sample.X) < 1e6f && std::abs(sample.Y) < 1e6f && sample.Pattern <= 2;
}

}  // namespace

std::string GhostFileBytes(const TGhostLap& lap) {
  TWriter out;
  out.Text.reserve(kHeaderBytes + lap.Samples.size() * kSampleBytes + kChecksumBytes);
  out.Text.append(kMark, sizeof kMark);
  out.Put(kGhostFileVersion, 2);
  out.Put(uint32_t(lap.Track), 2);
  out.Put(uint32_t(lap.Car), 2);
  out.Put(lap.TrackFileSize, 4);
  out.Put(TotalHundredths(lap.LapTime), 4);
  out.Put(uint32_t(lap.Samples.size()), 4);
  for (const TGhostSample& sample : lap.Samples) {
    out.PutFloat(sample.X);
    out.PutFloat(sample.Y);
    out.PutFloat(sample.Angle);
    out.Put(sample.Pattern, 1);
    out.Put(sample.LapHundredths, 4);
  }
  out.Put(Checksum(out.Text), 4);
  return out.Text;
}

TGhostFileResult ReadGhostFile(std::string_view bytes, int track, uint32_t trackFileSize) {
  if (bytes.size() < kHeaderBytes + kChecksumBytes) return {std::nullopt, "the file is too short"};
  if (bytes.substr(0, 4) != std::string_view(kMark, sizeof kMark)) return {std::nullopt, "not a ghost file"};
  const std::string_view body = bytes.substr(0, bytes.size() - kChecksumBytes);
  if (TReader(bytes.substr(body.size())).Get(4) != Checksum(body))
    return {std::nullopt, "the checksum is wrong"};
  TReader in(bytes.substr(4));
  if (in.Get(2) != kGhostFileVersion) return {std::nullopt, "an unknown version"};
  TGhostLap lap;
  lap.Track = int(in.Get(2));
  lap.Car = int(in.Get(2));
  lap.TrackFileSize = in.Get(4);
  lap.LapTime = RaceTimeOf(in.Get(4));
  const uint32_t count = in.Get(4);
  if (lap.Track != track) return {std::nullopt, "it belongs to another track"};
  if (lap.TrackFileSize != trackFileSize) return {std::nullopt, "the track's file has changed"};
  if (lap.Car < 0 || lap.Car >= kCarCount) return {std::nullopt, "an unknown car"};
  // A lap of no time could never be beaten, so no better lap would ever take its place.
  if (TotalHundredths(lap.LapTime) == 0) return {std::nullopt, "a lap of no time"};
  if (count == 0 || count > kMaxGhostSamples || body.size() != kHeaderBytes + size_t(count) * kSampleBytes)
    return {std::nullopt, "the lap's length does not match the file's"};
  lap.Samples.resize(count);
  for (TGhostSample& sample : lap.Samples) {
    sample.X = in.GetFloat();
    sample.Y = in.GetFloat();
    sample.Angle = in.GetFloat();
    sample.Pattern = uint8_t(in.Get(1));
    sample.LapHundredths = in.Get(4);
    if (!Plausible(sample)) return {std::nullopt, "a frame of the lap is out of range"};
  }
  return {std::move(lap), ""};
}
