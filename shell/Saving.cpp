// Saving the settings and the progress, and ending at once when the system asks.
#include "shell/Form1.h"
#include "shell/GameOptions.h"
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
  bool saved = SaveSettings(State);
  saved = SaveGameOptions(State.Options) && saved;
  if (withProgress) saved = SaveProgress(State) && saved;
  if (!saved) WarnAboutSaving(kCannotSaveMessage);
}

void TForm1::WarnAboutSaving(const char* text) {
  if (SaveWarningShown) return;
  SaveWarningShown = true;
  ShowMessage(text);
}

void TForm1::QuitAtOnce() {
  SaveGame(true);
  EndedBySystem = true;
  Close();
}
