#include <cstdio>
#include <exception>
#include <filesystem>

#include "PromoConfig.h"
#include "PromoLinks.h"
#include "PromoPictures.h"

// Writes the closing screen into the game folder: "wdata\config.ini", the pictures it names, and the three
// Internet shortcut files beside the program.
int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: morvel-promo GAME_FOLDER\n");
    return 2;
  }
  try {
    const std::filesystem::path gameFolder = argv[1];
    DrawPromoPictures(PromoLayout, gameFolder);
    WritePromoConfig(PromoLayout, gameFolder);
    WriteShortcuts(gameFolder);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "morvel-promo: %s\n", error.what());
    return 1;
  }
  return 0;
}
