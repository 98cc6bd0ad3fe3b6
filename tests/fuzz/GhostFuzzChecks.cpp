#include "GhostFuzzChecks.h"

#include <cstdio>
#include <cstdlib>

#include "race/GhostFile.h"
#include "shell/GameOptions.h"

namespace {

constexpr int kTrack = 2;
constexpr uint32_t kTrackFileSize = 9000;

void Require(bool rule, const char* what) {
  if (rule) return;
  std::fprintf(stderr, "broken rule: %s\n", what);
  std::abort();
}

}  // namespace

void CheckGhostFile(std::string_view bytes) {
  const TGhostFileResult read = ReadGhostFile(bytes, kTrack, kTrackFileSize);
  Require(read.Lap.has_value() != !read.Error.empty(), "a lap or a reason, never both");
  if (!read.Lap) return;
  Require(read.Lap->Track == kTrack && read.Lap->TrackFileSize == kTrackFileSize, "the guard holds");
  Require(!read.Lap->Samples.empty() && read.Lap->Samples.size() <= kMaxGhostSamples, "samples in range");
  Require(GhostFileBytes(*read.Lap) == bytes, "a lap read is written back byte for byte");
}

void CheckOptionsFile(std::string_view bytes) {
  TGameOptions options;
  ReadGameOptions(options, bytes);
  TGameOptions again{!options.GhostShown, !options.TrackMapShown, !options.TyreMarksShown};
  Require(!ReadGameOptions(again, GameOptionsText(options)), "what the game writes is never damaged");
  Require(again == options, "the options survive being written and read");
}

std::vector<std::string> GhostSeeds() {
  std::vector<std::string> seeds;
  for (int samples : {1, 3, 40}) {
    TGhostLap lap{kTrack, samples % 5, kTrackFileSize, {samples, 12, 1}, {}};
    for (int i = 0; i < samples; ++i)
      lap.Samples.push_back({float(i) * 3.5f, float(-i), float(i * 7 % 360), uint8_t(i % 3), uint32_t(i)});
    seeds.push_back(GhostFileBytes(lap));
  }
  return seeds;
}

std::vector<std::string> OptionsSeeds() {
  return {GameOptionsText(TGameOptions{}),
          GameOptionsText(
              TGameOptions{.GhostShown = false, .TrackMapShown = false, .Difficulty = TDifficulty::Hard}),
          "; notes\n[race]\r\n GhostShown = off\r\nTrackMapShown=yes\n[Other]\nGhostShown=1\n"};
}
