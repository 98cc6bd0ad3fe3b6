#include "PromoLinks.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace {

struct TShortcut {
  const char* File;
  std::string TPromoAddresses::*Address;
};

constexpr TShortcut Shortcuts[] = {
    {"moregames.url", &TPromoAddresses::MoreGames},
    {"website.url", &TPromoAddresses::Website},
    {"play.url", &TPromoAddresses::Play},
};

const std::string* AddressOf(const TPromoAddresses& addresses, const char* file) {
  for (const TShortcut& shortcut : Shortcuts)
    if (std::string(shortcut.File) == file) return &(addresses.*shortcut.Address);
  return nullptr;
}

}  // namespace

void WriteShortcuts(const TPromoAddresses& addresses, const std::filesystem::path& gameFolder) {
  for (const TShortcut& shortcut : Shortcuts) {
    const std::filesystem::path file = gameFolder / shortcut.File;
    const std::string& address = addresses.*shortcut.Address;
    if (address.empty()) {
      std::filesystem::remove(file);
      continue;
    }
    std::ofstream out(file, std::ios::binary);
    out << "[InternetShortcut]\nURL=" << address << '\n';
    if (!out.flush()) throw std::runtime_error("writing " + file.string());
  }
}

std::vector<TPromoButton> ClosingButtons(const TPromoLayout& layout, const TPromoAddresses& addresses) {
  std::vector<TPromoButton> buttons;
  for (const TPromoButton& button : layout.Buttons) {
    if (button.Link == nullptr) continue;
    const std::string* address = AddressOf(addresses, button.Link);
    if (address && !address->empty()) buttons.push_back(button);
  }
  if (!buttons.empty()) buttons.push_back(layout.Buttons.back());
  return buttons;
}
