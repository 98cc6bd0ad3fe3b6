#include "web/TextEncoding.h"

namespace {

// The bit string with "0" put in front until its length is a multiple of `group`.
std::string FilledAtFront(std::string_view bits, size_t group) {
  const size_t missing = (group - bits.size() % group) % group;
  std::string filled(missing, '0');
  filled.append(bits);
  return filled;
}

}  // namespace

std::string TextToBits(std::string_view text) {
  std::string bits;
  bits.reserve(text.size() * 8);
  for (unsigned char byte : text)
    for (int bit = 7; bit >= 0; --bit) bits += (byte >> bit) & 1 ? '1' : '0';
  return bits;
}

std::string BitsToBase32(std::string_view bits) {
  const std::string filled = FilledAtFront(bits, 5);
  std::string code;
  code.reserve(filled.size() / 5);
  for (size_t group = 0; group < filled.size(); group += 5) {
    unsigned value = 0;
    for (size_t i = group; i < group + 5; ++i) value = value << 1 | (filled[i] != '0' ? 1u : 0u);
    code += kBase32Alphabet[value];
  }
  return code;
}

std::string Base32ToBits(std::string_view code) {
  std::string bits;
  bits.reserve(code.size() * 5);
  for (char c : code) {
    const size_t value = kBase32Alphabet.find(c);
    if (value == std::string_view::npos) continue;
    for (int bit = 4; bit >= 0; --bit) bits += (value >> bit) & 1 ? '1' : '0';
  }
  return bits;
}

std::string BitsToText(std::string_view bits) {
  const std::string filled = FilledAtFront(bits, 8);
  std::string text;
  text.reserve(filled.size() / 8);
  for (size_t group = 0; group < filled.size(); group += 8) {
    unsigned value = 0;
    for (size_t i = group; i < group + 8; ++i) value = value << 1 | (filled[i] == '1' ? 1u : 0u);
    text += char(value);
  }
  return text;
}

std::string EncodeText(std::string_view text) {
  return BitsToBase32(TextToBits(text));
}

std::string DecodeText(std::string_view code) {
  return BitsToText(Base32ToBits(code));
}
