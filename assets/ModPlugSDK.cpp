#include "assets/ModPlugSDK.h"

#include <libopenmpt/libopenmpt.hpp>

#include <sstream>
#include <stdexcept>

struct TModPlugPlayer::TModule {
  // The library's load remarks go to a log of their own, not to the game's stderr.
  // No dither: the library seeds its dither at random, and the game's music should come out the
  // same, byte for byte, every time it is rendered.
  TModule(const void* data, size_t size) : Player(data, size, Log) { Player.ctl_set_integer("dither", 0); }
  std::ostringstream Log;
  openmpt::module Player;
};

TModPlugPlayer::TModPlugPlayer() = default;
TModPlugPlayer::~TModPlugPlayer() = default;

void TModPlugPlayer::SetWaveFormat(int rate, int channels, int bits) {
  if (bits != 16 || (channels != 1 && channels != 2) || rate <= 0)
    throw std::invalid_argument("module player: unsupported output format");
  Rate = rate;
  Channels = channels;
}

bool TModPlugPlayer::Load(const void* data, size_t size) {
  Unload();
  try {
    Module = std::make_unique<TModule>(data, size);
  } catch (const openmpt::exception&) {
    return false;
  }
  SetMixerOptions(Options);
  return true;
}

void TModPlugPlayer::SetMixerOptions(uint32_t options) {
  Options = options;
  if (Module) Module->Player.set_repeat_count((options & kModPlugLoop) != 0 ? -1 : 0);
}

size_t TModPlugPlayer::Read(void* buffer, size_t bytes) {
  if (!Module) return 0;
  const size_t frameBytes = size_t(Channels) * sizeof(int16_t);
  auto* samples = static_cast<int16_t*>(buffer);
  const size_t frames = bytes / frameBytes;
  const size_t rendered = Channels == 2 ? Module->Player.read_interleaved_stereo(Rate, frames, samples)
                                        : Module->Player.read(Rate, frames, samples);
  return rendered * frameBytes;
}

void TModPlugPlayer::Unload() {
  Module.reset();
}

bool TModPlugPlayer::IsLoaded() const {
  return Module != nullptr;
}
