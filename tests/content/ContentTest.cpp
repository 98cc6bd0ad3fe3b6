#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include "PictureInventory.h"
#include "engine/OmegaImageList.h"

namespace {

// The two packages as the game loads them, read once for all tests.
class PackagesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const char* package : {"data1", "data2"}) {
      auto list = std::make_unique<TImageListCollection>();
      const std::string file = std::string(MORVEL_GAME_DIR) + "/Data/" + package + ".oil";
      ASSERT_TRUE(list->LoadFromFile(file)) << file << ": " << list->LastError();
      Lists[package] = std::move(list);
    }
  }
  static void TearDownTestSuite() { Lists.clear(); }

  static const TImageListItem& Item(const std::string& package, const std::string& name) {
    const TImageListItem* item = Lists.at(package)->Find(name);
    if (item == nullptr) throw std::runtime_error(package + " has no " + name);
    return *item;
  }
  static int Alpha(const TImageListItem& item, int x, int y) { return int(item.Picture.At(x, y) >> 24); }

  static inline std::map<std::string, std::unique_ptr<TImageListCollection>> Lists;
};

TEST_F(PackagesTest, EveryPictureIsThereWithItsTileSizeAndGrid) {
  for (const TPictureEntry& entry : PictureInventory()) {
    SCOPED_TRACE(std::string(entry.Package) + " " + entry.Name);
    const TImageListItem* item = Lists.at(entry.Package)->Find(entry.Name);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->TileWidth, entry.TileWidth);
    EXPECT_EQ(item->TileHeight, entry.TileHeight);
    // No remainder: the picture is exactly the grid of tiles.
    EXPECT_EQ(item->Picture.Width, entry.TileWidth * entry.Columns);
    EXPECT_EQ(item->Picture.Height, entry.TileHeight * entry.Rows);
    EXPECT_LE(std::max(item->Picture.Width, item->Picture.Height), 1024);
    EXPECT_FALSE(item->Transparent);
  }
}

TEST_F(PackagesTest, MenuPackageStartsWithTheCursorWhoseTipIsSolidInEveryPattern) {
  const TImageListItem& cursor = Lists.at("data1")->Items(0);
  EXPECT_EQ(cursor.Name, "mousecursor");
  for (int pattern = 0; pattern < 8; ++pattern) EXPECT_EQ(Alpha(cursor, pattern * 32, 0), 255) << pattern;
}

TEST_F(PackagesTest, TurnedSpritesKeepAClearBorderInEveryTile) {
  for (const TPictureEntry& entry : PictureInventory()) {
    if (!entry.Rotates) continue;
    const TImageListItem& item = Item(entry.Package, entry.Name);
    for (int row = 0; row < entry.Rows; ++row) {
      for (int column = 0; column < entry.Columns; ++column) {
        const int left = column * entry.TileWidth;
        const int top = row * entry.TileHeight;
        int opaque = 0;
        for (int x = 0; x < entry.TileWidth; ++x) {
          opaque += Alpha(item, left + x, top) != 0;
          opaque += Alpha(item, left + x, top + entry.TileHeight - 1) != 0;
        }
        for (int y = 0; y < entry.TileHeight; ++y) {
          opaque += Alpha(item, left, top + y) != 0;
          opaque += Alpha(item, left + entry.TileWidth - 1, top + y) != 0;
        }
        EXPECT_EQ(opaque, 0) << entry.Package << " " << entry.Name << " tile " << column << "," << row;
      }
    }
  }
}

TEST_F(PackagesTest, TilingGroundIsOpaqueAndCornersAreClearOnlyBeyondTheirTurn) {
  for (const char* name : {"grass", "roadstr", "roadstrvert"}) {
    const TImageListItem& item = Item("data2", name);
    int clear = 0;
    for (uint32_t pixel : item.Picture.Pixels) clear += (pixel >> 24) != 255;
    EXPECT_EQ(clear, 0) << name;
  }
  // Pattern k's turn centre is the tile corner between its openings (right+bottom, left+bottom,
  // right+top, left+top).
  const TImageListItem& corners = Item("data2", "roadroters");
  const int centreX[] = {160, 0, 160, 0};
  const int centreY[] = {160, 160, 0, 0};
  for (int pattern = 0; pattern < 4; ++pattern) {
    const int left = (pattern % 2) * 160;
    const int top = (pattern / 2) * 160;
    for (int y = 0; y < 160; ++y) {
      for (int x = 0; x < 160; ++x) {
        const double distance = std::hypot(x + 0.5 - centreX[pattern], y + 0.5 - centreY[pattern]);
        const int alpha = Alpha(corners, left + x, top + y);
        if (distance < 158.5) {
          ASSERT_EQ(alpha, 255) << pattern << " at " << x << "," << y;
        }
        if (distance > 161.5) {
          ASSERT_EQ(alpha, 0) << pattern << " at " << x << "," << y;
        }
      }
    }
  }
}

