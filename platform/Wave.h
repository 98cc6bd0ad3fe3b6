#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A sound effect ready for the mixer: interleaved 16-bit stereo at the mixer's rate.
struct TWaveSound {
  std::vector<int16_t> Samples;  // left, right, left, right, ...
  int Frames() const { return int(Samples.size() / 2); }
};

// Reads a wave file (any format SDL's wave reader knows) and converts it to 16-bit stereo at
// sampleRate. Empty when the file is missing, is no regular file, is larger than kMaxWaveBytes
// or is not a wave file SDL can read; error (when given) then says which.
std::optional<TWaveSound> LoadWaveFile(const std::string& path, int sampleRate, std::string* error = nullptr);

inline constexpr size_t kMaxWaveBytes = size_t(32) << 20;
