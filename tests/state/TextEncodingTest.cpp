#include "web/TextEncoding.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace std::string_literals;

// Worked out bit by bit from the alphabet "ABCDEFGHJKLMNPQRSTUVWXY123456789".
TEST(TextEncoding, EncodesKnownTexts) {
  struct TCase {
    std::string Text, Code;
  };
  const TCase cases[] = {
      {"", ""},
      {"abc", "GC2VD"},  // 24 bits behind one zero bit: 00110 00010 11000 10011 00011
      {"false", "N3SY265F"},
      {"true", "B4HE7MF"},    // behind three zero bits
      {"A", "CB"},            // 00 01000001 -> 00010 00001
      {"\xFF", "H9"},         // 00 11111111 -> 00111 11111
      {"0%%%%", "GAUULKKF"},  // the number 0 as the progress file stores it
      {"1000%", "GE2DANBF"},  // the minutes of "no best time"
      {"\0\0\0\0\0"s, "AAAAAAAA"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Code);
    EXPECT_EQ(EncodeText(c.Text), c.Code);
  }
}

TEST(TextEncoding, DecodesKnownCodes) {
  struct TCase {
    std::string Code, Text;
  };
  const TCase cases[] = {
      {"", ""},
      {"GC2VD", "\0abc"s},  // 25 bits are filled to 32 at the front
      {"N3SY265F", "false"},
      {"B4HE7MF", "\0true"s},
      {"H9", "\0\xFF"s},
      {"GAUULKKF", "0%%%%"},
      {"9", "\x1F"},  // five bits filled to eight
      {"AAAAAAAA", "\0\0\0\0\0"s},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Code);
    EXPECT_EQ(DecodeText(c.Code), c.Text);
  }
}

TEST(TextEncoding, SkipsCharactersOutsideTheAlphabet) {
  const std::string cases[] = {
      "gcvd G C 2 V D",
      "GC2VD\r\n",
      "0GIC2OVZD",
      "G-C.2%V\tD",
      "\x80G\xFF"
      "C2VD\0"s,
  };
  for (const std::string& code : cases) {
    SCOPED_TRACE(code);
    EXPECT_EQ(DecodeText(code), "\0abc"s);
  }
  EXPECT_EQ(DecodeText("false"), "");  // "f", "a", "l", "s", "e" are all lower case
  EXPECT_EQ(DecodeText("IOZ0 iozabc\r\n"), "");
}

TEST(TextEncoding, ConvertsBitsAsGiven) {
  EXPECT_EQ(TextToBits("A\xFF\x01"), "010000011111111100000001");
  EXPECT_EQ(TextToBits(""), "");
  // Zero bits are put in front; any character but "0" is a 1 bit on the way to the alphabet.
  EXPECT_EQ(BitsToBase32("1"), "B");
  EXPECT_EQ(BitsToBase32("100000"), "BA");
  EXPECT_EQ(BitsToBase32("x0000"), "S");
  EXPECT_EQ(BitsToBase32("11111"), "9");
  EXPECT_EQ(Base32ToBits("A9"), "0000011111");
  EXPECT_EQ(Base32ToBits("IOZ0a"), "");
  // On the way back only "1" is a 1 bit, and the front is filled to eight bits.
  EXPECT_EQ(BitsToText("1"), "\x01");
  EXPECT_EQ(BitsToText("100000000"), "\x01\0"s);
  EXPECT_EQ(BitsToText("22222222"), "\0"s);
  EXPECT_EQ(BitsToText(""), "");
}

TEST(TextEncoding, TextsOfFiveByteStepsSurviveWhateverTheirBytes) {
  std::mt19937 random(1234);
  std::string allBytes;
  for (int b = 0; b < 255; ++b) allBytes += char(b);  // 255 bytes: a multiple of 5
  EXPECT_EQ(DecodeText(EncodeText(allBytes)), allBytes);
  for (size_t length = 0; length <= 60; length += 5) {
    std::string text;
    for (size_t i = 0; i < length; ++i) text += char(random() & 0xFF);
    SCOPED_TRACE(length);
    const std::string code = EncodeText(text);
    EXPECT_EQ(code.size(), length * 8 / 5);
    EXPECT_EQ(code.find_first_not_of(kBase32Alphabet), std::string::npos);
    EXPECT_EQ(DecodeText(code), text);
  }
  EXPECT_EQ(DecodeText(EncodeText("%%%%%")), "%%%%%");
}

TEST(TextEncoding, OtherLengthsComeBackBehindAZeroByte) {
  std::mt19937 random(99);
  for (size_t length = 1; length <= 24; ++length) {
    if (length % 5 == 0) continue;
    std::string text;
    for (size_t i = 0; i < length; ++i) text += char(random() & 0xFF);
    SCOPED_TRACE(length);
    const std::string code = EncodeText(text);
    EXPECT_EQ(code.size(), (8 * length + 4) / 5);
    EXPECT_EQ(DecodeText(code), "\0"s + text);
  }
}
