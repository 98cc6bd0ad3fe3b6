#include <algorithm>

#include "engine/Colors.h"
#include "engine/OmegaImageList.h"

namespace {

constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;

}  // namespace

void TImageListItem::Draw(int x, int y, int patternIndex) {
  DrawEx(x, y, 0, 0, 0, 1, 1, kOpaqueWhite, kOpaqueWhite, kOpaqueWhite, kOpaqueWhite, false, false,
         patternIndex, 0);
}

void TImageListItem::DrawRGBA(int x, int y, float angle, float centerX, float centerY, float scaleX,
                              float scaleY, int red, int green, int blue, int alpha, bool additive,
                              int patternIndex, int blendMode) {
  if (!Screen) return;
  // Set on the device behind the display's back: a blend mode change below overrides it.
  Screen->SetDestinationBlend(additive ? TBlendFactor::One : TBlendFactor::InvSrcAlpha);
  uint32_t color = ColorARGB(red, green, blue, alpha);
  DrawEx(x, y, angle, centerX, centerY, scaleX, scaleY, color, color, color, color, false, false,
         patternIndex, blendMode);
}

void TImageListItem::DrawColored(int x, int y, float angle, float centerX, float centerY, float scaleX,
                                 float scaleY, uint32_t color, bool flipVertical, bool flipHorizontal,
                                 int patternIndex, int blendMode) {
  DrawEx(x, y, angle, centerX, centerY, scaleX, scaleY, color, color, color, color, flipVertical,
         flipHorizontal, patternIndex, blendMode);
}

void TImageListItem::DrawEx(int x, int y, float angle, float centerX, float centerY, float scaleX,
                            float scaleY, uint32_t color0, uint32_t color1, uint32_t color2, uint32_t color3,
                            bool flipVertical, bool flipHorizontal, int patternIndex, int blendMode) {
  float left = float(x), top = float(y), right = float(x + TileWidth), bottom = float(y + TileHeight);
  const uint32_t colors[4] = {color0, color1, color2, color3};
  DrawQuad({left, top, right, top, right, bottom, left, bottom}, x, y, angle, centerX, centerY, scaleX,
           scaleY, colors, flipVertical, flipHorizontal, patternIndex, blendMode);
}

void TImageListItem::DrawRect(const TImageRect& rect, int offsetX, int offsetY, float angle, float centerX,
                              float centerY, float scaleX, float scaleY, int red, int green, int blue,
                              int alpha, bool flipVertical, bool flipHorizontal, int patternIndex,
                              int blendMode) {
  float left = float(offsetX + rect.Left), top = float(offsetY + rect.Top);
  float right = float(offsetX + rect.Right), bottom = float(offsetY + rect.Bottom);
  uint32_t color = ColorARGB(red, green, blue, alpha);
  const uint32_t colors[4] = {color, color, color, color};
  DrawQuad({left, top, right, top, right, bottom, left, bottom}, offsetX + rect.Left, offsetY + rect.Top,
           angle, centerX, centerY, scaleX, scaleY, colors, flipVertical, flipHorizontal, patternIndex,
           blendMode);
}

void TImageListItem::DrawQuad(const TCorners& corners, int x, int y, float angle, float centerX,
                              float centerY, float scaleX, float scaleY, const uint32_t (&colors)[4],
                              bool flipVertical, bool flipHorizontal, int patternIndex, int blendMode) {
  if (Dozing) Wake();
  // An image that has no texture (no picture, or never built) draws nothing.
  if (!Screen || !Renderer || TextureHandle == kNoTexture) return;
  if (scaleX == 0) scaleX = 1;
  if (scaleY == 0) scaleY = 1;
  Screen->SetBlendMode(blendMode);
  Renderer->SetColors(colors[0], colors[1], colors[2], colors[3]);
  Renderer->FlipVertical = flipVertical;
  Renderer->FlipHorizontal = flipHorizontal;

  float u0 = 0, v0 = 0, u1, v1, centreX, centreY;
  if (patternIndex != -1) {
    // A tile larger than the picture leaves no whole pattern: the first tile is drawn.
    int columns = std::max(Columns, 1);
    int index = std::min(patternIndex, std::max(PatternCount(), 1) - 1);
    int x0 = index % columns * TileWidth, y0 = index / columns * TileHeight;
    u0 = float(x0) / float(TextureWidth), u1 = float(x0 + TileWidth) / float(TextureWidth);
    v0 = float(y0) / float(TextureHeight), v1 = float(y0 + TileHeight) / float(TextureHeight);
    centreX = float(x) + float(TileWidth) * centerX, centreY = float(y) + float(TileHeight) * centerY;
  } else {
    u1 = float(PictureWidth) / float(TextureWidth), v1 = float(PictureHeight) / float(TextureHeight);
    centreX = float(x) + float(PictureWidth) * centerX, centreY = float(y) + float(PictureHeight) * centerY;
  }
  Renderer->SetTexCoords({u0, v0}, {u1, v0}, {u1, v1}, {u0, v1});
  Screen->SetTexture(TextureHandle);
  // Half a pixel back: the renderer adds it again on the right and bottom edges.
  Renderer->SetPositions(corners.X0 - 0.5f, corners.Y0 - 0.5f, corners.X1 - 0.5f, corners.Y1 - 0.5f,
                         corners.X2 - 0.5f, corners.Y2 - 0.5f, corners.X3 - 0.5f, corners.Y3 - 0.5f);
  Renderer->RotateScale(centreX, centreY, angle, scaleX, scaleY);
  Renderer->Flush();
}
