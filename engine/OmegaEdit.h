#pragma once

#include <string>

#include "engine/OmegaGUIComponent.h"

// What an edit lets through. The letter classes and the case conversions cover "a".."z" and the
// code points 228/196, 241/209, 246/214 and 252/220 (small/capital).
enum class TCharFilter {
  None = 0,
  UpperOnly = 1,  // capital letters only
  LowerOnly = 2,  // small letters only
  Digits = 3,     // "0".."9" only
  ToUpper = 4,    // small letters become capitals
  ToLower = 5,    // capitals become small letters
};

// A one-line text field in the bitmap font, such as the player's name. It takes the focus when
// clicked; only characters its font can draw are typed.
class TOmegaEdit : public TOmegaGUIComponent {
 public:
  TOmegaEdit(TWidgetKey key, TOmegaGUIList& page) : TOmegaGUIComponent(key, page) {}

  int MaxLength = -1;  // -1: unlimited
  bool ReadOnly = false;
  TCharFilter CharFilter = TCharFilter::None;
  std::string RefusedCharacters;  // never typed, whatever the filter lets through
  std::string Text;               // Windows-1251 bytes
  int CursorPos = 0;              // characters before the caret
  int TextMarginX = 5;
  std::string CaretText = "_";
  bool ShowCaret = true;

  // Gives the keyboard focus up: no widget gets keys until one is clicked.
  void Unfocus();
  int TextLength() const { return int(Text.size()); }

  void Click() override;
  void KeyEvent(int key, bool isChar) override;
  void Draw() override;

 private:
  // The caret kept inside the text, should the text have been shortened under it.
  size_t Caret() const;
  void EditKey(int key);
  void TypeCharacter(unsigned char c);
  void DrawText();
};
