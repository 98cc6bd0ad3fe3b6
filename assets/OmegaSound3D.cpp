#include "assets/OmegaSound3D.h"

#include <algorithm>
#include <cmath>

#include "platform/GamePath.h"

namespace {

// A sound that started this recently still holds its path, even before it is heard.
constexpr int64_t kPathHoldMs = 250;
constexpr int kSilent = -10000;  // hundredths of a decibel

double GainOf(int attenuation) {
  return attenuation <= kSilent ? 0.0 : std::pow(10.0, attenuation / 2000.0);
}

TAudioPathType PoolType(TAudioPathPool pool) {
  switch (pool) {
    case TAudioPathPool::app3D:
      return TAudioPathType::apt3D;
    case TAudioPathPool::appMono:
      return TAudioPathType::aptMono;
    default:
      return TAudioPathType::aptStereo;
  }
}

}  // namespace

// Audio paths.

void TAudioPathListItem::Create() {
  if (!Created()) Bus = Owner.Mixer->AddBus(AudioPathType != TAudioPathType::aptStereo);
}

void TAudioPathListItem::SetVolume(int attenuation) {
  Attenuation = attenuation;
  Owner.Mixer->SetBusGain(Bus, GainOf(attenuation));
}

void TAudioPathListItem::SetPlayFrequency(int frequency) {
  if (frequency == PlayFrequency) return;
  PlayFrequency = frequency;
  Owner.Mixer->SetBusRate(Bus, frequency == 0 || Frequency <= 0 ? 1.0 : double(frequency) / Frequency);
}

bool TAudioPathListItem::Busy(int64_t nowMs) const {
  return LastUser != nullptr && LastUser->Loaded() && LastUser->Path == this &&
         (nowMs - StartMs < kPathHoldMs || Owner.Mixer->IsPlaying(LastUser));
}

// Sound effects.

TSoundListItem::~TSoundListItem() {
  Unload();
}

void TSoundListItem::Load() {
  std::string reason;
  std::optional<TWaveSound> wave = LoadWaveFile(NativePath(FileName), TSoundMixer::kRate, &reason);
  if (!wave) {
    FailedFile = FileName;
    throw SoundFileError(NativePath(FileName), reason);
  }
  FailedFile.reset();
  Wave = std::make_unique<TWaveSound>(std::move(*wave));
}

TAudioPathListItem* TSoundListItem::ChoosePath() {
  if (AudioPathPool != TAudioPathPool::appUseIndex) return Owner.PoolSearch(PoolType(AudioPathPool));
  if (AudioPathIndex < 0 || AudioPathIndex >= Owner.AudioPathList.Count()) return nullptr;
  return &Owner.AudioPathList.Items(AudioPathIndex);
}

void TSoundListItem::Play() {
  if (!Loaded()) Load();
  TAudioPathListItem* path = ChoosePath();
  if (path == nullptr || !path->Created()) return;
  path->SetVolume(std::clamp(Volume, 0, 100) * 100 - 10000);
  path->SetPlayFrequency(std::max(Frequency, 0));
  path->PositionX = SoundPositionX;
  path->PositionY = SoundPositionY;
  path->PositionZ = SoundPositionZ;
  const int plays = Loop ? TSoundMixer::kForever : int(std::min<uint32_t>(RepeatCount, 1'000'000)) + 1;
  Owner.Mixer->StartVoice(this, Wave.get(), path->Bus, plays);
  path->LastUser = this;
  path->StartMs = Owner.NowMs();
  Path = path;
}

void TSoundListItem::Stop() {
  if (!Loaded()) return;
  Owner.Mixer->StopVoices(this);
  for (int i = 0; i < Owner.AudioPathList.Count(); ++i) {
    TAudioPathListItem& path = Owner.AudioPathList.Items(i);
    if (path.LastUser == this) path.LastUser = nullptr;
  }
}

void TSoundListItem::Unload() {
  if (!Loaded()) return;
  Stop();
  Owner.Mixer->StopWave(Wave.get());  // the steered voices that play it too
  Wave.reset();
}

// The component.

TOmegaSound3D::TOmegaSound3D(const TClock& clock)
    : Clock(clock),
      Mixer(std::make_unique<TSoundMixer>()),
      AudioPathList(*this),
      SoundList(*this),
      ModList(*Mixer) {}

TOmegaSound3D::~TOmegaSound3D() {
  AudioDevice.reset();
}

void TOmegaSound3D::CreateAudioPaths() {
  for (int i = 0; i < AudioPathList.Count(); ++i) AudioPathList.Items(i).Create();
}

void TOmegaSound3D::OpenDevice(bool headless) {
  AudioDevice = std::make_unique<TAudioDevice>(headless);
  AudioDevice->Open([this](int16_t* out, int frames) { Mixer->Mix(out, frames); });
}

void TOmegaSound3D::Mix(int16_t* out, int frames) {
  Mixer->Mix(out, frames);
}

int64_t TOmegaSound3D::NowMs() const {
  const int64_t ticks = Clock.Now(), frequency = Clock.Frequency();
  return ticks / frequency * 1000 + ticks % frequency * 1000 / frequency;  // no overflow for long uptimes
}

// Each path type hands its pooled paths out in turn, starting after the one handed out last. A
// free path is preferred; when every one is busy, the last busy one visited is taken over.
TAudioPathListItem* TOmegaSound3D::PoolSearch(TAudioPathType type) {
  int& last = LastPoolIndex[int(type)];
  const int count = AudioPathList.Count();
  const int64_t now = NowMs();
  TAudioPathListItem* lastBusy = nullptr;
  for (int step = 1; step <= count; ++step) {
    const int index = (last + step) % count;
    TAudioPathListItem& path = AudioPathList.Items(index);
    if (!path.Pool || path.AudioPathType != type) continue;
    if (!path.Busy(now)) {
      path.LastUser = nullptr;
      last = index;
      return &path;
    }
    lastBusy = &path;
  }
  return lastBusy;
}
