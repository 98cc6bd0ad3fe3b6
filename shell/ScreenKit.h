#pragma once

#include <functional>
#include <string>

#include "shell/GameScreen.h"

class TCursor;
class TFontLibrary;
class TOmegaBitmapFont;
class TOmegaButton;
class TOmegaFont;
class TOmegaGUI;
class TOmegaGUIList;
class TOmegaImageList;
class TOmegaScreen;
class TOmegaSprite;
struct TGameState;
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

  // The menus' frame: begin and end (the cursor last), a menu picture, the lights drawn once more on
  // top, the ticker's text and the title on the title plate.
  virtual void BeginMenuFrame() = 0;
  virtual void EndMenuFrame() = 0;
  virtual void DrawMenuPicture(const std::string& name, int x, int y) = 0;
  virtual void DrawMenuLights() = 0;
  virtual void DrawTicker() = 0;
  virtual void DrawMenuTitle(const std::string& title) = 0;

  // Leave this screen, play the sound (none when empty) and enter the next one.
  virtual void SwitchScreen(TGameScreen from, const std::string& sound, TGameScreen to) = 0;
  // A sound effect, only while sound is on.
  virtual void PlaySound(const std::string& name) = 0;

  // The closing screen: the mouse pointer, drawn by the screen itself, and the end of the program
  // after this frame.
  virtual TCursor& Cursor() = 0;
  virtual void CloseGame() = 0;

  // The main menu, the help and the quit dialog: the four fonts the screens share (1 .. 4), which a
  // screen sets up for those after it; what the menus' sprites are made with; saving the settings,
  // and the progress with them.
  virtual TOmegaFont& SharedFont(int number) = 0;
  virtual TRaceContext& SpriteContext() = 0;
  virtual void SaveGame(bool withProgress) = 0;

  // The intro and the name entry: the page itself (for what is not a picture button), the GUI's
  // font (the edit boxes'), the menus' background race started, and the ticker's greeting made anew
  // for the player's name.
  virtual TOmegaGUIList& Page() = 0;
  virtual TOmegaBitmapFont& GuiFont() = 0;
  virtual void CreateMenuBackground() = 0;
  virtual void RebuildTicker() = 0;

  // The options: the music modules, started and stopped.
  virtual void PlayMusic(const std::string& name) = 0;
  virtual void StopMusic(const std::string& name) = 0;

 protected:
  TScreenKit() = default;
  ~TScreenKit() = default;
  TScreenKit(const TScreenKit&) = default;
  TScreenKit& operator=(const TScreenKit&) = default;
};
