#include "platform/MessageBox.h"

#include <SDL.h>

#include <array>
#include <cstdio>

#include "platform/Cp1251.h"

void TMessageBoxes::Show(const std::string& caption, const std::string& text, bool okCancel) {
  std::string utf8Caption = Cp1251ToUtf8(caption), utf8Text = Cp1251ToUtf8(text);
  std::fprintf(stderr, "[%s] %s\n", utf8Caption.c_str(), utf8Text.c_str());
  Texts.push_back(text);
  if (Headless) return;

  const std::array<SDL_MessageBoxButtonData, 2> buttons{{
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "OK"},
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "Cancel"},
  }};
  SDL_MessageBoxData box{};
  box.flags = SDL_MESSAGEBOX_ERROR;
  box.title = utf8Caption.c_str();
  box.message = utf8Text.c_str();
  box.numbuttons = okCancel ? 2 : 1;
  box.buttons = buttons.data();
  int pressed = 0;
  SDL_ShowMessageBox(&box, &pressed);  // without a display the stderr line above is all there is
}
