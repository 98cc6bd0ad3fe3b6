#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <string>

#include "race/GhostFile.h"
#include "shell/GhostStore.h"
#include "state/TempFolder.h"

namespace {

constexpr int kTrack = 3;
constexpr uint32_t kTrackFileSize = 4321;
constexpr size_t kHeaderBytes = 22, kSampleBytes = 17;

TGhostLap SmallLap() {
  TGhostLap lap{kTrack, 2, kTrackFileSize, {45, 31, 0}, {}};
  for (uint32_t i = 0; i < 5; ++i)
    lap.Samples.push_back({10.5f * float(i), -3.25f * float(i), 90.0f - float(i), uint8_t(i % 3), i * 11});
  return lap;
}

// The file's checksum made right again after a change, so only the changed value is wrong.
void Resign(std::string& bytes) {
  const size_t body = bytes.size() - 4;
  const uint32_t sum = uint32_t(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), uInt(body)));
  for (int i = 0; i < 4; ++i) bytes[body + size_t(i)] = char((sum >> (8 * i)) & 0xFF);
}

void PutFloat(std::string& bytes, size_t at, float value) {
  uint32_t raw;
  static_assert(sizeof raw == sizeof value);
  std::memcpy(&raw, &value, sizeof raw);
  for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = char((raw >> (8 * i)) & 0xFF);
}

}  // namespace

TEST(GhostFile, KeepsEveryFrameOfTheLap) {
  const TGhostLap lap = SmallLap();
  const std::string bytes = GhostFileBytes(lap);
  EXPECT_EQ(bytes.size(), kHeaderBytes + 5 * kSampleBytes + 4);
  const TGhostFileResult read = ReadGhostFile(bytes, kTrack, kTrackFileSize);
  ASSERT_TRUE(read.Lap) << read.Error;
  EXPECT_EQ(*read.Lap, lap);
}

// Damaged files and files of another track or another track file are refused with the reason.
TEST(GhostFile, RefusesDamagedAndMismatchingFiles) {
  const struct {
    const char* Name;
    std::function<void(std::string&)> Damage;
    int Track = kTrack;
    uint32_t TrackFileSize = kTrackFileSize;
    const char* Reason;
  } cases[] = {
      {"empty", [](std::string& b) { b.clear(); }, kTrack, kTrackFileSize, "too short"},
      {"cut in the header", [](std::string& b) { b.resize(12); }, kTrack, kTrackFileSize, "too short"},
      {"a frame cut off", [](std::string& b) { b.resize(b.size() - kSampleBytes); }, kTrack, kTrackFileSize,
       "checksum"},
      {"one bit flipped", [](std::string& b) { b[kHeaderBytes + 3] ^= 0x10; }, kTrack, kTrackFileSize,
       "checksum"},
      {"another mark", [](std::string& b) { b[0] = 'X'; }, kTrack, kTrackFileSize, "not a ghost file"},
      {"a later version",
       [](std::string& b) {
         b[4] = 2;
         Resign(b);
       },
       kTrack, kTrackFileSize, "version"},
      {"a count beyond the frames",
       [](std::string& b) {
         b[18] = 6;
         Resign(b);
       },
       kTrack, kTrackFileSize, "length"},
      {"bytes after the frames",
       [](std::string& b) {
         b.insert(b.size() - 4, "\x01");
         Resign(b);
       },
       kTrack, kTrackFileSize, "length"},
      {"an unknown car",
       [](std::string& b) {
         b[8] = 9;
         Resign(b);
       },
       kTrack, kTrackFileSize, "car"},
      {"a frame off the map",
       [](std::string& b) {
         PutFloat(b, kHeaderBytes + kSampleBytes, std::numeric_limits<float>::quiet_NaN());
         Resign(b);
       },
       kTrack, kTrackFileSize, "out of range"},
      {"a wheel pattern the cars lack",
       [](std::string& b) {
         b[kHeaderBytes + 12] = 7;
         Resign(b);
       },
       kTrack, kTrackFileSize, "out of range"},
      {"a lap of no time",
       [](std::string& b) {
         for (size_t i = 14; i < 18; ++i) b[i] = 0;  // the lap time
         Resign(b);
       },
       kTrack, kTrackFileSize, "no time"},
      {"another track's", [](std::string&) {}, kTrack + 1, kTrackFileSize, "another track"},
      {"a changed track file", [](std::string&) {}, kTrack, kTrackFileSize + 1, "changed"},
  };
  for (const auto& c : cases) {
    std::string bytes = GhostFileBytes(SmallLap());
    c.Damage(bytes);
    const TGhostFileResult read = ReadGhostFile(bytes, c.Track, c.TrackFileSize);
    EXPECT_FALSE(read.Lap) << c.Name;
    EXPECT_NE(read.Error.find(c.Reason), std::string::npos) << c.Name << ": " << read.Error;
  }
}

// A file the game cannot use is left where it is, named in one line on stderr; a missing one is
// no news.
TEST(GhostStore, AnUnusableFileIsSaidInOneLine) {
  TTempFolder folder;
  const std::filesystem::path file = folder / GhostFileName(kTrack);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(LoadGhostLap(file, kTrack, kTrackFileSize));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

  std::string bytes = GhostFileBytes(SmallLap());
  bytes[30] ^= 1;
  WriteBytes(file, bytes);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(LoadGhostLap(file, kTrack, kTrackFileSize));
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find(GhostFileName(kTrack)), std::string::npos) << said;
  EXPECT_TRUE(std::filesystem::exists(file));

  WriteBytes(file, GhostFileBytes(SmallLap()));
  const std::optional<TGhostLap> lap = LoadGhostLap(file, kTrack, kTrackFileSize);
  ASSERT_TRUE(lap);
  EXPECT_EQ(*lap, SmallLap());
}

TEST(GhostStore, OneFileATrack) {
  EXPECT_EQ(GhostFileName(0), "Ghost1.gst");
  EXPECT_EQ(GhostFileName(11), "Ghost12.gst");
}
