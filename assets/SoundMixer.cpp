#include "assets/SoundMixer.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "assets/ModStream.h"

int TSoundMixer::AddBus(bool mono) {
  std::lock_guard lock(Lock);
  Buses.push_back({.Mono = mono});
  return int(Buses.size()) - 1;
}

void TSoundMixer::SetBusGain(int bus, double gain) {
  std::lock_guard lock(Lock);
  Buses.at(size_t(bus)).Gain = gain;
}

void TSoundMixer::SetBusRate(int bus, double rate) {
  std::lock_guard lock(Lock);
  Buses.at(size_t(bus)).Rate = rate;
}

void TSoundMixer::StartVoice(const void* owner, const TWaveSound* wave, int bus, int plays) {
  std::lock_guard lock(Lock);
  if (wave->Frames() == 0 || plays == 0) return;
  Voices.push_back({owner, wave, bus, plays == kForever ? kForever : plays - 1});
}

void TSoundMixer::StopVoices(const void* owner) {
  std::lock_guard lock(Lock);
  std::erase_if(Voices, [owner](const TVoice& voice) { return voice.Owner == owner; });
}

bool TSoundMixer::IsPlaying(const void* owner) const {
  std::lock_guard lock(Lock);
  return std::any_of(Voices.begin(), Voices.end(),
                     [owner](const TVoice& voice) { return voice.Owner == owner; });
}

void TSoundMixer::StopWave(const TWaveSound* wave) {
  std::lock_guard lock(Lock);
  std::erase_if(Voices, [wave](const TVoice& voice) { return voice.Wave == wave; });
}

uint64_t TSoundMixer::StartSteeredVoice(const void* owner, const TWaveSound* wave, int bus, int plays,
                                        double gain, double rate, double pan) {
  std::lock_guard lock(Lock);
  ++LastVoiceId;
  if (wave->Frames() == 0 || plays == 0) return LastVoiceId;
  TVoice voice{owner, wave, bus, plays == kForever ? kForever : plays - 1};
  voice.Id = LastVoiceId;
  voice.Gain = plays == kForever ? 0 : gain;  // a loop fades in over the first mix, never clicking on
  voice.TargetGain = gain;
  voice.Rate = voice.TargetRate = rate;
  voice.Pan = voice.TargetPan = pan;
  Voices.push_back(voice);
  return LastVoiceId;
}

TSoundMixer::TVoice* TSoundMixer::FindVoice(uint64_t id) {
  const auto found =
      std::find_if(Voices.begin(), Voices.end(), [id](const TVoice& voice) { return voice.Id == id; });
  return found == Voices.end() ? nullptr : &*found;
}

void TSoundMixer::SteerVoice(uint64_t id, double gain, double rate, double pan) {
  std::lock_guard lock(Lock);
  if (TVoice* voice = FindVoice(id); voice && !voice->FadingOut) {
    voice->TargetGain = gain;
    voice->TargetRate = rate;
    voice->TargetPan = pan;
  }
}

void TSoundMixer::FadeOutVoice(uint64_t id) {
  std::lock_guard lock(Lock);
  if (TVoice* voice = FindVoice(id)) {
    voice->TargetGain = 0;
    voice->FadingOut = true;
  }
}

bool TSoundMixer::IsVoicePlaying(uint64_t id) const {
  std::lock_guard lock(Lock);
  return std::any_of(Voices.begin(), Voices.end(), [id](const TVoice& voice) { return voice.Id == id; });
}

void TSoundMixer::AddStream(TModStream* stream) {
  std::lock_guard lock(Lock);
  TStreamInput input;
  input.Stream = stream;
  Streams.push_back(std::move(input));
}

void TSoundMixer::RemoveStream(TModStream* stream) {
  std::lock_guard lock(Lock);
  std::erase_if(Streams, [stream](const TStreamInput& input) { return input.Stream == stream; });
}

