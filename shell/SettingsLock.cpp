#include "shell/SettingsLock.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace {

// The descriptor that holds the lock, for the one place that cannot be told it: a child of a fork
// (the process SDL shows a message box in) gets a copy of it, and the lock, which belongs to the
// descriptor's open file, would then outlive a killed game in that child. Every child closes its
// copy at once; the game's own copy keeps the lock.
std::atomic<int> LockInChildren{-1};

extern "C" void CloseLockInChild() {
  if (const int handle = LockInChildren; handle >= 0) ::close(handle);
}

void HandOverToChildren(int handle) {
  static const bool registered = pthread_atfork(nullptr, nullptr, CloseLockInChild) == 0;
  (void)registered;
  LockInChildren = handle;
}

}  // namespace

TSettingsLock::~TSettingsLock() {
  Release();
}

void TSettingsLock::Release() {
  if (Handle >= 0) {
    int held = Handle;
    LockInChildren.compare_exchange_strong(held, -1);
    ::close(Handle);  // closing the last descriptor lets the lock go
  }
  Handle = -1;
  Current = TState::Unavailable;
}

TSettingsLock::TState TSettingsLock::Acquire(const std::filesystem::path& folder) {
  Release();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  // Close-on-exec: a program the game starts (a web page's opener) must not keep the lock.
  Handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (Handle < 0) {
    std::fprintf(stderr, "Morvel Racing: cannot lock the folder \"%s\": %s\n", folder.c_str(),
                 std::strerror(errno));
    return Current = TState::Unavailable;
  }
  int result;
  do {
    result = ::flock(Handle, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result == 0) {
    HandOverToChildren(Handle);
    return Current = TState::Held;
  }
  const bool inUse = errno == EWOULDBLOCK;
  if (!inUse)
    std::fprintf(stderr, "Morvel Racing: cannot lock the folder \"%s\": %s\n", folder.c_str(),
                 std::strerror(errno));
  Release();
  return Current = inUse ? TState::InUse : TState::Unavailable;
}
