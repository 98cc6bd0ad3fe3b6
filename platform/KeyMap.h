#pragma once

#include <cstdint>

// The Windows virtual-key code of an SDL key symbol, or 0 for keys the game has no code for.
// Letters and digits come from the symbol, so they follow the keyboard layout.
int VirtualKeyFromKeySym(int32_t keySym);
