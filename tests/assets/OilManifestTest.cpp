#include "assets/OilManifest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "PackageFixtures.h"
#include "engine/OmegaImageList.h"

namespace {

struct ManifestFixture : testing::Test {
  // One folder per test: ctest runs the tests side by side.
  std::filesystem::path Folder =
      std::filesystem::temp_directory_path() /
      ("morvel-manifest-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
  ManifestFixture() {
    std::filesystem::create_directories(Folder / "cars");
    std::string error;
    EXPECT_TRUE(WritePngFile((Folder / "cars" / "car.png").string(), PlacePicture(64, 32), error));
    std::ofstream bmp(Folder / "cars" / "old.bmp", std::ios::binary);
    std::vector<uint8_t> bytes = BmpFile(PlacePicture(6, 4), 24);
    bmp.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  ~ManifestFixture() override { std::filesystem::remove_all(Folder); }

  bool Read(const std::string& text, std::vector<TOilEntry>& entries, std::string& error) {
    std::istringstream in(text);
    return ReadOilManifest(in, Folder, entries, error);
  }
};

}  // namespace

TEST_F(ManifestFixture, EveryOptionReachesThePackage) {
  std::vector<TOilEntry> entries;
  std::string error;
  ASSERT_TRUE(
      Read("# comment\n\n"
           "car1 cars/car.png tile=16x32 key=clFuchsia\n"
           "\tplain  cars/old.bmp   color=#102030 filepath=Data\\x.png\n"
           "hexkey cars/car.png key=#00FF00\n"
           "none -\n",
           entries, error))
      << error;
  TImageListCollection list;
  ASSERT_TRUE(list.LoadFromStream(WriteImagePackage(entries))) << list.LastError();
  ASSERT_EQ(list.Count(), 4);
  const TImageListItem& car = list.Items(0);
  EXPECT_EQ(car.Name, "car1");
  EXPECT_EQ(car.TileWidth, 16);
  EXPECT_EQ(car.TileHeight, 32);
  EXPECT_TRUE(car.Transparent);
  EXPECT_EQ(car.TransparentColor, 0xFF00FFu);
  EXPECT_EQ(car.Picture.Pixels, PlacePicture(64, 32).Pixels);
  const TImageListItem& plain = list.Items(1);
  EXPECT_EQ(plain.Picture.Pixels, PlacePicture(6, 4).Pixels);
  EXPECT_EQ(plain.TileWidth, 6);
  EXPECT_EQ(plain.TileHeight, 4);
  EXPECT_FALSE(plain.Transparent);
  EXPECT_EQ(plain.TransparentColor, 0x302010u);
  EXPECT_EQ(plain.Filepath, "Data\\x.png");
  EXPECT_EQ(list.Items(2).TransparentColor, 0x00FF00u);
  EXPECT_FALSE(list.Items(3).HasPicture());
}

TEST_F(ManifestFixture, BadLinesAreNamedByNumber) {
  const std::pair<const char*, const char*> cases[] = {
      {"ok cars/car.png\nlonely\n", "line 2: a picture file"},
      {"a cars/missing.png\n", "line 1: cannot read"},
      {"a cars/car.gif\n", "line 1: not a .png or .bmp"},
      {"a cars/car.png tile=16\n", "line 1: tile wants WxH"},
      {"a cars/car.png tile=0x4\n", "line 1: tile wants WxH"},
      {"a cars/car.png key=pink\n", "line 1: unknown colour"},
      {"a cars/car.png size=2\n", "line 1: unknown option"},
  };
  for (const auto& [text, message] : cases) {
    std::vector<TOilEntry> entries;
    std::string error;
    EXPECT_FALSE(Read(text, entries, error)) << text;
    EXPECT_EQ(error.rfind(message, 0), 0u) << text << " gave: " << error;
  }
}
