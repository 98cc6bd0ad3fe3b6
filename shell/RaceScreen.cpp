#include "shell/RaceScreen.h"

#include <string>

#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "engine/SystemTimer.h"
#include "race/EnemyCar.h"
#include "race/Indicators.h"
#include "race/IndicatorsMenu.h"
#include "race/Player.h"
#include "race/PlayerMark.h"
#include "race/RaceSetup.h"
#include "race/RaceWorld.h"
#include "race/TrackDebugOverlay.h"
#include "shell/GameState.h"
#include "shell/KeyCodes.h"
#include "shell/MenuBackdrop.h"
#include "shell/MenuSprites.h"
#include "shell/RaceRun.h"
#include "shell/TrackLabel.h"

namespace {

// Frames of the start sequence: the lights go green at kGreenLight and are gone at kLightsGone.
constexpr int kGreenLight = 250;
constexpr int kLightsGone = 300;
// Frames between the player's finish and the results.
constexpr int kFinishFrames = 150;
// The heads-up texts lie on the dashboard's plate (520) and under the race's dialogs (2000).
constexpr int kHudDepth = 530;
// The panel's title row: the track's number and name, centred over the rows, in the panel's yellow.
constexpr int kTitleCentre = 698, kTitleY = 7;
constexpr uint32_t kTitleColor = 0xFFFFD23F;
constexpr uint32_t kHudWhite = 0xFFFFFFFF;

}  // namespace

TRaceScreen::TRaceScreen(TScreenKit& kit)
    : Kit(kit), HudFont(kit.Display(), kit.FontLibrary()), Extras(kit) {}

// The track and the race pictures are read before anything changes, so a bad file leaves the
// menus as they were, with a message that names it.
void TRaceScreen::Start() {
  TGameState& state = Kit.GameState();
  const TTrack& track = state.Catalogue.Tracks[size_t(state.Catalogue.SelectedTrack)];
  TTrackFileResult file = ReadRaceTrack(track);
  if (!file.Ok()) {
    Kit.ShowMessage(file.Error);
    return;
  }
  // The menus' pictures let their textures go while the race runs; each comes back when drawn.
  Kit.MenuImages().Doze();
  if (state.GameImagesPending && !LoadGameImages()) return;
  PendingTrack = std::move(file.Records);
  Kit.ChangeMusic("menumusic", "gamemusic");
  Kit.Backdrop().KillRace();
  // A time trial starts from the track selection, without choosing the car.
  Kit.LeaveScreen(state.CurrentScreen == gsChooseTrack ? gsChooseTrack : gsChooseCar);
  Kit.EnterScreen(gsRace);
}

// Shows the loading picture while the race pictures are read; a package that cannot be read
// whole is reported (the message names it) and the game goes on without a race.
bool TRaceScreen::LoadGameImages() {
  TOmegaScreen& display = Kit.Display();
  display.Clear(0, 0, 0, 0);
  display.BeginScene();
  if (TImageListItem* back = Kit.MenuImages().Find("splash_back")) back->Draw(0, 0, 0);
  Kit.TextFont().SetFont("Arial Black", 55);
  Kit.TextFont().TextOut(326, 312, "LOADING...");
  display.EndScene();
  TOmegaImageList& images = Kit.GameImages();
  if (!images.LoadFromFile("Data\\data2.oil")) return false;
  images.SetOmegaScreen(&display);
  images.BuildTextures();
  Kit.GameState().GameImagesPending = false;
  return true;
}

void TRaceScreen::Enter() {
  TGameState& state = Kit.GameState();
  TRaceState& race = Kit.World().Race;
  TRaceContext& context = Kit.World().Context;
  state.KeyReleased.fill(false);
  HudFont.SetFont("Arial Black", 11);
  race.FinishCounter = 1;
  for (size_t row = 1; row < race.Results.size(); ++row) race.Results[row] = {};
  const TCatalogue& catalogue = state.Catalogue;
  TTrack track = catalogue.Tracks[size_t(catalogue.SelectedTrack)];
  TrackTitleLine = TrackLabel(track);
  if (state.TimeTrial) track.Rivals = 0;  // the player alone against the clock and the ghost
  PrepareRace(context, track, catalogue.SelectedCar, catalogue.CarsAvailable, PendingTrack);
  PendingTrack.clear();
  Extras.Start();
  state.RacePoints = 0;
  state.ScreenTicks = 0;
  TOmegaSprite& sprites = Kit.Sprites();
  StartArrows = &sprites.Create<TBegArrows>(context, 0, 321, 396);
  sprites.Create<TPlayerMark>(context);
  sprites.Create<TScreenLayer>("hud", kHudDepth, [this] { DrawHud(); });
  Kit.Cursor().Visible = false;
  Kit.RaceWatch().RaceEntered(context);
}

