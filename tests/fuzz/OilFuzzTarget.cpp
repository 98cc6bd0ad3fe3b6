// The package reader under arbitrary bytes: it must fail cleanly or read a list whose every
// picture builds and draws without reading outside its pixels.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "assets/OilReader.h"
#include "engine/OmegaImageList.h"
#include "platform/RecordingRenderDevice.h"

namespace {

void DrawEveryPattern(TImageListCollection& collection) {
  TNullRenderDevice device(800, 600);
  TDeviceOnlyVideo video(&device);
  TMessageBoxes messages(true);
  TOmegaScreen screen(video, messages);
  TOmegaImageList list(messages);
  list.GameFolder = "/nonexistent";  // a package must not make the reader open files
  for (int i = 0; i < collection.Count(); ++i) {
    const TImageListItem& from = collection.Items(i);
    TImageListItem& item = list.ImageList.Add();
    item.Name = from.Name;
    item.Picture = from.Picture;
    item.TileWidth = from.TileWidth, item.TileHeight = from.TileHeight;
    item.TransparentColor = from.TransparentColor, item.Transparent = from.Transparent;
  }
  list.SetOmegaScreen(&screen);
  screen.Initialize();
  screen.BeginScene();
  for (int i = 0; i < list.Count(); ++i) {
    TImageListItem& item = list.Items(i);
    for (int pattern : {-1, 0, item.PatternCount(), 1 << 30}) item.Draw(0, 0, pattern);
    item.Pixel(item.PictureWidth - 1, item.PictureHeight - 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TImageListCollection collection;
  TImageListCollectionComponent carrier{&collection};
  std::string error;
  ReadImagePackage(std::span<const uint8_t>(data, size), carrier, error);
  DrawEveryPattern(collection);
  return 0;
}
