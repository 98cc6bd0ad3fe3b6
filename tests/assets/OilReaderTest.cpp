#include "assets/OilReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "PackageFixtures.h"
#include "engine/OmegaImageList.h"
#include "platform/Cp1251.h"

namespace {

struct ReaderFixture : testing::Test {
  TMessageBoxes Messages{true};
  TImageListCollection List;
  ReaderFixture() { List.Messages = &Messages; }

  bool Load(const std::vector<uint8_t>& bytes) { return List.LoadFromStream(bytes); }
  int CorruptMessages() const {
    return int(std::count(Messages.Shown().begin(), Messages.Shown().end(), ImageListMessage::Corrupt));
  }
};

// One item's property list bytes: the list start, the given properties, the end.
std::vector<uint8_t> Item(const std::function<void(TOilBytes&)>& properties) {
  TOilBytes item;
  item.Value(TValueType::vaList);
  properties(item);
  item.Byte(0);
  return item.Bytes;
}

std::vector<uint8_t> NamedItem(const std::string& name) {
  return Item([&](TOilBytes& b) {
    b.ShortString("Name");
    b.String(name);
  });
}

}  // namespace

TEST_F(ReaderFixture, WrittenPackagesReadBackWithEveryProperty) {
  TOilEntry keyed = PngEntry("car", PlacePicture(64, 32), 16, 32);
  keyed.TransparentColor = 0xFF00FF;
  keyed.Transparent = true;
  TOilEntry external = PngEntry(std::string(300, 'x'), PlacePicture(3, 2));
  external.Filepath = "Data\\pic.png";
  external.TransparentColor = 0x123456;  // no identifier: written as an integer
  ASSERT_TRUE(Load(WriteImagePackage({keyed, external})));
  ASSERT_EQ(List.Count(), 2);
  const TImageListItem& car = List.Items(0);
  EXPECT_EQ(car.Name, "car");
  EXPECT_EQ(car.TileWidth, 16);
  EXPECT_EQ(car.TileHeight, 32);
  EXPECT_EQ(car.TransparentColor, 0xFF00FFu);
  EXPECT_TRUE(car.Transparent);
  EXPECT_EQ(car.Picture.Pixels, PlacePicture(64, 32).Pixels);
  const TImageListItem& second = List.Items(1);
  EXPECT_EQ(second.Name, std::string(300, 'x'));  // a long string
  EXPECT_EQ(second.Filepath, "Data\\pic.png");
  EXPECT_EQ(second.TransparentColor, 0x123456u);
  EXPECT_FALSE(second.Transparent);
  EXPECT_EQ(second.TileWidth, 3);  // the writer's whole-picture tile
  EXPECT_TRUE(Messages.Shown().empty());
}

TEST_F(ReaderFixture, IntegersInEveryWidthAndStringsInEveryEncoding) {
  const std::string cyrillic = Utf8ToCp1251("Машина");
  std::vector<uint8_t> items;
  auto add = [&](const std::function<void(TOilBytes&)>& name, TValueType intType, int32_t tile) {
    std::vector<uint8_t> item = Item([&](TOilBytes& b) {
      b.ShortString("Name");
      name(b);
      b.ShortString("TileWidth");
      b.Value(intType);
      b.Little(uint32_t(tile), intType == TValueType::vaInt8 ? 1 : intType == TValueType::vaInt16 ? 2 : 4);
    });
    items.insert(items.end(), item.begin(), item.end());
  };
  add([](TOilBytes& b) { b.Value(TValueType::vaString), b.ShortString("short"); }, TValueType::vaInt8, -5);
  add([](TOilBytes& b) { b.Value(TValueType::vaLString), b.Little(4, 4), b.Raw("long"); },
      TValueType::vaInt16, -300);
  add(
      [](TOilBytes& b) {
        const char16_t wide[] = u"Машина";
        b.Value(TValueType::vaWString), b.Little(6, 4);
        for (int i = 0; i < 6; ++i) b.Little(wide[i], 2);
      },
      TValueType::vaInt32, 70000);
  add([](TOilBytes& b) { b.Value(TValueType::vaUTF8String), b.Little(12, 4), b.Raw("Машина"); },
      TValueType::vaInt32, -1);
  ASSERT_TRUE(Load(PackageAround(items)));
  ASSERT_EQ(List.Count(), 4);
  const std::pair<std::string, int> expected[] = {
      {"short", -5}, {"long", -300}, {cyrillic, 70000}, {cyrillic, -1}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(List.Items(i).Name, expected[i].first) << i;
    EXPECT_EQ(List.Items(i).TileWidth, expected[i].second) << i;
  }
}

