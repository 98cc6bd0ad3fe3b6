#include "platform/Wave.h"

#include <SDL.h>

#include <memory>

#include "platform/RegularFile.h"

namespace {

struct TWaveFreer {
  void operator()(Uint8* buffer) const { SDL_FreeWAV(buffer); }
};

struct TStreamFreer {
  void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

std::optional<TWaveSound> Convert(const SDL_AudioSpec& from, const Uint8* data, Uint32 length,
                                  int sampleRate) {
  std::unique_ptr<SDL_AudioStream, TStreamFreer> stream(
      SDL_NewAudioStream(from.format, from.channels, from.freq, AUDIO_S16SYS, 2, sampleRate));
  if (!stream || SDL_AudioStreamPut(stream.get(), data, int(length)) != 0 ||
      SDL_AudioStreamFlush(stream.get()) != 0)
    return std::nullopt;
  TWaveSound sound;
  sound.Samples.resize(size_t(SDL_AudioStreamAvailable(stream.get())) / sizeof(int16_t));
  const int bytes = int(sound.Samples.size() * sizeof(int16_t));
  if (SDL_AudioStreamGet(stream.get(), sound.Samples.data(), bytes) != bytes) return std::nullopt;
  return sound;
}

}  // namespace

std::optional<TWaveSound> LoadWaveFile(const std::string& path, int sampleRate, std::string* error) {
  std::string reason;
  std::optional<TWaveSound> sound;
  if (const std::optional<std::vector<uint8_t>> bytes = ReadRegularFile(path, kMaxWaveBytes, reason)) {
    SDL_AudioSpec format{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes->data(), int(bytes->size())), 1, &format, &buffer, &length)) {
      std::unique_ptr<Uint8, TWaveFreer> owned(buffer);
      sound = Convert(format, buffer, length, sampleRate);
    }
    reason = sound ? "" : "it is not a wave file that can be played";
  }
  if (error) *error = reason;
  return sound;
}
