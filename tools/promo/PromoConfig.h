#pragma once

#include <filesystem>
#include <string>

#include "PromoLayout.h"

// "wdata\config.ini": the closing screen's configuration, one value group per line, LF line ends (the game
// takes a picture or link line as it stands, so no carriage return may trail a name).
std::string PromoConfigText(const TPromoLayout& layout);
void WritePromoConfig(const TPromoLayout& layout, const std::filesystem::path& gameFolder);
