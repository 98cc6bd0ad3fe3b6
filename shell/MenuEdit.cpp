#include "shell/MenuEdit.h"

#include "engine/OmegaBitmapFont.h"
#include "engine/OmegaEdit.h"
#include "engine/OmegaGUI.h"
#include "engine/OmegaImageList.h"
#include "shell/GameState.h"
#include "shell/KeyCodes.h"
#include "shell/ScreenKit.h"
#include "web/ScoreRecord.h"

namespace {

// A "%" at the end of a stored text is the settings file's filling, not the player's.
std::string WithoutFilling(const std::string& text) {
  return text.substr(0, text.find_last_not_of('%') + 1);
}

}  // namespace

// The box takes its font and colour from the GUI's bitmap font as it stands when the box is
// made; the font holds the Latin letters as well, so a Latin name can be typed.
TOmegaEdit& TMenuEdit::Add(const std::string& picture, int x, int y, int fontSize, uint32_t color,
                           const std::string& text) {
  TOmegaBitmapFont& font = Kit.GuiFont();
  font.CreateFromSystemFont("Arial Black", kExtendedFontCharacters, 0, fontSize);
  font.SetRed(int((color >> 16) & 0xFF));
  font.SetGreen(int((color >> 8) & 0xFF));
  font.SetBlue(int(color & 0xFF));
  font.SetAlpha(255);
  TOmegaEdit& edit = Kit.Page().Add<TOmegaEdit>();
  TImageListItem* image = Kit.MenuImages().Find(picture);
  edit.SetStateImage(GUIState::Normal, image);
  edit.Name = picture;
  edit.Left = x;
  edit.Top = y;
  if (image) {
    edit.Width = image->TileWidth;
    edit.Height = image->TileHeight;
  }
  edit.MaxLength = 12;
  // The name and the options text are sent as fields of the score record.
  edit.RefusedCharacters = std::string(1, kRecordSeparator);
  // The text keeps clear of the box's border.
  edit.TextMarginX = 10;
  edit.CaretText = ".";
  edit.Text = WithoutFilling(text);
  edit.CursorPos = edit.TextLength();
  edit.OnKey = [this](TOmegaGUIComponent&, int, bool isChar) {
    if (isChar) Kit.GameState().EditChanged = true;
  };
  Edit = &edit;
  return edit;
}

// The caret stands after the text; "_" shows for 31 frames and hides for 32.
void TMenuEdit::BlinkCaret() {
  if (!Edit) return;
  Edit->CursorPos = Edit->TextLength() + 1;
  int& ticks = Kit.GameState().CaretTicks;
  if (ticks % 31 == 0) {
    Edit->CaretText.clear();
  } else if (ticks % 63 == 0) {
    Edit->CaretText = "_";
    ticks = 0;
  }
  ++ticks;
}

// Backspace takes the last character off. A box with the keyboard focus has already done so
// when the key went down; taking a second one would eat two characters a press.
void TMenuEdit::TakeBackspace() {
  bool& backspace = Kit.GameState().KeyReleased[VK_BACK];
  if (!backspace) return;
  backspace = false;
  if (!Edit || Kit.Gui().Pointer().FocusID == Edit->ID() || Edit->Text.empty()) return;
  Edit->Text.pop_back();
}

std::string TMenuEdit::Close() {
  if (!Edit) return {};
  std::string text = Edit->Text;
  Edit->Unfocus();
  Edit = nullptr;
  return text;
}
