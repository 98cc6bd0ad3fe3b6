#pragma once

#include <filesystem>

// Only one copy of the game at a time saves into a folder: the copy that holds the folder's
// advisory lock (flock on the folder itself, so no file is left behind). The lock is the
// process's for as long as the object lives, and goes with the process however it ends: no
// program it starts and no child of a fork keeps it.
class TSettingsLock {
 public:
  enum class TState {
    Held,         // this copy saves here
    InUse,        // another copy holds the lock: this one must not save here
    Unavailable,  // the folder cannot be locked (it cannot be opened, or its file system has no locks)
  };

  TSettingsLock() = default;
  ~TSettingsLock();
  TSettingsLock(const TSettingsLock&) = delete;
  TSettingsLock& operator=(const TSettingsLock&) = delete;

  // Takes the lock on the folder, making the folder first when it does not exist yet. Never
  // waits for another copy.
  TState Acquire(const std::filesystem::path& folder);
  TState State() const { return Current; }

 private:
  void Release();

  int Handle = -1;
  TState Current = TState::Unavailable;
};
