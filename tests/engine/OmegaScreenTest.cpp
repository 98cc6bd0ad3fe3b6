#include "engine/OmegaScreen.h"

#include <gtest/gtest.h>

#include "engine/FatalError.h"
#include "engine/OmegaRenderer.h"
#include "platform/RecordingRenderDevice.h"

namespace {

struct ScreenFixture : testing::Test {
  TRecordingRenderDevice Device;
  TDeviceOnlyVideo Video{&Device};
  TMessageBoxes Messages{true};
  TOmegaScreen Screen{Video, Messages};

  ScreenFixture() {
    Screen.CenterX = 400;
    Screen.CenterY = 300;
  }
  // One quad through the renderer, the way every picture of the game is drawn.
  void DrawAt(float x, float y, uint32_t color) {
    TOmegaRenderer renderer;
    renderer.Bind(Screen);
    renderer.SetPositions(x - 0.5f, y - 0.5f, x - 0.5f, y - 0.5f, x - 0.5f, y - 0.5f, x - 0.5f, y - 0.5f);
    renderer.SetColors(color, color, color, color);
    renderer.Flush();
  }
};

struct TCountingClient : TDeviceClient {
  std::vector<std::string>& Log;
  std::string Name;
  TCountingClient(std::vector<std::string>& log, std::string name) : Log(log), Name(std::move(name)) {}
  void DeviceCreated(TOmegaScreen&) override { Log.push_back("create " + Name); }
  void DeviceReleasing(TOmegaScreen&) override { Log.push_back("release " + Name); }
};

}  // namespace

TEST_F(ScreenFixture, ScalesEveryVertexColourByTheScreenColour) {
  Screen.Initialize();
  Screen.BeginScene();
  DrawAt(10, 10, 0xFFFFFFFF);
  Screen.SetRed(128);
  Screen.SetAlpha(0);
  DrawAt(10, 10, 0xFF80FF40);
  ASSERT_EQ(Device.Draws.size(), 2u);
  EXPECT_EQ(Device.Draws[0].Quad[0].Color, 0xFEFEFEFEu);  // 255 x 255 / 256
  EXPECT_EQ(Device.Draws[1].Quad[2].Color, 0x0040FE3Fu);
  EXPECT_EQ(Screen.ScreenColor(), 0x0080FFFFu);
}

TEST_F(ScreenFixture, TransformsAboutTheScreenCentre) {
  Screen.Initialize();
  Screen.BeginScene();
  Screen.Rotation = 90;
  DrawAt(500, 300, 0xFFFFFFFF);
  Screen.Rotation = 0;
  Screen.ScaleX = 2;
  Screen.OffsetY = 5;
  DrawAt(500, 300, 0xFFFFFFFF);
  ASSERT_EQ(Device.Draws.size(), 2u);
  // The renderer moves the top-left corner back by half a pixel.
  EXPECT_NEAR(Device.Draws[0].Quad[0].X, 400.5f, 1e-3);
  EXPECT_NEAR(Device.Draws[0].Quad[0].Y, 399.5f, 1e-3);
  EXPECT_NEAR(Device.Draws[1].Quad[0].X, 599.0f, 1e-3);
  EXPECT_NEAR(Device.Draws[1].Quad[0].Y, 304.5f, 1e-3);
}

TEST_F(ScreenFixture, RemembersTheBlendMode) {
  Screen.Initialize();
  const int changesAfterInit = Device.BlendChanges;
  Screen.SetBlendMode(0);  // already the mode: nothing reaches the device
  Screen.SetBlendMode(-1);
  EXPECT_EQ(Device.BlendChanges, changesAfterInit);
  Screen.SetBlendMode(2);
  EXPECT_EQ(Device.Source, TBlendFactor::SrcAlpha);
  EXPECT_EQ(Device.Destination, TBlendFactor::One);
  Screen.SetBlendMode(2);
  EXPECT_EQ(Device.BlendChanges, changesAfterInit + 1);
  Screen.SetBlendMode(20);  // unknown: blends as mode 0, remembered as given
  EXPECT_EQ(Screen.BlendMode(), 20);
  EXPECT_EQ(Device.Source, TBlendFactor::SrcAlpha);
  EXPECT_EQ(Device.Destination, TBlendFactor::InvSrcAlpha);
  Screen.SetBlendMode(-1);
  EXPECT_EQ(Screen.BlendMode(), 20);
  Screen.SetBlendMode(13);
  EXPECT_EQ(Device.Source, TBlendFactor::InvDestColor);
  EXPECT_EQ(Device.Destination, TBlendFactor::InvDestColor);
}

