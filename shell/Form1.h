#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "assets/OmegaMusic.h"
#include "assets/OmegaSound3D.h"
#include "engine/FontLibrary.h"
#include "engine/OmegaBitmapFont.h"
#include "engine/OmegaFont.h"
#include "engine/OmegaGUI.h"
#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "engine/OmegaSprite.h"
#include "engine/OmegaTimer.h"
#include "engine/SystemTimer.h"
#include "platform/Clock.h"
#include "platform/InputEvent.h"
#include "platform/MessageBox.h"
#include "platform/VideoSystem.h"
#include "race/RaceSounds.h"
#include "race/RaceState.h"
#include "race/RaceWorld.h"
#include "shell/GameState.h"
#include "shell/MenuBackdrop.h"
#include "shell/RaceRun.h"
#include "shell/ScreenKit.h"
#include "shell/SettingsLock.h"
#include "web/GoToLink.h"
#include "web/ScoreSubmitter.h"

class TCursor;
struct TGhostLap;
class TOmegaButton;
class THallOfFameScreen;
class TScreen;
class TClosingScreen;
class TMainMenuScreen;
class THelpScreen;
class TExitGameScreen;
class TIntroScreen;
class TNameEntryScreen;
class TOptionsScreen;
class TSelectionScreen;
class TRaceScreen;
class TPauseScreen;
class TLeaveRaceScreen;
class TResultsScreen;

// What the form needs from the machine it runs on and how it was asked to run.
struct TFormServices {
  TVideoSystem& Video;
  const TClock& Clock;
  TMessageBoxes& Messages;
  bool Headless = false;         // no window: SDL's dummy audio unless told otherwise
  std::optional<uint32_t> Seed;  // none: seeded from the clock
  TRaceRunOptions RaceRun;       // --race, --autopilot, --trace
};

// The main form: owns every component of the game and the game-wide state, saves, and runs the
// screen machine. Every screen is an object of its own (IntroScreen.h, MainMenuScreen.h,
// RaceScreen.h, ...) and reaches the form only as its kit (ScreenKit.h).
class TForm1 : private TScreenKit {
 public:
  explicit TForm1(const TFormServices& services);
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // The form's events, in the order the window system raises them.
  void FormCreate();
  void FormShow();
  void FormDestroy();
  void FormKeyDown(int key);
  void FormKeyUp(int key);
  void FormMouseMove(int x, int y);
  void FormMouseDown(TMouseButton button, int x, int y);
  bool FormCloseQuery();
  void TakeScreenshot();

  // The frame event of OmegaTimer1.
  void OmegaTimer1Timer();
  // The 10 ms event of RaceTimer.
  void RaceTimerTimer();

  // The screen machine.
  void EnterScreen(TGameScreen screen) override;
  void ScreenFrame(TGameScreen screen);
  void LeaveScreen(TGameScreen screen) override;

  // Sound effects (only while sound is on) and the music modules. A missing or broken file is
  // reported once and the game goes on without it.
  void PlaySound(const std::string& name) override;
  void PlayMusic(const std::string& name) override;
  void StopMusic(const std::string& name) override;

  // The program is to end: the main loop stops after this frame. An unattended run that could
  // not do what it was asked ends with exit code 1.
  void Close(int exitCode = 0) {
    CloseRequested = true;
    if (exitCode != 0) ExitCode = exitCode;
  }
  bool Closing() const { return CloseRequested; }
  // The system asks the game to end (Ctrl+C, kill, logout): the settings and the progress are
  // saved as the quit dialog saves them, and the game ends after this frame with exit code 0,
  // without the closing screen and without opening any web page.
  void QuitAtOnce();
  int ExitStatus() const { return ExitCode; }

  // A race from the chosen track and car, as tests and unattended runs start it.
  void StartRace() override;

  // Components, in the order they are made; they are freed the other way round, so the sprites
  // go before the pictures they show and the display goes last.
  TOmegaScreen OmegaScreen1;
  TOmegaImageList OmegaImageList1;
  TOmegaImageList GameImageList;
  TOmegaImageList ShareList;
  TFontLibrary Fonts;
  TOmegaFont OmegaFont1, OmegaFont2, OmegaFont3, OmegaFont4;
  TOmegaBitmapFont OmegaBitmapFont1;
  TOmegaGUI OmegaGUI1;
  TOmegaTimer OmegaTimer1;
  TOmegaTimer AnimTimer;  // configured as the game has it, never enabled
  TSystemTimer RaceTimer;
  TOmegaMusic OmegaMusic1;
  TOmegaSound3D Sound3D;
  TRaceSounds RaceSounds;          // engines, tyres and knocks, played on Sound3D
  TScoreSubmitter ScoreSubmitter;  // the web requests, with their cookies for the program's life
  // Starts the desktop's opener for a link ("xdg-open ADDRESS"); tests put a recorder here.
  TLauncher LinkLauncher = LaunchDetached;