void TSoundMixer::Mix(int16_t* out, int frames) {
  std::lock_guard lock(Lock);
  Sum.assign(size_t(frames) * 2, 0.0f);
  std::erase_if(Voices, [&](TVoice& voice) { return !MixVoice(voice, Sum.data(), frames); });
  for (TStreamInput& input : Streams) MixStream(input, Sum.data(), frames);
  for (size_t i = 0; i < Sum.size(); ++i)
    out[i] = int16_t(std::lrint(std::clamp(Sum[i], -32768.0f, 32767.0f)));
}

std::array<float, 2> TSoundMixer::SpeakerLevels(double pan) {
  const float p = float(std::clamp(pan, -1.0, 1.0));
  return {std::min(1.0f, 1 - p), std::min(1.0f, 1 + p)};
}

bool TSoundMixer::MixVoice(TVoice& voice, float* mix, int frames) const {
  const TBus& bus = Buses[size_t(voice.Bus)];
  const int16_t* samples = voice.Wave->Samples.data();
  const int length = voice.Wave->Frames();
  // The voice's own level, pitch and pan glide in a straight line over the block.
  const std::array<float, 2> from = SpeakerLevels(voice.Pan), to = SpeakerLevels(voice.TargetPan);
  std::array<float, 2> level, levelStep;
  for (int c = 0; c < 2; ++c) {
    level[c] = float(bus.Gain * voice.Gain) * from[c];
    levelStep[c] = (float(bus.Gain * voice.TargetGain) * to[c] - level[c]) / float(frames);
  }
  const double rateStep = bus.Rate * (voice.TargetRate - voice.Rate) / frames;
  double rate = bus.Rate * voice.Rate;
  for (int i = 0; i < frames; ++i) {
    if (voice.Position >= length) {
      if (voice.PlaysLeft == 0) return false;
      if (voice.PlaysLeft != kForever) --voice.PlaysLeft;
      voice.Position -= length;
    }
    const int at = int(voice.Position);
    const float fraction = float(voice.Position - at);
    // The last frame leads into the first again while the wave repeats.
    const int next = at + 1 < length ? at + 1 : voice.PlaysLeft != 0 ? 0 : at;
    float frame[2];
    for (int c = 0; c < 2; ++c)
      frame[c] = samples[at * 2 + c] + fraction * float(samples[next * 2 + c] - samples[at * 2 + c]);
    if (bus.Mono) frame[0] = frame[1] = (frame[0] + frame[1]) * 0.5f;
    for (int c = 0; c < 2; ++c) mix[i * 2 + c] += frame[c] * (level[c] + levelStep[c] * float(i));
    voice.Position += rate;
    rate += rateStep;
  }
  voice.Gain = voice.TargetGain;
  voice.Rate = voice.TargetRate;
  voice.Pan = voice.TargetPan;
  if (voice.FadingOut && voice.Gain == 0) return false;
  return voice.Position < length || voice.PlaysLeft != 0;
}

void TSoundMixer::MixStream(TStreamInput& input, float* mix, int frames) {
  constexpr int64_t from = TModStream::kRate;
  const int64_t needed = (input.Phase + int64_t(frames) * from) / kRate;
  input.Pulled.assign(size_t(needed) * 2, 0);
  input.Stream->Drain(input.Pulled.data(), int(needed));
  size_t pulled = 0;
  for (int i = 0; i < frames; ++i) {
    const float t = float(input.Phase) / float(kRate);
    for (int c = 0; c < 2; ++c) mix[i * 2 + c] += input.Previous[c] + t * (input.Next[c] - input.Previous[c]);
    input.Phase += from;
    while (input.Phase >= kRate) {
      input.Phase -= kRate;
      for (int c = 0; c < 2; ++c) {
        input.Previous[c] = input.Next[c];
        input.Next[c] = input.Pulled[pulled * 2 + c];
      }
      ++pulled;
    }
  }
}