// Largest difference of one colour channel between two pixels.
int Difference(uint32_t a, uint32_t b) {
  int largest = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    largest = std::max(largest, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
  }
  return largest;
}

// Mean difference between two columns (or rows) of a picture.
double LineDifference(const TPixmap& a, int lineA, const TPixmap& b, int lineB, bool columns) {
  const int length = columns ? a.Height : a.Width;
  double sum = 0;
  for (int i = 0; i < length; ++i) {
    sum += columns ? Difference(a.At(lineA, i), b.At(lineB, i)) : Difference(a.At(i, lineA), b.At(i, lineB));
  }
  return sum / length;
}

TEST_F(PackagesTest, GroundAndRoadJoinWithoutSeams) {
  // Across the wrap the grass changes no more than between neighbouring inner lines.
  const TPixmap& grass = Item("data2", "grass").Picture;
  double inner = 0;
  for (int line = 0; line < 255; ++line)
    inner = std::max(inner, LineDifference(grass, line, grass, line + 1, true));
  EXPECT_LE(LineDifference(grass, 255, grass, 0, true), inner);
  inner = 0;
  for (int line = 0; line < 255; ++line)
    inner = std::max(inner, LineDifference(grass, line, grass, line + 1, false));
  EXPECT_LE(LineDifference(grass, 255, grass, 0, false), inner);

  // A corner's edge at an opening matches the straight there (antialiased arcs allowed a little).
  const TPixmap& across = Item("data2", "roadstr").Picture;
  const TPixmap& down = Item("data2", "roadstrvert").Picture;
  const TImageListItem& cornersItem = Item("data2", "roadroters");
  auto cornerTile = [&](int pattern) {
    TPixmap tile{160, 160, {}};
    for (int y = 0; y < 160; ++y) {
      for (int x = 0; x < 160; ++x)
        tile.Pixels.push_back(cornersItem.Picture.At((pattern % 2) * 160 + x, (pattern / 2) * 160 + y));
    }
    return tile;
  };
  struct TOpening {
    int Pattern;
    bool Column;
    int Line;
  };
  const TOpening openings[] = {{0, true, 159}, {0, false, 159}, {1, true, 0}, {1, false, 159},
                               {2, true, 159}, {2, false, 0},   {3, true, 0}, {3, false, 0}};
  for (const TOpening& opening : openings) {
    const TPixmap corner = cornerTile(opening.Pattern);
    const TPixmap& straight = opening.Column ? across : down;
    EXPECT_LE(LineDifference(corner, opening.Line, straight, opening.Line, opening.Column), 12.0)
        << "pattern " << opening.Pattern << (opening.Column ? " column " : " row ") << opening.Line;
  }
}

int CountAlpha(const TImageListItem& item, int x0, int y0, int x1, int y1, bool (*test)(int)) {
  int count = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) count += test(int(item.Picture.At(x, y) >> 24));
  }
  return count;
}

bool NotClear(int alpha) {
  return alpha != 0;
}
bool NotSolid(int alpha) {
  return alpha != 255;
}

