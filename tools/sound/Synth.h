#pragma once

// Small building blocks shared by the sound effects and the music instruments: a seeded noise
// source, one-pole filters and the usual waveforms. Everything is deterministic so that the game's
// sounds come out byte for byte the same on every build.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

// White noise in -1..1 from a fixed seed (a 32-bit xorshift, the same on every platform).
class TNoise {
 public:
  explicit TNoise(uint32_t seed) : State(seed ? seed : 1) {}
  double Next() {
    State ^= State << 13;
    State ^= State >> 17;
    State ^= State << 5;
    return double(State) / 2147483647.5 - 1.0;
  }

 private:
  uint32_t State;
};

// One-pole low-pass; the high-pass is the input minus the low-pass.
class TLowPass {
 public:
  TLowPass(double cutoff, double sampleRate) : Coefficient(1.0 - std::exp(-kTwoPi * cutoff / sampleRate)) {}
  double Step(double input) {
    Value += Coefficient * (input - Value);
    return Value;
  }

 private:
  double Coefficient;
  double Value = 0;
};

// Waveforms of a phase counted in cycles.
inline double Sine(double phase) {
  return std::sin(kTwoPi * phase);
}
inline double Saw(double phase) {
  return 2.0 * (phase - std::floor(phase)) - 1.0;
}
inline double Square(double phase, double duty = 0.5) {
  return phase - std::floor(phase) < duty ? 1.0 : -1.0;
}

// Scales the sound so that its loudest sample reaches peak (of 1.0).
inline void Normalise(std::vector<double>& sound, double peak) {
  double loudest = 0;
  for (double value : sound) loudest = std::max(loudest, std::abs(value));
  if (loudest > 0) {
    for (double& value : sound) value *= peak / loudest;
  }
}

// Scales the sound so that its root mean square reaches rms (of full scale 1.0).
inline void NormaliseRms(std::vector<double>& sound, double rms) {
  double sum = 0;
  for (double value : sound) sum += value * value;
  if (sum > 0) {
    const double scale = rms / std::sqrt(sum / double(sound.size()));
    for (double& value : sound) value *= scale;
  }
}

// Full-scale 16-bit values of a sound in -1..1.
inline std::vector<int16_t> ToPcm16(const std::vector<double>& sound) {
  std::vector<int16_t> pcm(sound.size());
  for (size_t i = 0; i < sound.size(); ++i) {
    pcm[i] = int16_t(std::lround(std::clamp(sound[i], -1.0, 1.0) * 32767.0));
  }
  return pcm;
}
