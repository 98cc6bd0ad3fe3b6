// The screens' pages of buttons.
#include "engine/OmegaButton.h"
#include "engine/OmegaEdit.h"
#include "shell/Form1.h"

void TForm1::BuildPage() {
  MenuPage = &OmegaGUI1.AddPage("GUI");
}

// Buttons are one picture each, drawn 1:1 whatever the mouse does; the whole picture is the
// button.
TOmegaButton& TForm1::AddPageButton(TOmegaImageList& images, const std::string& picture, int x, int y,
                                    std::function<void()> onClick) {
  TOmegaButton& button = MenuPage->Add<TOmegaButton>();
  TImageListItem* image = images.Find(picture);
  button.SetStateImage(GUIState::Normal, image);
  button.Name = picture;
  button.Caption.clear();
  button.Left = x;
  button.Top = y;
  if (image) {
    button.Width = image->TileWidth;
    button.Height = image->TileHeight;
  }
  button.OnClick = [onClick = std::move(onClick)](TOmegaGUIComponent&) { onClick(); };
  return button;
}

// One button goes while the rest of the page stays.
void TForm1::FreePageButton(TOmegaButton& button) {
  if (MenuPage) MenuPage->Free(button);
}

void TForm1::FreePage() {
  if (MenuPage) OmegaGUI1.FreePage(*MenuPage);
  MenuPage = nullptr;
}
