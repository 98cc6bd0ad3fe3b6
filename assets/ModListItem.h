#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "assets/ModPlugEventThread.h"
#include "assets/ModPlugSDK.h"
#include "assets/ModStream.h"

class TSoundMixer;

// A music module: loaded on its first Play, rendered by its own player instance on its own worker
// thread into a two-second streaming buffer that the sound card plays. Stop suspends it; Play goes
// on from where rendering stood, after one to two seconds of silence while the worker catches up.
class TModListItem {
 public:
  explicit TModListItem(TSoundMixer& mixer);
  ~TModListItem();  // unloads
  TModListItem(const TModListItem&) = delete;
  TModListItem& operator=(const TModListItem&) = delete;

  std::string Name;
  std::string FileName;
  bool Loop = false;
  uint32_t RepeatCount = 0;  // stored, not applied
  int Volume = 100;          // stored, not applied

  bool Loaded() const { return Player != nullptr; }
  // Loading FileName failed (Play raised ESoundError); it stays so until FileName changes, so the
  // game can report a missing or broken module once and then go on without it.
  bool LoadFailed() const { return FailedFile && *FailedFile == FileName; }

  // Raises ESoundError when the module cannot be read.
  void Play();
  void Stop();
  void Unload();

  // Whether the module is being heard (false when stopped or ended).
  bool IsPlaying() const;
  // Whether the worker thread exists and is suspended (only while loaded).
  bool WorkerSuspended() const;

  // The stream as the sound card drains it, at the module's own rate (22050 Hz stereo); for the
  // tool that renders a module through this very path. Loaded modules only.
  int Drain(int16_t* out, int frames);
  // Blocks until the worker has refilled every half the cursor has left (for draining faster than
  // real time).
  void WaitForRefills();

 private:
  void Load();
  bool Refill();  // one round of the worker; false once the music has ended
  void FillHalf(int half);

  TSoundMixer& Mixer;
  std::mutex Lock;  // every call into Player holds it
  std::unique_ptr<TModPlugPlayer> Player;
  std::unique_ptr<TModStream> Stream;
  std::unique_ptr<TModPlugEventThread> Worker;  // after Player and Stream: it uses both
  std::vector<int16_t> Rendered;                // the worker's render buffer
  std::optional<std::string> FailedFile;
};
