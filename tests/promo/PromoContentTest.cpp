#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ClosingScreenFiles.h"
#include "ShareConfigReader.h"
#include "platform/GamePath.h"
#include "platform/Png.h"

namespace {

constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 600;

// A game folder with the closing screen and the shortcut files, as a build given the publisher's three
// addresses writes them.
const std::filesystem::path& PromoFolder() {
  static const std::filesystem::path folder = [] {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("morvel-promo-content-" + std::to_string(::getpid()));
    std::filesystem::remove_all(path);
    if (!WriteClosingScreen(path)) throw std::runtime_error("the generator failed on " + path.string());
    return path;
  }();
  return folder;
}

std::filesystem::path GameFile(const std::string& gamePath) {
  return PromoFolder() / NativePath(gamePath);
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TPixmap ReadPicture(const std::string& gamePath) {
  std::string error;
  std::optional<TPixmap> picture = ReadPngFile(GameFile(gamePath).string(), error);
  if (!picture) throw std::runtime_error(gamePath + ": " + error);
  return *picture;
}

// Relative luminance of an ARGB pixel's colour, 0..1.
double Luminance(uint32_t argb) {
  return (0.2126 * ((argb >> 16) & 0xFF) + 0.7152 * ((argb >> 8) & 0xFF) + 0.0722 * (argb & 0xFF)) / 255;
}

struct TRectangle {
  int X, Y, Width, Height;
};

bool OnScreen(const TRectangle& r) {
  return r.X >= 0 && r.Y >= 0 && r.Width > 0 && r.Height > 0 && r.X + r.Width <= ScreenWidth &&
         r.Y + r.Height <= ScreenHeight;
}

bool Overlap(const TRectangle& a, const TRectangle& b) {
  return a.X < b.X + b.Width && b.X < a.X + a.Width && a.Y < b.Y + b.Height && b.Y < a.Y + a.Height;
}

// The generated configuration, read once the way the game reads it.
class ShareScreenTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Text = ReadBytes(GameFile("wdata\\config.ini"));
    std::istringstream in(Text);
    Config = ReadShareConfig(in, Error);
  }

  void SetUp() override { ASSERT_TRUE(Config.has_value()) << Error; }

  static inline std::string Text;
  static inline std::string Error;
  static inline std::optional<TShareConfigLines> Config;
};

TEST_F(ShareScreenTest, ConfigurationReadsLineByLineToItsEnd) {
  // A carriage return would end up in the picture and link names, which are taken as they stand.
  EXPECT_EQ(Text.find('\r'), std::string::npos);
  EXPECT_FALSE(Config->TrailingLines);
  ASSERT_GE(Config->Buttons.size(), 1u);
  for (size_t i = 0; i + 1 < Config->Buttons.size(); ++i) EXPECT_NE(Config->Buttons[i].Link, "exit") << i;
  EXPECT_GE(Config->Countdown, 1);
}

TEST_F(ShareScreenTest, EveryNamedFileExistsAndEveryPictureDecodesWithTheGamesReader) {
  const TPixmap background = ReadPicture(Config->BackgroundFile);
  EXPECT_EQ(background.Width, ScreenWidth);
  EXPECT_EQ(background.Height, ScreenHeight);
  for (const TShareButtonLines& button : Config->Buttons) {
    SCOPED_TRACE(button.ImageFile);
    struct {
      const std::string& File;
      int Width, Height;
    } looks[] = {{button.ImageFile, button.Width, button.Height},
                 {button.HoverImageFile, button.HoverWidth, button.HoverHeight},
                 {button.DisabledImageFile, button.DisabledWidth, button.DisabledHeight}};
    for (const auto& look : looks) {
      SCOPED_TRACE(look.File);
      ASSERT_TRUE(std::filesystem::is_regular_file(GameFile(look.File)));
      const TPixmap picture = ReadPicture(look.File);
      EXPECT_EQ(picture.Width, look.Width);
      EXPECT_EQ(picture.Height, look.Height);
    }
    if (button.Link != "exit") {
      EXPECT_TRUE(std::filesystem::is_regular_file(GameFile(button.Link)));
    }
  }
}

