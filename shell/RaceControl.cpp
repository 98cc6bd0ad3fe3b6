// Race control: from the race button to the results, with the pause and the start lights.
#include <string>

#include "engine/OmegaButton.h"
#include "race/EnemyCar.h"
#include "race/GhostRace.h"
#include "race/Indicators.h"
#include "race/IndicatorsMenu.h"
#include "race/Player.h"
#include "race/PlayerMark.h"
#include "race/RaceSetup.h"
#include "race/TrackDebugOverlay.h"
#include "shell/Form1.h"
#include "shell/KeyCodes.h"
#include "shell/MenuSprites.h"

namespace {

// Frames of the start sequence: the lights go green at kGreenLight and are gone at kLightsGone.
constexpr int kGreenLight = 250;
constexpr int kLightsGone = 300;
// Frames between the player's finish and the results.
constexpr int kFinishFrames = 150;
// The heads-up texts lie on the dashboard's plate (520) and under the race's dialogs (2000).
constexpr int kHudDepth = 530;
// The race's dialogs keep clear of the player's car (centred on 396, 321) and of the heads-up
// texts (top right): the pause banner lies between the two, the leave-race dialog above and left
// of the car; the dialog and its buttons start 20 steps of 40 pixels left of their places.
constexpr float kPauseX = 130, kPauseY = 150;
constexpr int kExitSlide = 20 * 40;
constexpr int kExitDialogX = 20, kExitDialogY = 16;
constexpr int kExitNoX = kExitDialogX + 250, kExitYesX = kExitDialogX + 384,
              kExitButtonsY = kExitDialogY + 176;

}  // namespace

void TForm1::StartRace() {
  const TTrack& track = State.Catalogue.Tracks[size_t(State.Catalogue.SelectedTrack)];
  // The track and the race pictures are read before anything changes, so a bad file leaves the
  // menus as they were, with a message that names it.
  TTrackFileResult file = ReadRaceTrack(track);
  if (!file.Ok()) {
    ShowMessage(file.Error);
    return;
  }
  // The menus' pictures let their textures go while the race runs; each comes back when drawn.
  OmegaImageList1.Doze();
  if (State.GameImagesPending && !LoadGameImages()) return;
  PendingTrack = std::move(file.Records);
  if (State.MusicOn) {
    StopMusic("menumusic");
    PlayMusic("gamemusic");
  }
  KillMenuRace();
  // A time trial starts from the track selection, without choosing the car.
  LeaveScreen(State.CurrentScreen == gsChooseTrack ? gsChooseTrack : gsChooseCar);
  EnterScreen(gsRace);
}

// The demonstration race's cars go, its invisible player's car too.
void TForm1::KillMenuRace() {
  for (int i = 0; i < OmegaSprite1.Count(); ++i)
    if (const std::string& name = OmegaSprite1.Items(i)->Name(); name == "enemy" || name == "player")
      OmegaSprite1.Items(i)->Kill();
  Race.Player = nullptr;
  Race.OpponentCount = 0;
  Race.Opponents.fill(nullptr);
  for (TLight*& light : MenuLights) {
    if (light) light->Kill();
    light = nullptr;
  }
  OmegaSprite1.RemoveDead();
}

// Shows the loading picture while the race pictures are read; a package that cannot be read
// whole is reported (the message names it) and the game goes on without a race.
bool TForm1::LoadGameImages() {
  OmegaScreen1.Clear(0, 0, 0, 0);
  OmegaScreen1.BeginScene();
  if (TImageListItem* back = OmegaImageList1.Find("splash_back")) back->Draw(0, 0, 0);
  OmegaFont1.SetFont("Arial Black", 55);
  OmegaFont1.TextOut(326, 312, "LOADING...");
  OmegaScreen1.EndScene();
  if (!GameImageList.LoadFromFile("Data\\data2.oil")) return false;
  GameImageList.SetOmegaScreen(&OmegaScreen1);
  GameImageList.BuildTextures();
  State.GameImagesPending = false;
  return true;
}

void TForm1::EnterRace() {
  State.KeyReleased.fill(false);
  HudFont.SetFont("Arial Black", 11);
  State.CurrentScreen = gsRace;
  Race.FinishCounter = 1;
  for (size_t row = 1; row < Race.Results.size(); ++row) Race.Results[row] = {};
  const TCatalogue& catalogue = State.Catalogue;
  TTrack track = catalogue.Tracks[size_t(catalogue.SelectedTrack)];
  if (State.TimeTrial) track.Rivals = 0;  // the player alone against the clock and the ghost
  PrepareRace(RaceContext, track, catalogue.SelectedCar, catalogue.CarsAvailable, PendingTrack);
  PendingTrack.clear();
  StartRaceExtras();
  State.RacePoints = 0;
  State.ScreenTicks = 0;
  StartArrows = &OmegaSprite1.Create<TBegArrows>(RaceContext, 0, 321, 396);
  OmegaSprite1.Create<TPlayerMark>(RaceContext);
  OmegaSprite1.Create<TScreenLayer>("hud", kHudDepth, [this] { DrawHud(); });
  GameCursor->Visible = false;
  RaceRun.RaceEntered(RaceContext);
}

