#include "engine/OmegaSprite.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "engine/Colors.h"

int RoundPixel(float value) {
  // Rounding at the fourth decimal first is what sends 2.49996 up to 3; the limit keeps the
  // arithmetic in range far beyond any screen.
  constexpr double kLimit = 1e9;
  if (std::isnan(value)) return 0;
  double v = std::clamp(double(value), -kLimit, kLimit);
  double shifted = v >= 0 ? v + 0.5 : v - 0.5;
  long long tenThousandths = std::llrint(shifted * 10000.0);  // ties to even
  return int(tenThousandths / 10000);                         // truncates towards zero
}

namespace {

bool Intersect(const TImageRect& a, const TImageRect& b, TImageRect& overlap) {
  overlap = {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
             std::min(a.Bottom, b.Bottom)};
  return overlap.Left < overlap.Right && overlap.Top < overlap.Bottom;
}

bool OutsideDrawArea(const TOmegaSprite& engine, int x, int y, int width, int height) {
  if (engine.DrawAreaX1 == 0 && engine.DrawAreaY1 == 0 && engine.DrawAreaX2 == 0 && engine.DrawAreaY2 == 0)
    return false;  // no draw area: everything is drawn
  return engine.DrawAreaX1 > x + width || x > engine.DrawAreaX2 || engine.DrawAreaY1 > y + height ||
         y > engine.DrawAreaY2;
}

}  // namespace

// --- TSprite ---

TSprite::TSprite(TOmegaSprite& engine) : OwnerEngine(engine) {
  engine.Insert({this, nullptr});
}

TSprite::~TSprite() {
  OwnerEngine.Remove(*this);
}

TImageRect TSprite::GetPatternRect() {
  if (!FImage) return {};
  int tileWidth = FImage->TileWidth, tileHeight = FImage->TileHeight;
  int count = FImage->PatternCount();
  if (count < 1) return {0, 0, tileWidth, tileHeight};  // no pattern grid before the texture is built
  FPatternIndex = std::clamp(FPatternIndex, 0, count - 1);
  int left = tileWidth * (FPatternIndex % FImage->Columns);
  int top = tileHeight * (FPatternIndex / FImage->Columns);
  return {left, top, left + tileWidth, top + tileHeight};
}

void TSprite::SetRed(int value) {
  FRed = value;
  RebuildVertexColors();
}

void TSprite::SetGreen(int value) {
  FGreen = value;
  RebuildVertexColors();
}

void TSprite::SetBlue(int value) {
  FBlue = value;
  RebuildVertexColors();
}

void TSprite::SetAlpha(int value) {
  FAlpha = value;
  RebuildVertexColors();
}

void TSprite::RebuildVertexColors() {
  VertexColors.fill(ColorARGB(FRed, FGreen, FBlue, FAlpha));
}

void TSprite::SetPatternIndex(int value) {
  FPatternIndex = value;
  if (!FImage || FImage->PatternCount() < 1) return;
  int columns = FImage->Columns, count = FImage->PatternCount();
  FPatternX = (value % columns) * FImage->TileWidth;
  FPatternY = (value / columns) * FImage->TileHeight;
  // Only an index above the count is lowered; drawing shows the last tile for any index beyond it.
  if (value > count) FPatternIndex = count;
}

void TSprite::SetX(float value) {
  FX = value;
  FX2 = FX3 = value + float(FWidth);
  FX4 = value;
  FBoundsRect.Left = RoundPixel(value);
  FBoundsRect.Right = FBoundsRect.Left + FWidth;
  FCenterX = value + float(FWidth) / 2;
}

void TSprite::SetY(float value) {
  FY = FY2 = value;
  FY3 = FY4 = value + float(FHeight);
  FBoundsRect.Top = RoundPixel(value);
  FBoundsRect.Bottom = FBoundsRect.Top + FHeight;
  FCenterY = value + float(FHeight) / 2;
}

