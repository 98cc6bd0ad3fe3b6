#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

// What the replay drivers of the file readers share: a fixed-seed generator, so that every run
// tries the same inputs, and writing the seeds out as a corpus for libFuzzer.
struct TFuzzRandom {
  uint64_t State = 0x9E3779B97F4A7C15ull;
  uint32_t Next() {
    State ^= State << 13, State ^= State >> 7, State ^= State << 17;
    return uint32_t(State);
  }
};

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
