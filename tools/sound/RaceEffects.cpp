#include "tools/sound/RaceEffects.h"

#include <cmath>
#include <functional>
#include <string>

#include "tools/sound/Synth.h"

namespace {

constexpr double kRate = kRaceEffectRate;
constexpr size_t kLoopLength = size_t(kLoopSeconds * kRate);
constexpr size_t kSeam = size_t(0.1 * kRate);  // the stretch over which the loop's end becomes its start

// A loop of kLoopLength samples from a generator of consecutive samples. The generator first runs
// a while so its filters settle; the stretch after the loop is then faded into the loop's start,
// so whatever it makes (noise too) runs on without a step when the loop comes round.
std::vector<double> SeamlessLoop(const std::function<double()>& next) {
  for (size_t i = 0; i < kSeam; ++i) next();
  std::vector<double> raw(kLoopLength + kSeam);
  for (double& value : raw) value = next();
  std::vector<double> loop(raw.begin(), raw.begin() + kLoopLength);
  for (size_t i = 0; i < kSeam; ++i) {
    const double in = double(i) / kSeam;
    loop[i] = raw[i] * in + raw[kLoopLength + i] * (1 - in);
  }
  return loop;
}

// What makes one car's engine sound like that car. Frequencies are whole hertz divisible by four
// so that every part of the note, down to the quarter-rate lope, fits the loop exactly.
struct TEngineCharacter {
  const char* FileName;
  int Firing;         // firing pulses a second at idle; the game raises the pitch with speed
  double Tilt;        // how fast the harmonics fall away: lower is brighter and buzzier
  double Sub;         // rumble an octave below
  double Lope;        // unevenness of the firing, the loping beat of a big engine
  double Exhaust;     // share of exhaust noise
  double Brightness;  // cut-off of the final filter, hertz
  int Whistle;        // a turbocharger's whine, hertz (0: none)
};

constexpr TEngineCharacter kEngines[] = {
    {"engine1.wav", 64, 1.1, 0.15, 0.05, 0.25, 3200, 0},   // Speeder: a light, eager four
    {"engine2.wav", 56, 1.3, 0.2, 0.08, 0.3, 2400, 2400},  // Turbo: smooth, with the turbo's whine
    {"engine3.wav", 48, 1.5, 0.45, 0.3, 0.35, 1800, 0},    // Volcano: a loping V8
    {"engine4.wav", 60, 0.9, 0.1, 0.1, 0.2, 4000, 0},      // Viper: a hard, buzzy six
    {"engine5.wav", 44, 1.4, 0.6, 0.2, 0.5, 1500, 0},      // Beast: deep and rough
};

std::vector<double> EngineLoop(const TEngineCharacter& engine, uint32_t seed) {
  TNoise noise(seed);
  TLowPass exhaustTone(700, kRate);
  TLowPass body(engine.Brightness, kRate);
  size_t i = 0;
  std::vector<double> loop = SeamlessLoop([&] {
    const double t = double(i++) / kRate;
    const double phase = engine.Firing * t;
    double note = 0;
    for (int h = 1; h <= 12; ++h) note += Sine(phase * h + 0.21 * h * h) / std::pow(h, engine.Tilt);
    note += engine.Sub * 2.0 * Sine(phase * 0.5);
    note *= 1.0 + engine.Lope * Sine(phase * 0.25);
    const double pulse = std::max(0.0, Sine(phase));  // each firing pushes a puff of exhaust
    const double exhaust = exhaustTone.Step(noise.Next()) * 4.0 * pulse * pulse;
    double value = (1 - engine.Exhaust) * note + engine.Exhaust * exhaust * 3.0;
    if (engine.Whistle) value += 0.08 * Sine(engine.Whistle * t);
    return body.Step(value);
  });
  Normalise(loop, 0.7);
  return loop;
}

// Tyres squealing: a wavering howl over hissing rubber.
std::vector<double> SkidLoop() {
  TNoise noise(8111);
  TLowPass hissLow(900, kRate), hissHigh(4000, kRate);
  size_t i = 0;
  std::vector<double> loop = SeamlessLoop([&] {
    const double t = double(i++) / kRate;
    const double howl = Sine(1100 * t + 3.0 * Sine(7 * t)) + 0.5 * Sine(1650 * t + 4.5 * Sine(7 * t));
    const double white = noise.Next();
    const double hiss = hissHigh.Step(white) - hissLow.Step(white);  // rubber's band of noise
    return 0.55 * howl * (0.8 + 0.2 * Sine(13 * t)) + 1.2 * hiss;
  });
  Normalise(loop, 0.6);
  return loop;
}

// A knock: the body's thump, the crunch of panels and a short metallic ring.
std::vector<double> Crash() {
  std::vector<double> sound(size_t(0.5 * kRate));
  TNoise noise(9403);
  TLowPass crunchTone(2200, kRate);
  double thumpPhase = 0;
  for (size_t i = 0; i < sound.size(); ++i) {
    const double t = double(i) / kRate;
    thumpPhase += (50 + 90 * std::exp(-t * 25)) / kRate;
    const double thump = Sine(thumpPhase) * std::exp(-t * 14);
    const double crunch = crunchTone.Step(noise.Next()) * std::exp(-t * 30);
    const double ring = (Sine(t * 740) + 0.7 * Sine(t * 1187)) * std::exp(-t * 18);
    sound[i] = std::min(1.0, t * 4000) * (thump + 1.6 * crunch + 0.15 * ring);
  }
  Normalise(sound, 0.85);
  return sound;
}

// Crossing the line: two quick rising chimes.
std::vector<double> LapChime() {
  std::vector<double> sound(size_t(0.45 * kRate));
  for (size_t i = 0; i < sound.size(); ++i) {
    const double t = double(i) / kRate;
    double value = 0;
    for (const auto& [start, frequency] : {std::pair{0.0, 1318.5}, std::pair{0.09, 1760.0}}) {
      const double s = t - start;
      if (s < 0) continue;
      const double shape = std::min(1.0, s / 0.004) * std::exp(-s * 9);
      value += shape * (Sine(s * frequency) + 0.3 * Sine(s * frequency * 2.76));
    }
    sound[i] = value * std::min(1.0, (0.45 - t) / 0.05);
  }
  Normalise(sound, 0.6);
  return sound;
}

}  // namespace

std::vector<TSoundEffect> MakeRaceEffects() {
  std::vector<TSoundEffect> effects;
  uint32_t seed = 6007;
  for (const TEngineCharacter& engine : kEngines)
    effects.push_back({engine.FileName, EngineLoop(engine, seed++), kRaceEffectRate});
  effects.push_back({"skid.wav", SkidLoop(), kRaceEffectRate});
  effects.push_back({"crash.wav", Crash(), kRaceEffectRate});
  effects.push_back({"lap.wav", LapChime(), kRaceEffectRate});
  return effects;
}
