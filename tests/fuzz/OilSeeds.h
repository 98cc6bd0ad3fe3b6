#pragma once

#include <cstdint>
#include <vector>

// Packages that reach every part of the reader: PNGs of each colour type, bitmaps, colour keys,
// every string encoding, ordering integers and skipped carrier settings.
std::vector<std::vector<uint8_t>> OilSeeds();
