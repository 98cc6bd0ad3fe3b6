#include "shell/SettingsLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

TSettingsLock::~TSettingsLock() {
  Release();
}

void TSettingsLock::Release() {
  if (Handle >= 0) ::close(Handle);  // closing the last descriptor lets the lock go
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
  if (result == 0) return Current = TState::Held;
  const bool inUse = errno == EWOULDBLOCK;
  if (!inUse)
    std::fprintf(stderr, "Morvel Racing: cannot lock the folder \"%s\": %s\n", folder.c_str(),
                 std::strerror(errno));
  Release();
  return Current = inUse ? TState::InUse : TState::Unavailable;
}