TEST_F(ReaderFixture, AnOrderingIntegerBeforeAnItemChangesNothing) {
  for (TValueType type : {TValueType::vaInt8, TValueType::vaInt16, TValueType::vaInt32}) {
    std::vector<uint8_t> items;
    for (const char* name : {"first", "second"}) {
      TOilBytes order;
      order.Value(type);
      order.Little(7, type == TValueType::vaInt8 ? 1 : type == TValueType::vaInt16 ? 2 : 4);
      items.insert(items.end(), order.Bytes.begin(), order.Bytes.end());
      std::vector<uint8_t> item = NamedItem(name);
      items.insert(items.end(), item.begin(), item.end());
    }
    ASSERT_TRUE(Load(PackageAround(items))) << List.LastError();
    ASSERT_EQ(List.Count(), 2);
    EXPECT_EQ(List.Items(0).Name, "first");
    EXPECT_EQ(List.Items(1).Name, "second");
  }
}

// The carrier's own settings may come in any value type; the reader must step over each
// exactly, or the List after it is read from the wrong place.
TEST_F(ReaderFixture, EveryValueTypeIsSkippedByItsSize) {
  const std::vector<std::function<void(TOilBytes&)>> values = {
      [](TOilBytes& b) { b.Value(TValueType::vaNull); },
      [](TOilBytes& b) {
        b.Value(TValueType::vaList), b.Integer(5), b.String("in a list"), b.Value(TValueType::vaList),
            b.Byte(0), b.Byte(0);
      },
      [](TOilBytes& b) { b.Value(TValueType::vaInt8), b.Byte(1); },
      [](TOilBytes& b) { b.Value(TValueType::vaInt16), b.Little(2, 2); },
      [](TOilBytes& b) { b.Value(TValueType::vaInt32), b.Little(3, 4); },
      [](TOilBytes& b) {
        b.Value(TValueType::vaExtended), b.Little(0x0102030405060708, 8), b.Little(0x4000, 2);
      },
      [](TOilBytes& b) { b.Value(TValueType::vaString), b.ShortString("short"); },
      [](TOilBytes& b) { b.Value(TValueType::vaIdent), b.ShortString("clRed"); },
      [](TOilBytes& b) { b.Value(TValueType::vaFalse); },
      [](TOilBytes& b) { b.Value(TValueType::vaTrue); },
      [](TOilBytes& b) {
        b.Value(TValueType::vaBinary), b.Little(3, 4), b.Raw(std::string_view("\x01\x00\x02", 3));
      },
      [](TOilBytes& b) {
        b.Value(TValueType::vaSet), b.ShortString("fsBold"), b.ShortString("fsItalic"), b.Byte(0);
      },
      [](TOilBytes& b) { b.Value(TValueType::vaLString), b.Little(5, 4), b.Raw("long!"); },
      [](TOilBytes& b) { b.Value(TValueType::vaNil); },
      [](TOilBytes& b) {
        b.Value(TValueType::vaCollection), b.Integer(3), b.Value(TValueType::vaList), b.ShortString("X"),
            b.Integer(1), b.Byte(0), b.Value(TValueType::vaList), b.Byte(0), b.Byte(0);
      },
      [](TOilBytes& b) { b.Value(TValueType::vaSingle), b.Little(0x3F800000, 4); },
      [](TOilBytes& b) { b.Value(TValueType::vaCurrency), b.Little(10000, 8); },
      [](TOilBytes& b) { b.Value(TValueType::vaDate), b.Little(0x40E5000000000000, 8); },
      [](TOilBytes& b) {
        b.Value(TValueType::vaWString), b.Little(2, 4), b.Little('h', 2), b.Little('i', 2);
      },
      [](TOilBytes& b) { b.Value(TValueType::vaInt64), b.Little(1, 8); },
      [](TOilBytes& b) { b.Value(TValueType::vaUTF8String), b.Little(2, 4), b.Raw("ok"); },
  };
  ASSERT_EQ(values.size(), 21u);
  for (size_t type = 0; type < values.size(); ++type) {
    TOilBytes stream;
    stream.Raw("TPF0");
    stream.Byte(0xF2), stream.Integer(1);  // a prefix with a child position
    stream.ShortString("TImageListCollectionComponent"), stream.ShortString("Images");
    stream.ShortString("Tag");
    values[type](stream);
    stream.ShortString("List"), stream.Value(TValueType::vaCollection);
    stream.Raw(NamedItem("after"));
    stream.Byte(0), stream.Byte(0), stream.Byte(0);
    TOilBytes package;
    package.ResourceHeader("P", uint32_t(stream.Bytes.size()));
    package.Raw(stream.Bytes);
    ASSERT_TRUE(Load(package.Bytes)) << "value type " << type << ": " << List.LastError();
    ASSERT_EQ(List.Count(), 1) << "value type " << type;
    EXPECT_EQ(List.Items(0).Name, "after") << "value type " << type;
  }
}

