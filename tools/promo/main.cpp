#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "PromoConfig.h"
#include "PromoLinks.h"
#include "PromoPictures.h"
#include "platform/GamePath.h"

namespace {

constexpr const char* kUsage =
    "usage: morvel-promo GAME_FOLDER [--moregames URL] [--website URL] [--play URL]\n";

bool ParseAddresses(const std::vector<std::string>& args, TPromoAddresses& addresses) {
  for (size_t i = 0; i + 1 < args.size(); i += 2) {
    if (args[i] == "--moregames")
      addresses.MoreGames = args[i + 1];
    else if (args[i] == "--website")
      addresses.Website = args[i + 1];
    else if (args[i] == "--play")
      addresses.Play = args[i + 1];
    else
      return false;
  }
  return args.size() % 2 == 0;
}

// Clears the closing screen's files, so none of an earlier build's stays behind (a picture of a button
// no longer shown, or the whole screen).
void RemoveClosingScreen(const TPromoLayout& layout, const std::filesystem::path& gameFolder) {
  std::filesystem::remove(gameFolder / NativePath("wdata\\config.ini"));
  std::filesystem::remove(gameFolder / NativePath(layout.Background));
  for (const TPromoButton& button : layout.Buttons)
    for (const char* picture : {button.Picture, button.HoverPicture, button.DisabledPicture})
      if (picture) std::filesystem::remove(gameFolder / NativePath(picture));
  std::error_code notEmpty;
  std::filesystem::remove(gameFolder / "wdata", notEmpty);
}

}  // namespace

// Writes the shortcut files for the publisher's addresses it is given, and the closing screen
// ("wdata\config.ini" and the pictures it names) when there is a MORE GAMES or WEBSITE address for it.
int main(int argc, char** argv) {
  TPromoAddresses addresses;
  if (argc < 2 || !ParseAddresses(std::vector<std::string>(argv + 2, argv + argc), addresses)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  try {
    const std::filesystem::path gameFolder = argv[1];
    std::filesystem::create_directories(gameFolder);
    WriteShortcuts(addresses, gameFolder);
    RemoveClosingScreen(PromoLayout, gameFolder);
    const std::vector<TPromoButton> buttons = ClosingButtons(PromoLayout, addresses);
    if (!buttons.empty()) {
      DrawPromoPictures(PromoLayout, buttons, gameFolder);
      WritePromoConfig(PromoLayout, buttons, gameFolder);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "morvel-promo: %s\n", error.what());
    return 1;
  }
  return 0;
}
