#include "PromoConfig.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/GamePath.h"

namespace {

void AddRectangle(std::ostringstream& text, const TPromoButton& button) {
  text << button.X << ' ' << button.Y << ' ' << button.Width << ' ' << button.Height << '\n';
}

}  // namespace

std::string PromoConfigText(const TPromoLayout& layout, const std::vector<TPromoButton>& buttons) {
  std::ostringstream text;
  text << buttons.size() << '\n' << layout.Background << '\n';
  for (const TPromoButton& button : buttons) {
    // Hover rectangle, then the normal one; every look of a button sits on the same rectangle.
    AddRectangle(text, button);
    AddRectangle(text, button);
    if (&button != &buttons.back()) {
      text << button.Picture << '\n' << button.HoverPicture << '\n' << button.Link << '\n';
    } else {
      // The exit button is the last: its disabled rectangle, then normal, hover and disabled pictures; the
      // game gives it the link "exit" itself.
      AddRectangle(text, button);
      text << button.Picture << '\n' << button.HoverPicture << '\n' << button.DisabledPicture << '\n';
    }
  }
  text << layout.CounterX << ' ' << layout.CounterY << '\n' << layout.Countdown << '\n';
  // With a fixed font size the game reads the colour as red, green, blue (without it, red, blue, green).
  text << layout.CounterRed << ' ' << layout.CounterGreen << ' ' << layout.CounterBlue << '\n';
  text << "TRUE\n" << layout.CounterFontSize << '\n';
  return text.str();
}

void WritePromoConfig(const TPromoLayout& layout, const std::vector<TPromoButton>& buttons,
                      const std::filesystem::path& gameFolder) {
  const std::filesystem::path file = gameFolder / NativePath("wdata\\config.ini");
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << PromoConfigText(layout, buttons);
  if (!out.flush()) throw std::runtime_error("writing " + file.string());
}
