#pragma once

#include <functional>
#include <string>

#include "shell/GameScreen.h"

class TCursor;
class TMenuBackdrop;
class TFontLibrary;
class TOmegaBitmapFont;
class TOmegaButton;
class TOmegaFont;
class TOmegaGUI;
class TOmegaGUIList;
class TOmegaImageList;
class TOmegaScreen;
class TOmegaSprite;
class TRaceRun;
class TRaceWorld;
class TScoreSubmitter;
class TSystemTimer;
struct TGameState;
struct TGhostLap;
struct TRaceContext;

// What a screen object may touch of the game: the display and its fonts, the sprite engine, the menu
// pictures, the page of buttons, the game state, and the few things it asks of the form (a sound, the
// next screen, the menus' common drawing). The form provides it; a screen holds a reference.
class TScreenKit {
 public:
  virtual TOmegaScreen& Display() = 0;
  virtual TFontLibrary& FontLibrary() = 0;
  virtual TOmegaSprite& Sprites() = 0;
  virtual TOmegaImageList& MenuImages() = 0;
  virtual TOmegaGUI& Gui() = 0;
  virtual TGameState& GameState() = 0;

  // The screen's page of buttons: a new page, a button of a picture at (x, y) whose click calls
  // onClick, and freeing the page as the screen is left.
  virtual void BuildPage() = 0;
  virtual TOmegaButton& AddPageButton(TOmegaImageList& images, const std::string& picture, int x, int y,
                                      std::function<void()> onClick) = 0;
  virtual void FreePage() = 0;

  // The menus' frame: begin and end (the cursor last), a menu picture and the title on the title
  // plate; what runs behind the menus (the demonstration race, the lights and the ticker).
  virtual void BeginMenuFrame() = 0;
  virtual void EndMenuFrame() = 0;
  virtual void DrawMenuPicture(const std::string& name, int x, int y) = 0;
  virtual void DrawMenuTitle(const std::string& title) = 0;
  virtual TMenuBackdrop& Backdrop() = 0;

  // Leave this screen, play the sound (none when empty) and enter the next one.
  virtual void SwitchScreen(TGameScreen from, const std::string& sound, TGameScreen to) = 0;
  // A sound effect, only while sound is on.
  virtual void PlaySound(const std::string& name) = 0;

  // What the screens draw with: the race pictures, the form's shared fonts (the text, the ticker's
  // and the title's; the main menu sets them up for the screens after it), the GUI's font (the edit
  // boxes') and the mouse pointer, which some screens draw themselves.
  virtual TOmegaImageList& GameImages() = 0;
  virtual TOmegaFont& TextFont() = 0;
  virtual TOmegaFont& TickerFont() = 0;
  virtual TOmegaFont& TitleFont() = 0;
  virtual TOmegaBitmapFont& GuiFont() = 0;
  virtual TCursor& Cursor() = 0;
  // The page itself (for what is not a picture button), and one button of it freed.
  virtual TOmegaGUIList& Page() = 0;
  virtual void FreePageButton(TOmegaButton& button) = 0;

  // What the menus' sprites are made with.
  virtual TRaceContext& SpriteContext() = 0;

  // The race: its world, its clock and the watch of unattended runs; a race on the selected track
  // and car. The score server.
  virtual TRaceWorld& World() = 0;
  virtual TSystemTimer& RaceClock() = 0;
  virtual TRaceRun& RaceWatch() = 0;
  virtual void StartRace() = 0;
  virtual TScoreSubmitter& Scores() = 0;

  // A screen entered or left on its own (no switch sound); the music modules, started and stopped,
  // and one tune for another (only while music is on); a message box; the saves (the settings,
  // with the progress or without, and the best lap); the end of the program after this frame.
  virtual void EnterScreen(TGameScreen screen) = 0;
  virtual void LeaveScreen(TGameScreen screen) = 0;
  virtual void PlayMusic(const std::string& name) = 0;
  virtual void StopMusic(const std::string& name) = 0;
  virtual void ChangeMusic(const std::string& stop, const std::string& play) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void SaveGame(bool withProgress) = 0;
  virtual void SaveBestLap(const TGhostLap& lap) = 0;
  virtual void CloseGame() = 0;

 protected:
  TScreenKit() = default;
  ~TScreenKit() = default;
  TScreenKit(const TScreenKit&) = default;
  TScreenKit& operator=(const TScreenKit&) = default;
};
