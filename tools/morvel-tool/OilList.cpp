#include <cstdio>
#include <string>

#include "OilCommands.h"
#include "assets/ColorNames.h"
#include "engine/OmegaImageList.h"

namespace {

std::string Transparency(const TImageListItem& item) {
  if (!item.Transparent) return "-";
  std::string_view ident = ColorToIdent(item.TransparentColor);
  if (!ident.empty()) return "key " + std::string(ident);
  char text[16];
  uint32_t c = item.TransparentColor;
  std::snprintf(text, sizeof text, "key #%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return text;
}

void PrintItem(const TImageListItem& item) {
  const TPixmap& picture = item.Picture;
  int tileWidth = item.TileWidth < 1 ? picture.Width : item.TileWidth;
  int tileHeight = item.TileHeight < 1 ? picture.Height : item.TileHeight;
  int columns = tileWidth > 0 ? picture.Width / tileWidth : 0,
      rows = tileHeight > 0 ? picture.Height / tileHeight : 0;
  std::printf("%s\ttile %dx%d\tpicture %dx%d\tpatterns %d (%dx%d)\t%s%s%s\n", item.Name.c_str(), tileWidth,
              tileHeight, picture.Width, picture.Height, columns * rows, columns, rows,
              Transparency(item).c_str(), item.Filepath.empty() ? "" : "\tfile ", item.Filepath.c_str());
}

}  // namespace

int RunOilList(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fputs("Usage: morvel-tool oil-list PKG\n", stderr);
    return 2;
  }
  TImageListCollection list;
  bool loaded = list.LoadFromFile(args[0]);
  for (int i = 0; i < list.Count(); ++i) PrintItem(list.Items(i));
  if (!loaded)
    std::fprintf(stderr, "morvel-tool oil-list: %s: %s\n", args[0].c_str(), list.LastError().c_str());
  return loaded ? 0 : 1;
}
