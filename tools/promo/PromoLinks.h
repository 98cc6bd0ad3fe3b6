#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "PromoLayout.h"

// The publisher's addresses a build is given (build options, passed on by the build); an empty one
// means the build has none, and nothing of the game points there.
struct TPromoAddresses {
  std::string MoreGames;  // "moregames.url": the MORE GAMES buttons
  std::string Website;    // "website.url": the corner logo and the closing screen's WEBSITE button
  std::string Play;       // "play.url": opened as the game ends
};

// The Internet shortcut files beside the program, one for each address given: "[InternetShortcut]" and a
// "URL=" line, LF line ends. The file of an address not given is removed, so none of an earlier build
// stays behind.
void WriteShortcuts(const TPromoAddresses& addresses, const std::filesystem::path& gameFolder);

// The closing screen's buttons for these addresses: the link buttons whose shortcut file is written, then
// the exit button. With no link button the game has no closing screen to show.
std::vector<TPromoButton> ClosingButtons(const TPromoLayout& layout, const TPromoAddresses& addresses);
