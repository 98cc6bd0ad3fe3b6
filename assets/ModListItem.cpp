#include "assets/ModListItem.h"

#include <chrono>

#include "assets/SoundError.h"
#include "assets/SoundMixer.h"
#include "platform/GamePath.h"
#include "platform/RegularFile.h"

namespace {

// How long a worker waits for the cursor before looking round again.
constexpr std::chrono::milliseconds kWorkerWait{500};
// Far beyond any of the game's tunes; a larger file is not read.
constexpr size_t kMaxModuleBytes = size_t(32) << 20;

}  // namespace

TModListItem::TModListItem(TSoundMixer& mixer) : Mixer(mixer) {}

TModListItem::~TModListItem() {
  Unload();
}

void TModListItem::Load() {
  std::string reason;
  const std::vector<uint8_t> data =
      ReadRegularFile(NativePath(FileName), kMaxModuleBytes, reason).value_or(std::vector<uint8_t>());
  if (reason.empty() && data.empty()) reason = "the file is empty";
  auto player = std::make_unique<TModPlugPlayer>();
  player->SetWaveFormat(TModStream::kRate, TModStream::kChannels, 16);
  {
    std::lock_guard lock(Lock);
    if (!reason.empty() || !player->Load(data.data(), data.size())) {
      FailedFile = FileName;
      throw SoundFileError(NativePath(FileName),
                           reason.empty() ? "it is not a module that can be played" : reason);
    }
    Player = std::move(player);
  }
  FailedFile.reset();
  Stream = std::make_unique<TModStream>();
  Rendered.resize(size_t(TModStream::kHalfFrames) * TModStream::kChannels);
  Worker = std::make_unique<TModPlugEventThread>([this] { return Refill(); });
  Mixer.AddStream(Stream.get());
}

void TModListItem::Play() {
  if (!Loaded()) Load();
  {
    std::lock_guard lock(Lock);
    const uint32_t options = Player->MixerOptions();
    Player->SetMixerOptions(Loop ? options | kModPlugLoop : options & ~kModPlugLoop);
  }
  Stream->Clear();
  Worker->Resume();
  Stream->Start();
}

void TModListItem::Stop() {
  if (!Loaded()) return;
  Stream->Halt();
  Worker->Suspend();
}

void TModListItem::Unload() {
  if (!Loaded()) return;
  Stop();
  Worker->Terminate();
  Stream->Wake();
  Worker.reset();
  Mixer.RemoveStream(Stream.get());
  Stream.reset();
  std::lock_guard lock(Lock);
  Player->Unload();
  Player.reset();
}

bool TModListItem::IsPlaying() const {
  return Loaded() && Stream->IsPlaying();
}

bool TModListItem::WorkerSuspended() const {
  return Worker && Worker->IsSuspended();
}

int TModListItem::Drain(int16_t* out, int frames) {
  return Stream->Drain(out, frames);
}

void TModListItem::WaitForRefills() {
  if (Loaded()) Stream->WaitForRefills();
}

// The cursor reaching the start of one half means the other half has just been played.
// The worker touches only the stream and the player, never the item's own members that the main
// thread changes.
bool TModListItem::Refill() {
  const TModStream::TNotice notice = Stream->Wait(kWorkerWait);
  if (notice.Ended) {
    Stream->Halt();  // the music has been played out: stopped, as by Stop
    return false;
  }
  if (notice.Reached[0]) FillHalf(1);
  if (notice.Reached[1]) FillHalf(0);
  return true;
}

void TModListItem::FillHalf(int half) {
  size_t bytes;
  {
    std::lock_guard lock(Lock);
    bytes = Player->Read(Rendered.data(), Rendered.size() * sizeof(int16_t));
  }
  Stream->WriteHalf(half, Rendered.data(), int(bytes / (TModStream::kChannels * sizeof(int16_t))));
}
