#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/OmegaImageList.h"
#include "platform/MessageBox.h"

class TOmegaSprite;

// The engine's conversion of a position to whole pixels: halves go away from zero, and so does a
// fraction that lies within 0.00005 below one half (2.49996 -> 3, 2.4999 -> 2, -2.5 -> -3).
int RoundPixel(float value);

// Shown when a sprite's picture was never built on a display.
inline constexpr const char* kNoImageListMessage = "No OmegaImageList assigned to sprite!";

// Every object on screen: a picture with position, draw order, pattern, colours and a per-frame
// move. Sprites are made only by the engine (TOmegaSprite::Create, never on the stack or with new),
// which owns them; a sprite ends by Kill and the engine's next RemoveDead.
//
// Fields with a setter (name, position, Z, image, pattern, colour channels, size) are changed
// through it, because the setter keeps the derived values (corners, bounds, centre, list order,
// vertex colours) in step. The plain public fields are written by the game directly.
class TSprite {
 public:
  // Derived constructors take the engine first, then set image, size, position, Z and colours.
  explicit TSprite(TOmegaSprite& engine);
  virtual ~TSprite();
  TSprite(const TSprite&) = delete;
  TSprite& operator=(const TSprite&) = delete;

  TOmegaSprite& Engine() const { return OwnerEngine; }

  // Source rectangle of the current pattern inside the picture; clamps PatternIndex into the
  // patterns the picture has.
  virtual TImageRect GetPatternRect();
  virtual void SetName(const std::string& value) { FName = value; }
  virtual void SetRed(int value);
  virtual void SetGreen(int value);
  virtual void SetBlue(int value);
  virtual void SetAlpha(int value);
  virtual void SetPatternIndex(int value);
  virtual void SetX(float value);
  virtual void SetY(float value);
  virtual void SetZ(int value);
  // Binds the picture and takes its tile size; nullptr (a picture that was not found) keeps
  // the current size and draws nothing.
  virtual void SetImage(TImageListItem* image);
  virtual void SetWidth(int value);
  virtual void SetHeight(int value);
  // Copies another sprite's drawable state (not Dead, not Additive).
  virtual void Assign(TSprite& source);
  virtual void CheckCollision(TSprite& other);
  virtual void Kill();
  // The hit position is in world pixels (0, 0 when the bounds alone decided).
  virtual void DoCollision(TSprite& /*other*/, int /*hitX*/, int /*hitY*/) {}
  virtual void DoMove(float /*moveCount*/) {}
  virtual void DoDraw();

  // Additive blending (mode 2) or normal (mode 0).
  void SetAdditive(bool value);