TEST_F(ReaderFixture, ColourIdentifiersIncludingSystemColours) {
  const std::pair<const char*, uint32_t> cases[] = {{"clFuchsia", 0xFF00FF},
                                                    {"clNavy", 0x800000},
                                                    {"clNone", 0x1FFFFFFF},
                                                    {"clBtnFace", 0xFF00000F},
                                                    {"clMenuBar", 0xFF00001E}};
  for (const auto& [name, value] : cases) {
    const char* ident = name;
    ASSERT_TRUE(Load(PackageAround(Item([&](TOilBytes& b) {
      b.ShortString("TransparentColor");
      b.Ident(ident);
    }))));
    EXPECT_EQ(List.Items(0).TransparentColor, value) << ident;
  }
  EXPECT_FALSE(Load(PackageAround(Item([](TOilBytes& b) {
    b.ShortString("TransparentColor");
    b.Ident("clPink");
  }))));
}

TEST_F(ReaderFixture, BitmapsOfEightAndTwentyFourBitsDecode) {
  TPixmap picture = PlacePicture(5, 3);  // odd width: rows are padded
  for (int bits : {8, 24}) {
    TOilEntry entry;
    entry.Name = "bmp";
    entry.PictureClass = "TBitmap";
    entry.PictureFile = BmpFile(picture, bits);
    ASSERT_TRUE(Load(WriteImagePackage({entry}))) << bits << ": " << List.LastError();
    EXPECT_EQ(List.Items(0).Picture.Pixels, picture.Pixels) << bits;
  }
}

TEST_F(ReaderFixture, UnknownPictureClassesLeaveThePictureEmpty) {
  for (const char* className : {"TIcon", "TMetafile", "TJPEGImage"}) {
    TOilEntry entry;
    entry.Name = className;
    entry.PictureClass = className;
    entry.PictureFile = {1, 2, 3, 4, 5};
    TOilEntry after = PngEntry("after", PlacePicture(2, 2));
    ASSERT_TRUE(Load(WriteImagePackage({entry, after}))) << className;
    EXPECT_FALSE(List.Items(0).HasPicture()) << className;
    EXPECT_TRUE(List.Items(1).HasPicture()) << className;
  }
}

