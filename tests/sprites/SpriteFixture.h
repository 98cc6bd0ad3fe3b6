#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "engine/OmegaSprite.h"
#include "platform/RecordingRenderDevice.h"

// A sprite that notes its moves, draws, collisions and end in a shared log.
class TProbeSprite : public TSprite {
 public:
  TProbeSprite(TOmegaSprite& engine, std::vector<std::string>& log, const std::string& name, int z = 0)
      : TSprite(engine), Log(log) {
    SetName(name);
    SetZ(z);
  }
  ~TProbeSprite() override { Log.push_back("free " + Name()); }
  void DoMove(float) override {
    Log.push_back("move " + Name());
    if (OnMove) OnMove();
  }
  void DoDraw() override {
    Log.push_back("draw " + Name());
    TSprite::DoDraw();
  }
  void DoCollision(TSprite& other, int hitX, int hitY) override {
    Log.push_back("hit " + Name() + " by " + other.Name() + " at " + std::to_string(hitX) + "," +
                  std::to_string(hitY));
  }

  std::vector<std::string>& Log;
  std::function<void()> OnMove;  // what the sprite does in its move, after noting it
};

// An engine on a recording display with one image list whose pictures are made in memory.
struct SpriteFixture : testing::Test {
  std::vector<std::string> Log;  // outlives the engine, whose sprites write into it as they go
  TRecordingRenderDevice Device;
  TDeviceOnlyVideo Video{&Device};
  TMessageBoxes Messages{true};
  TOmegaScreen Screen{Video, Messages};
  TOmegaImageList Images{Messages};
  TOmegaSprite Engine{Messages};

  SpriteFixture() {
    Screen.Initialize();
    Images.SetOmegaScreen(&Screen);
  }

  // A picture of one colour, cut into tiles of the given size (0: the whole picture).
  TImageListItem& AddPicture(const std::string& name, int width, int height, int tileWidth = 0,
                             int tileHeight = 0, uint32_t argb = 0xFFFFFFFF) {
    return AddPixels(name, {width, height, std::vector<uint32_t>(size_t(width) * size_t(height), argb)},
                     tileWidth, tileHeight);
  }

  TImageListItem& AddPixels(const std::string& name, const TPixmap& picture, int tileWidth = 0,
                            int tileHeight = 0) {
    TImageListItem& item = Images.ImageList.Add();
    item.Name = name;
    item.SetPicture(picture);
    item.TileWidth = tileWidth > 0 ? tileWidth : picture.Width;
    item.TileHeight = tileHeight > 0 ? tileHeight : picture.Height;
    return item;
  }

  void BuildTextures() { Images.BuildTextures(); }

  TProbeSprite& Probe(const std::string& name, int z = 0) {
    return Engine.Create<TProbeSprite>(Log, name, z);
  }

  // The frame as the game runs it: the sprites' draw pass inside a scene.
  void DrawFrame() {
    Screen.BeginScene();
    Engine.Draw();
    Screen.EndScene();
  }
};
