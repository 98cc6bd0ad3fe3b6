#pragma once

#include <cstdint>

// The generator's own random numbers (splitmix64): the same seed gives the same pictures on every machine,
// which the standard distributions do not promise.
class TArtRandom {
 public:
  explicit TArtRandom(std::uint64_t seed) : State(seed) {}

  std::uint64_t Next() {
    State += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = State;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // Uniform in [low, high).
  double Uniform(double low, double high) {
    return low + (high - low) * static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
  }

  // Uniform in 0 .. count - 1.
  int Below(int count) { return static_cast<int>(Next() % static_cast<std::uint64_t>(count)); }

 private:
  std::uint64_t State;
};
