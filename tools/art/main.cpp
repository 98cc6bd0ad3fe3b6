#include <cstdio>
#include <exception>
#include <filesystem>

#include "ArtFamilies.h"

// Draws the menu package's pictures ("mousecursor" first: item 0 is also the edit boxes' fallback glyph
// sheet) and the race package's, and saves each package as PNG files plus a manifest.
int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: morvel-art OUTPUT_FOLDER TRACK_FOLDER\n");
    return 2;
  }
  try {
    const std::filesystem::path output = argv[1];
    const TArtTextures textures = MakeTextures();

    TArtPackage menus;
    DrawCursor(menus);
    DrawIntro(menus, textures);
    DrawSplashCars(menus);
    DrawMenuScreens(menus, textures);
    DrawMenuDialogs(menus);
    DrawMenuButtons(menus);
    DrawHelpKeys(menus);
    DrawTrackPreviews(menus, textures, argv[2]);
    DrawCarPreviews(menus);
    DrawRaceCars(menus, true);
    DrawMarkers(menus);
    menus.Save(output / "data1", "manifest.txt");

    TArtPackage race;
    DrawRoad(race, textures);
    DrawDiagonalRoad(race, textures);
    DrawScenery(race);
    DrawThemeScenery(race);
    DrawRaceCars(race, false);
    DrawMarkers(race);
    DrawPlayerMark(race);
    DrawTrackMapParts(race);
    DrawTyreMark(race);
    DrawDashboard(race);
    DrawStartLights(race);
    DrawRaceDialogs(race);
    DrawDebugMarkers(race);
    race.Save(output / "data2", "manifest.txt");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "morvel-art: %s\n", error.what());
    return 1;
  }
  return 0;
}