TEST_F(PackagesTest, ScreenOverlaysLeaveTheirHolesAndCoverWhatTheyHide) {
  struct THole {
    const char* Name;
    int X0, Y0, X1, Y1;  // picture pixels, end exclusive
  };
  const THole holes[] = {
      // The menu ticker bar shows through every overlay.
      {"scr_title", 0, 0, 800, 47},
      {"spec_fon", 0, 0, 800, 47},
      {"scr_choose", 0, 0, 800, 47},
      {"scr_choosecar", 0, 0, 800, 47},
      // Help and options pages sit under the help overlay.
      {"spec_fon", 50, 149, 786, 509},
      // The car screen does not redraw the lights, which lie under it.
      {"scr_choosecar", 728, 4, 796, 44},
      {"scr_choosecar", 0, 565, 52, 600},
      {"scr_choosecar", 748, 565, 800, 600},
  };
  for (const THole& hole : holes) {
    EXPECT_EQ(CountAlpha(Item("data1", hole.Name), hole.X0, hole.Y0, hole.X1, hole.Y1, NotClear), 0)
        << hole.Name << " " << hole.X0 << "," << hole.Y0;
  }
  // The key pictures of the second help page are drawn under it (page pixels: screen - (96,149)). Its
  // holes begin a pixel inside each key: the key's outermost pixels, which filtering blends with what
  // lies beyond the key's tile, stay covered, so no fringe of the race behind shows round a key.
  const THole keys[] = {{"up", 143, 64, 183, 104},     {"down", 143, 110, 183, 150},
                        {"left", 120, 156, 160, 196},  {"right", 166, 156, 206, 196},
                        {"P", 143, 203, 183, 243},     {"Ctrl", 74, 250, 138, 290},
                        {"Space", 180, 250, 300, 290}, {"Esc", 145, 294, 185, 334}};
  const TImageListItem& controls = Item("data1", "scr_help2");
  for (const THole& key : keys) {
    EXPECT_EQ(CountAlpha(controls, key.X0 + 1, key.Y0 + 1, key.X1 - 1, key.Y1 - 1, NotClear), 0) << key.Name;
    const int rim = CountAlpha(controls, key.X0, key.Y0, key.X1, key.Y1, NotSolid) -
                    CountAlpha(controls, key.X0 + 1, key.Y0 + 1, key.X1 - 1, key.Y1 - 1, NotSolid);
    EXPECT_EQ(rim, 0) << key.Name;
  }
  // The title screen's corner plate hides the first small logo drawn under it.
  EXPECT_EQ(CountAlpha(Item("data1", "scr_title"), 670, 520, 790, 580, NotSolid), 0);
}

double MeanLuminance(const TImageListItem& item, int x0, int y0, int x1, int y1) {
  double sum = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const uint32_t p = item.Picture.At(x, y);
      const double a = (p >> 24) / 255.0;
      // Seen over black where the picture is not solid.
      sum += a * (0.2126 * ((p >> 16) & 0xFF) + 0.7152 * ((p >> 8) & 0xFF) + 0.0722 * (p & 0xFF)) / 255.0;
    }
  }
  return sum / ((x1 - x0) * (y1 - y0));
}

TEST_F(PackagesTest, TextTheGameWritesStaysReadable) {
  struct TTextArea {
    const char* Package;
    const char* Name;
    int X0, Y0, X1, Y1;
    bool DarkText;
  };
  const TTextArea areas[] = {
      {"data1", "mainback", 30, 16, 790, 35, true},         // the greeting ticker
      {"data1", "e_name", 4, 4, 290, 44, true},             // the name being typed
      {"data1", "spec_fon", 310, 60, 526, 103, true},       // help and options titles
      {"data1", "scr_choose", 350, 68, 490, 96, true},      // track name
      {"data2", "scr_raceover", 260, 95, 484, 270, true},   // the result values
      {"data2", "scr_av", 60, 15, 440, 53, true},           // the unlock message
      {"data1", "Edit", 4, 4, 206, 36, false},              // the options text field
      {"data2", "panel", 83, 33, 230, 114, false},          // the race's head-up texts
      {"data2", "gapplate", 53, 6, 204, 26, false},         // the time trial's gap to the ghost
      {"data1", "scr_choose", 330, 380, 535, 528, false},   // the track information rows
      {"data1", "splash_back", 326, 312, 776, 415, false},  // LOADING...
  };
  for (const TTextArea& area : areas) {
    const double luminance = MeanLuminance(Item(area.Package, area.Name), area.X0, area.Y0, area.X1, area.Y1);
    if (area.DarkText) {
      EXPECT_GE(luminance, 0.7) << area.Name << " " << area.X0 << "," << area.Y0;
    } else {
      EXPECT_LE(luminance, 0.25) << area.Name << " " << area.X0 << "," << area.Y0;
    }
  }
}

