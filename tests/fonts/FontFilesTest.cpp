#include "engine/FontFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "engine/FontLibrary.h"

namespace {

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace

// The faces the game names stand in with the fonts the game's machines install.
TEST(FontFiles, FacesOfTheGameFindTheirStandIns) {
  struct TCase {
    const char* Face;
    bool Bold;
    const char* File;  // part of the file's name
  };
  const TCase cases[] = {
      {"Arial Black", false, "LiberationSans-Bold."},
      {"arial black", false, "LiberationSans-Bold."},
      {"Arial", false, "LiberationSans-Regular."},
      {"Arial", true, "LiberationSans-Bold."},
      {"Verdana", false, "DejaVuSans."},
      {"Friday13", false, "LiberationSans-Bold."},
      {"Staccato222 BT", false, "LiberationSans-Bold."},
  };
  TFontFiles files;
  for (const TCase& c : cases) {
    const TFontFile& file = files.Find(c.Face, c.Bold, false);
    SCOPED_TRACE(c.Face);
    EXPECT_TRUE(std::filesystem::is_regular_file(file.Path)) << file.Path;
    EXPECT_TRUE(Contains(file.Path, c.File)) << file.Path;
    EXPECT_FALSE(file.Embolden);
  }
}

TEST(FontFiles, StandInsComeAfterTheFaceItself) {
  auto candidates = FontCandidates("Arial Black");
  ASSERT_GE(candidates.size(), 2u);
  EXPECT_EQ(candidates[0], "Arial Black");
  EXPECT_EQ(candidates[1], "Arial:weight=black");
  EXPECT_EQ(FontCandidates("Some Face"), std::vector<std::string>{"Some Face"});
}

TEST(FontFiles, AFaceNobodyHasStillGetsAFontAndSaysSoOnce) {
  TFontFiles files;
  testing::internal::CaptureStderr();
  const TFontFile& regular = files.Find("No-Such:Face", false, false);
  const TFontFile& bold = files.Find("No-Such:Face", true, false);
  std::string said = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(std::filesystem::is_regular_file(regular.Path));
  EXPECT_TRUE(std::filesystem::is_regular_file(bold.Path));
  EXPECT_TRUE(Contains(said, "No-Such:Face")) << said;
  EXPECT_EQ(said.find("No-Such:Face"), said.rfind("No-Such:Face")) << said;
}

TEST(FontFiles, SizesArePointsAtNinetySixDotsPerInch) {
  EXPECT_EQ(PointsToPixels(12), 16);
  EXPECT_EQ(PointsToPixels(10), 13);  // 13.33
  EXPECT_EQ(PointsToPixels(11), 15);  // 14.67
  EXPECT_EQ(PointsToPixels(55), 73);  // 73.33
}

// Windows-1251 bytes reach the rasteriser as the letters they stand for.
TEST(FontFiles, CyrillicBytesRasteriseAsLetters) {
  TFontLibrary fonts;
  TFontFace* face = fonts.Face("Arial Black", false, false, 20);
  ASSERT_NE(face, nullptr);
  for (unsigned char code : {0xC6, 0xDF, 0xE6, 0xA8, 0xB8}) {  // Ж Я ж Ё ё
    const TGlyphImage& glyph = face->Glyph(code);
    EXPECT_GT(glyph.Advance, 0) << int(code);
    EXPECT_GT(glyph.Width * glyph.Height, 0) << int(code);
  }
  // The Cyrillic А, Р and С share their outlines with the Latin A, P and C; read as Latin-1 the same
  // bytes would be À, Ð and Ñ, with marks above.
  const std::pair<int, char> twins[] = {{0xC0, 'A'}, {0xD0, 'P'}, {0xD1, 'C'}};
  for (auto [cyrillic, latin] : twins) {
    const TGlyphImage& a = face->Glyph(static_cast<unsigned char>(cyrillic));
    const TGlyphImage& b = face->Glyph(static_cast<unsigned char>(latin));
    EXPECT_EQ(a.Top, b.Top) << cyrillic;
    EXPECT_EQ(a.Coverage, b.Coverage) << cyrillic;
  }
  EXPECT_EQ(face->Glyph('\r').Advance, 0);
}