void TForm1::RaceFrame() {
  OmegaScreen1.Clear(0, 0, 0, 0);
  OmegaScreen1.BeginScene();
  GameImageList.BeginDraw();
  RaceWorld.Step([this] {
    // Each frame shows the state the previous frame reached.
    OmegaSprite1.Draw();
    RaceRun.BeforeMove();
  });
  StartLights(State.ScreenTicks);
  RaceExtrasFrame();
  if (Race.DebugView) DrawTrackDebugOverlay(RaceContext);
  if (Race.RaceFinished && !RaceRun.RaceOnly()) {
    if (State.StepTicks == kFinishFrames) {
      RaceTimer.SetEnabled(false);
      EnterScreen(gsRaceOver);  // the race stays behind the results until they are left
    } else {
      ++State.StepTicks;
    }
  } else if (Race.RaceFinished) {
    ++State.StepTicks;  // a race without menus goes on until every car is in
  }
  if (Race.OpponentCount + 2 == Race.FinishCounter) RaceTimer.SetEnabled(false);
  GameImageList.EndDraw();
  OmegaScreen1.EndScene();
  if (State.CurrentScreen == gsRace) RaceKeys();
}

void TForm1::StartLights(int t) {
  auto draw = [this](const char* name, int x, int y, int alpha) {
    if (TImageListItem* picture = GameImageList.Find(name))
      picture->DrawRGBA(x, y, 0, 0, 0, 1, 1, 255, 255, 255, alpha, false, 0, 0);
  };
  if (t > 0 && t < kGreenLight) draw("svetophor", 300, 50, 255);
  if (t == 50 || t == 150) PlaySound("svet1");
  if (t == kGreenLight) PlaySound("svet2");
  if (t > 50 && t < kGreenLight) draw("redlight", 265, 18, 255);
  if (t > 150 && t < kGreenLight) draw("yellowlight", 335, 18, 255);
  if (t >= kGreenLight && t < kLightsGone) {
    const int alpha = 1505 - 5 * t;
    draw("svetophor", 300, 50, alpha);
    draw("redlight", 265, 18, alpha);
    draw("yellowlight", 335, 18, alpha);
    draw("greenlight", 404, 18, alpha);
    if (StartArrows) StartArrows->SetAlpha(StartArrows->Alpha() - 5);
  }
  if (t < kGreenLight)
    for (int i = 0; i < Race.OpponentCount; ++i) Race.Opponents[size_t(i)]->Speed = 0;
  if (t == kGreenLight) {
    Race.Player->HasControl = true;
    RaceTimer.SetEnabled(true);
    for (int i = 0; i < Race.OpponentCount; ++i) Race.Opponents[size_t(i)]->Racing = true;
  }
  if (t == kLightsGone && StartArrows) {
    StartArrows->Kill();
    StartArrows = nullptr;
    OmegaSprite1.RemoveDead();
  }
  if (t >= 0 && t <= kLightsGone) ++State.ScreenTicks;
}

// Drawn among the sprites at its own depth, in the race and under its dialogs and results alike.
void TForm1::DrawHud() {
  const TPlayer& player = *Race.Player;
  HudFont.TextOut(643, 30, "Lap:            ");
  HudFont.TextOut(750, 30, std::to_string(std::max(player.Lap, 1)) + "/" + std::to_string(Race.RaceLaps));
  HudFont.TextOut(643, 50, "Position:   ");
  HudFont.TextOut(750, 50, std::to_string(player.Position) + "/" + std::to_string(Race.OpponentCount + 1));
  HudFont.TextOut(643, 70, "Time:      " + RaceTimeText(player.RaceTime));
  HudFont.TextOut(
      643, 90,
      player.Lap <= 1 ? std::string("Best Lap: -:--:--") : "Best Lap: " + RaceTimeText(player.BestLap));
  if (State.TimeTrial) DrawGhostGap();
}

// Keys are read after the frame is shown; a key that changes the screen ends the frame.
void TForm1::RaceKeys() {
  std::array<bool, 256>& released = State.KeyReleased;
  if (released[VK_ESCAPE]) {
    released[VK_ESCAPE] = false;
    EnterScreen(gsExitRace);
  } else if (released[VK_F1] || released[VK_P]) {
    released[VK_F1] = released[VK_P] = false;
    EnterScreen(gsPause);
  } else if (released[VK_RETURN]) {
    released[VK_RETURN] = false;  // Enter means nothing in a race
  }
}

// The race is heard only while its screen runs with the sound on: the pause, the dialogs, the
// results and the menus silence it. The cars' knocks are taken every frame all the same, so none
// is heard late.
void TForm1::RaceSoundFrame() {
  if (!Race.Player) {
    RaceSounds.Silence();
    return;
  }
  const TRaceHearing hearing = HearRace(Race, State.KeyHeld);
  if (State.CurrentScreen == gsRace && State.SoundOn) {
    RaceSounds.Hear(hearing);
  } else {
    RaceSounds.Silence();
  }
}

