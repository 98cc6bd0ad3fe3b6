#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "assets/PackagePicture.h"
#include "engine/OmegaRenderer.h"
#include "engine/OmegaScreen.h"
#include "platform/MessageBox.h"
#include "platform/Png.h"
#include "platform/RenderDevice.h"

class TImageListCollection;
class TOmegaImageList;

// The game's messages for packages that cannot be read.
namespace ImageListMessage {
inline constexpr const char* FileError = "Cannot be loaded - file error or file crypted!";
inline constexpr const char* Corrupt = "The stream could not be loaded, either it is corrupt or encrypted!";
inline constexpr const char* CorruptCaption = "Error!";
inline constexpr const char* TextureError = "Error creating texture ";  // followed by the name
}  // namespace ImageListMessage

// A rectangle of screen pixels (DrawRect).
struct TImageRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// A named picture cut into equally sized patterns, with its texture once a display exists.
class TImageListItem : public TPackagePicture {
 public:
  TImageListItem() = default;
  TImageListItem(const TImageListItem&) = delete;
  TImageListItem& operator=(const TImageListItem&) = delete;
  ~TImageListItem();

  // Set when the texture is built.
  int PictureWidth = 0, PictureHeight = 0;
  int TextureWidth = 0, TextureHeight = 0;
  int Rows = 0, Columns = 0;

  bool HasPicture() const { return Picture.Width > 0 && Picture.Height > 0; }
  int PatternCount() const { return Rows * Columns; }
  TTextureHandle Texture() const { return TextureHandle; }
  // The texture for drawing with it: made again first if the picture dozes.
  TTextureHandle TextureToDraw() {
    if (Dozing) Wake();
    return TextureHandle;
  }
  bool HasTexture() const { return TexelsReady; }
  // Whether the item was ever bound to a display by BuildTextures (a sprite draws only then).
  bool OnDisplay() const { return EverOnDisplay; }
  TOmegaScreen* Display() const { return Screen; }

  // Replaces the picture at run time: one pattern of the whole picture, its texture of the
  // picture's size.
  void SetPicture(const TPixmap& picture);

  // The texel at (x, y) of the texture as built (colour key applied), ARGB; 0 (transparent black)
  // outside the picture or without a texture. Used by the pixel-exact collision test; the first
  // call after the pixels were let go decodes them again.
  uint32_t Pixel(int x, int y);

  // Drawing. Coordinates are screen pixels; Angle degrees clockwise; CenterX/CenterY fractions
  // of the tile; a scale of exactly 0 draws as 1; PatternIndex -1 draws the whole picture and
  // an index at or beyond the pattern count draws the last pattern; BlendMode -1 keeps the
  // display's current mode. An item without a texture draws nothing.
  void Draw(int x, int y, int patternIndex);
  void DrawRGBA(int x, int y, float angle, float centerX, float centerY, float scaleX, float scaleY, int red,
                int green, int blue, int alpha, bool additive, int patternIndex, int blendMode);
  void DrawColored(int x, int y, float angle, float centerX, float centerY, float scaleX, float scaleY,
                   uint32_t color, bool flipVertical, bool flipHorizontal, int patternIndex, int blendMode);
  // Colours top-left, top-right, bottom-right, bottom-left.
  void DrawEx(int x, int y, float angle, float centerX, float centerY, float scaleX, float scaleY,
              uint32_t color0, uint32_t color1, uint32_t color2, uint32_t color3, bool flipVertical,
              bool flipHorizontal, int patternIndex, int blendMode);
  void DrawRect(const TImageRect& rect, int offsetX, int offsetY, float angle, float centerX, float centerY,
                float scaleX, float scaleY, int red, int green, int blue, int alpha, bool flipVertical,
                bool flipHorizontal, int patternIndex, int blendMode);

  // Builds the texture on the list's display (see TOmegaImageList::BuildTextures).
  void BuildTexture(TOmegaScreen& screen, TOmegaRenderer& renderer, const std::string& gameFolder,
                    TMessageBoxes& messages);
  // Forgets the display; freeTexture also drops the texture (the next build makes it anew).
  void ReleaseTexture(bool freeTexture);
  // Lets a package picture's texture go while its screens are away; its next draw makes it
  // again from the package's block.
  void Doze();

 private:
  struct TCorners {
    float X0, Y0, X1, Y1, X2, Y2, X3, Y3;
  };
  void DrawQuad(const TCorners& corners, int x, int y, float angle, float centerX, float centerY,
                float scaleX, float scaleY, const uint32_t (&colors)[4], bool flipVertical,
                bool flipHorizontal, int patternIndex, int blendMode);
  void LoadExternalPicture(const std::string& gameFolder);
  void UploadTexture(TOmegaScreen& screen, TMessageBoxes& messages);
  void MakeTexture(TOmegaScreen& screen, TMessageBoxes& messages);
  void ApplyColorKey();
  void ReleasePixels();
  void RestorePixels();
  void Wake();