void TSprite::SetZ(int value) {
  if (value == FZ) return;
  TOmegaSprite::TEntry entry = OwnerEngine.Take(*this);
  FZ = value;
  OwnerEngine.Insert(std::move(entry));
}

void TSprite::SetImage(TImageListItem* image) {
  FImage = image;
  if (image) {
    FWidth = image->TileWidth;
    FHeight = image->TileHeight;
    FBoundsRect.Right = FBoundsRect.Left + FWidth;
    FBoundsRect.Bottom = FBoundsRect.Top + FHeight;
  }
  SetX(FX);
  SetY(FY);
}

void TSprite::SetWidth(int value) {
  FWidth = value;
  FBoundsRect.Right = FBoundsRect.Left + value;
}

void TSprite::SetHeight(int value) {
  FHeight = value;
  FBoundsRect.Bottom = FBoundsRect.Top + value;
}

void TSprite::SetAdditive(bool value) {
  FAdditive = value;
  BlendMode = value ? 2 : 0;
}

void TSprite::Assign(TSprite& source) {
  SetName(source.FName);
  FX = source.FX, FY = source.FY;
  FX2 = source.FX2, FY2 = source.FY2, FX3 = source.FX3, FY3 = source.FY3, FX4 = source.FX4, FY4 = source.FY4;
  SetZ(source.FZ);
  SetRed(source.FRed);
  SetGreen(source.FGreen);
  SetBlue(source.FBlue);
  SetAlpha(source.FAlpha);
  VertexColors = source.VertexColors;
  SetPatternIndex(source.FPatternIndex);
  CanCollide = source.CanCollide;
  PixelCheck = source.PixelCheck;
  PixelCheckOnly = source.PixelCheckOnly;
  Angle = source.Angle;
  SetImage(source.FImage);
  ScaleX = source.ScaleX, ScaleY = source.ScaleY;
  DrawOffsetX = source.DrawOffsetX, DrawOffsetY = source.DrawOffsetY;
  OriginX = source.OriginX, OriginY = source.OriginY;
  MirrorY = source.MirrorY, MirrorX = source.MirrorX;
  BlendMode = source.BlendMode;
  Visible = source.Visible;
  IgnoreCamera = source.IgnoreCamera;
}

void TSprite::CheckCollision(TSprite& other) {
  TImageRect overlap;
  if (!CanCollide || !other.CanCollide || FDead || other.FDead) return;
  if (!Intersect(FBoundsRect, other.FBoundsRect, overlap)) return;
  bool boundsDecide = !PixelCheckOnly && !other.PixelCheckOnly && !(PixelCheck && other.PixelCheck);
  int hitX = 0, hitY = 0;
  if (!boundsDecide && !(PixelCheck && other.PixelCheck && PixelsOverlap(other, overlap, hitX, hitY))) return;
  DoCollision(other, hitX, hitY);
  other.DoCollision(*this, hitX, hitY);
}

bool TSprite::PixelsOverlap(const TSprite& other, const TImageRect& overlap, int& hitX, int& hitY) const {
  for (int y = overlap.Top; y < overlap.Bottom; ++y)
    for (int x = overlap.Left; x < overlap.Right; ++x)
      if (Solid(x, y) && other.Solid(x, y)) {
        hitX = x, hitY = y;
        return true;
      }
  return false;
}

bool TSprite::Solid(int x, int y) const {
  // The current tile is laid unturned and unscaled over the bounds, read backwards along a
  // mirrored axis; a pixel counts where it is not fully transparent.
  if (!FImage) return false;
  int tileWidth = FImage->TileWidth, tileHeight = FImage->TileHeight;
  int localX = x - FBoundsRect.Left, localY = y - FBoundsRect.Top;
  if (localX >= tileWidth || localY >= tileHeight) return false;
  if (MirrorX) localX = tileWidth - 1 - localX;
  if (MirrorY) localY = tileHeight - 1 - localY;
  return (FImage->Pixel(FPatternX + localX, FPatternY + localY) >> 24) != 0;
}

