#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "web/ShareButton.h"

// Where the closing screen's configuration lies, in the game's own file naming.
inline constexpr const char* kShareConfigFile = "wdata\\config.ini";

// The longest countdown the file may ask for, in its own unit (100 frames): an hour.
inline constexpr int kMaxCountdownLength = 3600;

// The closing screen as its configuration file gives it.
struct TShareConfig {
  std::string BackgroundFile;
  std::vector<TButton> Buttons;  // in file order, the exit button last
  int Countdown = 0;             // frames before the exit button is enabled
  int CounterX = 0, CounterY = 0;
  int Color1 = 0, Color2 = 0, Color3 = 0;
  bool FixedFontSize = false;
  int FontSize = 0;
};

// Tells whether a file named in the configuration (as written there) exists.
using TFileExists = std::function<bool(const std::string& name)>;

// Reads the configuration line by line: leading blanks are removed; a number line holds its integers
// separated by single blanks, anything after the last one ignored; a text line is taken as it stands.
// Nothing when a line is missing, a number line is faulty, or a picture or link file is empty or not
// there. A countdown length below 1 counts as 1, above kMaxCountdownLength as kMaxCountdownLength.
std::optional<TShareConfig> ReadShareConfig(std::string_view text, const TFileExists& exists);
