#include "engine/FontLibrary.h"

#include <ft2build.h>
#include FT_FREETYPE_H

TFontLibrary::TFontLibrary() {
  if (FT_Init_FreeType(&Library) != 0) Library = nullptr;
}

TFontLibrary::~TFontLibrary() {
  Faces.clear();  // every face goes before the library that made it
  if (Library) FT_Done_FreeType(Library);
}

TFontFace* TFontLibrary::Face(const std::string& faceName, bool bold, bool italic, int pixelSize,
                              bool antialiased) {
  auto key = std::make_tuple(faceName, bold, italic, pixelSize, antialiased);
  auto found = Faces.find(key);
  if (found == Faces.end())
    found = Faces
                .emplace(key, TFontFace::Open(Library, FontFiles.Find(faceName, bold, italic), pixelSize,
                                              antialiased))
                .first;
  return found->second.get();
}
