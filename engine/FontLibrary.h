#pragma once

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "engine/FontFace.h"
#include "engine/FontFiles.h"

struct FT_LibraryRec_;

// How text in a system font is styled, as the window system's fonts are.
struct TFontStyle {
  bool Bold = false, Italic = false, Underline = false, StrikeOut = false;
  auto operator<=>(const TFontStyle&) const = default;
};

// Font sizes are points at 96 dots per inch, rounded to whole pixels as the window system does.
constexpr int PointsToPixels(int points) {
  int scaled = points * 96;
  return scaled >= 0 ? (scaled + 36) / 72 : -((-scaled + 36) / 72);
}

// The system fonts of the game: finds the files and keeps every face at every size it was asked
// for, so that fonts switching face and size from screen to screen reuse their glyphs. One
// library serves all of the game's fonts.
class TFontLibrary {
 public:
  TFontLibrary();
  ~TFontLibrary();
  TFontLibrary(const TFontLibrary&) = delete;
  TFontLibrary& operator=(const TFontLibrary&) = delete;

  // The face that draws faceName (Windows-1251 bytes) at that size in pixels; nothing only when
  // this machine has no usable font at all.
  TFontFace* Face(const std::string& faceName, bool bold, bool italic, int pixelSize,
                  bool antialiased = true);
  TFontFiles& Files() { return FontFiles; }

 private:
  FT_LibraryRec_* Library = nullptr;
  TFontFiles FontFiles;
  std::map<std::tuple<std::string, bool, bool, int, bool>, std::unique_ptr<TFontFace>> Faces;
};
