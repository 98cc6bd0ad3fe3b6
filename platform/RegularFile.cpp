#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// Closes the descriptor however the reading ends.
class TDescriptor {
 public:
  explicit TDescriptor(int handle) : Handle(handle) {}
  ~TDescriptor() {
    if (Handle >= 0) ::close(Handle);
  }
  TDescriptor(const TDescriptor&) = delete;
  TDescriptor& operator=(const TDescriptor&) = delete;
  int Get() const { return Handle; }

 private:
  int Handle;
};

std::string TooLarge(size_t maxBytes) {
  return "the file is larger than " + std::to_string(maxBytes) + " bytes";
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& path, size_t maxBytes,
                                                    std::string& error) {
  // Not blocking: opening a pipe nobody writes to would otherwise wait for ever.
  const TDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (file.Get() < 0) {
    error = errno == ENOENT ? "the file is missing" : std::strerror(errno);
    return std::nullopt;
  }
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0) {
    error = std::strerror(errno);
    return std::nullopt;
  }
  if (!S_ISREG(status.st_mode)) {
    error = "it is not a file";
    return std::nullopt;
  }
  if (uintmax_t(status.st_size) > maxBytes) {
    error = TooLarge(maxBytes);
    return std::nullopt;
  }
  // The size may change while the file is read: the limit holds for what is really read.
  std::vector<uint8_t> bytes(size_t(status.st_size) + 1);
  size_t filled = 0;
  while (true) {
    if (filled == bytes.size()) {
      if (bytes.size() > maxBytes) {
        error = TooLarge(maxBytes);
        return std::nullopt;
      }
      bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
    }
    const ssize_t got = ::read(file.Get(), bytes.data() + filled, bytes.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      error = std::strerror(errno);
      return std::nullopt;
    }
    if (got == 0) break;
    filled += size_t(got);
  }
  bytes.resize(filled);
  return bytes;
}
