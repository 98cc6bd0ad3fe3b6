#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// The game's interface to the module player: one player instance per music module renders it to
// PCM on demand. Built on libopenmpt; the caller serialises every call on one instance (the library
// must not be entered from two threads at once for the same module).

// Mixer option flag: the module loops forever instead of ending.
inline constexpr uint32_t kModPlugLoop = 0x10;

class TModPlugPlayer {
 public:
  TModPlugPlayer();
  ~TModPlugPlayer();
  TModPlugPlayer(const TModPlugPlayer&) = delete;
  TModPlugPlayer& operator=(const TModPlugPlayer&) = delete;

  // The PCM format Read produces. Only 16-bit output with one or two channels is offered.
  void SetWaveFormat(int rate, int channels, int bits);
  // Loads a module from memory; false when the data is not a module the player understands.
  bool Load(const void* data, size_t size);
  uint32_t MixerOptions() const { return Options; }
  void SetMixerOptions(uint32_t options);
  // Renders the next bytes of PCM into buffer (whole frames only); returns the number of bytes
  // written: fewer than asked as the module ends, 0 once it has ended (never for a looping one).
  size_t Read(void* buffer, size_t bytes);
  void Unload();
  bool IsLoaded() const;

 private:
  struct TModule;
  std::unique_ptr<TModule> Module;
  uint32_t Options = 0;
  int Rate = 44100;
  int Channels = 2;
};