void TRaceScreen::Frame() {
  TGameState& state = Kit.GameState();
  TRaceState& race = Kit.World().Race;
  TOmegaImageList& images = Kit.GameImages();
  Kit.Display().Clear(0, 0, 0, 0);
  Kit.Display().BeginScene();
  images.BeginDraw();
  Kit.World().Step([this] {
    // Each frame shows the state the previous frame reached.
    Kit.Sprites().Draw();
    Kit.RaceWatch().BeforeMove();
  });
  StartLights(state.ScreenTicks);
  Extras.Frame();
  if (race.DebugView) DrawTrackDebugOverlay(Kit.World().Context);
  if (race.RaceFinished && !Kit.RaceWatch().RaceOnly()) {
    if (state.StepTicks == kFinishFrames) {
      Kit.RaceClock().SetEnabled(false);
      Kit.EnterScreen(gsRaceOver);  // the race stays behind the results until they are left
    } else {
      ++state.StepTicks;
    }
  } else if (race.RaceFinished) {
    ++state.StepTicks;  // a race without menus goes on until every car is in
  }
  if (race.OpponentCount + 2 == race.FinishCounter) Kit.RaceClock().SetEnabled(false);
  images.EndDraw();
  Kit.Display().EndScene();
  if (state.CurrentScreen == gsRace) Keys();
}

void TRaceScreen::StartLights(int t) {
  TRaceState& race = Kit.World().Race;
  auto draw = [this](const char* name, int x, int y, int alpha) {
    if (TImageListItem* picture = Kit.GameImages().Find(name))
      picture->DrawRGBA(x, y, 0, 0, 0, 1, 1, 255, 255, 255, alpha, false, 0, 0);
  };
  if (t > 0 && t < kGreenLight) draw("svetophor", 300, 50, 255);
  if (t == 50 || t == 150) Kit.PlaySound("svet1");
  if (t == kGreenLight) Kit.PlaySound("svet2");
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
    for (int i = 0; i < race.OpponentCount; ++i) race.Opponents[size_t(i)]->Speed = 0;
  if (t == kGreenLight) {
    race.Player->HasControl = true;
    Kit.RaceClock().SetEnabled(true);
    for (int i = 0; i < race.OpponentCount; ++i) race.Opponents[size_t(i)]->Racing = true;
  }
  if (t == kLightsGone && StartArrows) {
    StartArrows->Kill();
    StartArrows = nullptr;
    Kit.Sprites().RemoveDead();
  }
  if (t >= 0 && t <= kLightsGone) ++Kit.GameState().ScreenTicks;
}

// Drawn among the sprites at its own depth, in the race and under its dialogs and results alike.
void TRaceScreen::DrawHud() {
  const TRaceState& race = Kit.World().Race;
  const TPlayer& player = *race.Player;
  HudFont.SetColor(kTitleColor);
  HudFont.TextOut(kTitleCentre - HudFont.TextWidth(TrackTitleLine) / 2, kTitleY, TrackTitleLine);
  HudFont.SetColor(kHudWhite);
  HudFont.TextOut(643, 30, "Lap:            ");
  HudFont.TextOut(750, 30, std::to_string(std::max(player.Lap, 1)) + "/" + std::to_string(race.RaceLaps));
  HudFont.TextOut(643, 50, "Position:   ");
  HudFont.TextOut(750, 50, std::to_string(player.Position) + "/" + std::to_string(race.OpponentCount + 1));
  HudFont.TextOut(643, 70, "Time:      " + RaceTimeText(player.RaceTime));
  HudFont.TextOut(
      643, 90,
      player.Lap <= 1 ? std::string("Best Lap: -:--:--") : "Best Lap: " + RaceTimeText(player.BestLap));
  if (Kit.GameState().TimeTrial) Extras.DrawGhostGap(HudFont);
}

// Keys are read after the frame is shown; a key that changes the screen ends the frame.
void TRaceScreen::Keys() {
  std::array<bool, 256>& released = Kit.GameState().KeyReleased;
  if (released[VK_ESCAPE]) {
    released[VK_ESCAPE] = false;
    Kit.EnterScreen(gsExitRace);
  } else if (released[VK_F1] || released[VK_P]) {
    released[VK_F1] = released[VK_P] = false;
    Kit.EnterScreen(gsPause);
  } else if (released[VK_RETURN]) {
    released[VK_RETURN] = false;  // Enter means nothing in a race
  }
}

// Every sprite but the pointer goes: the cars, the track and what the race screen made.
void TRaceScreen::Leave() {
  TOmegaSprite& sprites = Kit.Sprites();
  for (int i = 0; i < sprites.Count(); ++i)
    if (sprites.Items(i)->Name() != "cursor") sprites.Items(i)->Kill();
  sprites.RemoveDead();
  StartArrows = nullptr;
  Extras.Stop();
  TRaceState& race = Kit.World().Race;
  race.Player = nullptr;
  race.OpponentCount = 0;
  race.Opponents.fill(nullptr);
  Kit.RaceWatch().RaceLeft();
}
