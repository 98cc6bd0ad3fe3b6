#pragma once

#include <string>

// One button of the closing screen: a plain object drawn by the screen, not a widget of the GUI.
struct TButton {
  bool Hovered = false;  // the mouse is over X, Y, Width, Height (recomputed every frame)
  bool Enabled = true;   // the exit button waits for the countdown
  bool Visible = true;
  int HoverX = 0, HoverY = 0, HoverWidth = 0, HoverHeight = 0;  // the sizes are read, not used
  int X = 0, Y = 0, Width = 0, Height = 0;
  int DisabledX = 0, DisabledY = 0, DisabledWidth = 0, DisabledHeight = 0;
  std::string Link;  // the file to open, or "exit"
  std::string HoverImageFile, ImageFile, DisabledImageFile;
  int HoverImage = -1, Image = -1, DisabledImage = -1;  // indices in the closing screen's image list

  bool IsExit() const { return Link == "exit"; }
  // Both edges belong to the button.
  bool Covers(int x, int y) const { return X <= x && x <= X + Width && Y <= y && y <= Y + Height; }
};
