#pragma once

#include <filesystem>

#include "PromoLayout.h"

// Paints the closing picture and every look of every button, and writes each as a PNG file where the
// layout names it inside the game folder.
void DrawPromoPictures(const TPromoLayout& layout, const std::filesystem::path& gameFolder);
