#include "platform/Cp1251.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace {

std::string IconvToUtf8(unsigned char byte) {
  iconv_t cd = iconv_open("UTF-8", "CP1251");
  char in[1] = {char(byte)};
  char out[8] = {};
  char* inPtr = in;
  char* outPtr = out;
  size_t inLeft = 1, outLeft = sizeof out;
  size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  return result == size_t(-1) ? std::string() : std::string(out, outPtr);
}

}  // namespace

TEST(Cp1251, EveryByteAgreesWithTheSystemConverter) {
  for (int b = 1; b < 256; ++b) {
    std::string expected = IconvToUtf8((unsigned char)b);
    if (expected.empty()) continue;  // 0x98 has no character
    std::string byte(1, char(b));
    EXPECT_EQ(Cp1251ToUtf8(byte), expected) << "byte " << b;
    EXPECT_EQ(Utf8ToCp1251(expected), byte) << "byte " << b;
  }
}

TEST(Cp1251, DropsWhatItCannotEncode) {
  EXPECT_EQ(Utf8ToCp1251("Иван"), "\xC8\xE2\xE0\xED");
  EXPECT_EQ(Utf8ToCp1251("a\xF0\x9F\x98\x80"
                         "b"),
            "ab");  // an emoji has no byte
  EXPECT_EQ(Utf8ToCp1251("a\xE4\xB8\xAD"
                         "b"),
            "ab");  // nor has a CJK character
  EXPECT_EQ(Utf8ToCp1251("a\xC3"
                         "b\xFF\x80"),
            "ab");  // cut and stray bytes are skipped
  EXPECT_EQ(Cp1251ToUnicode(0x98), U'\uFFFD');
}
