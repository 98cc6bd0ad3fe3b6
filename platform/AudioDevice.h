#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The sound card: 16-bit stereo at 44100 Hz, filled by a mixer on SDL's audio thread. When no
// real device opens, the silent dummy driver takes its place so the game runs on without sound.
class TAudioDevice {
 public:
  using TMixer = std::function<void(int16_t* interleavedStereo, int frames)>;
  static constexpr int kSampleRate = 44100;

  // Headless runs use the silent dummy driver unless SDL_AUDIODRIVER names another.
  explicit TAudioDevice(bool headless);
  ~TAudioDevice();
  TAudioDevice(const TAudioDevice&) = delete;
  TAudioDevice& operator=(const TAudioDevice&) = delete;

  // The mixer runs on the audio thread until Close.
  bool Open(TMixer mixer);
  void Close();
  bool IsOpen() const { return Device != 0; }
  const std::string& DriverName() const { return Driver; }

 private:
  static void Callback(void* self, uint8_t* stream, int length);

  TMixer Mixer;
  uint32_t Device = 0;
  bool SubsystemUp = false;
  std::string Driver;
};