TEST_F(ScreenFixture, ALostDeviceDrawsAndPresentsNothing) {
  Screen.Initialize();
  Device.NextStatus = TDeviceStatus::Lost;
  Screen.BeginScene();
  DrawAt(1, 1, 0xFFFFFFFF);
  Screen.EndScene();
  EXPECT_TRUE(Device.Draws.empty());
  EXPECT_EQ(Device.Presents, 0);
  Device.NextStatus = TDeviceStatus::Ready;
  Screen.BeginScene();
  DrawAt(1, 1, 0xFFFFFFFF);
  Screen.EndScene();
  EXPECT_EQ(Device.Draws.size(), 1u);
  EXPECT_EQ(Device.Presents, 1);
}

TEST_F(ScreenFixture, AResetRebuildsTheComponentsResourcesAndSkipsTheFrame) {
  std::vector<std::string> log;
  TCountingClient font(log, "font"), pictures(log, "pictures");
  Screen.AddClient(font, TClientPass::Others);
  Screen.AddClient(pictures, TClientPass::Textures);
  Screen.Initialize();
  EXPECT_EQ(log, (std::vector<std::string>{"create pictures", "create font"}));
  log.clear();
  Device.NextStatus = TDeviceStatus::NeedsReset;
  Screen.BeginScene();
  EXPECT_FALSE(Screen.InScene());
  Screen.EndScene();
  EXPECT_EQ(Device.Presents, 0);
  EXPECT_EQ(Device.Resets, 1);
  EXPECT_EQ(log,
            (std::vector<std::string>{"release font", "release pictures", "create pictures", "create font"}));
  Screen.BeginScene();
  EXPECT_TRUE(Screen.InScene());
  Screen.RemoveClient(font);
  Screen.RemoveClient(pictures);
}

TEST_F(ScreenFixture, FullScreenFallsBackTo800x600ForSizesTheDisplayLacks) {
  EXPECT_FALSE(ChooseBackBuffer(false, 810, 610).Beep);
  EXPECT_EQ(ChooseBackBuffer(false, 810, 610).Width, 810);
  TBackBufferSize full = ChooseBackBuffer(true, 810, 610);
  EXPECT_TRUE(full.Beep);
  EXPECT_EQ(full.Width, 800);
  EXPECT_EQ(full.Height, 600);
  EXPECT_FALSE(ChooseBackBuffer(true, 1024, 768).Beep);

  Screen.Width = 810;
  Screen.Height = 610;
  Screen.ToggleFullScreen();
  EXPECT_EQ(Video.Beeps, 1);
  EXPECT_TRUE(Video.FullScreen);
  Screen.ToggleFullScreen();
  EXPECT_FALSE(Video.FullScreen);
}

TEST_F(ScreenFixture, SettersKeepOnlyValuesTheDisplayKnows) {
  Screen.SetBpp(24);
  EXPECT_EQ(Screen.Bpp(), 16);
  Screen.SetBpp(32);
  EXPECT_EQ(Screen.Bpp(), 32);
  Screen.SetFrequency(65);
  EXPECT_EQ(Screen.Frequency(), 0u);
  Screen.SetFrequency(144);
  EXPECT_EQ(Screen.Frequency(), 144u);
}

TEST_F(ScreenFixture, TheMouseCursorFollowsTheSetting) {
  Screen.SetShowMouseCursor(false);
  Screen.Initialize();
  EXPECT_FALSE(Video.CursorShown);
  Screen.SetShowMouseCursor(true);
  EXPECT_TRUE(Video.CursorShown);
}

TEST(OmegaScreen, ANoDeviceIsFatalWithTheGamesTexts) {
  TDeviceOnlyVideo video(nullptr);
  TMessageBoxes messages(true);
  TOmegaScreen screen(video, messages);
  screen.SetShowMouseCursor(false);
  EXPECT_THROW(screen.Initialize(), TFatalError);
  ASSERT_EQ(messages.Shown().size(), 2u);
  EXPECT_EQ(messages.Shown()[0], "Could not find any compatible Direct3D\ndevices.");
  EXPECT_EQ(messages.Shown()[1], "This application will now exit.");
  EXPECT_TRUE(video.CursorShown);
}

TEST(OmegaScreen, ErrorTextsByCode) {
  EXPECT_EQ(DisplayError::Text(0x0820000C), "Could not reset the Direct3D device.");
  EXPECT_EQ(DisplayError::Text(DisplayError::OutOfVideoMemory), "Not enough video memory.");
  EXPECT_EQ(DisplayError::Text(12345), "Generic application error.");
  EXPECT_EQ(DisplayError::Text(DisplayError::NoDisplay).substr(0, 40),
            "Could not initialize Direct3D. You may\nw");
}