TEST_F(ShareScreenTest, EveryLookOfEveryButtonLiesOnScreenClearOfTheOthers) {
  for (size_t i = 0; i < Config->Buttons.size(); ++i) {
    const TShareButtonLines& button = Config->Buttons[i];
    SCOPED_TRACE(button.ImageFile);
    const TRectangle normal{button.X, button.Y, button.Width, button.Height};
    EXPECT_TRUE(OnScreen(normal));
    EXPECT_TRUE(OnScreen({button.HoverX, button.HoverY, button.HoverWidth, button.HoverHeight}));
    EXPECT_TRUE(OnScreen({button.DisabledX, button.DisabledY, button.DisabledWidth, button.DisabledHeight}));
    for (size_t j = i + 1; j < Config->Buttons.size(); ++j) {
      const TShareButtonLines& other = Config->Buttons[j];
      // A click goes to every button under the mouse: overlapping buttons would open two links at once.
      EXPECT_FALSE(Overlap(normal, {other.X, other.Y, other.Width, other.Height})) << other.ImageFile;
    }
  }
}

TEST_F(ShareScreenTest, CountdownNumberIsReadableOnScreenAndClearOfTheButtons) {
  const TShareButtonLines& exitButton = Config->Buttons.back();
  // The game's reading of the colour line and the size: red, green, blue with a fixed size; otherwise red,
  // blue, green and 0.6 of the exit button's height.
  const uint32_t colour = Config->FixedFontSize
                              ? (uint32_t(Config->Color1) << 16) | (Config->Color2 << 8) | Config->Color3
                              : (uint32_t(Config->Color1) << 16) | (Config->Color3 << 8) | Config->Color2;
  const int points = Config->FixedFontSize ? Config->FontSize : int(std::nearbyint(exitButton.Height * 0.6));
  ASSERT_GT(points, 0);
  // The heavy sans's box for two digits: 0.67 em each, 1.41 em high, at 4/3 px per point.
  const double em = points * 4.0 / 3.0;
  const TRectangle number{int(Config->CounterX - 0.67 * em), int(Config->CounterY - 0.705 * em),
                          int(1.34 * em), int(1.41 * em)};
  EXPECT_TRUE(OnScreen(number));
  for (const TShareButtonLines& button : Config->Buttons) {
    EXPECT_FALSE(Overlap(number, {button.X, button.Y, button.Width, button.Height})) << button.ImageFile;
  }
  // A bright number on a dark badge: the background under the digits' core.
  const TPixmap background = ReadPicture(Config->BackgroundFile);
  double sum = 0;
  int count = 0;
  for (int y = Config->CounterY - int(em * 0.35); y <= Config->CounterY + int(em * 0.35); ++y) {
    for (int x = Config->CounterX - int(em * 0.3); x <= Config->CounterX + int(em * 0.3); ++x) {
      sum += Luminance(background.At(x, y));
      ++count;
    }
  }
  EXPECT_LE(sum / count, 0.25);
  EXPECT_GE(Luminance(colour), 0.6);
}

TEST_F(ShareScreenTest, HoverLooksBrighterAndTheDisabledExitLooksGrey) {
  for (const TShareButtonLines& button : Config->Buttons) {
    SCOPED_TRACE(button.ImageFile);
    const TPixmap normal = ReadPicture(button.ImageFile);
    const TPixmap hover = ReadPicture(button.HoverImageFile);
    ASSERT_EQ(normal.Pixels.size(), hover.Pixels.size());
    double normalLight = 0, hoverLight = 0;
    for (size_t i = 0; i < normal.Pixels.size(); ++i) {
      normalLight += Luminance(normal.Pixels[i]) * (normal.Pixels[i] >> 24);
      hoverLight += Luminance(hover.Pixels[i]) * (hover.Pixels[i] >> 24);
    }
    EXPECT_GT(hoverLight, normalLight * 1.05);
  }
  const TPixmap disabled = ReadPicture(Config->Buttons.back().DisabledImageFile);
  int coloured = 0, opaque = 0;
  for (uint32_t pixel : disabled.Pixels) {
    if ((pixel >> 24) < 128) continue;
    ++opaque;
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    coloured += std::max({r, g, b}) - std::min({r, g, b}) > 12;
  }
  EXPECT_GT(opaque, disabled.Width * disabled.Height / 2);
  EXPECT_EQ(coloured, 0);
}

