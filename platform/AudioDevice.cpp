#include "platform/AudioDevice.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

namespace {

SDL_AudioDeviceID OpenDefault(void* self, void (*callback)(void*, Uint8*, int)) {
  SDL_AudioSpec wanted{};
  wanted.freq = TAudioDevice::kSampleRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 2;
  wanted.samples = 1024;
  wanted.callback = callback;
  wanted.userdata = self;
  return SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
}

}  // namespace

TAudioDevice::TAudioDevice(bool headless) {
  if (headless) SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
}

TAudioDevice::~TAudioDevice() {
  Close();
}

bool TAudioDevice::Open(TMixer mixer) {
  Close();
  Mixer = std::move(mixer);
  SubsystemUp = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (SubsystemUp) Device = OpenDefault(this, &TAudioDevice::Callback);
  if (Device == 0) {
    std::fprintf(stderr, "Morvel Racing: no sound device (%s); playing silently\n", SDL_GetError());
    if (SubsystemUp) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    SubsystemUp = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (SubsystemUp) Device = OpenDefault(this, &TAudioDevice::Callback);
  }
  if (Device == 0) return false;
  const char* driver = SDL_GetCurrentAudioDriver();
  Driver = driver ? driver : "";
  SDL_PauseAudioDevice(Device, 0);
  return true;
}

void TAudioDevice::Close() {
  if (Device != 0) SDL_CloseAudioDevice(Device);
  Device = 0;
  if (SubsystemUp) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  SubsystemUp = false;
}

void TAudioDevice::Callback(void* self, uint8_t* stream, int length) {
  auto* device = static_cast<TAudioDevice*>(self);
  std::memset(stream, 0, size_t(length));
  if (device->Mixer) device->Mixer(reinterpret_cast<int16_t*>(stream), length / 4);
}
