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
#include "race/IndicatorsTicker.h"
#include "race/RaceSounds.h"
#include "race/RaceState.h"
#include "race/RaceWorld.h"
#include "race/TrackFile.h"
#include "shell/GameState.h"
#include "shell/RaceRun.h"
#include "shell/ScreenKit.h"
#include "shell/SettingsLock.h"
#include "web/GoToLink.h"
#include "web/ScoreSubmitter.h"
#include "web/Share.h"

class TCursor;
class TMenuScreen;
class TBegArrows;
class TLight;
class TGhostRace;
struct TGhostLap;
class TTrackMap;
class TTyreMarks;
class THelpButton;
class TOmegaButton;
class TOmegaEdit;
class THallOfFameScreen;

// What the form needs from the machine it runs on and how it was asked to run.
struct TFormServices {
  TVideoSystem& Video;
  const TClock& Clock;
  TMessageBoxes& Messages;
  bool Headless = false;         // no window: SDL's dummy audio unless told otherwise
  std::optional<uint32_t> Seed;  // none: seeded from the clock
  TRaceRunOptions RaceRun;       // --race, --autopilot, --trace
};

// The main form: owns every component of the game and the game-wide state, and runs the
// screen machine. Each family of screens lives in a file of its own (RaceControl.cpp, ...); screen
// objects (HallOfFameScreen.h) reach the form only as their kit.
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
  void EnterScreen(TGameScreen screen);
  void ScreenFrame(TGameScreen screen);
  void LeaveScreen(TGameScreen screen);

  // Sound effects (only while sound is on) and the music modules. A missing or broken file is
  // reported once and the game goes on without it.
  void PlaySound(const std::string& name) override;
  void PlayMusic(const std::string& name);
  void StopMusic(const std::string& name);

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

  // Set-ups that tests drive directly: the menus' background race, and a race from the
  // chosen track and car.
  void CreateMenuBackground();
  void StartRace();

  // The menus' sprites and help buttons, which the screens keep hold of.
  TMenuScreen* ScreenSprite = nullptr;
  TMenuScreen* ScreenSprite2 = nullptr;
  std::array<THelpButton*, 8> HelpButtons{};
  int HelpPage = 1;

  // Components, in the order they are made; they are freed the other way round, so the sprites
  // go before the pictures they show and the display goes last.
  TOmegaScreen OmegaScreen1;
  TOmegaImageList OmegaImageList1;
  TOmegaImageList GameImageList;
  TOmegaImageList ShareList;
  TFontLibrary Fonts;
  TOmegaFont OmegaFont1, OmegaFont2, OmegaFont3, OmegaFont4;
  TOmegaFont HudFont;  // the race's heads-up texts, which stay behind the results' own lines
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
  std::unique_ptr<TShareScreen> ShareScreen;  // the closing screen

  TGameState State;
  TOmegaSprite OmegaSprite1;
  // The race: its state and the context its objects are made with, on the form's components.
  TRaceWorld RaceWorld;
  TRaceState& Race = RaceWorld.Race;
  TRaceContext& RaceContext = RaceWorld.Context;

  // The current screen's page of buttons (OmegaGUI1 owns it), its buttons in the order they were
  // made, and its edit box where the screen has one.
  TOmegaGUIList* MenuPage = nullptr;
  std::vector<TOmegaButton*> PageButtons;
  TOmegaEdit* PageEdit = nullptr;

  // Sprites the screens keep hold of; the sprite engine owns them.
  TCursor* GameCursor = nullptr;
  TMenuScreen* GameScreenSprite = nullptr;
  std::array<TLight*, 3> MenuLights{};
  TRunningString* Ticker = nullptr;
  // Track and car selection (SelectionScreens.cpp): the entry's picture and the four bars of the
  // car's driving values, beside the screen's ScreenSprite and ScreenSprite2.
  TMenuScreen* PreviewSprite = nullptr;
  std::array<TMenuScreen*, 4> StatBars{};

  // The screens that are objects of their own.
  std::unique_ptr<THallOfFameScreen> HallOfFame;

 private:
  void ShowMessage(const std::string& text);

  // The kit the screen objects get: the form's own components.
  TOmegaScreen& Display() override { return OmegaScreen1; }
  TFontLibrary& FontLibrary() override { return Fonts; }
  TOmegaSprite& Sprites() override { return OmegaSprite1; }
  TOmegaImageList& MenuImages() override { return OmegaImageList1; }
  TOmegaGUI& Gui() override { return OmegaGUI1; }
  TGameState& GameState() override { return State; }

  // Saving (Saving.cpp): only the copy that holds the lock on the folder's settings saves there;
  // a player whose game cannot save is told so once, and each failure goes to stderr once.
  void TakeSaveLock();
  void SaveGame(bool withProgress);
  void SaveBestLap(const TGhostLap& lap);
  bool Saved(bool saved, const std::string& failure);
  void WarnAboutSaving(const char* text);

  // Pages of buttons (Pages.cpp): a new page for the screen, a button of a picture at (x, y)
  // whose click calls onClick, and freeing the page with the screen.
  void BuildPage() override;
  TOmegaButton& AddPageButton(TOmegaImageList& images, const std::string& picture, int x, int y,
                              std::function<void()> onClick) override;
  void FreePage() override;

  // Behind the menus (MenuBackground.cpp): the lights drawn once more on top, the ticker and
  // its visible text.
  void DrawMenuLights() override;
  void DrawTicker() override;
  TTickerFacts TickerFacts() const;
  void RebuildTicker();

  // Menus (IntroScreens.cpp, MenuScreens.cpp, OptionsScreen.cpp, MenuFrame.cpp, MenuEdit.cpp).
  void EnterIntro();
  void AddIntroSkip();
  bool IntroSkipped() const;
  void IntroFrame();
  void IntroFades(int t);
  void EndIntro();
  void LeaveIntro();
  void EnterNameEntry();
  void NameEntryFrame();
  void NameEntryOk();
  void LeaveNameEntry();
  void EnterMainMenu();
  void MainMenuFrame();
  void LeaveMainMenu();
  void AddLinkButton(const std::string& picture, int x, int y, const std::string& file);
  void OpenMenuLink(const std::string& file);
  void EnterHelp();
  void HelpFrame();
  void ShowHelpPage(int page);
  void LeaveHelp();
  void EnterOptions();
  void OptionsFrame();
  void AddOptionSwitch(int x, int y, bool& setting);
  void OptionKeys();
  void SetMenuMusic(bool on);
  void ApplyOptions();
  void CancelOptions();
  void RestoreOptions();
  void TakeBackOptions();
  void LeaveOptions();
  void EnterExitGame();
  void ExitGameFrame();
  void ExitGameYes();
  void LeaveExitGame();
  void SwitchScreen(TGameScreen from, const std::string& sound, TGameScreen to) override;
  void BeginMenuFrame() override;
  void EndMenuFrame() override;
  void DrawMenuPicture(const std::string& name, int x, int y) override;
  void DrawMenuPictureCentred(const std::string& name, int centreX, int centreY);
  void DrawMenuTitle(const std::string& title) override;
  void DrawTitleOverlay();
  void DrawCornerEmblem();
  TMenuScreen& CreateMenuSprite(const std::string& name, const std::string& picture, int z, int x, int y);
  TOmegaEdit& AddPageEdit(const std::string& picture, int x, int y, int fontSize, uint32_t color,
                          const std::string& text);
  void BlinkCaret();
  void EditKeys();

  // The options as they were when the options screen was entered.
  bool SoundBackup = true, MusicBackup = true, FullScreenBackup = false;
  TGameOptions OptionsBackup;
  std::string AddTextBackup;

  // Race control (RaceControl.cpp).
  void DrawHud();
  void EnterRace();
  void RaceFrame();
  void StartLights(int t);
  void RaceKeys();
  void RaceSoundFrame();
  void LeaveRace();
  void EnterPause();
  void PauseFrame();
  void LeavePause();
  void ResumeRace();
  void BeginStillRaceFrame();
  void DrawFrozenRace();
  void EnterExitRace();
  void ExitRaceFrame();
  void LeaveExitRace();
  void ExitRaceResume();
  void ExitRaceLeave();
  bool LoadGameImages();
  void KillMenuRace();
  TBegArrows* StartArrows = nullptr;  // the arrows under the start lights (sprite engine owned)

  // The ghost of the best lap, the track map and the tyre marks (RaceExtras.cpp).
  void StartRaceExtras();
  void RaceExtrasFrame();
  void DrawGhostGap();
  std::unique_ptr<TGhostRace> Ghost;
  TTrackMap* TrackMap = nullptr;    // sprite engine owned
  TTyreMarks* TyreMarks = nullptr;  // sprite engine owned

  // Track and car selection (SelectionScreens.cpp).
  void EnterChooseTrack();
  void EnterChooseCar();
  void StartSelection();
  void BuildSelectionPage();
  void ShowTrack();
  void ShowCar();
  void StepSelection(bool forward);
  bool SelectionAvailable() const;
  void RaceSelection();
  void TimeTrialSelection();
  void ReturnFromSelection(const std::string& sound);
  bool SelectionKeys();
  void SlideSelectionPage();
  void SelectionFrame();
  void DrawTrackInfo();
  void LeaveSelection();

  // The closing screen (ClosingScreen.cpp).
  void EnterShare();
  void ShareFrame();

  // Results (ResultsScreen.cpp).
  void EnterRaceOver();
  void RaceOverFrame();
  void LeaveRaceOver();
  void ConfirmResults();
  void LeaveResults(bool sendScore);
  void DrawResultLines();
  void TextCentred(int x, int y, const std::string& text);

  TFormServices Services;
  TRaceRun RaceRun;
  std::vector<TTrackRecord> PendingTrack;  // read by StartRace, laid out when the race is entered
  bool CloseRequested = false;
  bool EndedBySystem = false;  // QuitAtOnce: no web page on the way out
  int ExitCode = 0;
  TSettingsLock SaveLock;
  bool SaveWarningShown = false;
  std::set<std::string> SaveFailuresTold;
};