// The address of an Internet shortcut: the "URL=" line of its "[InternetShortcut]" section.
std::string ShortcutAddress(const std::string& text) {
  std::istringstream in(text);
  std::string line, section;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with('[')) {
      section = line;
    } else if (section == "[InternetShortcut]" && line.starts_with("URL=")) {
      return line.substr(4);
    }
  }
  return {};
}

TEST(ShortcutFiles, EachOpensTheAddressTheBuildWasGiven) {
  const struct {
    const char* Name;
    const char* Address;
  } files[] = {{"moregames.url", kTestMoreGamesAddress},
               {"website.url", kTestWebsiteAddress},
               {"play.url", kTestPlayAddress}};
  for (const auto& file : files) {
    SCOPED_TRACE(file.Name);
    const std::string text = ReadBytes(GameFile(file.Name));
    EXPECT_TRUE(text.starts_with("[InternetShortcut]\n"));
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(ShortcutAddress(text), file.Address);
  }
}

// What a build writes for each set of addresses it is given, run over the same folder one after
// the other: a file of an earlier run whose address is gone is gone too, and the closing screen
// has a button for each link it has and is not written without one.
TEST(PromoGenerator, WritesOnlyWhatHasAnAddress) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("morvel-promo-links-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  const struct {
    const char* Arguments;
    std::vector<std::string> Shortcuts;
    std::vector<std::string> ScreenLinks;  // none: no closing screen
  } cases[] = {
      {"--moregames https://a.test/m --website https://a.test/ --play https://a.test/p",
       {"moregames.url", "website.url", "play.url"},
       {"moregames.url", "website.url"}},
      {"--website https://a.test/", {"website.url"}, {"website.url"}},
      {"--play https://a.test/p", {"play.url"}, {}},
      {"", {}, {}},
  };
  for (const auto& run : cases) {
    SCOPED_TRACE(run.Arguments);
    ASSERT_TRUE(RunPromoGenerator(folder, run.Arguments));
    for (const char* name : {"moregames.url", "website.url", "play.url"}) {
      const bool wanted = std::ranges::find(run.Shortcuts, name) != run.Shortcuts.end();
      EXPECT_EQ(std::filesystem::exists(folder / name), wanted) << name;
    }
    const std::filesystem::path config = folder / "wdata" / "config.ini";
    ASSERT_EQ(std::filesystem::exists(config), !run.ScreenLinks.empty());
    if (run.ScreenLinks.empty()) {
      EXPECT_FALSE(std::filesystem::exists(folder / "wdata"));
      continue;
    }
    std::istringstream in(ReadBytes(config));
    std::string error;
    const std::optional<TShareConfigLines> screen = ReadShareConfig(in, error);
    ASSERT_TRUE(screen.has_value()) << error;
    std::vector<std::string> links;
    for (const TShareButtonLines& button : screen->Buttons) links.push_back(button.Link);
    std::vector<std::string> expected = run.ScreenLinks;
    expected.push_back("exit");
    EXPECT_EQ(links, expected);
  }
  std::filesystem::remove_all(folder);
}

TEST(PromoGenerator, WritesTheSameBytesEveryRun) {
  const std::filesystem::path root =
      std::filesystem::temp_directory_path() / ("morvel-promo-" + std::to_string(::getpid()));
  std::filesystem::remove_all(root);
  for (const char* run : {"a", "b"}) ASSERT_TRUE(WriteClosingScreen(root / run)) << run;
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root / "a")) {
    if (!entry.is_regular_file()) continue;
    const std::filesystem::path relative = std::filesystem::relative(entry.path(), root / "a");
    const std::string bytes = ReadBytes(entry.path());
    EXPECT_EQ(bytes, ReadBytes(root / "b" / relative)) << relative;
    ++files;
  }
  EXPECT_EQ(files, 12);
  std::filesystem::remove_all(root);
}

}  // namespace
