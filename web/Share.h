#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/OmegaFont.h"
#include "engine/OmegaImageList.h"
#include "web/DetachedLaunch.h"
#include "web/ShareButton.h"
#include "web/ShareConfig.h"

// The countdown number's size when the file gives none and there is no exit button to take it from.
inline constexpr int kDefaultCounterFontSize = 20;
// The countdown number's sizes the file may ask for, in points.
inline constexpr int kMinCounterFontSize = 1, kMaxCounterFontSize = 300;

// The last screen before the program ends: a full-screen picture, buttons that open link files, and an
// exit button that waits for a countdown. All of it comes from "wdata\config.ini"; when that is missing
// or faulty the screen is not available and the game ends at once.
class TShareScreen {
 public:
  // pictures: the form's ShareList; counterFont: OmegaFont4; closeForm: the exit button's close
  // request; gameFolder: where the file names of the configuration are looked for (empty: here).
  TShareScreen(TOmegaImageList& pictures, TOmegaFont& counterFont, std::function<void()> closeForm,
               TLauncher launch = LaunchDetached, std::filesystem::path gameFolder = {});

  // Reads the configuration, loads its pictures into the image list and sets up the countdown's font.
  void LoadConfig();
  // Once a frame: one frame off the countdown; when it has run out the exit button is enabled.
  void CountDown();
  // Once a frame, before drawing: which buttons are under the mouse (back-buffer pixels).
  void UpdateHover(int mouseX, int mouseY);
  // Between the begin and the end of the frame.
  void Draw();
  // The exit button asks the form to close; any other opens its link file when it is there.
  void Click(const TButton& button);
  // A left mouse press: every button under the mouse is clicked.
  void ClickHovered();
  // The window may close once the countdown has run out.
  bool CanClose() const { return Countdown == 0; }
  // The number shown for a countdown (frames left); 0 shows nothing.
  static int CounterNumber(int countdown) { return countdown > 0 ? ((countdown / 10) + 1) / 10 + 1 : 0; }

  bool Available = true;  // read completely, every named file there
  int ButtonCount = 0;
  std::vector<TButton> Buttons;  // in file order, the exit button last
  std::string BackgroundFile;
  int BackgroundIndex = -1;
  int Countdown = 0;  // frames left before the exit button is enabled
  bool FixedFontSize = false;
  int FontSize = 0;
  int CounterX = 0, CounterY = 0;
  int Color1 = 0, Color2 = 0, Color3 = 0;

 private:
  std::filesystem::path GameFile(const std::string& name) const;
  int AddPicture(const std::string& name);
  void AddPictures(const TShareConfig& config);
  void SetCounterFont();
  void DrawButton(const TButton& button);
  void DrawCounter();

  TOmegaImageList& Pictures;
  TOmegaFont& CounterFont;
  std::function<void()> CloseForm;
  TLauncher Launch;
  std::filesystem::path GameFolder;
};