TEST_F(PackagesTest, ObstaclesFillTheRectangleThatCollides) {
  for (const TPictureEntry& entry : PictureInventory()) {
    const std::string& name = entry.Name;
    const bool obstacle = name.starts_with("tree") || name.starts_with("elka") || name.starts_with("house") ||
                          name.starts_with("rock1") || name == "ark";
    if (entry.Package != std::string("data2") || !obstacle) continue;
    const TImageListItem& item = Item("data2", name);
    for (int pattern = 0; pattern < entry.Columns; ++pattern) {
      const int x0 = pattern * entry.TileWidth;
      const int solid =
          CountAlpha(item, x0, 0, x0 + entry.TileWidth, entry.TileHeight, [](int a) { return a >= 128; });
      EXPECT_GE(solid, 0.7 * entry.TileWidth * entry.TileHeight) << name << " pattern " << pattern;
    }
  }
}

// The game turns a car's picture by its heading - 90 degrees, heading 0 along +x: at angle 0 the car
// drives down the screen, so the sheets show it nose down, the front wheels at the bottom.
TEST_F(PackagesTest, CarsPointDownAndTurnOnlyTheirFrontWheelsEachItsOwnWay) {
  for (const char* package : {"data1", "data2"}) {
    for (int car = 1; car <= 5; ++car) {
      const TImageListItem& item = Item(package, "car" + std::to_string(car));
      SCOPED_TRACE(std::string(package) + " car" + std::to_string(car));
      // Pale-yellow headlights in the bottom third, red tail lights in the top third.
      auto count = [&](int y0, int y1, bool (*colour)(uint32_t)) {
        int n = 0;
        for (int y = y0; y < y1; ++y) {
          for (int x = 0; x < 32; ++x) n += colour(item.Picture.At(x, y));
        }
        return n;
      };
      auto headlight = [](uint32_t p) {
        return (p >> 24) == 255 && ((p >> 16) & 0xFF) > 230 && ((p >> 8) & 0xFF) > 220 && (p & 0xFF) < 200;
      };
      auto taillight = [](uint32_t p) {
        return (p >> 24) == 255 && ((p >> 16) & 0xFF) > 220 && ((p >> 8) & 0xFF) < 80 && (p & 0xFF) < 80;
      };
      EXPECT_GT(count(37, 56, headlight), 0);
      EXPECT_EQ(count(0, 19, headlight), 0);
      EXPECT_GT(count(0, 19, taillight), 0);
      // Patterns 1 and 2 differ from pattern 0 only round the front wheels (y from 34). Facing down the
      // screen, the car's left is +x: a wheel turned left leans its lower end to +x, one turned right to
      // -x, so the dark tyre pixels that change run down to the right (pattern 1) or to the left (2).
      for (int pattern = 1; pattern <= 2; ++pattern) {
        int changedBehind = 0;
        double lean = 0;
        for (int y = 0; y < 56; ++y) {
          for (int x = 0; x < 32; ++x) {
            const uint32_t turned = item.Picture.At(pattern * 32 + x, y);
            if (item.Picture.At(x, y) == turned) continue;
            if (y < 34) ++changedBehind;
            const bool tyre = (turned >> 24) == 255 && ((turned >> 16) & 0xFF) < 70 && (turned & 0xFF) < 70;
            const double wheelX = x < 16 ? 16 - 11.0 : 16 + 11.0;  // about the wheel's centre
            if (tyre) lean += (x + 0.5 - wheelX) * (y + 0.5 - 44);
          }
        }
        EXPECT_EQ(changedBehind, 0) << "pattern " << pattern;
        const bool left = pattern == 1;
        EXPECT_GT(left ? lean : -lean, 0) << (left ? "wheels turned left" : "wheels turned right");
      }
    }
  }
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ArtGeneratorTest, TwoRunsDrawTheSameBytes) {
  const std::filesystem::path root =
      std::filesystem::temp_directory_path() / ("morvel-art-" + std::to_string(::getpid()));
  std::filesystem::remove_all(root);
  for (const char* run : {"a", "b"}) {
    const std::string command = std::string(MORVEL_ART_BINARY) + " " + (root / run).string() + " " +
                                MORVEL_GAME_DIR + "/Data 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root / "a")) {
    if (!entry.is_regular_file()) continue;
    const std::filesystem::path relative = std::filesystem::relative(entry.path(), root / "a");
    EXPECT_EQ(ReadBytes(entry.path()), ReadBytes(root / "b" / relative)) << relative;
    ++files;
  }
  EXPECT_GT(files, 130);
  std::filesystem::remove_all(root);
}

}  // namespace
