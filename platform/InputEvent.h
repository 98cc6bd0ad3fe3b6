#pragma once

#include <string>

enum class TInputKind { KeyDown, KeyUp, Text, MouseMove, MouseDown, MouseUp, MouseWheel, Quit };

enum class TMouseButton { Left, Right, Middle };

// One input event as the game sees it: keys as Windows virtual-key codes, text as
// Windows-1251 bytes, mouse positions in back-buffer pixels.
struct TInputEvent {
  TInputKind Kind = TInputKind::Quit;
  int Key = 0;
  std::string Text;
  int X = 0, Y = 0;
  TMouseButton Button = TMouseButton::Left;
  int Clicks = 1;      // 2 for the second press of a double click
  int WheelDelta = 0;  // notches, positive away from the user
};
