#pragma once

#include <cstdint>

constexpr uint32_t ColorARGB(int r, int g, int b, int a) {
  return uint32_t(a & 0xFF) << 24 | uint32_t(r & 0xFF) << 16 | uint32_t(g & 0xFF) << 8 | uint32_t(b & 0xFF);
}

constexpr uint32_t kOpaqueBlack = 0xFF000000;
