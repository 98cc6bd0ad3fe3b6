#include "platform/Cp1251.h"

#include <array>

namespace {

// Bytes 0x80..0xBF; 0xC0..0xFF are the Cyrillic letters U+0410..U+044F in order, and 0x98 has
// no character.
constexpr std::array<char16_t, 64> kUpperHalf{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

int ByteOfCharacter(char32_t c) {
  if (c < 0x80) return int(c);
  if (c >= 0x0410 && c <= 0x044F) return int(c - 0x0410 + 0xC0);
  for (size_t i = 0; i < kUpperHalf.size(); ++i)
    if (kUpperHalf[i] != 0 && kUpperHalf[i] == c) return int(0x80 + i);
  return -1;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

}  // namespace

char32_t Cp1251ToUnicode(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xC0) return char32_t(0x0410 + (byte - 0xC0));
  char32_t c = kUpperHalf[byte - 0x80];
  return c ? c : 0xFFFD;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  size_t i = 0;
  while (i < utf8.size()) {
    auto lead = static_cast<unsigned char>(utf8[i]);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || i + length > utf8.size()) {
      ++i;  // a stray or cut byte: skip it
      continue;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    bool valid = true;
    for (int k = 1; k < length; ++k) {
      auto next = static_cast<unsigned char>(utf8[i + k]);
      valid = valid && (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    if (!valid) {
      ++i;
      continue;
    }
    i += length;
    int byte = ByteOfCharacter(c);
    if (byte >= 0) out += char(byte);
  }
  return out;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  for (char b : bytes) AppendUtf8(out, Cp1251ToUnicode(static_cast<unsigned char>(b)));
  return out;
}
