#include "PromoLinks.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace {

struct TPromoLink {
  const char* File;
  const char* Url;
};

// The one place of the addresses; a packager puts the publisher's own pages here. These placeholders lie on
// the domain reserved for examples, so an unpackaged build never sends a player to a stranger's site.
constexpr TPromoLink Links[] = {
    {"moregames.url", "https://www.example.com/morvel-racing/more-games"},
    {"website.url", "https://www.example.com/morvel-racing/"},
    {"play.url", "https://www.example.com/morvel-racing/thanks-for-playing"},
};

}  // namespace

void WriteShortcuts(const std::filesystem::path& gameFolder) {
  for (const TPromoLink& link : Links) {
    const std::filesystem::path file = gameFolder / link.File;
    std::ofstream out(file, std::ios::binary);
    out << "[InternetShortcut]\nURL=" << link.Url << '\n';
    if (!out.flush()) throw std::runtime_error("writing " + file.string());
  }
}
