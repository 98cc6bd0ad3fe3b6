#pragma once

#include <string>
#include <vector>

// Every picture the game draws from its two packages, with the tile size and pattern grid its screen
// needs (where the game draws it decides the size).
struct TPictureEntry {
  const char* Package;  // "data1" (menus) or "data2" (race)
  std::string Name;
  int TileWidth;
  int TileHeight;
  int Columns = 1;
  int Rows = 1;
  bool Rotates = false;  // drawn turned or scaled: every tile keeps a fully clear 1-px border
};

std::vector<TPictureEntry> PictureInventory();
