#include "shell/ResultsScreen.h"

#include <cstdint>
#include <string_view>

#include "engine/OmegaButton.h"
#include "engine/OmegaFont.h"
#include "engine/OmegaImageList.h"
#include "race/GameProcedures.h"
#include "race/Player.h"
#include "race/RaceWorld.h"
#include "shell/GameState.h"
#include "shell/MenuBackdrop.h"
#include "shell/MenuSprites.h"
#include "shell/Scoring.h"
#include "shell/StillRace.h"
#include "web/ScoreSubmitter.h"

namespace {

constexpr uint32_t kResultsTextColor = 0xFF1E1E1E;
constexpr int kResultsColumn = 518;  // the result lines are centred on it
constexpr int kMessageColumn = 400;
// The opponents' level (none in a time trial) in the ticker's smaller letters, beside the flags
// under the results' column and clear of "next".
constexpr int kLevelX = 252, kLevelY = 428;

struct TResultsButton {
  const char* Picture;
  int X, Y;
};
// All hidden at first: "next" once the points are counted, then "no" and "yes" to the question.
constexpr TResultsButton kNextButton{"bro_next", 472, 411};
constexpr TResultsButton kNoButton{"b_no1", 375, 409};
constexpr TResultsButton kYesButton{"b_yes1", 511, 409};

// The results' panel lies over the race and its heads-up texts (530).
constexpr int kPanelDepth = 2000;

bool ShowsPicture(const TOmegaButton& button) {
  return button.States[GUIState::Normal].Image != nullptr;
}

// The player's time as the finish line wrote it into the results.
const TRaceTime& PlayerFinishTime(const TRaceState& race) {
  return race.Results[size_t(race.Player->FinishPosition)].Time;
}

}  // namespace

TResultsScreen::TResultsScreen(TScreenKit& kit) : Kit(kit), Sprites(kit.Sprites()) {}

// The race stays behind the results: its sprites go only when the results are left.
void TResultsScreen::Enter() {
  TGameState& state = Kit.GameState();
  Kit.ChangeMusic("gamemusic", "losemusic");
  state.KeyReleased.fill(false);
  state.KeyHeld.fill(false);
  Kit.TextFont().SetFont("Arial Black", 20);
  Kit.TextFont().SetColor(kResultsTextColor);
  // The menus set the ticker's letters again as they are entered.
  Kit.TickerFont().SetFont("Arial Black", 12);
  Kit.TickerFont().SetColor(kResultsTextColor);
  Kit.BuildPage();
  TOmegaImageList& images = Kit.GameImages();
  PageButtons = {
      &Kit.AddPageButton(images, kNextButton.Picture, kNextButton.X, kNextButton.Y, [this] { Confirm(); }),
      &Kit.AddPageButton(images, kNoButton.Picture, kNoButton.X, kNoButton.Y, [this] { Answer(false); }),
      &Kit.AddPageButton(images, kYesButton.Picture, kYesButton.X, kYesButton.Y, [this] { Answer(true); })};
  for (TOmegaButton* button : PageButtons) button->Visible = false;
  Kit.PlaySound("finish");
  PanelSprite = &Sprites.Create<TGameMenuScreen>(images, true, 255, "raceover", "scr_raceover", kPanelDepth,
                                                 129.0f, 146.0f);
  BeginResults(state, Kit.World().Race.Player->FinishPosition);
  Kit.Cursor().Visible = true;
}

TOmegaButton* TResultsScreen::Button(const char* picture) const {
  for (TOmegaButton* button : PageButtons)
    if (button->Name == std::string_view(picture)) return button;
  return nullptr;
}

// A button whose picture is missing can be neither seen nor aimed at, so the game presses it for
// the player, and answers "no" to the question.
void TResultsScreen::Frame() {
  BeginStillRaceFrame(Kit);
  const bool settled = StepResults(Kit.GameState());
  TOmegaButton* next = Button(kNextButton.Picture);
  if (settled && next) next->Visible = true;
  DrawLines();
  EndStillRaceFrame(Kit);
  if (next) {
    if (settled && !ShowsPicture(*next)) Confirm();
  } else if (const TOmegaButton* no = Button(kNoButton.Picture); !no || !ShowsPicture(*no)) {
    Answer(false);
  }
}