  TOmegaScreen* Screen = nullptr;
  TOmegaRenderer* Renderer = nullptr;
  bool TexelsReady = false;     // Picture holds the texture's texels (key colour applied), so the
                                // texture survives a device reset
  bool PixelsReleased = false;  // Picture keeps its size, its pixels are in Stored
  TTextureHandle TextureHandle = kNoTexture;
  TMessageBoxes* Messages = nullptr;  // of the last build, for a texture made again on waking
  bool Dozing = false;
  bool EverOnDisplay = false;
};

// The images of a list, in package order.
class TImageListCollection {
 public:
  TImageListCollection() = default;
  TImageListCollection(const TImageListCollection&) = delete;
  TImageListCollection& operator=(const TImageListCollection&) = delete;

  // Shows the game's messages; without it the messages only go to stderr.
  TMessageBoxes* Messages = nullptr;
  // Given a package file's bytes, the bytes to parse; empty: parsed as stored.
  std::function<std::vector<uint8_t>(std::vector<uint8_t>)> StreamTransform;

  // Reads a package file; a missing or unreadable file keeps the collection as it was.
  // "\" in the name is a folder separator. Returns false after showing the message, which
  // names the file (with "/") and what is wrong with it.
  bool LoadFromFile(const std::string& fileName);
  // Empties the collection and fills it from package bytes; on a malformed package the items
  // read before the fault stay. Returns false after showing the message.
  bool LoadFromStream(std::span<const uint8_t> bytes);
  // Why the last load failed, in the reader's words (empty after a good load).
  const std::string& LastError() const { return LoadError; }

  // The first item with exactly this name (case-sensitive), or nullptr. A name not found is
  // reported once on stderr and remembered.
  TImageListItem* Find(const std::string& name);
  // Throws std::out_of_range ("List index out of bounds") outside 0 .. Count() - 1.
  TImageListItem& Items(int index) const;
  int Count() const { return int(List.size()); }
  TImageListItem& Add();
  void Clear();
  // Every name Find was asked for and did not find, in order of first asking.
  const std::vector<std::string>& MissingNames() const { return Missing; }

 private:
  // Parses package bytes; source ("FILE: ") goes before the reader's words in LastError.
  bool Read(std::span<const uint8_t> bytes, const std::string& source);
  // Shows the game's text; named: with LastError, which names the file, below it.
  void Report(const char* caption, const char* text, bool okCancel, bool named) const;

  std::vector<std::unique_ptr<TImageListItem>> List;
  std::vector<std::string> Missing;
  std::string LoadError;
};

// The root object of a package: reading a package fills its List in place.
struct TImageListCollectionComponent {
  TImageListCollection* List = nullptr;
};

// Reads an image package (resource header, "TPF0", the carrier component) into the carrier's
// list, which is emptied first. On a malformed package returns false with the reason; the
// items read before the fault, and the one being read, stay in the list.
bool ReadImagePackage(std::span<const uint8_t> bytes, TImageListCollectionComponent& carrier,
                      std::string& error);

// An image list of the main form: owns its images and draws them on its display.
class TOmegaImageList final : public TDeviceClient {
 public:
  explicit TOmegaImageList(TMessageBoxes& messages);
  ~TOmegaImageList() override;
  TOmegaImageList(const TOmegaImageList&) = delete;
  TOmegaImageList& operator=(const TOmegaImageList&) = delete;

  TImageListCollection ImageList;
  // Where a relative Filepath is looked for: the game's folder (default: the program's folder).
  std::string GameFolder;

  // Links the display (nullptr unlinks); the list then follows the display's device.
  void SetOmegaScreen(TOmegaScreen* screen);
  TOmegaScreen* OmegaScreen() const { return Screen; }
  TOmegaRenderer& Renderer() { return QuadRenderer; }

  // Binds the renderer to the display and, when the display has a device, builds every
  // item's texture in order. A texture that cannot be made ends the game (TFatalError).
  void BuildTextures();
  void ReleaseTextures(bool freeTexture);
  // Lets the textures of package pictures go until they are drawn again (see TImageListItem::Doze).
  void Doze();
  void BeginDraw() {}
  void EndDraw() {}

  // Shorthands for the collection.
  TImageListItem* Find(const std::string& name) { return ImageList.Find(name); }
  TImageListItem& Items(int index) const { return ImageList.Items(index); }
  int Count() const { return ImageList.Count(); }
  bool LoadFromFile(const std::string& fileName) { return ImageList.LoadFromFile(fileName); }

  void DeviceCreated(TOmegaScreen& screen) override;
  void DeviceReleasing(TOmegaScreen& screen) override;

 private:
  TMessageBoxes& Messages;
  TOmegaScreen* Screen = nullptr;
  TOmegaRenderer QuadRenderer;
};
