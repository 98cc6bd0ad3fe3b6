#pragma once

#include <optional>
#include <span>
#include <string>

#include "platform/Png.h"

// Decodes a complete BMP file (1 to 32 bits per pixel, palettes, RLE) into ARGB pixels; a
// picture without an alpha channel comes out opaque. A picture wider or taller than maxSide is
// refused before its pixels are allocated. On failure returns nothing and sets error.
std::optional<TPixmap> DecodeBmp(std::span<const uint8_t> bytes, int maxSide, std::string& error);

// The decoder keeps state for each thread that used it (its error text); a thread of its own that
// decoded BMP pictures calls this before it ends.
void ReleaseBmpThreadState();
