#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "assets/ModListItem.h"
#include "assets/SoundError.h"
#include "assets/SoundMixer.h"
#include "platform/AudioDevice.h"
#include "platform/Clock.h"
#include "platform/Wave.h"

class TOmegaSound3D;
class TSoundListItem;
class TSoundVoice;

enum class TAudioPathType { apt3D, aptMono, aptStereo };
enum class TAudioPathPool { appUseIndex, app3D, appMono, appStereo };

// A channel that sound effects play on, with one volume and rate for everything on it. Pooled
// paths are handed out in turn to sounds that ask for a path of their type.
class TAudioPathListItem {
 public:
  explicit TAudioPathListItem(TOmegaSound3D& owner) : Owner(owner) {}

  std::string Name;
  TAudioPathType AudioPathType = TAudioPathType::apt3D;
  bool Pool = false;
  int Channels = 16;      // kept for the configuration; the mixer needs no channel count
  int Frequency = 22050;  // the path's own rate: a sound's Frequency plays relative to it

  bool Created() const { return Bus >= 0; }
  // Attenuation last set, in hundredths of a decibel (0 full volume, -10000 silent).
  int Volume() const { return Attenuation; }
  // The sound that last started on the path, while the path remembers it.
  const TSoundListItem* User() const { return LastUser; }

 private:
  friend class TOmegaSound3D;
  friend class TSoundListItem;

  void Create();
  void SetVolume(int attenuation);
  void SetPlayFrequency(int frequency);
  bool Busy(int64_t nowMs) const;

  TOmegaSound3D& Owner;
  int Bus = -1;
  int Attenuation = 0;
  int PlayFrequency = 0;  // 0: the path's own rate
  float PositionX = 0, PositionY = 0, PositionZ = 0;
  TSoundListItem* LastUser = nullptr;
  int64_t StartMs = 0;
};

// A sound effect: a wave file loaded on its first Play and mixed with whatever else sounds.
class TSoundListItem {
 public:
  explicit TSoundListItem(TOmegaSound3D& owner) : Owner(owner) {}
  ~TSoundListItem();  // unloads
  TSoundListItem(const TSoundListItem&) = delete;
  TSoundListItem& operator=(const TSoundListItem&) = delete;

  std::string Name;
  std::string FileName;
  bool Loop = false;
  uint32_t RepeatCount = 0;  // playings after the first
  int Volume = 100;          // 0..100, applied to the path it plays on
  int Frequency = 0;         // Hz; 0 plays at the path's own rate
  int Pan = 0;               // stored, not applied
  float SoundPositionX = 0, SoundPositionY = 0, SoundPositionZ = 0;
  int AudioPathIndex = 0;
  TAudioPathPool AudioPathPool = TAudioPathPool::appUseIndex;

  bool Loaded() const { return Wave != nullptr; }
  // Loading FileName failed (Play raised ESoundError); it stays so until FileName changes, so the
  // game can report a missing or broken file once and then go on without that sound.
  bool LoadFailed() const { return FailedFile && *FailedFile == FileName; }
  // The path the sound was last started on.
  const TAudioPathListItem* AudioPath() const { return Path; }

  // Loads on first use (raising ESoundError when the file cannot be read), picks a path and starts
  // the sound; without a path nothing plays.
  void Play();
  void Stop();
  void Unload();

 private:
  friend class TAudioPathListItem;
  friend class TSoundVoice;

  void Load();
  TAudioPathListItem* ChoosePath();

  TOmegaSound3D& Owner;
  std::unique_ptr<TWaveSound> Wave;
  TAudioPathListItem* Path = nullptr;
  std::optional<std::string> FailedFile;
};

// An ordered list of named items owned by the sound component.
template <class TItem, class TOwner>
class TSoundCollection {
 public:
  explicit TSoundCollection(TOwner& owner) : Owner(owner) {}

  TItem& Add() { return *List.emplace_back(std::make_unique<TItem>(Owner)); }
  // The first item with exactly that name, or none.
  TItem* Find(const std::string& name) const {
    for (const auto& item : List)
      if (item->Name == name) return item.get();
    return nullptr;
  }
  TItem& Items(int index) const { return *List.at(size_t(index)); }
  int Count() const { return int(List.size()); }

 private:
  TOwner& Owner;
  std::vector<std::unique_ptr<TItem>> List;
};

using TAudioPathListCollection = TSoundCollection<TAudioPathListItem, TOmegaSound3D>;
using TSoundListCollection = TSoundCollection<TSoundListItem, TOmegaSound3D>;
using TModListCollection = TSoundCollection<TModListItem, TSoundMixer>;

// The game's sound: audio paths, sound effects and music modules, mixed for the sound card.
class TOmegaSound3D {
 public:
  // clock times the pool's 250 ms rule.
  explicit TOmegaSound3D(const TClock& clock);
  ~TOmegaSound3D();
  TOmegaSound3D(const TOmegaSound3D&) = delete;
  TOmegaSound3D& operator=(const TOmegaSound3D&) = delete;

 private:
  const TClock& Clock;
  std::unique_ptr<TSoundMixer> Mixer;  // before the collections: their items use it

 public:
  TAudioPathListCollection AudioPathList;
  TSoundListCollection SoundList;
  TModListCollection ModList;
  // Stored; sound is not placed in space on this platform.
  float ListenerPositionX = 0, ListenerPositionY = 0, ListenerPositionZ = 0;

  // Makes every audio path ready to play on, in order.
  void CreateAudioPaths();
  // Starts the sound card with the mix (SDL's dummy driver in headless runs unless
  // SDL_AUDIODRIVER names another); without a card the game goes on silently.
  void OpenDevice(bool headless);
  const TAudioDevice* Device() const { return AudioDevice.get(); }
  // The mix of everything playing, 44100 Hz interleaved stereo: what the sound card is fed.
  void Mix(int16_t* out, int frames);

 private:
  friend class TSoundListItem;
  friend class TAudioPathListItem;
  friend class TSoundVoice;

  int64_t NowMs() const;
  TAudioPathListItem* PoolSearch(TAudioPathType type);

  int LastPoolIndex[3] = {0, 0, 0};           // per path type
  std::unique_ptr<TAudioDevice> AudioDevice;  // last: closed first, while everything it mixes exists
};
