#include "XmRender.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "assets/OmegaSound3D.h"
#include "platform/Clock.h"

namespace {

// What the sound card takes per callback (1024 frames at 44100 Hz), in the module's frames.
constexpr int kDrainFrames = 512;

using TFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

bool WriteLittleEndian(std::FILE* out, const int16_t* samples, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const auto value = uint16_t(samples[i]);
    const unsigned char bytes[2] = {uint8_t(value), uint8_t(value >> 8)};
    if (std::fwrite(bytes, 1, 2, out) != 2) return false;
  }
  return true;
}

// Drains frames frames the way the sound card does, never ahead of the worker; writes them when
// out is given. Returns false when the output cannot be written.
bool Drain(TModListItem& music, long frames, std::FILE* out) {
  int16_t chunk[kDrainFrames * TModStream::kChannels];
  while (frames > 0) {
    music.WaitForRefills();
    const int got = music.Drain(chunk, int(std::min<long>(kDrainFrames, frames)));
    if (got == 0) return true;
    if (out && !WriteLittleEndian(out, chunk, size_t(got) * TModStream::kChannels)) return false;
    frames -= got;
  }
  return true;
}

long ParseSeconds(const std::string& text) {
  size_t used = 0;
  const double seconds = std::stod(text, &used);
  if (used != text.size() || !(seconds > 0) || seconds > 3600) throw std::invalid_argument(text);
  return long(seconds * TModStream::kRate + 0.5);
}

}  // namespace

// The module goes through the game's own path: its player instance, its worker thread and the
// two-half streaming buffer, looping as the game's music does. The output is 22050 Hz 16-bit
// stereo, little-endian, from the music's first frame.
int RunXmRender(const std::vector<std::string>& args) {
  if (args.size() != 3) {
    std::fputs("Usage: morvel-tool xm-render IN.xm OUT.raw SECONDS\n", stderr);
    return 2;
  }
  long frames = 0;
  try {
    frames = ParseSeconds(args[2]);
  } catch (const std::exception&) {
    std::fprintf(stderr, "xm-render: SECONDS must be a number of seconds above 0, not '%s'\n",
                 args[2].c_str());
    return 2;
  }
  TVirtualClock clock;
  TOmegaSound3D sound3D(clock);
  TModListItem& music = sound3D.ModList.Add();
  music.FileName = args[0];
  music.Loop = true;
  try {
    music.Play();
  } catch (const ESoundError& error) {
    std::fprintf(stderr, "xm-render: %s\n", error.what());
    return 1;
  }
  TFile out(std::fopen(args[1].c_str(), "wb"), &std::fclose);
  // A first Play starts on a silent buffer: the music comes round one buffer length later.
  if (!out || !Drain(music, TModStream::kFrames, nullptr) || !Drain(music, frames, out.get()) ||
      std::fclose(out.release()) != 0) {
    std::fprintf(stderr, "xm-render: cannot write %s\n", args[1].c_str());
    return 1;
  }
  return 0;
}
