#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "assets/ModListItem.h"
#include "engine/OmegaButton.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "race/Player.h"
#include "shell/Form1.h"
#include "shell/ResultsScreen.h"
#include "state/TempFolder.h"

// The form in a private copy of the game folder, which is its working directory (it reads and
// writes its files there), with a race on the selected track that the player can be made to
// finish as the finish line does it.
class TResultsRun {
 public:
  explicit TResultsRun(TVideoSystem& video) {
    std::filesystem::copy(MORVEL_GAME_DIR, Folder.Folder(), std::filesystem::copy_options::recursive);
    std::filesystem::current_path(Folder.Folder());
    // A fresh player: no settings or progress of an earlier run of the game folder.
    for (const char* file : {"Config.cfg", "Configdat.cfg"}) std::filesystem::remove(file);
    Form = std::make_unique<TForm1>(TFormServices{video, Clock, Messages, true, 7u, {}});
    Form->FormCreate();
    Form->OmegaTimer1.SetEnabled(true);  // the frames run; the menus are not needed here
  }
  ~TResultsRun() {
    Form.reset();
    std::filesystem::current_path(Previous);
  }
  TResultsRun(const TResultsRun&) = delete;
  TResultsRun& operator=(const TResultsRun&) = delete;

  // Starts a race on the selected track and lets the player cross the line for the last time
  // in that place with that time.
  void StartAndFinish(int position, const TRaceTime& time) {
    Form->StartRace();
    ASSERT_EQ(Form->State.CurrentScreen, gsRace);
    TRaceState& race = Form->Race;
    race.Player->FinishPosition = position;
    race.Player->HasControl = false;
    race.Player->Ranking = false;
    race.Results[size_t(position)] = {kPlayerResult, time};
    race.RaceFinished = true;
    Form->State.StepTicks = 0;
  }

  void RunFrame() {
    Clock.Advance(TVirtualClock::kFrequency / 90);
    Form->RaceTimer.Poll();
    Form->OmegaTimer1.Tick();
  }

  // Frames until the "next" button shows (at most limit); returns how many ran.
  int RunUntilNextShows(int limit = 2000) {
    int frames = 0;
    while (frames < limit && !ButtonVisible("bro_next")) {
      RunFrame();
      ++frames;
    }
    return frames;
  }

  TOmegaButton* Button(const std::string& name) const {
    for (TOmegaButton* button : Form->Results->Buttons())
      if (button->Name == name) return button;
    return nullptr;
  }
  bool ButtonVisible(const std::string& name) const {
    const TOmegaButton* button = Button(name);
    return button && button->Visible;
  }

  // A left click as the platform delivers it, moves 20 ms apart so the GUI takes the move.
  void Click(int x, int y) {
    Clock.Advance(TVirtualClock::kFrequency / 50);
    Form->OmegaGUI1.HandleEvent(Mouse(TInputKind::MouseMove, x, y));
    Form->OmegaGUI1.HandleEvent(Mouse(TInputKind::MouseDown, x, y));
    Form->OmegaGUI1.HandleEvent(Mouse(TInputKind::MouseUp, x, y));
  }
  // A click in the middle of where that button of the page lies, whether it shows or not.
  void ClickOn(const std::string& name) {
    const TOmegaButton* button = Button(name);
    ASSERT_NE(button, nullptr) << name;
    Click(button->Left + button->Width / 2, button->Top + button->Height / 2);
  }

  bool MusicPlaying(const std::string& name) const {
    const TModListItem* module = Form->Sound3D.ModList.Find(name);
    return module && module->IsPlaying();
  }

  int SpritesNamed(const std::string& name) const {
    int count = 0;
    for (int i = 0; i < Form->OmegaSprite1.Count(); ++i) count += Form->OmegaSprite1.Items(i)->Name() == name;
    return count;
  }

  TTempFolder Folder;
  TVirtualClock Clock;
  TMessageBoxes Messages{true};
  std::unique_ptr<TForm1> Form;

 private:
  static TInputEvent Mouse(TInputKind kind, int x, int y) {
    TInputEvent event;
    event.Kind = kind;
    event.X = x;
    event.Y = y;
    return event;
  }

  std::filesystem::path Previous = std::filesystem::current_path();
};
