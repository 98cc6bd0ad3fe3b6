#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "ClosingScreenFiles.h"
#include "engine/FontLibrary.h"
#include "platform/RecordingRenderDevice.h"
#include "web/Share.h"

namespace fs = std::filesystem;

namespace {

// A configuration of our own over the generated pictures and link files: two buttons, the exit one last.
const std::vector<std::string> kConfig = {
    "2",
    "wdata\\back.png",
    "150 460 200 56",  // link button: hover rectangle
    "140 470 200 56",  //   rectangle
    "wdata\\moregames.png",
    "wdata\\moregames_hover.png",
    "moregames.url",
    "575 465 160 56",  // exit button: hover rectangle
    "580 470 160 56",  //   rectangle
    "585 475 160 56",  //   disabled rectangle
    "wdata\\exit.png",
    "wdata\\exit_hover.png",
    "wdata\\exit_disabled.png",
    "660 440",
    "5",
    "255 210 63",
    "TRUE",
    "28",
};

std::string Joined(const std::vector<std::string>& lines, const char* end = "\n") {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

// The game folder's closing screen files copied into a private folder, with a display on the recording
// device, the screen's image list and its countdown font.
struct ShareFixture : testing::Test {
  TRecordingRenderDevice Device;
  TDeviceOnlyVideo Video{&Device};
  TMessageBoxes Messages{true};
  TOmegaScreen Screen{Video, Messages};
  TFontLibrary Fonts;
  TOmegaImageList ShareList{Messages};
  TOmegaFont OmegaFont4{Screen, Fonts};
  fs::path Folder;
  int Closes = 0;
  std::vector<std::vector<std::string>> Launched;
  std::unique_ptr<TShareScreen> Share;

  void SetUp() override {
    Folder = fs::temp_directory_path() / ("morvel-share-" + std::to_string(::getpid()) + "-" +
                                          testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(Folder);
    ASSERT_TRUE(WriteClosingScreen(Folder));
    Screen.Initialize();
    ShareList.SetOmegaScreen(&Screen);
    Share = std::make_unique<TShareScreen>(
        ShareList, OmegaFont4, [this] { ++Closes; },
        [this](const std::vector<std::string>& arguments) { Launched.push_back(arguments); }, Folder);
  }
  void TearDown() override { fs::remove_all(Folder); }

  void WriteConfig(const std::string& text) {
    std::ofstream(Folder / "wdata" / "config.ini", std::ios::binary) << text;
  }
  TShareScreen& Loaded(const std::string& text) {
    WriteConfig(text);
    Share->LoadConfig();
    return *Share;
  }
  // The picture a recorded draw used, by its name in the image list.
  std::string PictureOf(const TRecordingRenderDevice::TDraw& draw) {
    for (int i = 0; i < ShareList.Count(); ++i)
      if (ShareList.Items(i).Texture() == draw.Texture) return ShareList.Items(i).Name;
    return "(text)";
  }
};

TEST_F(ShareFixture, GeneratedConfigurationMakesTheScreen) {
  TShareScreen share(ShareList, OmegaFont4, nullptr, nullptr, Folder);
  share.LoadConfig();
  ASSERT_TRUE(share.Available);
  ASSERT_EQ(share.ButtonCount, 3);
  EXPECT_TRUE(share.Buttons.back().IsExit());
  EXPECT_FALSE(share.Buttons.back().Enabled);
  for (int i = 0; i < 2; ++i) {
    const TButton& button = share.Buttons[size_t(i)];
    EXPECT_TRUE(button.Enabled);
    EXPECT_TRUE(fs::exists(Folder / button.Link)) << button.Link;
    EXPECT_EQ(ShareList.Items(button.DisabledImage).Name, button.ImageFile);  // loaded twice
    EXPECT_NE(button.DisabledImage, button.Image);
  }
  // Three pictures a button in the order hover, normal, disabled; the background after them all.
  EXPECT_EQ(share.BackgroundIndex, 9);
  EXPECT_EQ(ShareList.Count(), 10);
  EXPECT_EQ(ShareList.Items(0).Name, share.Buttons[0].HoverImageFile);
  for (int i = 0; i < ShareList.Count(); ++i) {
    const TImageListItem& item = ShareList.Items(i);
    EXPECT_EQ(item.PatternCount(), 1) << item.Name;
    EXPECT_FALSE(item.Transparent) << item.Name;
    EXPECT_TRUE(item.HasTexture()) << item.Name;
  }
  EXPECT_GT(share.Countdown, 0);
}

TEST_F(ShareFixture, FaultyConfigurationsSkipTheScreen) {
  struct TCase {
    const char* What;
    size_t Line;  // the line replaced, or erased with Replacement nullptr
    const char* Replacement;
  };
  const TCase cases[] = {
      {"two blanks between numbers", 3, "140  470 200 56"},
      {"a word for a number", 3, "140 470 wide 56"},
      {"a number with a tail", 3, "140 470 200 56x"},
      {"too few numbers", 13, "660"},
      {"a number beyond 32 bits", 14, "99999999999"},
      {"an empty number line", 0, ""},
      {"a blank number line", 15, "   "},
      {"an empty picture line", 4, ""},
      {"a picture that is not there", 5, "wdata\\missing.png"},
      {"a link file that is not there", 6, "missing.url"},
      {"a background that is not there", 1, "wdata\\nothing.png"},
      {"no font size after TRUE", 17, nullptr},
  };
  for (const TCase& c : cases) {
    std::vector<std::string> lines = kConfig;
    if (c.Replacement)
      lines[c.Line] = c.Replacement;
    else
      lines.erase(lines.begin() + std::ptrdiff_t(c.Line));
    EXPECT_FALSE(Loaded(Joined(lines)).Available) << c.What;
  }
  for (size_t kept = 0; kept < 17; ++kept) {
    const std::vector<std::string> cut(kConfig.begin(), kConfig.begin() + std::ptrdiff_t(kept));
    EXPECT_FALSE(Loaded(Joined(cut)).Available) << kept << " lines";
  }
  fs::remove(Folder / "wdata" / "config.ini");
  Share->LoadConfig();
  EXPECT_FALSE(Share->Available) << "no file";
  std::ofstream(Folder / "wdata" / "back.png") << "not a picture";
  EXPECT_FALSE(Loaded(Joined(kConfig)).Available) << "a picture that cannot be read";
}

TEST_F(ShareFixture, LinesAreReadAsTheGameWritesThem) {
  std::vector<std::string> lines = kConfig;
  lines[3] = "  \t140 470 200 56 and a remark";
  lines[4] = "   wdata\\moregames.png";
  EXPECT_TRUE(Loaded(Joined(lines, "\r\n")).Available);
  EXPECT_EQ(Share->Buttons[0].X, 140);
  EXPECT_EQ(Share->Buttons[0].ImageFile, "wdata\\moregames.png");
  EXPECT_EQ(Share->Buttons[0].DisabledX, 140);
  EXPECT_EQ(Share->Buttons[1].DisabledX, 585);
  EXPECT_EQ(Share->Buttons[0].Link, "moregames.url");
  EXPECT_EQ(Share->Countdown, 400);
  EXPECT_EQ(OmegaFont4.FontName(), "Verdana");
  EXPECT_EQ(OmegaFont4.Size(), 28);
  EXPECT_EQ(OmegaFont4.Color(), 0xFFFFD23Fu);
}

TEST_F(ShareFixture, WithoutTrueTheSizeFollowsTheExitButtonAndGreenAndBlueSwap) {
  for (const char* line : {"True", "true", "FALSE", ""}) {
    std::vector<std::string> lines = kConfig;
    lines[16] = line;
    ASSERT_TRUE(Loaded(Joined(lines)).Available) << line;
    EXPECT_FALSE(Share->FixedFontSize);
    EXPECT_EQ(OmegaFont4.Size(), 34) << line;  // 56 x 0.6 = 33.6
    EXPECT_EQ(OmegaFont4.Color(), 0xFFFF3FD2u) << line;
  }
  std::vector<std::string> lines = kConfig;
  lines[16] = "True", lines[8] = "580 470 160 55";  // 33 exactly
  Loaded(Joined(lines));
  EXPECT_EQ(OmegaFont4.Size(), 33);
}

TEST_F(ShareFixture, ButtonCountsAndCountdownLengths) {
  const std::vector<std::string> tail(kConfig.begin() + 13, kConfig.end());
  std::vector<std::string> none = {"0", "wdata\\back.png"};
  none.insert(none.end(), tail.begin(), tail.end());
  none[5] = "False";
  ASSERT_TRUE(Loaded(Joined(none)).Available);
  EXPECT_TRUE(Share->Buttons.empty());
  EXPECT_EQ(OmegaFont4.Size(), kDefaultCounterFontSize);

  std::vector<std::string> exitOnly = {"1", "wdata\\back.png"};
  exitOnly.insert(exitOnly.end(), kConfig.begin() + 7, kConfig.end());
  ASSERT_TRUE(Loaded(Joined(exitOnly)).Available);
  ASSERT_EQ(Share->ButtonCount, 1);
  EXPECT_TRUE(Share->Buttons[0].IsExit());

  const std::pair<const char*, int> lengths[] = {
      {"1", 0}, {"0", 0}, {"-7", 0}, {"10", 900}, {"3600", 359900}, {"3601", 359900}, {"2000000000", 359900}};
  for (const auto& [length, frames] : lengths) {
    std::vector<std::string> lines = kConfig;
    lines[14] = length;
    ASSERT_TRUE(Loaded(Joined(lines)).Available) << length;
    EXPECT_EQ(Share->Countdown, frames) << length;
  }
}

TEST_F(ShareFixture, CountdownShowsItsNumberAndThenEnablesTheExit) {
  std::vector<std::string> lines = kConfig;
  lines[14] = "10";
  Loaded(Joined(lines));
  EXPECT_EQ(TShareScreen::CounterNumber(Share->Countdown), 10);
  int frames = 0;
  while (TShareScreen::CounterNumber(Share->Countdown) != 1) Share->CountDown(), ++frames;
  EXPECT_EQ(frames, 811);
  EXPECT_FALSE(Share->Buttons.back().Enabled);
  EXPECT_FALSE(Share->CanClose());
  while (!Share->Buttons.back().Enabled) Share->CountDown(), ++frames;
  EXPECT_EQ(frames, 900);
  EXPECT_TRUE(Share->CanClose());
  EXPECT_EQ(TShareScreen::CounterNumber(Share->Countdown), 0);

  lines[14] = "1";  // the exit button is there on the first frame
  Loaded(Joined(lines));
  Share->CountDown();
  EXPECT_TRUE(Share->Buttons.back().Enabled);
}

TEST_F(ShareFixture, HoverRectangleIncludesBothEdges) {
  Loaded(Joined(kConfig));
  const std::pair<int, int> inside[] = {{140, 470}, {340, 526}, {240, 500}};
  const std::pair<int, int> outside[] = {{139, 500}, {341, 500}, {240, 469}, {240, 527}};
  for (const auto& [x, y] : inside) {
    Share->UpdateHover(x, y);
    EXPECT_TRUE(Share->Buttons[0].Hovered) << x << "," << y;
  }
  for (const auto& [x, y] : outside) {
    Share->UpdateHover(x, y);
    EXPECT_FALSE(Share->Buttons[0].Hovered) << x << "," << y;
  }
}

TEST_F(ShareFixture, DrawsBackgroundButtonsAndTheCentredNumber) {
  Loaded(Joined(kConfig));
  Screen.BeginScene();
  Share->UpdateHover(150, 480);
  Share->Draw();
  ASSERT_GE(Device.Draws.size(), 4u);
  const std::pair<std::string, std::pair<float, float>> expected[] = {
      {"wdata\\back.png", {0, 0}},
      {"wdata\\moregames_hover.png", {150, 460}},  // hovered: the hover picture at its own place
      {"wdata\\exit_disabled.png", {585, 475}},    // the countdown runs: disabled
  };
  for (size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(PictureOf(Device.Draws[i]), expected[i].first);
    EXPECT_NEAR(Device.Draws[i].Quad[0].X, expected[i].second.first, 1) << expected[i].first;
    EXPECT_NEAR(Device.Draws[i].Quad[0].Y, expected[i].second.second, 1) << expected[i].first;
  }
  // The number "5": glyph quads whose middle lies on the counter's place.
  float left = 1e9f, right = -1e9f;
  for (size_t i = 3; i < Device.Draws.size(); ++i) {
    EXPECT_EQ(PictureOf(Device.Draws[i]), "(text)");
    for (const TVertex& corner : Device.Draws[i].Quad)
      left = std::min(left, corner.X), right = std::max(right, corner.X);
  }
  ASSERT_GT(Device.Draws.size(), 3u);
  EXPECT_NEAR((left + right) / 2, 660, 3);
  EXPECT_EQ(Device.Draws.back().Quad[0].Color, 0xFFFFD23Fu);

  Device.Draws.clear();
  while (!Share->CanClose()) Share->CountDown();
  Share->UpdateHover(0, 0);
  Share->Draw();
  ASSERT_EQ(Device.Draws.size(), 3u);  // no number once the countdown has run out
  EXPECT_EQ(PictureOf(Device.Draws[1]), "wdata\\moregames.png");
  EXPECT_EQ(PictureOf(Device.Draws[2]), "wdata\\exit.png");
}

TEST_F(ShareFixture, ClicksOpenLinksOrAskTheFormToClose) {
  Loaded(Joined(kConfig));
  Share->UpdateHover(200, 500);
  Share->ClickHovered();
  ASSERT_EQ(Launched.size(), 1u);
  EXPECT_EQ(Launched[0], (std::vector<std::string>{"xdg-open", kTestMoreGamesAddress}));
  EXPECT_EQ(Closes, 0);

  Share->UpdateHover(600, 500);
  Share->ClickHovered();
  EXPECT_EQ(Closes, 1);

  fs::remove(Folder / "moregames.url");  // gone after loading: nothing happens
  Share->UpdateHover(200, 500);
  Share->ClickHovered();
  Share->UpdateHover(10, 10);
  Share->ClickHovered();
  EXPECT_EQ(Launched.size(), 1u);
  EXPECT_EQ(Closes, 1);
}

}  // namespace
