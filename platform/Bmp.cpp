#include "platform/Bmp.h"

#include <SDL.h>

#include <cstring>
#include <memory>

namespace {

struct TSurfaceFree {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using TSurface = std::unique_ptr<SDL_Surface, TSurfaceFree>;

int32_t ReadLe(std::span<const uint8_t> bytes, size_t at, size_t size) {
  uint32_t value = 0;
  for (size_t i = 0; i < size; ++i) value |= uint32_t(bytes[at + i]) << (8 * i);
  if (size == 2) return int16_t(value);
  return int32_t(value);
}

// The size from the file's info header (the old 12-byte header has 16-bit sides); a height
// is negative for pictures stored top row first.
bool SidesWithin(std::span<const uint8_t> bytes, int maxSide) {
  if (bytes.size() < 26) return true;  // too short to be read at all: SDL says why
  bool core = ReadLe(bytes, 14, 4) == 12;
  int64_t width = core ? ReadLe(bytes, 18, 2) : ReadLe(bytes, 18, 4);
  int64_t height = core ? ReadLe(bytes, 20, 2) : ReadLe(bytes, 22, 4);
  return width <= maxSide && height <= maxSide && -height <= maxSide;
}

}  // namespace

std::optional<TPixmap> DecodeBmp(std::span<const uint8_t> bytes, int maxSide, std::string& error) {
  if (!SidesWithin(bytes, maxSide)) {
    error = "picture size out of range";
    return std::nullopt;
  }
  SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
  if (!stream) {
    error = SDL_GetError();
    return std::nullopt;
  }
  TSurface loaded(SDL_LoadBMP_RW(stream, 1));
  if (!loaded) {
    error = SDL_GetError();
    return std::nullopt;
  }
  if (loaded->w <= 0 || loaded->h <= 0 || loaded->w > maxSide || loaded->h > maxSide) {
    error = "picture size out of range";
    return std::nullopt;
  }
  // Converting to ARGB8888 gives pixels without an alpha mask an opaque alpha.
  TSurface argb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  if (!argb) {
    error = SDL_GetError();
    return std::nullopt;
  }
  TPixmap picture{argb->w, argb->h, std::vector<uint32_t>(size_t(argb->w) * size_t(argb->h))};
  SDL_LockSurface(argb.get());
  for (int y = 0; y < argb->h; ++y)
    std::memcpy(&picture.Pixels[size_t(y) * size_t(argb->w)],
                static_cast<const uint8_t*>(argb->pixels) + size_t(y) * size_t(argb->pitch),
                size_t(argb->w) * 4);
  SDL_UnlockSurface(argb.get());
  return picture;
}

void ReleaseBmpThreadState() {
  SDL_TLSCleanup();
}
