// Without libFuzzer: small tracks, every cut of them and a few thousand deterministic mutations
// of their fields, through the same target. With --write-seeds DIR it writes the seeds as a corpus.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzReplay.h"
#include "race/TrackFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using TRandom = TFuzzRandom;

// Field values most likely to be trusted by mistake: every record kind and the extremes.
constexpr int32_t kValues[] = {0,  1,  2,  3,  4,  5,   7,   8,   9,  10,   11,         14,        15,
                               20, 50, 54, 88, 99, 101, 105, 160, -1, -180, 0x7FFFFFFF, INT32_MIN, 1 << 20};

TTrackRecord Record(int32_t kind, int32_t x, int32_t y, int32_t param = 0, int32_t index = 0) {
  return {y, x, kind, param, index};
}

std::vector<std::vector<uint8_t>> Seeds() {
  std::vector<TTrackRecord> race{
      Record(1, 0, 0),
      Record(2, 200, 0),
      Record(12, 400, 0),
      Record(6, 0, 200),
      Record(20, -100, 0, 0, 1),
      Record(20, -100, 100, 0, 9),
      Record(20, -100, 200, 0, 11),
      Record(50, 10, 10),
      Record(53, 20, 20),
      Record(99, 100, 100, 90),
      Record(160, 50, 50, 30),
      Record(101, 100, 300, 0, 0),
      Record(101, 300, 300, 0, 1),
      Record(101, 500, 300, 0, 2),
      Record(105, 100, 150, 90),
      Record(0, 100, 100, 1, 1),
      Record(0, 500, 100, 2, 2),
      Record(0, 500, 500, 3, 3),
      Record(0, 100, 500, 0, 4),
  };
  for (int slot = 1; slot <= 8; ++slot)
    race.push_back(Record(88, 60 + 40 * (slot % 2), 100 + 30 * slot, 90, slot));
  std::vector<TTrackRecord> bare{Record(0, 0, 0, 5, 1), Record(88, 10, 10, 0, 1), Record(88, 20, 20, 0, 2)};
  return {TrackFileBytes(race), TrackFileBytes(bare), {}};
}

void Run(const std::vector<uint8_t>& bytes) {
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

int Replay() {
  TRandom random;
  int runs = 0;
  for (const std::vector<uint8_t>& seed : Seeds()) {
    Run(seed), ++runs;
    for (size_t length = 0; length < seed.size(); length += 37) {
      Run(std::vector<uint8_t>(seed.begin(), seed.begin() + std::ptrdiff_t(length))), ++runs;
    }
    if (seed.empty()) continue;
    for (int i = 0; i < 1000; ++i) {
      std::vector<uint8_t> mutated = seed;
      for (int c = 1 + int(random.Next() % 4); c > 0; --c) {
        // One of the five fields of a record: the filler is never read.
        const size_t at = (random.Next() % (mutated.size() / kTrackRecordSize)) * kTrackRecordSize +
                          (random.Next() % 5) * 4;
        const int32_t value = kValues[random.Next() % std::size(kValues)];
        for (int b = 0; b < 4; ++b) mutated[at + size_t(b)] = uint8_t(uint32_t(value) >> (8 * b));
      }
      Run(mutated), ++runs;
    }
  }
  std::printf("track file reader: %d inputs, no crash\n", runs);
  return 0;
}

int WriteSeeds(const std::filesystem::path& folder) {
  return WriteSeedFiles(folder, Seeds(), ".prd");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--write-seeds") return WriteSeeds(argv[2]);
  return Replay();
}
