#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "assets/ColorNames.h"
#include "assets/PictureData.h"
#include "engine/Colors.h"
#include "engine/FatalError.h"
#include "engine/OmegaImageList.h"
#include "platform/GamePath.h"

namespace {

std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A path with a drive, a network path or an absolute path is used as it stands; any other is
// taken below the game's folder, whatever the current folder is.
std::filesystem::path ResolvePicturePath(const std::string& filepath, const std::string& gameFolder) {
  if (filepath.find(':') != std::string::npos || filepath.find("\\\\") != std::string::npos) return filepath;
  std::filesystem::path path = NativePath(filepath);
  return path.is_absolute() ? path : std::filesystem::path(gameFolder) / path;
}

std::optional<TPictureFormat> FormatOf(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::ranges::transform(extension, extension.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  if (extension == ".png") return TPictureFormat::Png;
  if (extension == ".bmp") return TPictureFormat::Bmp;
  return std::nullopt;
}

}  // namespace

TImageListItem::~TImageListItem() {
  ReleaseTexture(true);
}

void TImageListItem::SetPicture(const TPixmap& picture) {
  Picture = picture;
  TexelsReady = false;
  if (!HasPicture()) return;
  PictureWidth = Picture.Width, PictureHeight = Picture.Height;
  TileWidth = Picture.Width, TileHeight = Picture.Height;
  TextureWidth = Picture.Width, TextureHeight = Picture.Height;
}

uint32_t TImageListItem::Pixel(int x, int y) {
  if (PixelsReleased) RestorePixels();
  if (!TexelsReady || Picture.Pixels.empty() || x < 0 || y < 0 ||
      x >= std::min(PictureWidth, Picture.Width) || y >= std::min(PictureHeight, Picture.Height))
    return 0;
  return Picture.At(x, y);
}

void TImageListItem::ApplyColorKey() {
  // The key colour turns transparent black.
  if (Transparent) std::ranges::replace(Picture.Pixels, ColorKeyARGB(TransparentColor), 0u);
}

// Only pictures of a package let their pixels go: the package's block brings them back.
void TImageListItem::ReleasePixels() {
  if (Stored.empty() || PixelsReleased) return;
  std::vector<uint32_t>().swap(Picture.Pixels);  // gives the memory back, not just the pixels
  PixelsReleased = true;
}

void TImageListItem::RestorePixels() {
  TPixmap picture;
  std::string error;
  PixelsReleased = false;
  if (!DecodePictureData(Stored, picture, error) || picture.Width != Picture.Width ||
      picture.Height != Picture.Height) {
    std::fprintf(stderr, "Morvel Racing: picture '%s' not decoded again: %s\n", Name.c_str(), error.c_str());
    return;
  }
  Picture.Pixels = std::move(picture.Pixels);
  ApplyColorKey();
}

void TImageListItem::LoadExternalPicture(const std::string& gameFolder) {
  Filepath = Trimmed(Filepath);
  if (Filepath.empty()) return;
  std::filesystem::path path = ResolvePicturePath(Filepath, gameFolder);
  std::error_code missing;
  if (!std::filesystem::is_regular_file(path, missing)) return;  // the stored picture stays
  std::optional<TPictureFormat> format = FormatOf(path);
  std::ifstream file(path, std::ios::binary);
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  TPixmap picture;
  std::string error = format ? "" : "not a PNG or BMP file";
  if (format && DecodePicture(*format, bytes, picture, error)) {
    Picture = std::move(picture);
    Stored = {};  // the package's block no longer describes the picture
    PixelsReleased = false;
  } else
    std::fprintf(stderr, "Morvel Racing: picture %s of '%s' not read: %s\n", path.c_str(), Name.c_str(),
                 error.c_str());
}

void TImageListItem::BuildTexture(TOmegaScreen& screen, TOmegaRenderer& renderer,
                                  const std::string& gameFolder, TMessageBoxes& messages) {
  // A picture of its own file takes the place of the stored one.
  if (!TexelsReady) LoadExternalPicture(gameFolder);
  if (!HasPicture()) return;
  Screen = &screen;
  Renderer = &renderer;
  Messages = &messages;
  Dozing = false;
  EverOnDisplay = true;
  if (TileHeight < 1) TileHeight = Picture.Height;
  if (TileWidth < 1) TileWidth = Picture.Width;
  if (!TexelsReady) {
    // The picture becomes the texture's texels once.
    ApplyColorKey();
    TexelsReady = true;
  }
  TextureWidth = Picture.Width, TextureHeight = Picture.Height;
  if (TextureHandle == kNoTexture) MakeTexture(screen, messages);
  PictureWidth = std::max(Picture.Width, 1), PictureHeight = std::max(Picture.Height, 1);
  Rows = PictureHeight / TileHeight;
  Columns = PictureWidth / TileWidth;
}

// The texture from the pixels, decoded again first if they were let go; then they go.
void TImageListItem::MakeTexture(TOmegaScreen& screen, TMessageBoxes& messages) {
  if (PixelsReleased) RestorePixels();
  UploadTexture(screen, messages);
  ReleasePixels();
}

// The texture has the picture's own size: the renderer needs no power-of-two sides, and a
// full-screen picture costs no padding.
void TImageListItem::UploadTexture(TOmegaScreen& screen, TMessageBoxes& messages) {
  if (Picture.Pixels.size() == size_t(TextureWidth) * size_t(TextureHeight))
    TextureHandle = screen.Device().CreateTexture(TextureWidth, TextureHeight, Picture.Pixels.data());
  if (TextureHandle != kNoTexture) return;
  messages.Show("Error", ImageListMessage::TextureError + Name);
  throw TFatalError(ImageListMessage::TextureError + Name);
}

void TImageListItem::Doze() {
  if (Stored.empty() || TextureHandle == kNoTexture || !Screen || !Screen->Ready()) return;
  Screen->Device().DestroyTexture(TextureHandle);
  TextureHandle = kNoTexture;
  Dozing = true;
}

void TImageListItem::Wake() {
  Dozing = false;
  if (Screen && Screen->Ready() && Messages) MakeTexture(*Screen, *Messages);
}

void TImageListItem::ReleaseTexture(bool freeTexture) {
  if (TextureHandle != kNoTexture && Screen && Screen->Ready())
    Screen->Device().DestroyTexture(TextureHandle);
  TextureHandle = kNoTexture;
  Screen = nullptr;
  Renderer = nullptr;
  Dozing = false;
  // A picture from its own file is read again by the next build.
  if (freeTexture && !Filepath.empty()) {
    Picture = {};
    TexelsReady = PixelsReleased = false;
  }
}
