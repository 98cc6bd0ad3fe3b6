#include "shell/Form1.h"

#include "race/GameProcedures.h"
#include "race/RaceClock.h"
#include "shell/PlaceholderScreen.h"
#include "shell/SettingsFiles.h"

TForm1::TForm1(const TFormServices& services)
    : OmegaScreen1(services.Video, services.Messages),
      OmegaTimer1(services.Clock),
      AnimTimer(services.Clock),
      RaceTimer(services.Clock, 10),
      Services(services) {
  // Component settings as the form was designed.
  OmegaScreen1.CenterX = 400;
  OmegaScreen1.CenterY = 300;
  OmegaScreen1.SetShowMouseCursor(false);
  OmegaTimer1.SetTargetFPS(90);
  OmegaTimer1.SetMinFPS(10);
  OmegaTimer1.SetMaxFPS(120);
  OmegaTimer1.SetFPSWarningFrames(10);
  OmegaTimer1.SetOnTimer([this](TOmegaTimer&) { OmegaTimer1Timer(); });
  AnimTimer.SetTargetFPS(0);
  RaceTimer.SetOnTimer([this] { RaceTimerTimer(); });
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
  const TClock& clock = Services.Clock;
  State.Random.seed(Services.Seed ? *Services.Seed : uint32_t(clock.Now()));
  State.FullScreen = State.AppliedFullScreen = false;
  State.MusicOn = State.SoundOn = true;
  State.AddText.clear();
  State.PlayerName.clear();
  State.HighScores = DefaultHighScores();
  State.TotalScore = 0;
  State.GameImagesPending = true;
  std::fill(State.KeyReleased.begin() + 1, State.KeyReleased.end(), false);

  OmegaScreen1.Width = 800;
  OmegaScreen1.Height = 600;
  OmegaScreen1.Initialize();

  State.EditChanged = false;
  FillTrackCatalogue(State.Catalogue);
  FillCarCatalogue(State.Catalogue);
  State.TotalScore = 0;
  State.Catalogue.TargetScore = 300;
  State.Catalogue.UnlockStage = 0;
  State.Catalogue.TargetSteps = kTargetSteps;
  OmegaScreen1.SetTextureFilter(true);
  State.Catalogue.TracksAvailable = 3;
  State.Catalogue.CarsAvailable = 2;
  // Both files lie in the working directory, the game folder.
  LoadSettings(State);
  if (State.AppliedFullScreen != OmegaScreen1.FullScreen()) OmegaScreen1.ToggleFullScreen();
  LoadProgress(State);
  MarkAvailableEntries(State.Catalogue);
  State.ScreenTicks = 0;
  if (Services.Audio) Services.Audio->Open(nullptr);
}

void TForm1::FormShow() {
  OmegaTimer1.SetEnabled(true);
  EnterScreen(gsIntro);
}

void TForm1::FormKeyDown(int key) {
  if (key >= 0 && key < 256) State.KeyHeld[size_t(key)] = true;
}

void TForm1::FormKeyUp(int key) {
  if (key < 0 || key >= 256) return;
  State.KeyReleased[size_t(key)] = true;
  State.KeyHeld[size_t(key)] = false;
}

void TForm1::FormMouseMove(int x, int y) {
  State.MouseX = x;
  State.MouseY = y;
}

void TForm1::FormMouseDown(TMouseButton, int x, int y) {
  FormMouseMove(x, y);
}

bool TForm1::FormCloseQuery() {
  return true;
}

void TForm1::RaceTimerTimer() {
  StepRaceClock(Race);
}

void TForm1::OmegaTimer1Timer() {
  ScreenFrame(State.CurrentScreen);
}

void TForm1::EnterScreen(TGameScreen screen) {
  State.CurrentScreen = screen;
  switch (screen) {
    case gsIntro:
      Placeholder = std::make_unique<TPlaceholderScreen>(OmegaScreen1);
      State.ScreenTicks = 0;
      break;
    default:
      break;
  }
}

void TForm1::ScreenFrame(TGameScreen screen) {
  switch (screen) {
    case gsIntro:
      Placeholder->Frame(State.ScreenTicks++);
      break;
    default:
      break;
  }
}

void TForm1::LeaveScreen(TGameScreen screen) {
  switch (screen) {
    case gsIntro:
      Placeholder.reset();
      break;
    default:
      break;
  }
}