void TResultsScreen::DrawLines() {
  const TGameState& state = Kit.GameState();
  const TRaceState& race = Kit.World().Race;
  const int lines = state.ResultLines;
  if (lines >= 1) {
    TextCentred(kResultsColumn, 224, std::to_string(race.Player->FinishPosition));
    if (!state.TimeTrial) DrawLevel(state.Options.Difficulty);
  }
  if (lines >= 2) {
    const TRaceTime& time = PlayerFinishTime(race);
    const std::string text = RaceTimeText(time);
    TextCentred(kResultsColumn, 268, text);
    const TTrack& track = state.Catalogue.Tracks[size_t(state.Catalogue.SelectedTrack)];
    if (IsBetterTime(time, track.BestTime))
      if (TImageListItem* record = Kit.GameImages().Find("newrecord"))
        record->Draw(403 + Kit.TextFont().TextWidth(text) / 2, 298, 0);
  }
  if (lines >= 3) TextCentred(kResultsColumn, 314, std::to_string(state.RacePoints));
  if (lines >= 4) TextCentred(kResultsColumn, 361, std::to_string(state.TotalScore));
  if (const char* message = UnlockMessage(state)) {
    if (TImageListItem* banner = Kit.GameImages().Find("scr_av")) banner->Draw(150, 465, 0);
    TextCentred(kMessageColumn, 480, message);
  }
}

void TResultsScreen::DrawLevel(TDifficulty level) {
  Kit.TickerFont().TextOut(kLevelX, kLevelY, "Opponents: " + std::string(DifficultyName(level)));
}

void TResultsScreen::TextCentred(int x, int y, const std::string& text) {
  TOmegaFont& font = Kit.TextFont();
  font.TextOut(x - font.TextWidth(text) / 2, y, text);
}

// "next": the best time is kept, the progress written at once (a crash or a power cut later must
// not cost the race), and the question whether to send the score takes the results' place;
// after a time trial the game goes straight back to the track selection.
void TResultsScreen::Confirm() {
  TGameState& state = Kit.GameState();
  Kit.PlaySound("check");
  KeepBestTime(state.Catalogue.Tracks[size_t(state.Catalogue.SelectedTrack)],
               PlayerFinishTime(Kit.World().Race));
  Kit.SaveGame(true);
  // No question after a time trial (no score to send) or without a score server (it could only fail).
  if (state.TimeTrial || !Kit.Scores().HasServer()) {
    Answer(false);
    return;
  }
  state.ResultLines = 0;
  PanelSprite->SetImage(Kit.GameImages().Find("scr_send"));
  for (const TResultsButton& answer : {kNoButton, kYesButton})
    if (TOmegaButton* button = Button(answer.Picture)) button->Visible = true;
  if (TOmegaButton* next = Button(kNextButton.Picture)) {
    std::erase(PageButtons, next);
    Kit.FreePageButton(*next);
  }
}

// "no" and "yes": back to the track selection with the demonstration race behind it; "yes"
// sends the score once the screens have changed.
void TResultsScreen::Answer(bool sendScore) {
  Kit.ChangeMusic("losemusic", "menumusic");
  Kit.PlaySound("check");
  Leave();
  Kit.LeaveScreen(gsRace);
  Kit.EnterScreen(gsChooseTrack);
  Kit.Backdrop().Create();
  if (!sendScore) return;
  const TGameState& state = Kit.GameState();
  Kit.Scores().SubmitScore({state.PlayerName, state.TotalScore, state.AddText});
}

void TResultsScreen::Leave() {
  PanelSprite = nullptr;
  Sprites.KillAll();
  Kit.FreePage();
  PageButtons.clear();
}
