#include <cstdio>
#include <filesystem>

#include "OilCommands.h"
#include "engine/OmegaImageList.h"
#include "platform/RecordingRenderDevice.h"

int RunOilExtract(const std::vector<std::string>& args) {
  if (args.size() != 3) {
    std::fputs("Usage: morvel-tool oil-extract PKG NAME OUT.png\n", stderr);
    return 2;
  }
  TMessageBoxes messages(true);
  TOmegaImageList list(messages);
  list.GameFolder = std::filesystem::current_path().string();  // for pictures named by Filepath
  if (!list.LoadFromFile(args[0])) return 1;
  TImageListItem* item = list.Find(args[1]);
  if (!item) return 1;
  // The texture is built exactly as the game builds it, on a device that keeps no pixels.
  TNullRenderDevice device(800, 600);
  TDeviceOnlyVideo video(&device);
  TOmegaScreen screen(video, messages);
  list.SetOmegaScreen(&screen);
  screen.Initialize();
  if (!item->HasTexture()) {
    std::fprintf(stderr, "morvel-tool oil-extract: %s holds no picture\n", args[1].c_str());
    return 1;
  }
  TPixmap picture{item->PictureWidth, item->PictureHeight, {}};
  for (int y = 0; y < picture.Height; ++y)
    for (int x = 0; x < picture.Width; ++x) picture.Pixels.push_back(item->Pixel(x, y));
  std::string error;
  if (!WritePngFile(args[2], picture, error)) {
    std::fprintf(stderr, "morvel-tool oil-extract: %s: %s\n", args[2].c_str(), error.c_str());
    return 1;
  }
  return 0;
}
