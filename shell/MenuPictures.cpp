#include "shell/MenuPictures.h"

#include "engine/OmegaImageList.h"
#include "shell/MenuSprites.h"
#include "shell/ScreenKit.h"
#include "shell/ScreenSprites.h"

void DrawMenuPictureCentred(TOmegaImageList& images, const std::string& name, int centreX, int centreY) {
  if (TImageListItem* picture = images.Find(name))
    picture->Draw(centreX - picture->TileWidth / 2, centreY - picture->TileHeight / 2, 0);
}

void DrawCornerEmblem(TOmegaImageList& images) {
  DrawMenuPictureCentred(images, "logo_vekm", 730, 530);
}

void DrawTitleOverlay(TScreenKit& kit) {
  kit.DrawMenuPicture("scr_title", 0, 0);
  DrawCornerEmblem(kit.MenuImages());
}

TMenuScreen& CreateMenuSprite(TScreenSprites& sprites, TOmegaImageList& images, const std::string& name,
                              const std::string& picture, int z, int x, int y) {
  return sprites.Create<TMenuScreen>(images, true, 255, name, picture, z, float(y), float(x));
}
