#pragma once

#include <string>
#include <string_view>

class TOmegaImageList;

// Each track's place: its name and the look of its surroundings, by its file.

// The look of a track's surroundings: ground, verge and scenery. The road, kerbs and cars look
// the same on every theme.
enum class TTrackTheme { Meadow, Autumn, Desert, Alpine };
inline constexpr int kThemeCount = 4;

// The name a track is known by ("Maple Hollow"), shown beside its number; empty for a file the
// table does not know.
std::string_view TrackPlaceName(std::string_view dataFile);

// The theme of a track file as the game names it ("Data\data4.prd"); a file the table does not
// know (the demonstration race's among them) keeps the meadow.
TTrackTheme ThemeOfTrack(std::string_view dataFile);

// What a theme's own pictures add to the picture they stand in for: "" for the meadow, whose
// pictures are the plain ones, else "_autumn", "_sand" or "_snow" ("tree1" becomes "tree1_snow").
const char* ThemeSuffix(TTrackTheme theme);

// The theme's own picture for a picture name when the list holds one, else the plain picture.
std::string ThemedPicture(const TOmegaImageList& pictures, const std::string& name, TTrackTheme theme);
