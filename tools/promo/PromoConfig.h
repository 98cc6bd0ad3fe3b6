#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "PromoLayout.h"

// "wdata\config.ini": the closing screen's configuration, one value group per line, LF line ends (the game
// takes a picture or link line as it stands, so no carriage return may trail a name).
// The buttons are the layout's that the screen shows, the exit button last.
std::string PromoConfigText(const TPromoLayout& layout, const std::vector<TPromoButton>& buttons);
void WritePromoConfig(const TPromoLayout& layout, const std::vector<TPromoButton>& buttons,
                      const std::filesystem::path& gameFolder);
