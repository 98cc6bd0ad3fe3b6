#include "SettingsFuzzChecks.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "race/GameProcedures.h"
#include "shell/SettingsFiles.h"

namespace {

TGameState FreshState() {
  TGameState state;
  FillTrackCatalogue(state.Catalogue);
  FillCarCatalogue(state.Catalogue);
  return state;
}

void Require(bool rule, const char* what) {
  if (rule) return;
  std::fprintf(stderr, "settings fuzz: %s\n", what);
  std::abort();
}

}  // namespace

void CheckSettingsFile(std::string_view bytes) {
  TGameState state = FreshState();
  ReadSettings(state, bytes);
  Require(state.FullScreen == state.AppliedFullScreen, "the display follows the full-screen line");
  for (size_t row = 0; row < state.HighScores.size(); ++row)
    Require(state.HighScores[row].Place == std::to_string(row + 1), "places are never read");
  const std::string saved = SettingsFileText(state);
  TGameState again = FreshState();
  Require(!ReadSettings(again, saved), "what the game writes is never damaged");
  Require(SettingsFileText(again) == saved, "what was read is saved and read back unchanged");
  Require(again.AddText == state.AddText && again.PlayerName == state.PlayerName, "texts survive");
  Require(state.AddText.find('|') == std::string::npos && state.PlayerName.find('|') == std::string::npos,
          "no bar reaches the score record");
}

void CheckProgressFile(std::string_view bytes) {
  TGameState state = FreshState();
  ReadProgress(state, bytes);
  const TCatalogue& catalogue = state.Catalogue;
  Require(catalogue.TracksAvailable >= kStartTracks && catalogue.TracksAvailable <= kTrackCount,
          "track count in range");
  Require(catalogue.CarsAvailable >= kStartCars && catalogue.CarsAvailable <= kCarCount,
          "car count in range");
  for (int track = 0; track < kTrackCount; ++track) {
    const TRaceTime& best = catalogue.Tracks[size_t(track)].BestTime;
    Require(best.Minutes >= 0 && best.Seconds >= 0 && best.Seconds < 60 && best.Hundredths >= 0 &&
                best.Hundredths < 100,
            "a best time a race can give, or none");
  }
  Require(catalogue.UnlockStage >= 0 && catalogue.UnlockStage <= kUnlockStages, "stage in range");
  Require(state.TotalScore >= 0 && catalogue.TargetScore >= 0, "no score below nothing");
  MarkAvailableEntries(state.Catalogue);
  const std::string saved = ProgressFileText(state);
  TGameState again = FreshState();
  Require(!ReadProgress(again, saved), "what the game writes is never damaged");
  Require(ProgressFileText(again) == saved, "what was read is saved and read back unchanged");
}

std::vector<std::string> SettingsSeeds() {
  TGameState state = FreshState();
  std::vector<std::string> seeds{"", SettingsFileText(state)};
  state.FullScreen = true;
  state.MusicOn = state.SoundOn = false;
  state.AddText = "extra%";
  state.PlayerName = "Player \xC8\xE2\xE0\xED";
  for (THighScoreEntry& row : state.HighScores) row.Name += row.Place, row.Score = "-" + row.Place;
  seeds.push_back(SettingsFileText(state));
  seeds.push_back("false\ntrue\nfalse\nplain words\n");
  return seeds;
}

std::vector<std::string> ProgressSeeds() {
  TGameState state = FreshState();
  std::vector<std::string> seeds{"", ProgressFileText(state)};
  state.TotalScore = -12345;
  state.Catalogue.TracksAvailable = 9;
  state.Catalogue.CarsAvailable = 5;
  state.Catalogue.TargetScore = 2147483647;
  state.Catalogue.UnlockStage = 8;
  for (int slot = 0; slot < kTrackSlots; ++slot)
    state.Catalogue.Tracks[size_t(slot)].BestTime = {slot, -slot, 999};
  seeds.push_back(ProgressFileText(state));
  return seeds;
}
