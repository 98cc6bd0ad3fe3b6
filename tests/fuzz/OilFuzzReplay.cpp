// Without libFuzzer: the seeds, then every cut of each seed and a few thousand deterministic
// mutations, through the same target. With --write-seeds DIR it writes the seeds as a corpus.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzReplay.h"
#include "OilSeeds.h"
#include "assets/OilReader.h"
#include "engine/OmegaImageList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using TRandom = TFuzzRandom;

void Run(const std::vector<uint8_t>& bytes) {
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

// A seed that does not read whole would leave the reader's later parts unvisited.
bool SeedReads(const std::vector<uint8_t>& seed) {
  TImageListCollection list;
  TImageListCollectionComponent carrier{&list};
  std::string error;
  if (ReadImagePackage(seed, carrier, error) && list.Count() > 0 &&
      (list.Items(0).HasPicture() || list.Items(0).Picture.Width == 0))
    return true;
  std::fprintf(stderr, "a seed does not read: %s\n", error.c_str());
  return false;
}

// Lengths and counts that are most likely to be trusted by mistake.
constexpr uint32_t kLengths[] = {0, 1, 0x7F, 0xFF, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x10000};

int Replay() {
  TRandom random;
  int runs = 0;
  for (const std::vector<uint8_t>& seed : OilSeeds()) {
    if (!SeedReads(seed)) return 1;
    Run(seed), ++runs;
    size_t stride = std::max<size_t>(1, seed.size() / 400);
    for (size_t length = 0; length < seed.size(); length += stride) {
      Run(std::vector<uint8_t>(seed.begin(), seed.begin() + std::ptrdiff_t(length))), ++runs;
    }
    for (int i = 0; i < 400; ++i) {
      std::vector<uint8_t> mutated = seed;
      int changes = 1 + int(random.Next() % 4);
      for (int c = 0; c < changes; ++c) {
        size_t at = random.Next() % mutated.size();
        switch (random.Next() % 3) {
          case 0:
            mutated[at] ^= uint8_t(1 << (random.Next() % 8));
            break;
          case 1:
            mutated[at] = uint8_t(random.Next());
            break;
          default:
            if (at + 4 <= mutated.size()) {
              uint32_t value = kLengths[random.Next() % std::size(kLengths)];
              for (int b = 0; b < 4; ++b) mutated[at + size_t(b)] = uint8_t(value >> (8 * b));
            }
        }
      }
      Run(mutated), ++runs;
    }
  }
  std::printf("oil package reader: %d inputs, no crash\n", runs);
  return 0;
}

int WriteSeeds(const std::filesystem::path& folder) {
  return WriteSeedFiles(folder, OilSeeds(), ".oil");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--write-seeds") return WriteSeeds(argv[2]);
  return Replay();
}