  const std::string& Name() const { return FName; }
  float X() const { return FX; }
  float Y() const { return FY; }
  float X2() const { return FX2; }
  float Y2() const { return FY2; }
  float X3() const { return FX3; }
  float Y3() const { return FY3; }
  float X4() const { return FX4; }
  float Y4() const { return FY4; }
  float CenterX() const { return FCenterX; }
  float CenterY() const { return FCenterY; }
  int Z() const { return FZ; }
  TImageListItem* Image() const { return FImage; }
  int PatternIndex() const { return FPatternIndex; }
  int PatternX() const { return FPatternX; }
  int PatternY() const { return FPatternY; }
  int Red() const { return FRed; }
  int Green() const { return FGreen; }
  int Blue() const { return FBlue; }
  int Alpha() const { return FAlpha; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  const TImageRect& BoundsRect() const { return FBoundsRect; }
  bool Additive() const { return FAdditive; }
  bool Dead() const { return FDead; }

  // Written by the game directly.
  bool Visible = true;
  bool IgnoreCamera = false;  // the engine's camera offset is not subtracted when drawing
  int BlendMode = 0;          // 0 normal blending, 2 additive
  bool MirrorX = false, MirrorY = false;
  float OriginX = 0, OriginY = 0;  // rotation and scale centre, as a fraction of the tile
  // Corner colours top-left, top-right, bottom-right, bottom-left; the next channel change
  // overwrites colours written here.
  std::array<uint32_t, 4> VertexColors{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
  bool CanCollide = false;
  bool PixelCheck = false;
  bool PixelCheckOnly = false;  // the bounds alone never report a collision
  float Angle = 0;
  float ScaleX = 1, ScaleY = 1;  // exactly 0 draws as 1
  float DrawOffsetX = 0, DrawOffsetY = 0;

 private:
  void RebuildVertexColors();
  bool PixelsOverlap(const TSprite& other, const TImageRect& overlap, int& hitX, int& hitY) const;
  bool Solid(int x, int y) const;

  TOmegaSprite& OwnerEngine;
  std::string FName;
  float FX = 0, FY = 0;
  float FX2 = 10, FY2 = 0, FX3 = 10, FY3 = 10, FX4 = 0, FY4 = 10;
  float FCenterX = 0, FCenterY = 0;
  int FPatternX = 0, FPatternY = 0;
  int FPatternIndex = 0;
  int FZ = 0;
  int FRed = 255, FGreen = 255, FBlue = 255, FAlpha = 255;
  TImageListItem* FImage = nullptr;
  int FWidth = 10, FHeight = 10;
  TImageRect FBoundsRect;
  bool FAdditive = false;
  bool FDead = false;
};

// The sprite engine: owns every sprite in a list ordered by Z (lower drawn first), moves and
// draws them once a frame, and frees the killed ones when the game asks.
class TOmegaSprite {
 public:
  explicit TOmegaSprite(TMessageBoxes& messages) : Messages(messages) {}
  // Frees every sprite, last first.
  ~TOmegaSprite();
  TOmegaSprite(const TOmegaSprite&) = delete;
  TOmegaSprite& operator=(const TOmegaSprite&) = delete;

  // Makes a sprite of class T with the arguments after the engine; the engine owns it. The
  // sprite enters the list by Z as soon as its base is made, as the game's sprites always did.
  template <class T, class... TArgs>
  T& Create(TArgs&&... args) {
    auto sprite = std::make_unique<T>(*this, std::forward<TArgs>(args)...);
    T& made = *sprite;
    Adopt(std::move(sprite));
    return made;
  }

  // Clipping rectangle for drawing; all four 0 (as in the game) draws everything.
  int DrawAreaX1 = 0, DrawAreaY1 = 0, DrawAreaX2 = 0, DrawAreaY2 = 0;
  float CameraX = 0, CameraY = 0;

  // Moves, then draws, the sprites that were in the list when the pass began, in draw order.
  void Move(float moveCount);
  void Draw();
  // Frees the killed sprites. Never call it from inside a sprite's constructor, move or draw.
  void RemoveDead();

  // The sprite at that place in the Z order, or nullptr outside 0 .. Count() - 1.
  TSprite* Items(int index) const;
  int Count() const { return int(List.size()); }

  TMessageBoxes& MessageBoxes() const { return Messages; }

 private:
  friend class TSprite;
  // A sprite in draw order; Owner is empty only while the sprite is being made.
  struct TEntry {
    TSprite* Sprite;
    std::unique_ptr<TSprite> Owner;
  };

  // List upkeep for the sprites themselves.
  void Insert(TEntry entry);
  TEntry Take(const TSprite& sprite);
  void Remove(const TSprite& sprite);
  void QueueDead(TSprite& sprite) { DeadList.push_back(&sprite); }
  void Adopt(std::unique_ptr<TSprite> sprite);
  // The first place whose sprite has at least this Z (the list is always in Z order).
  std::vector<TEntry>::const_iterator FirstWithZ(int z) const;
  size_t IndexOf(const TSprite& sprite) const;
  void Free(const TSprite& sprite);

  TMessageBoxes& Messages;
  std::vector<TEntry> List;
  std::vector<TSprite*> DeadList;  // does not own
  std::vector<TSprite*> MovePass;  // the sprites of the running move pass; does not own
};
