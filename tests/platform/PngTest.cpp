#include "platform/Png.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(Png, WritesAndReadsBackEveryPixel) {
  TPixmap picture{3, 2, {0xFF102030, 0x80FFFFFF, 0x00000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF}};
  auto path = std::filesystem::temp_directory_path() / "morvel-png-test.png";
  std::string error;
  ASSERT_TRUE(WritePngFile(path.string(), picture, error)) << error;
  auto read = ReadPngFile(path.string(), error);
  std::filesystem::remove(path);
  ASSERT_TRUE(read) << error;
  EXPECT_EQ(read->Width, 3);
  EXPECT_EQ(read->Height, 2);
  EXPECT_EQ(read->Pixels, picture.Pixels);
}

TEST(Png, RejectsBytesThatAreNoPicture) {
  const uint8_t junk[] = {0x89, 'P', 'N', 'G', 1, 2, 3};
  std::string error;
  EXPECT_FALSE(DecodePng(junk, error));
  EXPECT_FALSE(error.empty());
}
