// The results after a race: place, time, points and total revealed line by line over the
// finished race, the points counted into the total, the unlocks, then the question whether to
// send the score.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/OmegaButton.h"
#include "race/GameProcedures.h"
#include "race/Player.h"
#include "shell/Form1.h"
#include "shell/MenuSprites.h"
#include "shell/Scoring.h"
#include "shell/StillRace.h"

namespace {

constexpr uint32_t kResultsTextColor = 0xFF1E1E1E;
constexpr int kResultsColumn = 518;  // the result lines are centred on it
constexpr int kMessageColumn = 400;

struct TResultsButton {
  const char* Picture;
  int X, Y;
};
// All hidden at first: "next" once the points are counted, then "no" and "yes" to the question.
constexpr TResultsButton kNextButton{"bro_next", 472, 411};
constexpr TResultsButton kNoButton{"b_no1", 375, 409};
constexpr TResultsButton kYesButton{"b_yes1", 511, 409};

TOmegaButton* ButtonNamed(const std::vector<TOmegaButton*>& buttons, std::string_view name) {
  for (TOmegaButton* button : buttons)
    if (button->Name == name) return button;
  return nullptr;
}

bool ShowsPicture(const TOmegaButton& button) {
  return button.States[GUIState::Normal].Image != nullptr;
}

// The player's time as the finish line wrote it into the results.
const TRaceTime& PlayerFinishTime(const TRaceState& race) {
  return race.Results[size_t(race.Player->FinishPosition)].Time;
}

}  // namespace

// The race stays behind the results: its sprites go only when the results are left.
void TForm1::EnterRaceOver() {
  if (State.MusicOn) {
    StopMusic("gamemusic");
    PlayMusic("losemusic");
  }
  State.KeyReleased.fill(false);
  State.KeyHeld.fill(false);
  State.CurrentScreen = gsRaceOver;
  OmegaFont1.SetFont("Arial Black", 20);
  OmegaFont1.SetColor(kResultsTextColor);
  BuildPage();
  AddPageButton(GameImageList, kNextButton.Picture, kNextButton.X, kNextButton.Y,
                [this] { ConfirmResults(); });
  AddPageButton(GameImageList, kNoButton.Picture, kNoButton.X, kNoButton.Y, [this] { LeaveResults(false); });
  AddPageButton(GameImageList, kYesButton.Picture, kYesButton.X, kYesButton.Y,
                [this] { LeaveResults(true); });
  for (TOmegaButton* button : PageButtons) button->Visible = false;
  PlaySound("finish");
  GameScreenSprite = &OmegaSprite1.Create<TGameMenuScreen>(GameImageList, true, 255, "raceover",
                                                           "scr_raceover", 2000, 129.0f, 146.0f);
  BeginResults(State, Race.Player->FinishPosition);
  GameCursor->Visible = true;
}

// No keys here: only the buttons lead on. A button whose picture is missing can be neither seen
// nor aimed at, so the game presses it for the player, and answers "no" to the question.
void TForm1::RaceOverFrame() {
  BeginStillRaceFrame(*this);
  const bool settled = StepResults(State);
  TOmegaButton* next = ButtonNamed(PageButtons, kNextButton.Picture);
  if (settled && next) next->Visible = true;
  DrawResultLines();
  GameCursor->DoDraw();
  GameImageList.EndDraw();
  OmegaScreen1.EndScene();
  if (next) {
    if (settled && !ShowsPicture(*next)) ConfirmResults();
  } else if (const TOmegaButton* no = ButtonNamed(PageButtons, kNoButton.Picture);
             !no || !ShowsPicture(*no)) {
    LeaveResults(false);
  }
}

void TForm1::DrawResultLines() {
  const int lines = State.ResultLines;
  if (lines >= 1) TextCentred(kResultsColumn, 224, std::to_string(Race.Player->FinishPosition));
  if (lines >= 2) {
    const TRaceTime& time = PlayerFinishTime(Race);
    const std::string text = RaceTimeText(time);
    TextCentred(kResultsColumn, 268, text);
    const TTrack& track = State.Catalogue.Tracks[size_t(State.Catalogue.SelectedTrack)];
    if (IsBetterTime(time, track.BestTime))
      if (TImageListItem* record = GameImageList.Find("newrecord"))
        record->Draw(403 + OmegaFont1.TextWidth(text) / 2, 298, 0);
  }
  if (lines >= 3) TextCentred(kResultsColumn, 314, std::to_string(State.RacePoints));
  if (lines >= 4) TextCentred(kResultsColumn, 361, std::to_string(State.TotalScore));
  if (const char* message = UnlockMessage(State)) {
    if (TImageListItem* banner = GameImageList.Find("scr_av")) banner->Draw(150, 465, 0);
    TextCentred(kMessageColumn, 480, message);
  }
}

void TForm1::TextCentred(int x, int y, const std::string& text) {
  OmegaFont1.TextOut(x - OmegaFont1.TextWidth(text) / 2, y, text);
}

// "next": the best time is kept, the progress written at once (a crash or a power cut later must
// not cost the race), and the question whether to send the score takes the results' place;
// after a time trial the game goes straight back to the track selection.
void TForm1::ConfirmResults() {
  PlaySound("check");
  KeepBestTime(State.Catalogue.Tracks[size_t(State.Catalogue.SelectedTrack)], PlayerFinishTime(Race));
  SaveGame(true);
  // No question after a time trial (no score to send) or without a score server (it could only fail).
  if (State.TimeTrial || !ScoreSubmitter.HasServer()) {
    LeaveResults(false);
    return;
  }
  State.ResultLines = 0;
  GameScreenSprite->SetImage(GameImageList.Find("scr_send"));
  for (const TResultsButton& answer : {kNoButton, kYesButton})
    if (TOmegaButton* button = ButtonNamed(PageButtons, answer.Picture)) button->Visible = true;
  if (TOmegaButton* next = ButtonNamed(PageButtons, kNextButton.Picture)) {
    std::erase(PageButtons, next);
    MenuPage->Free(*next);
  }
}

// "no" and "yes": back to the track selection with the demonstration race behind it; "yes"
// sends the score once the screens have changed.
void TForm1::LeaveResults(bool sendScore) {
  if (State.MusicOn) {
    StopMusic("losemusic");
    PlayMusic("menumusic");
  }
  PlaySound("check");
  LeaveScreen(gsRaceOver);
  LeaveScreen(gsRace);
  EnterScreen(gsChooseTrack);
  CreateMenuBackground();
  if (sendScore) ScoreSubmitter.SubmitScore({State.PlayerName, State.TotalScore, State.AddText});
}

void TForm1::LeaveRaceOver() {
  GameScreenSprite->Kill();
  GameScreenSprite = nullptr;
  FreePage();
  OmegaSprite1.RemoveDead();
}
