#include "shell/Form1.h"

#include <filesystem>

#include "assets/SoundError.h"
#include "engine/FatalError.h"
#include "race/GameProcedures.h"
#include "race/RaceClock.h"
#include "shell/ClosingScreen.h"
#include "shell/ExitGameScreen.h"
#include "shell/HallOfFameScreen.h"
#include "shell/HelpScreen.h"
#include "shell/IntroScreen.h"
#include "shell/KeyCodes.h"
#include "shell/MainMenuScreen.h"
#include "shell/MenuSprites.h"
#include "shell/NameEntryScreen.h"
#include "shell/OptionsScreen.h"
#include "shell/RaceDialogs.h"
#include "shell/RaceScreen.h"
#include "shell/ResultsScreen.h"
#include "shell/Screenshots.h"
#include "shell/SelectionScreen.h"
#include "shell/SettingsFiles.h"
#include "shell/SoundSetup.h"

TForm1::TForm1(const TFormServices& services)
    : OmegaScreen1(services.Video, services.Messages),
      OmegaImageList1(services.Messages),
      GameImageList(services.Messages),
      ShareList(services.Messages),
      OmegaFont1(OmegaScreen1, Fonts),
      OmegaFont2(OmegaScreen1, Fonts),
      OmegaFont3(OmegaScreen1, Fonts),
      OmegaFont4(OmegaScreen1, Fonts),
      OmegaBitmapFont1(OmegaScreen1, Fonts),
      OmegaGUI1(services.Clock, &OmegaBitmapFont1),
      OmegaTimer1(services.Clock),
      AnimTimer(services.Clock),
      RaceTimer(services.Clock, 10),
      Sound3D(services.Clock),
      RaceSounds(Sound3D, [this](const std::string& text) { ShowMessage(text); }),
      ScoreSubmitter(ScoreServerFromEnvironment()),
      OmegaSprite1(services.Messages),
      RaceWorld(GameImageList, services.Messages,
                {.MenuImages = &OmegaImageList1,
                 .Sprites = &OmegaSprite1,
                 .KeyHeld = &State.KeyHeld,
                 .KeyReleased = &State.KeyReleased,
                 .StepTicks = &State.StepTicks,
                 .Random = &State.Random,
                 .Difficulty = &State.Options.Difficulty}),
      Intro(std::make_unique<TIntroScreen>(static_cast<TScreenKit&>(*this))),
      NameEntry(std::make_unique<TNameEntryScreen>(static_cast<TScreenKit&>(*this))),
      HallOfFame(
          std::make_unique<THallOfFameScreen>(static_cast<TScreenKit&>(*this), ScoreServerFromEnvironment())),
      MainMenu(std::make_unique<TMainMenuScreen>(static_cast<TScreenKit&>(*this), LinkLauncher,
                                                 HallOfFame->HasServer())),
      Help(std::make_unique<THelpScreen>(static_cast<TScreenKit&>(*this))),
      Options(std::make_unique<TOptionsScreen>(static_cast<TScreenKit&>(*this))),
      ExitGame(std::make_unique<TExitGameScreen>(static_cast<TScreenKit&>(*this))),
      ClosingScreen(std::make_unique<TClosingScreen>(static_cast<TScreenKit&>(*this), ShareList, OmegaFont4,
                                                     LinkLauncher)),
      TrackSelection(std::make_unique<TSelectionScreen>(static_cast<TScreenKit&>(*this), gsChooseTrack)),
      CarSelection(std::make_unique<TSelectionScreen>(static_cast<TScreenKit&>(*this), gsChooseCar)),
      RaceScreen(std::make_unique<TRaceScreen>(static_cast<TScreenKit&>(*this))),
      Pause(std::make_unique<TPauseScreen>(static_cast<TScreenKit&>(*this))),
      LeaveRaceDialog(std::make_unique<TLeaveRaceScreen>(static_cast<TScreenKit&>(*this))),
      Results(std::make_unique<TResultsScreen>(static_cast<TScreenKit&>(*this))),
      Services(services),
      RaceRun(services.RaceRun) {
  // Component settings as the form was designed.
  OmegaScreen1.CenterX = 400;
  OmegaScreen1.CenterY = 300;
  OmegaScreen1.SetShowMouseCursor(false);
  OmegaBitmapFont1.SetOmegaImageList(&OmegaImageList1);
  OmegaBitmapFont1.SetOmegaImageIndex(0);
  OmegaBitmapFont1.LineSpace = 10;
  OmegaTimer1.SetTargetFPS(90);
  OmegaTimer1.SetMinFPS(10);
  OmegaTimer1.SetMaxFPS(120);
  OmegaTimer1.SetFPSWarningFrames(10);
  OmegaTimer1.SetOnTimer([this](TOmegaTimer&) { OmegaTimer1Timer(); });
  AnimTimer.SetTargetFPS(0);
  RaceTimer.SetOnTimer([this] { RaceTimerTimer(); });
  ConfigureSound3D(Sound3D);
  // A run without a window opens no browser either.
  if (services.Headless) LinkLauncher = [](const std::vector<std::string>&) {};
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

  // The game folder is the working directory (the program's folder, or --data-dir).
  const std::string gameFolder = std::filesystem::current_path().string();
  for (TOmegaImageList* list : {&OmegaImageList1, &GameImageList, &ShareList}) list->GameFolder = gameFolder;
  // Without the menu pictures there is nothing to show: the message names the file.
  if (!OmegaImageList1.LoadFromFile("Data\\data1.oil"))
    throw TFatalError(OmegaImageList1.ImageList.LastError());
  OmegaGUI1.Activate();

  OmegaScreen1.Width = 800;
  OmegaScreen1.Height = 600;
  OmegaScreen1.Initialize();
  OmegaImageList1.SetOmegaScreen(&OmegaScreen1);
  OmegaImageList1.BuildTextures();

  State.EditChanged = false;
  FillTrackCatalogue(State.Catalogue);
  FillCarCatalogue(State.Catalogue);
  State.TotalScore = 0;
  State.Catalogue.TargetScore = 300;
  State.Catalogue.UnlockStage = 0;
  State.Catalogue.TargetSteps = kTargetSteps;
  OmegaScreen1.SetTextureFilter(true);
  GameCursor = &OmegaSprite1.Create<TCursor>(OmegaImageList1, State);
  State.Catalogue.TracksAvailable = kStartTracks;
  State.Catalogue.CarsAvailable = kStartCars;
  TakeSaveLock();
  // Both files lie in the working directory, the game folder.
  LoadSettings(State);
  if (State.AppliedFullScreen != OmegaScreen1.FullScreen()) OmegaScreen1.ToggleFullScreen();
  LoadProgress(State);
  LoadGameOptions(State.Options);
  if (const std::optional<TDifficulty> level = RaceRun.Options().Difficulty)
    State.Options.Difficulty = *level;
  MarkAvailableEntries(State.Catalogue);
  OmegaFont1.SetFont("Friday13", 30);
  State.ScreenTicks = 0;
  Sound3D.CreateAudioPaths();
  Sound3D.OpenDevice(Services.Headless);
  ShareList.SetOmegaScreen(&OmegaScreen1);
  ClosingScreen->Load();
}

