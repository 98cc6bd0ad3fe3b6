#include "race/TrackThemes.h"

#include <array>

#include "engine/OmegaImageList.h"

namespace {

struct TTrackThemeEntry {
  std::string_view DataFile;
  TTrackTheme Theme;
  std::string_view Title;
};

// Three tracks a theme, each with a name that fits its place, taking turns along the catalogue so that every
// few races change the scene: Tracks 1, 5, 9 in the meadow; 2, 7, 11 in the autumn forest; 3, 6, 10 in the
// dry sandy country; 4, 8, 12 in the snowy valley.
constexpr std::array<TTrackThemeEntry, 12> kThemes{{
    {"Data\\data4.prd", TTrackTheme::Meadow, "Clover Fields"},
    {"Data\\data13.prd", TTrackTheme::Autumn, "Maple Hollow"},
    {"Data\\data5.prd", TTrackTheme::Desert, "Dust Bowl"},
    {"Data\\data3.prd", TTrackTheme::Alpine, "Frost Valley"},
    {"Data\\data12.prd", TTrackTheme::Meadow, "Buttercup Downs"},
    {"Data\\data8.prd", TTrackTheme::Desert, "Mesa Octagon"},
    {"Data\\data7.prd", TTrackTheme::Autumn, "Oakwood Boot"},
    {"Data\\data6.prd", TTrackTheme::Alpine, "Glacier Run"},
    {"Data\\data9.prd", TTrackTheme::Meadow, "Windmill Hill"},
    {"Data\\data2.prd", TTrackTheme::Desert, "Canyon Serpent"},
    {"Data\\data11.prd", TTrackTheme::Autumn, "Russet Ridge"},
    {"Data\\data10.prd", TTrackTheme::Alpine, "Summit Pass"},
}};

const TTrackThemeEntry* EntryOf(std::string_view dataFile) {
  for (const TTrackThemeEntry& entry : kThemes) {
    if (entry.DataFile == dataFile) return &entry;
  }
  return nullptr;
}

}  // namespace

TTrackTheme ThemeOfTrack(std::string_view dataFile) {
  const TTrackThemeEntry* entry = EntryOf(dataFile);
  return entry != nullptr ? entry->Theme : TTrackTheme::Meadow;
}

std::string_view TrackPlaceName(std::string_view dataFile) {
  const TTrackThemeEntry* entry = EntryOf(dataFile);
  return entry != nullptr ? entry->Title : std::string_view();
}

const char* ThemeSuffix(TTrackTheme theme) {
  switch (theme) {
    case TTrackTheme::Autumn:
      return "_autumn";
    case TTrackTheme::Desert:
      return "_sand";
    case TTrackTheme::Alpine:
      return "_snow";
    case TTrackTheme::Meadow:
      break;
  }
  return "";
}

std::string ThemedPicture(const TOmegaImageList& pictures, const std::string& name, TTrackTheme theme) {
  const std::string themed = name + ThemeSuffix(theme);
  // Looked up quietly: a package without the theme's pictures is no fault, it shows the plain ones.
  const TImageListCollection& list = pictures.ImageList;
  for (int i = 0; i < list.Count(); ++i) {
    if (list.Items(i).Name == themed) return themed;
  }
  return name;
}
