#include "platform/KeyMap.h"

#include <gtest/gtest.h>

// SDL key symbols by value: letters and digits are their lower-case characters, named keys
// carry the scancode with bit 30 set.
TEST(KeyMap, GivesWindowsVirtualKeys) {
  struct TCase {
    int32_t Sym;
    int Vk;
  };
  const TCase cases[] = {
      {'a', 65},        {'p', 80},         {'z', 90},         {'0', 48},        {'9', 57},
      {'\r', 13},       {0x40000058, 13},  {27, 27},          {8, 8},           {' ', 32},
      {0x40000050, 37}, {0x40000052, 38},  {0x4000004F, 39},  {0x40000051, 40}, {0x400000E0, 17},
      {0x400000E4, 17}, {0x4000003A, 112}, {0x40000045, 123}, {0x40000062, 96}, {0x40000100, 0},
  };
  for (const TCase& c : cases) EXPECT_EQ(VirtualKeyFromKeySym(c.Sym), c.Vk) << "symbol " << c.Sym;
}
