#pragma once

#include <ctime>
#include <filesystem>
#include <string>

// Where F12 puts its pictures: $XDG_PICTURES_DIR when it names a folder, else ~/Pictures when
// that exists, else the game folder (the working directory).
std::filesystem::path ScreenshotFolder();

// "morvel-racing-20261210-134502.png": the local time the picture was taken.
std::string ScreenshotName(std::time_t when);