  TGameState State;
  TOmegaSprite OmegaSprite1;
  // The race: its state and the context its objects are made with, on the form's components.
  TRaceWorld RaceWorld;
  TRaceState& Race = RaceWorld.Race;
  TRaceContext& RaceContext = RaceWorld.Context;

  // The current screen's page of buttons (OmegaGUI1 owns it).
  TOmegaGUIList* MenuPage = nullptr;

  // The mouse pointer (the sprite engine owns it) and what runs behind the menus.
  TCursor* GameCursor = nullptr;
  TMenuBackdrop MenuBackdrop{static_cast<TScreenKit&>(*this)};

  // The screens that are objects of their own.
  std::unique_ptr<TIntroScreen> Intro;
  std::unique_ptr<TNameEntryScreen> NameEntry;
  std::unique_ptr<THallOfFameScreen> HallOfFame;
  std::unique_ptr<TMainMenuScreen> MainMenu;
  std::unique_ptr<THelpScreen> Help;
  std::unique_ptr<TOptionsScreen> Options;
  std::unique_ptr<TExitGameScreen> ExitGame;
  std::unique_ptr<TClosingScreen> ClosingScreen;
  std::unique_ptr<TSelectionScreen> TrackSelection, CarSelection;
  std::unique_ptr<TRaceScreen> RaceScreen;
  std::unique_ptr<TPauseScreen> Pause;
  std::unique_ptr<TLeaveRaceScreen> LeaveRaceDialog;
  std::unique_ptr<TResultsScreen> Results;

 private:
  // The dispatch: the object that runs a screen.
  TScreen* ScreenObject(TGameScreen screen);
  void ShowMessage(const std::string& text) override;
  // The race is heard only while its screen runs with the sound on.
  void RaceSoundFrame();

  // The kit the screen objects get: the form's own components.
  TOmegaScreen& Display() override { return OmegaScreen1; }
  TFontLibrary& FontLibrary() override { return Fonts; }
  TOmegaSprite& Sprites() override { return OmegaSprite1; }
  TOmegaImageList& MenuImages() override { return OmegaImageList1; }
  TOmegaGUI& Gui() override { return OmegaGUI1; }
  TGameState& GameState() override { return State; }
  TCursor& Cursor() override { return *GameCursor; }
  void CloseGame() override { Close(); }
  TRaceContext& SpriteContext() override { return RaceContext; }
  TOmegaGUIList& Page() override { return *MenuPage; }
  TOmegaBitmapFont& GuiFont() override { return OmegaBitmapFont1; }
  TOmegaFont& TextFont() override { return OmegaFont1; }
  TOmegaFont& TickerFont() override { return OmegaFont2; }
  TOmegaFont& TitleFont() override { return OmegaFont3; }
  TOmegaImageList& GameImages() override { return GameImageList; }
  TRaceWorld& World() override { return RaceWorld; }
  TSystemTimer& RaceClock() override { return RaceTimer; }
  TRaceRun& RaceWatch() override { return RaceRun; }
  TScoreSubmitter& Scores() override { return ScoreSubmitter; }
  void ChangeMusic(const std::string& stop, const std::string& play) override;

  // Saving (Saving.cpp): only the copy that holds the lock on the folder's settings saves there;
  // a player whose game cannot save is told so once, and each failure goes to stderr once.
  void TakeSaveLock();
  void SaveGame(bool withProgress) override;
  void SaveBestLap(const TGhostLap& lap) override;
  bool Saved(bool saved, const std::string& failure);
  void WarnAboutSaving(const char* text);

  // Pages of buttons (Pages.cpp): a new page for the screen, a button of a picture at (x, y)
  // whose click calls onClick, and freeing the page with the screen.
  void BuildPage() override;
  TOmegaButton& AddPageButton(TOmegaImageList& images, const std::string& picture, int x, int y,
                              std::function<void()> onClick) override;
  void FreePage() override;
  void FreePageButton(TOmegaButton& button) override;

  // What every menu screen does alike (MenuFrame.cpp).
  void SwitchScreen(TGameScreen from, const std::string& sound, TGameScreen to) override;
  void BeginMenuFrame() override;
  void EndMenuFrame() override;
  void DrawMenuPicture(const std::string& name, int x, int y) override;
  void DrawMenuTitle(const std::string& title) override;
  TMenuBackdrop& Backdrop() override { return MenuBackdrop; }

  TFormServices Services;
  TRaceRun RaceRun;
  bool CloseRequested = false;
  bool EndedBySystem = false;  // QuitAtOnce: no web page on the way out
  int ExitCode = 0;
  TSettingsLock SaveLock;
  bool SaveWarningShown = false;
  std::set<std::string> SaveFailuresTold;
};