TEST_F(ReaderFixture, MalformedPackagesFailWithTheMessageAndKeepWhatWasRead) {
  TOilEntry badPng = PngEntry("broken", PlacePicture(4, 4));
  badPng.PictureFile.resize(badPng.PictureFile.size() / 2);
  TOilEntry huge = PngEntry("huge", PlacePicture(8193, 1));
  TOilBytes badHeader;
  badHeader.Byte(0xFF), badHeader.Little(11, 2);
  std::vector<uint8_t> unterminatedName(79, 'A');
  unterminatedName[0] = 0xFF, unterminatedName[1] = 10, unterminatedName[2] = 0;
  std::vector<uint8_t> badSignature = WriteImagePackage({});
  const std::string tpf0 = "TPF0";
  *std::search(badSignature.begin(), badSignature.end(), tpf0.begin(), tpf0.end()) = 'X';
  std::vector<uint8_t> negativeLength = PackageAround(Item([](TOilBytes& b) {
    b.ShortString("Name");
    b.Value(TValueType::vaLString);
    b.Little(0xFFFFFFF0, 4);
  }));
  std::vector<uint8_t> unknownProperty = PackageAround(Item([](TOilBytes& b) {
    b.ShortString("Name");
    b.String("first");
    b.ShortString("Colour");
    b.Integer(1);
  }));
  std::vector<uint8_t> deepTag;
  {
    TOilBytes stream;
    stream.Raw("TPF0"), stream.ShortString("C"), stream.ShortString(""), stream.ShortString("Tag");
    for (int i = 0; i < 100000; ++i) stream.Value(TValueType::vaList);
    deepTag = stream.Bytes;
    deepTag.insert(deepTag.begin(), {0xFF, 10, 0, 'P', 0, 0, 0, 0, 0, 0, 0});
  }
  struct TCase {
    const char* What;
    std::vector<uint8_t> Bytes;
    int ItemsKept;
  };
  const TCase cases[] = {
      {"undecodable PNG", WriteImagePackage({PngEntry("good", PlacePicture(2, 2)), badPng}), 2},
      {"picture over 8192 pixels", WriteImagePackage({PngEntry("good", PlacePicture(2, 2)), huge}), 2},
      {"wrong resource type", badHeader.Bytes, 0},
      {"resource name without end", unterminatedName, 0},
      {"no TPF0", badSignature, 0},
      {"negative length", negativeLength, 1},
      {"unknown property", unknownProperty, 1},
      {"lists nested without end", deepTag, 0},
      {"empty file", {}, 0},
  };
  for (const TCase& c : cases) {
    int before = CorruptMessages();
    EXPECT_FALSE(Load(c.Bytes)) << c.What;
    EXPECT_EQ(CorruptMessages(), before + 1) << c.What;
    EXPECT_EQ(List.Count(), c.ItemsKept) << c.What;
    EXPECT_FALSE(List.LastError().empty()) << c.What;
  }
  // The good item before a broken picture keeps its picture; the broken one keeps its name.
  Load(cases[0].Bytes);
  EXPECT_TRUE(List.Items(0).HasPicture());
  EXPECT_EQ(List.Items(1).Name, "broken");
  EXPECT_FALSE(List.Items(1).HasPicture());
  EXPECT_EQ(Messages.Shown().back(), ImageListMessage::Corrupt);
  // So does a picture before a fault in the package's structure.
  const std::vector<uint8_t> whole = WriteImagePackage({PngEntry("good", PlacePicture(2, 2))});
  EXPECT_FALSE(Load(std::vector<uint8_t>(whole.begin(), whole.end() - 2)));
  ASSERT_EQ(List.Count(), 1);
  EXPECT_TRUE(List.Items(0).HasPicture());
}

// The pictures of a package are decoded together; of several broken ones, the first in the
// package is the one reported, and every good one is decoded into its own item.
TEST_F(ReaderFixture, TheFirstBrokenPictureIsTheOneReported) {
  TOilEntry badPng = PngEntry("broken", PlacePicture(4, 4));
  badPng.PictureFile.resize(badPng.PictureFile.size() / 2);
  const TOilEntry huge = PngEntry("huge", PlacePicture(8193, 1));
  std::vector<TOilEntry> good;
  for (int i = 1; i <= 12; ++i) good.push_back(PngEntry("good" + std::to_string(i), PlacePicture(i, 13 - i)));
  auto errorOf = [&](std::vector<TOilEntry> entries) {
    EXPECT_FALSE(Load(WriteImagePackage(entries)));
    return List.LastError();
  };
  const std::string badPngError = errorOf({badPng}), hugeError = errorOf({huge});
  ASSERT_NE(badPngError, hugeError);

  std::vector<TOilEntry> entries = good;
  entries.insert(entries.begin() + 5, badPng);
  entries.push_back(huge);
  EXPECT_EQ(errorOf(entries), badPngError);
  std::swap(entries[5], entries.back());
  EXPECT_EQ(errorOf(entries), hugeError);

  ASSERT_TRUE(Load(WriteImagePackage(good)));
  for (int i = 0; i < 12; ++i)
    EXPECT_EQ(List.Items(i).Picture.Pixels, PlacePicture(i + 1, 12 - i).Pixels) << i;
}

