#include "tools/sound/Effects.h"

#include <cmath>

#include "tools/sound/Synth.h"

namespace {

constexpr double kRate = kEffectRate;
constexpr double kPeak = 0.8;

std::vector<double> Silence(double seconds) {
  return std::vector<double>(size_t(seconds * kRate), 0.0);
}

// A menu button: a sharp tick with a short bright rattle, like a lighter's flint wheel.
std::vector<double> ButtonClick() {
  std::vector<double> sound = Silence(0.06);
  TNoise noise(301);
  TLowPass body(3500, kRate);
  for (size_t i = 0; i < sound.size(); ++i) {
    const double t = double(i) / kRate;
    const double tick = Sine(t * 1800) * std::exp(-t * 160);
    const double rattle = body.Step(noise.Next()) * std::exp(-t * 70);
    sound[i] = 0.7 * tick + 0.6 * rattle;
  }
  Normalise(sound, kPeak);
  return sound;
}

// A toggle switch: the lever's snap, then the contact settling a moment later.
std::vector<double> SwitchClick() {
  std::vector<double> sound = Silence(0.12);
  TNoise noise(404);
  TLowPass body(2500, kRate);
  for (size_t i = 0; i < sound.size(); ++i) {
    const double t = double(i) / kRate;
    const double second = t - 0.045;
    double value = (Sine(t * 950) * 0.8 + body.Step(noise.Next())) * std::exp(-t * 120);
    if (second > 0) value += (Sine(second * 1400) * 0.6 + noise.Next() * 0.3) * std::exp(-second * 200);
    sound[i] = value;
  }
  Normalise(sound, kPeak);
  return sound;
}

// The engine's firing note: a buzzy pulse with a rumble an octave below and exhaust noise.
double EngineNote(double phase, double rough) {
  return 0.55 * Saw(phase) + 0.3 * Sine(phase * 0.5) + 0.2 * Square(phase * 2.0, 0.3) + rough;
}

// The starter motor whirs, the engine catches, revs up once and settles to a steady idle.
std::vector<double> EngineStart() {
  std::vector<double> sound = Silence(2.2);
  TNoise noise(512);
  TLowPass exhaust(900, kRate);
  TLowPass smooth(1800, kRate);
  double phase = 0;
  for (size_t i = 0; i < sound.size(); ++i) {
    const double t = double(i) / kRate;
    double value;
    if (t < 0.6) {  // cranking: the starter's whine chopped by the compression strokes
      const double crank = 0.5 + 0.5 * Sine(t * 11.0);
      value = (0.4 * Saw(t * 180) + 0.4 * exhaust.Step(noise.Next())) * crank * std::min(1.0, t * 20);
    } else {
      const double run = t - 0.6;
      const double rpm = 850 + 2200 * 4.0 * run * std::exp(1.0 - 4.0 * run);  // one blip of the throttle
      phase += rpm / 60.0 * 3.0 / kRate;
      const double level = std::min(1.0, run * 30) * (t > 1.9 ? (2.2 - t) / 0.3 : 1.0);
      value = level * EngineNote(phase, 0.35 * exhaust.Step(noise.Next()));
    }
    sound[i] = smooth.Step(value);
  }
  Normalise(sound, kPeak);
  return sound;
}

// A brass note: a few harmonics with a touch of vibrato, a soft attack and a gentle release.
void AddBrass(std::vector<double>& sound, double start, double length, double frequency, double level) {
  const size_t first = size_t(start * kRate);
  const size_t count = size_t(length * kRate);
  double phase = 0;
  for (size_t i = 0; i < count && first + i < sound.size(); ++i) {
    const double t = double(i) / kRate;
    const double vibrato = 1.0 + 0.004 * Sine(t * 5.5) * std::min(1.0, t * 3);
    phase += frequency * vibrato / kRate;
    const double attack = std::min(1.0, t / 0.02);
    const double release = std::min(1.0, (length - t) / 0.08);
    const double tone = Sine(phase) + 0.5 * Sine(phase * 2) + 0.3 * Sine(phase * 3) + 0.15 * Sine(phase * 4);
    sound[first + i] += level * attack * release * tone;
  }
}

double NoteFrequency(int semitonesFromA4) {
  return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// Finish fanfare: a rising C major call (G, C, E, G) and a long held C major chord.
std::vector<double> FinishFanfare() {
  std::vector<double> sound = Silence(2.6);
  const int call[] = {-2, 3, 7, 10};  // G-4 C-5 E-5 G-5
  for (int i = 0; i < 4; ++i) AddBrass(sound, 0.15 * i, i == 3 ? 0.3 : 0.14, NoteFrequency(call[i]), 0.5);
  AddBrass(sound, 0.15 * 3 + 0.32, 0.12, NoteFrequency(7), 0.5);
  for (int note : {3, 7, 10, 15}) AddBrass(sound, 0.95, 1.6, NoteFrequency(note), 0.35);
  Normalise(sound, kPeak);
  return sound;
}

// A start-light beep: a round tone with a little edge so it cuts through the engines, as loud
// as the race's music around it (a steady tone at the music's peak would stand far above it).
constexpr double kMusicLevel = 0.14;  // root mean square of the race tune

std::vector<double> Beep(double frequency, double length) {
  std::vector<double> sound = Silence(length);
  for (size_t i = 0; i < sound.size(); ++i) {
    const double t = double(i) / kRate;
    const double shape = std::min(1.0, t / 0.005) * std::min(1.0, (length - t) / 0.03);
    sound[i] = shape * (Sine(t * frequency) + 0.15 * Sine(t * frequency * 2));
  }
  NormaliseRms(sound, kMusicLevel);
  return sound;
}

}  // namespace

std::vector<TSoundEffect> MakeSoundEffects() {
  return {
      {"Lighter 03.wav", ButtonClick()},           {"Switch 04.wav", SwitchClick()},
      {"Car Start 01.wav", EngineStart()},         {"finish.wav", FinishFanfare()},
      {"svet1.wav", Beep(NoteFrequency(0), 0.3)},   // "ready"
      {"svet2.wav", Beep(NoteFrequency(12), 0.6)},  // "go"
  };
}
