#include "web/Latin1.h"

#include <algorithm>

namespace {

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string Latin1ToUtf8(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size() * 2);
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
      continue;
    }
    utf8 += char(0xC0 | byte >> 6);
    utf8 += char(0x80 | (byte & 0x3F));
  }
  return utf8;
}

std::string Utf8ToLatin1(std::string_view text) {
  std::string latin1;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      latin1 += char(lead);
      ++i;
      continue;
    }
    // The length of the sequence from its lead byte; a stray continuation byte counts as one.
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    const bool twoByteLatin1 =
        (lead == 0xC2 || lead == 0xC3) && i + 1 < text.size() && IsContinuation(text[i + 1]);
    if (twoByteLatin1) {
      latin1 += char((lead & 0x03) << 6 | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
      i += 2;
      continue;
    }
    latin1 += '?';
    const size_t end = std::min(text.size(), i + length);
    for (++i; i < end && IsContinuation(text[i]); ++i) {
    }
  }
  return latin1;
}
