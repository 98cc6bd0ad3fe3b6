#include "tools/sound/Instruments.h"

#include <cmath>
#include <functional>

#include "tools/sound/Synth.h"

namespace {

// Looped waveforms hold whole cycles of C-4: kCycle samples a cycle at the rate that makes it so.
constexpr int kCycle = 128;
constexpr double kC4 = 261.6255653;
constexpr double kLoopRate = kC4 * kCycle;
constexpr double kDrumRate = 22050;

TXmSample Sample(const std::string& name, std::vector<double> sound, double rate, double peak) {
  Normalise(sound, peak);
  TXmSample sample;
  sample.Name = name;
  sample.Data = ToPcm16(sound);
  const TXmTuning tuning = XmTuneFor(rate);
  sample.RelativeNote = tuning.RelativeNote;
  sample.FineTune = tuning.FineTune;
  return sample;
}

// A looped sample of `cycles` cycles of C-4, made by wave(phase in cycles).
TXmSample LoopedSample(const std::string& name, int cycles, const std::function<double(double)>& wave) {
  std::vector<double> sound(size_t(kCycle * cycles));
  for (size_t i = 0; i < sound.size(); ++i) sound[i] = wave(double(i) / kCycle);
  TXmSample sample = Sample(name, std::move(sound), kLoopRate, 0.9);
  sample.Loop = TXmLoop::Forward;
  sample.LoopStart = 0;
  sample.LoopLength = uint32_t(sample.Data.size());
  return sample;
}

// A band-limited saw of a few harmonics, softer the further up.
double SoftSaw(double phase, int harmonics) {
  double value = 0;
  for (int h = 1; h <= harmonics; ++h) value += Sine(phase * h) / h;
  return value;
}

TXmInstrument Instrument(const std::string& name, TXmSample sample) {
  TXmInstrument instrument;
  instrument.Name = name;
  instrument.Samples.push_back(std::move(sample));
  return instrument;
}

TXmEnvelope Envelope(std::vector<TXmEnvelopePoint> points, int sustain) {
  TXmEnvelope envelope;
  envelope.Points = std::move(points);
  envelope.Sustain = sustain;
  return envelope;
}

}  // namespace

TXmInstrument MakeBass() {
  TXmInstrument bass = Instrument("Bass", LoopedSample("bass saw", 1, [](double phase) {
                                    return SoftSaw(phase, 10) + 0.4 * Sine(phase);
                                  }));
  bass.VolumeEnvelope = Envelope({{0, 64}, {6, 44}, {30, 30}, {60, 26}}, 3);
  bass.FadeOut = 2048;
  return bass;
}

TXmInstrument MakeLead() {
  TXmInstrument lead = Instrument("Lead", LoopedSample("lead square", 1, [](double phase) {
                                    double value = 0;
                                    for (int h = 1; h <= 15; h += 2) value += Sine(phase * h) / h;
                                    return value + 0.2 * Sine(phase * 2);
                                  }));
  lead.VolumeEnvelope = Envelope({{0, 0}, {2, 64}, {12, 48}, {40, 40}}, 3);
  lead.FadeOut = 1024;
  lead.VibratoType = 0;
  lead.VibratoSweep = 24;
  lead.VibratoDepth = 4;
  lead.VibratoRate = 10;
  return lead;
}

TXmInstrument MakePad() {
  // Harmonics detuned by whole cycles of the loop so the loop stays seamless: a slow chorus.
  constexpr int kCycles = 32;
  TXmInstrument pad = Instrument("Pad", LoopedSample("pad chorus", kCycles, [](double phase) {
                                   double value = 0;
                                   for (int h = 1; h <= 6; ++h) {
                                     for (int detune : {-1, 0, 1}) {
                                       const double cycles = h + double(detune) / kCycles;
                                       value += Sine(phase * cycles + 0.37 * h * (detune + 1)) / (h * h);
                                     }
                                   }
                                   return value;
                                 }));
  pad.VolumeEnvelope = Envelope({{0, 0}, {24, 48}, {48, 40}}, 2);
  pad.FadeOut = 384;
  return pad;
}

TXmInstrument MakeBell() {
  std::vector<double> sound(size_t(kLoopRate * 0.6));
  for (size_t i = 0; i < sound.size(); ++i) {
    const double t = double(i) / kLoopRate;
    const double phase = t * kC4;
    sound[i] =
        (Sine(phase) + 0.5 * Sine(phase * 2) * std::exp(-t * 6) + 0.25 * Sine(phase * 4)) * std::exp(-t * 5);
  }
  return Instrument("Bell", Sample("bell pluck", std::move(sound), kLoopRate, 0.9));
}

TXmInstrument MakeKick() {
  std::vector<double> sound(size_t(kDrumRate * 0.3));
  double phase = 0;
  for (size_t i = 0; i < sound.size(); ++i) {
    const double t = double(i) / kDrumRate;
    phase += (45 + 110 * std::exp(-t * 30)) / kDrumRate;
    sound[i] = Sine(phase) * std::exp(-t * 9) * std::min(1.0, t * 2000);
  }
  return Instrument("Kick", Sample("kick", std::move(sound), kDrumRate, 0.95));
}

TXmInstrument MakeSnare() {
  std::vector<double> sound(size_t(kDrumRate * 0.25));
  TNoise noise(7001);
  TLowPass colour(6000, kDrumRate);
  for (size_t i = 0; i < sound.size(); ++i) {
    const double t = double(i) / kDrumRate;
    const double tone = Sine(t * 190) * std::exp(-t * 25);
    sound[i] = 0.6 * tone + colour.Step(noise.Next()) * std::exp(-t * 16);
  }
  return Instrument("Snare", Sample("snare", std::move(sound), kDrumRate, 0.85));
}

TXmInstrument MakeHiHat() {
  std::vector<double> sound(size_t(kDrumRate * 0.08));
  TNoise noise(9113);
  TLowPass low(5000, kDrumRate);
  for (size_t i = 0; i < sound.size(); ++i) {
    const double t = double(i) / kDrumRate;
    const double white = noise.Next();
    sound[i] = (white - low.Step(white)) * std::exp(-t * 60);
  }
  return Instrument("Hi-hat", Sample("hihat", std::move(sound), kDrumRate, 0.7));
}
