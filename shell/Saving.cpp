// Saving the settings and the progress, and ending at once when the system asks.
#include <cstdio>

#include "shell/Form1.h"
#include "shell/GameOptions.h"
#include "shell/GhostStore.h"
#include "shell/OptionsScreen.h"
#include "shell/SettingsFiles.h"

namespace {

constexpr const char* kSecondCopyMessage =
    "Morvel Racing is already running from this folder. This copy will not save your settings and progress.";
constexpr const char* kCannotSaveMessage =
    "Your settings and progress cannot be saved. The game goes on without saving them.";

}  // namespace

// A copy that alone saves into the folder also clears away what killed copies left there.
void TForm1::TakeSaveLock() {
  const std::filesystem::path folder = SaveFolder();
  switch (SaveLock.Acquire(folder)) {
    case TSettingsLock::TState::Held:
      RemoveUnfinishedSaves(folder);
      break;
    case TSettingsLock::TState::InUse:
      WarnAboutSaving(kSecondCopyMessage);
      break;
    case TSettingsLock::TState::Unavailable:
      break;  // no lock to be had: the saves still go on, and say so if they fail
  }
}

void TForm1::SaveGame(bool withProgress) {
  if (SaveLock.State() == TSettingsLock::TState::InUse) return;
  std::string failure;
  bool saved = Saved(SaveSettings(State, &failure), failure);
  saved = Saved(SaveGameOptions(State.Options, &failure), failure) && saved;
  if (withProgress) saved = Saved(SaveProgress(State, &failure), failure) && saved;
  if (!saved) WarnAboutSaving(kCannotSaveMessage);
}

void TForm1::SaveBestLap(const TGhostLap& lap) {
  if (SaveLock.State() == TSettingsLock::TState::InUse) return;
  std::string failure;
  Saved(SaveGhostLap(lap, &failure), failure);
}

// A save that fails once mostly fails at every later try: each failure is said once a run.
bool TForm1::Saved(bool saved, const std::string& failure) {
  if (!saved && SaveFailuresTold.insert(failure).second)
    std::fprintf(stderr, "Morvel Racing: %s\n", failure.c_str());
  return saved;
}

void TForm1::WarnAboutSaving(const char* text) {
  if (SaveWarningShown) return;
  SaveWarningShown = true;
  ShowMessage(text);
}

void TForm1::QuitAtOnce() {
  // What the player has not applied on the options screen is not his choice yet.
  if (State.CurrentScreen == gsOptions) Options->TakeBack();
  SaveGame(true);
  EndedBySystem = true;
  Close();
}
