#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "race/GameProcedures.h"
#include "shell/SettingsFiles.h"
#include "state/TempFolder.h"

// Saves told apart by their files: each version of the game's state writes files of its own.

// The state of the game at its version-th save: every value that the files keep moves with the
// version, and the texts change their length, so a file cut short or mixed from two saves shows.
inline TGameState VersionOfState(int version) {
  TGameState state;
  FillTrackCatalogue(state.Catalogue);
  FillCarCatalogue(state.Catalogue);
  state.FullScreen = version % 2 == 0;
  state.MusicOn = version % 3 == 0;
  state.PlayerName = "DRIVER" + std::string(size_t(version % 17), 'X');
  state.AddText = std::string(size_t(version % 29), 'O');
  state.HighScores[0].Score = std::to_string(version);
  state.HighScores[9].Name = std::string(size_t(version % 11), 'Z');
  state.TotalScore = version;
  state.Catalogue.Tracks[24].BestTime.Minutes = -version;
  return state;
}

// The version a file holds, when it holds one of the saved versions byte for byte; 0 otherwise.
// The file is read once: another copy may replace it at any moment.
inline int SettingsVersion(const std::filesystem::path& file) {
  const std::string bytes = ReadBytes(file);
  TGameState loaded;
  ReadSettings(loaded, bytes);
  const int version = std::atoi(loaded.HighScores[0].Score.c_str());
  return version > 0 && bytes == SettingsFileText(VersionOfState(version)) ? version : 0;
}

inline int ProgressVersion(const std::filesystem::path& file) {
  const std::string bytes = ReadBytes(file);
  TGameState loaded = VersionOfState(0);
  ReadProgress(loaded, bytes);
  const int version = loaded.TotalScore;
  return version > 0 && bytes == ProgressFileText(VersionOfState(version)) ? version : 0;
}