void TSprite::Kill() {
  if (FDead) return;
  FDead = true;
  OwnerEngine.QueueDead(*this);
}

void TSprite::DoDraw() {
  if (!Visible || !FImage) return;
  if (!FImage->OnDisplay()) {
    OwnerEngine.MessageBoxes().Show("Error", kNoImageListMessage, true);
    return;
  }
  int sx = RoundPixel(FX + DrawOffsetX), sy = RoundPixel(FY + DrawOffsetY);
  if (!IgnoreCamera) {
    sx = RoundPixel(float(sx) - OwnerEngine.CameraX);
    sy = RoundPixel(float(sy) - OwnerEngine.CameraY);
  }
  if (OutsideDrawArea(OwnerEngine, sx, sy, FWidth, FHeight)) return;
  FImage->DrawEx(sx, sy, Angle, OriginX, OriginY, ScaleX, ScaleY, VertexColors[0], VertexColors[1],
                 VertexColors[2], VertexColors[3], MirrorY, MirrorX, FPatternIndex, BlendMode);
}

// --- TOmegaSprite ---

TOmegaSprite::~TOmegaSprite() {
  while (!List.empty()) Free(*List.back().Sprite);
}

void TOmegaSprite::Move(float moveCount) {
  // Every sprite of the list as the pass begins moves exactly once: sprites made during the pass
  // (a car's smoke) take places ahead of others, and first move in the next frame.
  MovePass.clear();
  for (const TEntry& entry : List) MovePass.push_back(entry.Sprite);
  for (TSprite* sprite : MovePass) sprite->DoMove(moveCount);
}

void TOmegaSprite::Draw() {
  int count = Count();
  for (int i = 0; i < count; ++i)
    if (TSprite* sprite = Items(i)) sprite->DoDraw();
}

void TOmegaSprite::RemoveDead() {
  while (!DeadList.empty()) Free(*DeadList.back());
}

TSprite* TOmegaSprite::Items(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return List[size_t(index)].Sprite;
}

void TOmegaSprite::Insert(TEntry entry) {
  // Before the sprites of the same Z: a newcomer is drawn under them, and ties never reorder.
  auto place = FirstWithZ(entry.Sprite->Z());
  List.insert(place, std::move(entry));
}

std::vector<TOmegaSprite::TEntry>::const_iterator TOmegaSprite::FirstWithZ(int z) const {
  return std::lower_bound(List.begin(), List.end(), z,
                          [](const TEntry& listed, int value) { return listed.Sprite->Z() < value; });
}

size_t TOmegaSprite::IndexOf(const TSprite& sprite) const {
  auto found = std::find_if(FirstWithZ(sprite.Z()), List.end(),
                            [&](const TEntry& listed) { return listed.Sprite == &sprite; });
  assert(found != List.end());
  return size_t(found - List.begin());
}

TOmegaSprite::TEntry TOmegaSprite::Take(const TSprite& sprite) {
  auto place = List.begin() + std::ptrdiff_t(IndexOf(sprite));
  TEntry entry = std::move(*place);
  List.erase(place);
  return entry;
}

void TOmegaSprite::Remove(const TSprite& sprite) {
  // Called by the sprite's destructor: Free has already taken the owner out of the entry, or
  // the sprite's making failed before the engine adopted it.
  TEntry entry = Take(sprite);
  assert(!entry.Owner);
  std::erase(DeadList, &sprite);
}

void TOmegaSprite::Adopt(std::unique_ptr<TSprite> sprite) {
  List[IndexOf(*sprite)].Owner = std::move(sprite);
}

void TOmegaSprite::Free(const TSprite& sprite) {
  // Destroying the sprite takes it out of both lists.
  std::unique_ptr<TSprite> owner = std::move(List[IndexOf(sprite)].Owner);
  assert(owner);  // not while the sprite is still being made
  owner.reset();
}
