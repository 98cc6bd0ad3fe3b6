#pragma once

#include <cstdint>
#include <string>

class TOmegaEdit;
class TScreenKit;

// The edit box of the name entry and the options, on the screen's page: its font, its caret blinking
// after the text, and Backspace.
class TMenuEdit {
 public:
  explicit TMenuEdit(TScreenKit& kit) : Kit(kit) {}

  // The box on the picture at (x, y), in the GUI's font at that size and colour, showing text.
  TOmegaEdit& Add(const std::string& picture, int x, int y, int fontSize, uint32_t color,
                  const std::string& text);
  // Once a frame: the caret after the text, "_" for 31 frames and nothing for 32.
  void BlinkCaret();
  // Backspace, once a frame.
  void TakeBackspace();
  // As the screen is left, before its page goes: the box gives up the keyboard and its text.
  std::string Close();

  // The box while the screen is shown.
  TOmegaEdit* Box() const { return Edit; }

 private:
  TScreenKit& Kit;
  TOmegaEdit* Edit = nullptr;
};
