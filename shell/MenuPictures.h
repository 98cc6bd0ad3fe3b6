#pragma once

#include <string>

class TMenuScreen;
class TOmegaImageList;
class TScreenKit;
class TScreenSprites;

// Menu pictures a screen draws or shows beyond the kit's own: a picture centred on a point, the
// title plate with its corner emblem, and a menu picture made a sprite of the screen's.
void DrawMenuPictureCentred(TOmegaImageList& images, const std::string& name, int centreX, int centreY);
void DrawCornerEmblem(TOmegaImageList& images);
// The title picture as the name entry and the quit dialog show it: its corner plate carries the small
// emblem there too, as on the main menu.
void DrawTitleOverlay(TScreenKit& kit);
TMenuScreen& CreateMenuSprite(TScreenSprites& sprites, TOmegaImageList& images, const std::string& name,
                              const std::string& picture, int z, int x, int y);