void TForm1::FormShow() {
  OmegaTimer1.SetEnabled(true);
  PlayMusic("menumusic");
  if (!State.MusicOn) StopMusic("menumusic");
  std::string error;
  if (!RaceRun.Open(error)) {
    ShowMessage(error);
    Close(1);
    return;
  }
  if (const auto& request = RaceRun.Options().Race) {
    State.Catalogue.SelectedTrack = request->Track;
    State.Catalogue.SelectedCar = request->Car;
    State.TimeTrial = RaceRun.Options().TimeTrial;
    StartRace();
    if (State.CurrentScreen != gsRace) Close(1);  // the track could not be read
    return;
  }
  EnterScreen(gsIntro);
}

void TForm1::FormDestroy() {
  for (const char* name : {"losemusic", "gamemusic", "menumusic"})
    if (TModListItem* module = Sound3D.ModList.Find(name)) module->Unload();
  RaceRun.PrintResults(Race);
  if (!EndedBySystem) OpenLink("play.url", LinkLauncher);
}

void TForm1::FormKeyDown(int key) {
  if (key >= 0 && key < 256) State.KeyHeld[size_t(key)] = true;
  if (key == VK_F12) TakeScreenshot();
}

// F12: the next frame is saved as a picture for the player.
void TForm1::TakeScreenshot() {
  OmegaScreen1.RequestScreenshot((ScreenshotFolder() / ScreenshotName(std::time(nullptr))).string());
  PlaySound("check");
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

// Only the closing screen takes the mouse itself; everything else goes through the GUI.
void TForm1::FormMouseDown(TMouseButton button, int x, int y) {
  if (State.CurrentScreen == gsShare && button == TMouseButton::Left) ClosingScreen->Click(x, y);
}

bool TForm1::FormCloseQuery() {
  return ClosingScreen->CanClose();
}

void TForm1::RaceTimerTimer() {
  StepRaceClock(Race);
}

void TForm1::OmegaTimer1Timer() {
  if (std::optional<std::string> text = ScoreSubmitter.TakeMessage()) ShowMessage(*text);
  if (State.MusicOn) OmegaMusic1.UpdateSongs();
  ScreenFrame(State.CurrentScreen);
  RaceSoundFrame();
}

void TForm1::PlaySound(const std::string& name) {
  TSoundListItem* sound = State.SoundOn ? Sound3D.SoundList.Find(name) : nullptr;
  if (!sound || sound->LoadFailed()) return;
  try {
    sound->Play();
  } catch (const ESoundError& e) {
    ShowMessage(e.what());
  }
}

void TForm1::PlayMusic(const std::string& name) {
  TModListItem* module = Sound3D.ModList.Find(name);
  if (!module || module->LoadFailed()) return;
  try {
    module->Play();
  } catch (const ESoundError& e) {
    ShowMessage(e.what());
  }
}

void TForm1::StopMusic(const std::string& name) {
  if (TModListItem* module = Sound3D.ModList.Find(name)) module->Stop();
}

void TForm1::ChangeMusic(const std::string& stop, const std::string& play) {
  if (!State.MusicOn) return;
  StopMusic(stop);
  PlayMusic(play);
}

void TForm1::StartRace() {
  RaceScreen->Start();
}

// The cars' knocks are taken every frame all the same, so none is heard late; the pause, the
// dialogs, the results and the menus silence the race.
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

void TForm1::ShowMessage(const std::string& text) {
  Services.Messages.Show("Morvel Racing", text);
}

// The object that runs each screen; none for a screen the game never enters.
TScreen* TForm1::ScreenObject(TGameScreen screen) {
  switch (screen) {
    case gsIntro:
      return Intro.get();
    case gsEnterName:
      return NameEntry.get();
    case gsMainMenu:
      return MainMenu.get();
    case gsHelp:
      return Help.get();
    case gsOptions:
      return Options.get();
    case gsExitGame:
      return ExitGame.get();
    case gsShare:
      return ClosingScreen.get();
    case gsChooseTrack:
      return TrackSelection.get();
    case gsChooseCar:
      return CarSelection.get();
    case gsRace:
      return RaceScreen.get();
    case gsPause:
      return Pause.get();
    case gsExitRace:
      return LeaveRaceDialog.get();
    case gsRaceOver:
      return Results.get();
    case gsHallOfFame:
      return HallOfFame.get();
    default:
      return nullptr;
  }
}

void TForm1::EnterScreen(TGameScreen screen) {
  State.CurrentScreen = screen;
  // Only the pictures a screen draws keep their textures: the rest come back when drawn again.
  OmegaImageList1.Doze();
  if (TScreen* object = ScreenObject(screen)) object->Enter();
}

void TForm1::ScreenFrame(TGameScreen screen) {
  // The opponents drive the race's way only while the race screen itself runs.
  Race.RaceScreen = screen == gsRace;
  if (TScreen* object = ScreenObject(screen)) object->Frame();
  if (const std::optional<int> exitCode =
          RaceRun.AfterFrame(Race, OmegaTimer1.TotalFrames(), State.CurrentScreen, State.StepTicks))
    Close(*exitCode);
}

void TForm1::LeaveScreen(TGameScreen screen) {
  if (TScreen* object = ScreenObject(screen)) object->Leave();
}
