#include "engine/OmegaEdit.h"

#include <algorithm>
#include <array>
#include <utility>

#include "engine/OmegaBitmapFont.h"
#include "engine/OmegaGUI.h"

namespace {

// Small and capital letters beyond "a".."z" that the name fields know.
constexpr std::array<std::pair<unsigned char, unsigned char>, 4> kLetterPairs{
    {{228, 196}, {241, 209}, {246, 214}, {252, 220}}};

bool IsLower(unsigned char c) {
  return (c >= 'a' && c <= 'z') || std::any_of(kLetterPairs.begin(), kLetterPairs.end(),
                                               [c](const auto& pair) { return pair.first == c; });
}

bool IsUpper(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || std::any_of(kLetterPairs.begin(), kLetterPairs.end(),
                                               [c](const auto& pair) { return pair.second == c; });
}

unsigned char ToUpper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
  for (const auto& [lower, upper] : kLetterPairs)
    if (c == lower) return upper;
  return c;
}

unsigned char ToLower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c - 'A' + 'a');
  for (const auto& [lower, upper] : kLetterPairs)
    if (c == upper) return lower;
  return c;
}

unsigned char Convert(TCharFilter filter, unsigned char c) {
  if (filter == TCharFilter::ToUpper) return ToUpper(c);
  if (filter == TCharFilter::ToLower) return ToLower(c);
  return c;
}

bool Passes(TCharFilter filter, unsigned char c) {
  switch (filter) {
    case TCharFilter::UpperOnly:
      return IsUpper(c);
    case TCharFilter::LowerOnly:
      return IsLower(c);
    case TCharFilter::Digits:
      return c >= '0' && c <= '9';
    default:
      return true;
  }
}

// Draws with the widget's turning lent to the font for this one string: each glyph turned by
// charRotation, the string about the pivot (from the text start) when one is given.
struct TLentTurn {
  float CharRotation;
  bool HasPivot;
  float PivotX, PivotY;
};

void TextOutTurned(TOmegaBitmapFont& font, float x, float y, float angle, float scaleX, float scaleY,
                   uint32_t color, const std::string& text, const TLentTurn& turn) {
  float ownCharRotation = font.CharRotation, ownCenterX = font.CenterX, ownCenterY = font.CenterY;
  if (turn.CharRotation != 0) font.CharRotation = turn.CharRotation;
  if (turn.HasPivot) font.CenterX = turn.PivotX, font.CenterY = turn.PivotY;
  font.TextOut(x, y, angle, scaleX, scaleY, color, text, -1);
  font.CharRotation = ownCharRotation;
  font.CenterX = ownCenterX;
  font.CenterY = ownCenterY;
}

}  // namespace

void TOmegaEdit::Unfocus() {
  GUI().SetFocusID(-1);
}

size_t TOmegaEdit::Caret() const {
  return std::min(size_t(std::max(CursorPos, 0)), Text.size());
}

void TOmegaEdit::Click() {
  TOmegaGUIComponent::Click();
  if (Alive()) GUI().SetFocusID(ID());
}

void TOmegaEdit::KeyEvent(int key, bool isChar) {
  TOmegaGUIComponent::KeyEvent(key, isChar);
  if (ReadOnly || !Alive()) return;
  if (isChar)
    TypeCharacter(static_cast<unsigned char>(key));
  else
    EditKey(key);
}

void TOmegaEdit::EditKey(int key) {
  size_t caret = Caret();
  switch (key) {
    case GUIKey::End:
      CursorPos = TextLength();
      break;
    case GUIKey::Home:
      CursorPos = 0;
      break;
    case GUIKey::Left:
      CursorPos = int(caret > 0 ? caret - 1 : 0);
      break;
    case GUIKey::Right:
      CursorPos = int(std::min(caret + 1, Text.size()));
      break;
    case GUIKey::Delete:
      if (caret < Text.size()) Text.erase(caret, 1);
      break;
    default:
      break;
  }
}

void TOmegaEdit::TypeCharacter(unsigned char c) {
  size_t caret = Caret();
  if (c == GUIKey::Backspace) {
    if (caret > 0) {
      Text.erase(caret - 1, 1);
      CursorPos = int(caret - 1);
    }
    return;
  }
  if (c == GUIKey::Enter) return;
  if (MaxLength >= 0 && TextLength() >= MaxLength) return;
  c = Convert(CharFilter, c);
  if (!Passes(CharFilter, c) || RefusedCharacters.find(char(c)) != std::string::npos) return;
  // Only what the font can draw: the name is shown with it everywhere.
  if (!Font || Font->Characters().find(char(c)) == std::string::npos) return;
  Text.insert(caret, 1, char(c));
  CursorPos = int(caret + 1);
}

void TOmegaEdit::Draw() {
  TOmegaGUIComponent::Draw();
  DrawText();
  if (HasFocus() || ShowOverlay) DrawOverlay();
}

void TOmegaEdit::DrawText() {
  if (!Font) return;
  float x = float(Left + TextMarginX);
  float y = float(Top + Height / 2 - (int(Font->CellHeight() * TextScaleY) >> 1));
  // A turned field turns its text about the middle of the field as scaled for the text.
  float pivotX = Width * TextScaleX * 0.5f, pivotY = Height * TextScaleY * 0.5f;
  TLentTurn turn{CharRotation, Angle != 0, pivotX, pivotY};
  TextOutTurned(*Font, x, y, Angle, TextScaleX, TextScaleY, TextColor, Text, turn);
  if (!ShowCaret || !HasFocus()) return;
  float caretX = Font->TextWidth(std::string_view(Text).substr(0, Caret())) * TextScaleX;
  // The caret turns about the same point as the text, so it stays on the text's line.
  turn.PivotX = pivotX - caretX;
  TextOutTurned(*Font, x + caretX, y, Angle, TextScaleX, TextScaleY, TextColor, CaretText, turn);
}
