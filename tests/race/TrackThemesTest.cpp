#include "race/TrackThemes.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "CarFixture.h"
#include "race/GameConstants.h"
#include "race/RaceSetup.h"
#include "race/TrackObjects.h"

namespace {

TEST(TrackThemes, EveryThemeDressesThreeTracksOfTheCatalogueAndTheDemonstrationKeepsTheMeadow) {
  std::map<TTrackTheme, int> tracks;
  for (const TTrack& track : kTrackCatalogue) ++tracks[ThemeOfTrack(track.DataFile)];
  ASSERT_EQ(int(tracks.size()), kThemeCount);
  for (const auto& [theme, count] : tracks) EXPECT_EQ(count, 3) << int(theme);
  EXPECT_EQ(ThemeOfTrack(kDemoTrackFile), TTrackTheme::Meadow);
  EXPECT_EQ(ThemeOfTrack("Data\\data99.prd"), TTrackTheme::Meadow);
  // Neighbours in the catalogue never share a look.
  for (size_t i = 1; i < kTrackCatalogue.size(); ++i)
    EXPECT_NE(ThemeOfTrack(kTrackCatalogue[i - 1].DataFile), ThemeOfTrack(kTrackCatalogue[i].DataFile)) << i;
}

TEST(TrackThemes, EveryTrackOfTheCatalogueHasANameOfItsOwn) {
  std::set<std::string_view> names;
  for (const TTrack& track : kTrackCatalogue) {
    const std::string_view name = TrackPlaceName(track.DataFile);
    EXPECT_FALSE(name.empty()) << track.DataFile;
    EXPECT_LE(name.size(), 16u) << name;  // fits the band under the preview's map
    names.insert(name);
  }
  EXPECT_EQ(names.size(), kTrackCatalogue.size());
  EXPECT_TRUE(TrackPlaceName(kDemoTrackFile).empty());
}

class ThemedSpritesTest : public CarFixture {
 protected:
  ThemedSpritesTest() {
    AddPicture(GameImages, "grass", 64, 64);
    AddPicture(GameImages, "grass_snow", 64, 64);
    AddPicture(GameImages, "tree1", 64, 64);
    AddPicture(GameImages, "tree1_snow", 64, 64);
    AddPicture(GameImages, "roadroters", 320, 320);
  }
};

TEST_F(ThemedSpritesTest, ATrackTakesItsThemesPicturesAndThePlainOnesWhereItHasNone) {
  struct TCase {
    TTrackTheme Theme;
    const char* Ground;
    const char* Tree;
  };
  const TCase cases[] = {
      {TTrackTheme::Meadow, "grass", "tree1"},
      {TTrackTheme::Alpine, "grass_snow", "tree1_snow"},
      {TTrackTheme::Desert, "grass", "tree1"},  // this list has no sand pictures
  };
  for (const TCase& c : cases) {
    Race.Theme = c.Theme;
    const TBackground& ground = Sprites.Create<TBackground>(Context);
    const TRoadRock& tree = Sprites.Create<TRoadRock>(Context, 1, 0.0, 0.0);
    const TRoadPart& corner = Sprites.Create<TRoadPart>(Context, 12, 0.0, 0.0);
    ASSERT_NE(ground.Image(), nullptr);
    EXPECT_EQ(ground.Image()->Name, c.Ground);
    ASSERT_NE(tree.Image(), nullptr);
    EXPECT_EQ(tree.Image()->Name, c.Tree);
    EXPECT_EQ(tree.Name(), "roadrock");  // what the cars' code looks for stays the same
    ASSERT_NE(corner.Image(), nullptr);
    EXPECT_EQ(corner.Image()->Name, "roadroters");
  }
  EXPECT_TRUE(GameImages.ImageList.MissingNames().empty());  // looked up quietly
}

}  // namespace
