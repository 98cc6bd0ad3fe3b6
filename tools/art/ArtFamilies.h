#pragma once

#include <filesystem>

#include "ArtPackage.h"
#include "ArtTextures.h"

// One function per family of pictures; each adds its pictures to the package(s) they belong to.

void DrawCursor(TArtPackage& menus);
void DrawIntro(TArtPackage& menus, const TArtTextures& textures);
void DrawMenuScreens(TArtPackage& menus, const TArtTextures& textures);
void DrawMenuDialogs(TArtPackage& menus);
void DrawHelpKeys(TArtPackage& menus);
void DrawMenuButtons(TArtPackage& menus);
void DrawTrackPreviews(TArtPackage& menus, const TArtTextures& textures,
                       const std::filesystem::path& trackFolder);
void DrawCarPreviews(TArtPackage& menus);
void DrawSplashCars(TArtPackage& menus);
// The race cars; the menu package gets them under the demonstration race's names.
void DrawRaceCars(TArtPackage& package, bool menuNames);
// Probe, smoke and pointer sprites, drawn in both packages.
void DrawMarkers(TArtPackage& package);
void DrawPlayerMark(TArtPackage& race);
// The track map's plate and the dot its cars are drawn with (tinted by the game).
void DrawTrackMapParts(TArtPackage& race);
// The strip the cars' tyre marks are drawn with.
void DrawTyreMark(TArtPackage& race);
void DrawDebugMarkers(TArtPackage& race);
void DrawRoad(TArtPackage& race, const TArtTextures& textures);
// The straight pieces the game draws along a staircase of bends, which runs as a diagonal road.
void DrawDiagonalRoad(TArtPackage& race, const TArtTextures& textures);
void DrawScenery(TArtPackage& race);
// The scenery of the tracks' other looks (autumn, sand, snow) under the meadow's names plus a suffix.
void DrawThemeScenery(TArtPackage& race);
void DrawDashboard(TArtPackage& race);
void DrawStartLights(TArtPackage& race);
void DrawRaceDialogs(TArtPackage& race);