TEST_F(ReaderFixture, EveryCutOfAPackageFailsCleanlyKeepingTheItemsBeforeTheCut) {
  std::vector<uint8_t> package =
      WriteImagePackage({PngEntry("one", PlacePicture(3, 3)), PngEntry("two", PlacePicture(2, 5), 1, 1)});
  ASSERT_TRUE(Load(package));
  for (size_t length = 0; length < package.size(); ++length) {
    std::vector<uint8_t> cut(package.begin(), package.begin() + std::ptrdiff_t(length));
    ASSERT_FALSE(Load(cut)) << length;
    ASSERT_LE(List.Count(), 2) << length;
    if (List.Count() == 2) {
      EXPECT_EQ(List.Items(0).Name, "one") << length;
    }
  }
  EXPECT_EQ(CorruptMessages(), int(package.size()));
}

TEST_F(ReaderFixture, AMissingFileKeepsTheListAsItWas) {
  ASSERT_TRUE(Load(WriteImagePackage({PngEntry("kept", PlacePicture(2, 2))})));
  EXPECT_FALSE(List.LoadFromFile("Data\\no-such-package.oil"));
  EXPECT_EQ(Messages.Shown().back(),
            std::string(ImageListMessage::FileError) + "\nData/no-such-package.oil: the file is missing");
  ASSERT_EQ(List.Count(), 1);
  EXPECT_EQ(List.Items(0).Name, "kept");
}

// A package file that cannot be read whole: the game's text, and below it the file as this system
// names it and what is wrong with it.
TEST_F(ReaderFixture, AMessageAboutAPackageFileNamesTheFileAndTheFault) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "morvel-oil-message-test";
  std::filesystem::create_directories(folder / "Data");
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  const std::vector<uint8_t> whole = WriteImagePackage({PngEntry("menu", PlacePicture(2, 2))});
  struct TCase {
    std::vector<uint8_t> Bytes;
    std::string Message;
  };
  const TCase cases[] = {
      {{}, std::string(ImageListMessage::Corrupt) + "\nData/data2.oil: the file is empty"},
      {std::vector<uint8_t>(whole.begin(), whole.begin() + 9),
       std::string(ImageListMessage::Corrupt) + "\nData/data2.oil: "},
  };
  for (const TCase& c : cases) {
    std::ofstream(folder / "Data" / "data2.oil", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(c.Bytes.data()), std::streamsize(c.Bytes.size()));
    EXPECT_FALSE(List.LoadFromFile("Data\\data2.oil"));
    EXPECT_TRUE(Messages.Shown().back().starts_with(c.Message)) << Messages.Shown().back();
    EXPECT_TRUE(List.LastError().starts_with("Data/data2.oil: ")) << List.LastError();
    EXPECT_GT(List.LastError().size(), std::string("Data/data2.oil: ").size()) << "and what is wrong";
  }
  std::filesystem::create_directory(folder / "Data" / "data3.oil");
  EXPECT_FALSE(List.LoadFromFile("Data\\data3.oil"));
  EXPECT_EQ(List.LastError(), "Data/data3.oil: it is not a file");
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(folder);
}

TEST_F(ReaderFixture, PackagesAreReadFromFilesWithTheGamesFolderSeparator) {
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "morvel-oil-file-test";
  std::filesystem::create_directories(folder / "Data");
  std::vector<uint8_t> package = WriteImagePackage({PngEntry("menu", PlacePicture(2, 2))});
  {
    std::ofstream out(folder / "Data" / "data1.oil", std::ios::binary);
    out.write(reinterpret_cast<const char*>(package.data()), std::streamsize(package.size()));
  }
  EXPECT_TRUE(List.LoadFromFile((folder.string() + "\\Data\\data1.oil")));
  ASSERT_EQ(List.Count(), 1);
  EXPECT_EQ(List.Items(0).Name, "menu");
  std::filesystem::remove_all(folder);
}