void TForm1::LeaveRace() {
  for (int i = 0; i < OmegaSprite1.Count(); ++i)
    if (OmegaSprite1.Items(i)->Name() != "cursor") OmegaSprite1.Items(i)->Kill();
  OmegaSprite1.RemoveDead();
  StartArrows = nullptr;
  Ghost.reset();
  TrackMap = nullptr;
  TyreMarks = nullptr;
  Race.Player = nullptr;
  Race.OpponentCount = 0;
  Race.Opponents.fill(nullptr);
  RaceRun.RaceLeft();
}

void TForm1::EnterPause() {
  State.KeyReleased.fill(false);
  State.CurrentScreen = gsPause;
  RaceTimer.SetEnabled(false);
  GameScreenSprite = &OmegaSprite1.Create<TGameMenuScreen>(GameImageList, true, 255, "pause", "scr_pause",
                                                           2000, kPauseY, kPauseX);
  GameCursor->Visible = true;
}

void TForm1::PauseFrame() {
  std::array<bool, 256>& released = State.KeyReleased;
  if (released[VK_ESCAPE] || released[VK_F1] || released[VK_P]) {
    released[VK_ESCAPE] = released[VK_F1] = released[VK_P] = false;
    ResumeRace();
    LeaveScreen(gsPause);
    State.CurrentScreen = gsRace;
    return;
  }
  DrawFrozenRace();
}

// Back to the race without entering it again: the race clock runs on only while the player
// drives (not before the start signal, not after the finish).
void TForm1::ResumeRace() {
  if (Race.Player->HasControl) RaceTimer.SetEnabled(true);
}

// Opens a frame of the race's screens that stand still: the race's sprites as they are (no move
// pass), the page's buttons, the cursor moved to the mouse but not yet drawn.
void TForm1::BeginStillRaceFrame() {
  OmegaScreen1.Clear(0, 0, 0, 0);
  OmegaScreen1.BeginScene();
  GameImageList.BeginDraw();
  OmegaSprite1.Draw();
  OmegaGUI1.Draw();
  GameCursor->DoMove(0);
}

// The race as it stood, with its heads-up texts, under a dialog.
void TForm1::DrawFrozenRace() {
  BeginStillRaceFrame();
  GameCursor->DoDraw();
  GameImageList.EndDraw();
  OmegaScreen1.EndScene();
}

void TForm1::LeavePause() {
  GameScreenSprite->Kill();
  GameScreenSprite = nullptr;
  OmegaSprite1.RemoveDead();
  GameCursor->Visible = false;
}

void TForm1::EnterExitRace() {
  State.KeyReleased.fill(false);
  State.CurrentScreen = gsExitRace;
  RaceTimer.SetEnabled(false);
  BuildPage();
  AddPageButton(GameImageList, "b_no1", kExitNoX - kExitSlide, kExitButtonsY, [this] { ExitRaceResume(); });
  AddPageButton(GameImageList, "b_yes1", kExitYesX - kExitSlide, kExitButtonsY, [this] { ExitRaceLeave(); });
  GameScreenSprite =
      &OmegaSprite1.Create<TGameMenuScreen>(GameImageList, true, 255, "menuexitgame", "scr_exitgame", 2000,
                                            float(kExitDialogY), float(kExitDialogX - kExitSlide));
  State.StepTicks = 0;
  GameCursor->Visible = true;
}

void TForm1::ExitRaceFrame() {
  std::array<bool, 256>& released = State.KeyReleased;
  if (released[VK_ESCAPE]) {
    PlaySound("check2");
    released[VK_ESCAPE] = false;
    ResumeRace();
    LeaveScreen(gsExitRace);
    State.CurrentScreen = gsRace;
    GameCursor->Visible = false;
    return;
  }
  if (released[VK_RETURN]) {
    released[VK_RETURN] = false;
    ExitRaceLeave();
    return;
  }
  // The dialog slides in from the left in 20 frames.
  if (State.StepTicks >= 0 && State.StepTicks < 20) {
    for (TOmegaButton* button : PageButtons) button->Left += 40;
    GameScreenSprite->SetX(GameScreenSprite->X() + 40);
    ++State.StepTicks;
  }
  DrawFrozenRace();
}

void TForm1::ExitRaceResume() {
  LeaveScreen(gsExitRace);
  PlaySound("check");
  State.CurrentScreen = gsRace;
  ResumeRace();
  GameCursor->Visible = false;
}

// No score for a race that is left.
void TForm1::ExitRaceLeave() {
  if (State.MusicOn) {
    StopMusic("gamemusic");
    PlayMusic("menumusic");
  }
  LeaveScreen(gsExitRace);
  LeaveScreen(gsRace);
  EnterScreen(gsMainMenu);
  CreateMenuBackground();
}

void TForm1::LeaveExitRace() {
  GameScreenSprite->Kill();
  GameScreenSprite = nullptr;
  OmegaSprite1.RemoveDead();
  FreePage();
}
