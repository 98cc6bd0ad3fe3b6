#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/Wave.h"

class TModStream;

// Mixes everything that sounds into the sound card's format (44100 Hz 16-bit stereo): sound
// effects playing on buses (one per audio path, with the path's volume and rate) and the streams
// of the music modules, brought up from their own rate. Mix runs on the audio thread; everything
// else on the main thread; one lock keeps them apart.
class TSoundMixer {
 public:
  static constexpr int kRate = 44100;
  static constexpr int kForever = -1;
  // A pan from -1 (only the left speaker) through 0 (both alike) to 1 (only the right one): the
  // far side fades while the near one keeps its level, so a sound is never louder off centre.
  static constexpr double kCentre = 0;

  // A new bus at full volume and its own rate; returns its number.
  int AddBus(bool mono);
  void SetBusGain(int bus, double gain);
  // Playback rate of everything on the bus relative to its own (1 plays unchanged).
  void SetBusRate(int bus, double rate);

  // Starts one more playing of the wave on the bus; owner identifies it for Stop and IsPlaying.
  // plays counts whole playings (kForever repeats until stopped). The wave must outlive the voice:
  // StopVoices before freeing it.
  void StartVoice(const void* owner, const TWaveSound* wave, int bus, int plays);
  void StopVoices(const void* owner);
  bool IsPlaying(const void* owner) const;
  // Stops every playing of the wave, whoever started it (before the wave is freed).
  void StopWave(const TWaveSound* wave);

  // A voice the game steers while it sounds (engines, tyres): its own level, pitch and place
  // between the speakers, on top of its bus's, glide to the values last set over the next mix, so
  // changing them never clicks. Returns the voice's number (never 0) for the calls below.
  uint64_t StartSteeredVoice(const void* owner, const TWaveSound* wave, int bus, int plays, double gain,
                             double rate, double pan);
  void SteerVoice(uint64_t voice, double gain, double rate, double pan);
  // Glides the voice down to silence and ends it there.
  void FadeOutVoice(uint64_t voice);
  bool IsVoicePlaying(uint64_t voice) const;

  // A module's stream is mixed while it is added (it plays only while started).
  void AddStream(TModStream* stream);
  void RemoveStream(TModStream* stream);

  // Fills frames of interleaved stereo with the mix.
  void Mix(int16_t* out, int frames);

 private:
  struct TBus {
    bool Mono = false;
    double Gain = 1;
    double Rate = 1;
  };
  struct TVoice {
    const void* Owner;
    const TWaveSound* Wave;
    int Bus;
    int PlaysLeft;        // kForever, or playings still to come after this one
    double Position = 0;  // in frames of the wave
    uint64_t Id = 0;      // steered voices only
    double Gain = 1, TargetGain = 1;
    double Rate = 1, TargetRate = 1;
    double Pan = kCentre, TargetPan = kCentre;
    bool FadingOut = false;
  };
  // A module stream brought to the mixer's rate by linear interpolation between its frames.
  struct TStreamInput {
    TModStream* Stream = nullptr;
    int64_t Phase = 0;  // from the previous frame towards the next, in 1/kRate steps
    float Previous[2] = {0, 0};
    float Next[2] = {0, 0};
    std::vector<int16_t> Pulled;
  };

  bool MixVoice(TVoice& voice, float* mix, int frames) const;
  // The level of each speaker, left and right, at a pan.
  static std::array<float, 2> SpeakerLevels(double pan);  // false once it has finished
  TVoice* FindVoice(uint64_t id);
  static void MixStream(TStreamInput& input, float* mix, int frames);

  mutable std::mutex Lock;
  std::vector<TBus> Buses;
  std::vector<TVoice> Voices;
  std::vector<TStreamInput> Streams;
  std::vector<float> Sum;
  uint64_t LastVoiceId = 0;
};
