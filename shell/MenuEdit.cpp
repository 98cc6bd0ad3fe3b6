// The edit box of the name entry and the options: its font, its caret and Backspace.
#include "engine/OmegaBitmapFont.h"
#include "engine/OmegaEdit.h"
#include "shell/Form1.h"
#include "shell/KeyCodes.h"
#include "web/ScoreRecord.h"

namespace {

// A "%" at the end of a stored text is the settings file's filling, not the player's.
std::string WithoutFilling(const std::string& text) {
  return text.substr(0, text.find_last_not_of('%') + 1);
}

}  // namespace

// The box takes its font and colour from the GUI's bitmap font as it stands when the box is
// made; the font holds the Latin letters as well, so a Latin name can be typed.
TOmegaEdit& TForm1::AddPageEdit(const std::string& picture, int x, int y, int fontSize, uint32_t color,
                                const std::string& text) {
  OmegaBitmapFont1.CreateFromSystemFont("Arial Black", kExtendedFontCharacters, 0, fontSize);
  OmegaBitmapFont1.SetRed(int((color >> 16) & 0xFF));
  OmegaBitmapFont1.SetGreen(int((color >> 8) & 0xFF));
  OmegaBitmapFont1.SetBlue(int(color & 0xFF));
  OmegaBitmapFont1.SetAlpha(255);
  TOmegaEdit& edit = MenuPage->Add<TOmegaEdit>();
  TImageListItem* image = OmegaImageList1.Find(picture);
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
    if (isChar) State.EditChanged = true;
  };
  PageEdit = &edit;
  return edit;
}

// The caret stands after the text; "_" shows for 31 frames and hides for 32.
void TForm1::BlinkCaret() {
  if (!PageEdit) return;
  PageEdit->CursorPos = PageEdit->TextLength() + 1;
  int& ticks = State.CaretTicks;
  if (ticks % 31 == 0) {
    PageEdit->CaretText.clear();
  } else if (ticks % 63 == 0) {
    PageEdit->CaretText = "_";
    ticks = 0;
  }
  ++ticks;
}

// Backspace takes the last character off. A box with the keyboard focus has already done so
// when the key went down; taking a second one would eat two characters a press.
void TForm1::EditKeys() {
  bool& backspace = State.KeyReleased[VK_BACK];
  if (!backspace) return;
  backspace = false;
  if (!PageEdit || OmegaGUI1.Pointer().FocusID == PageEdit->ID() || PageEdit->Text.empty()) return;
  PageEdit->Text.pop_back();
}
