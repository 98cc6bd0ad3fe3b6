#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

// What the replay drivers of the file readers share: a fixed-seed generator, so that every run
// tries the same inputs, the replay of text seeds, and writing the seeds out as a corpus for libFuzzer.
struct TFuzzRandom {
  uint64_t State = 0x9E3779B97F4A7C15ull;
  uint32_t Next() {
    State ^= State << 13, State ^= State >> 7, State ^= State << 17;
    return uint32_t(State);
  }
};

// Runs every cut of each seed and 2,000 mutations of it (one to four changes each, made by
// mutate) through check, and says how many inputs went through.
inline int ReplaySeeds(const char* name, const std::vector<std::string>& seeds,
                       void (*check)(std::string_view), void (*mutate)(std::string&, TFuzzRandom&)) {
  TFuzzRandom random;
  int runs = 0;
  for (const std::string& seed : seeds) {
    for (size_t length = 0; length <= seed.size(); ++length)
      check(std::string_view(seed).substr(0, length)), ++runs;
    for (int i = 0; i < 2000; ++i) {
      std::string mutated = seed;
      for (int c = 1 + int(random.Next() % 4); c > 0; --c) mutate(mutated, random);
      check(mutated), ++runs;
    }
  }
  std::printf("%s reader: %d inputs, no crash\n", name, runs);
  return 0;
}

// Writes each seed (a byte container) as "seedN" + extension into folder.
template <typename TSeeds>
int WriteSeedFiles(const std::filesystem::path& folder, const TSeeds& seeds, const std::string& extension) {
  std::filesystem::create_directories(folder);
  int index = 0;
  for (const auto& seed : seeds) {
    std::ofstream out(folder / ("seed" + std::to_string(index++) + extension), std::ios::binary);
    out.write(reinterpret_cast<const char*>(seed.data()), std::streamsize(seed.size()));
  }
  return 0;
}
