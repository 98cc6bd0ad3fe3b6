#pragma once

#include <filesystem>
#include <vector>

#include "PromoLayout.h"

// Paints the closing picture and every look of the buttons shown, and writes each as a PNG file where the
// layout names it inside the game folder.
void DrawPromoPictures(const TPromoLayout& layout, const std::vector<TPromoButton>& buttons,
                       const std::filesystem::path& gameFolder);
