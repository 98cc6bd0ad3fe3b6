#include "server/OneTimeValue.h"

#include <sys/random.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <stdexcept>

namespace {

constexpr size_t kValueBytes = 16;
constexpr std::string_view kHexDigits = "0123456789abcdef";

}  // namespace

std::string NewOneTimeValue() {
  std::array<uint8_t, kValueBytes> bytes{};
  size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t got = getrandom(bytes.data() + filled, bytes.size() - filled, 0);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw std::runtime_error("no random bytes from the kernel");
    filled += size_t(got);
  }
  std::string value;
  for (const uint8_t byte : bytes) {
    value += kHexDigits[byte >> 4];
    value += kHexDigits[byte & 15];
  }
  return value;
}

bool IsOneTimeValueShape(std::string_view text) {
  return text.size() == kValueBytes * 2 &&
         std::ranges::all_of(text, [](char c) { return kHexDigits.find(c) != std::string_view::npos; });
}
