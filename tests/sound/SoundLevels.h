#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

// Loudness figures of 16-bit audio, for checking levels of sounds nobody can listen to here.
struct TLevels {
  double Rms = 0;     // of full scale
  int Clipped = 0;    // samples at or beyond full scale
  int Crossings = 0;  // rising zero crossings, a rough measure of pitch
};

inline TLevels MeasureLevels(const std::vector<int16_t>& samples, size_t from, size_t to, size_t stride) {
  TLevels levels;
  double sum = 0;
  size_t count = 0;
  for (size_t i = from; i < to && i < samples.size(); i += stride, ++count) {
    const double value = samples[i] / 32768.0;
    sum += value * value;
    if (samples[i] >= 32767 || samples[i] <= -32767) ++levels.Clipped;
    if (i >= stride && samples[i - stride] < 0 && samples[i] >= 0) ++levels.Crossings;
  }
  levels.Rms = count ? std::sqrt(sum / count) : 0;
  return levels;
}
