#include "engine/OmegaButton.h"

#include <cmath>

#include "engine/OmegaBitmapFont.h"

TOmegaButton::TOmegaButton(TWidgetKey key, TOmegaGUIList& page)
    : TOmegaGUIComponent(key, page), Caption(std::to_string(ID())) {}

void TOmegaButton::KeyEvent(int key, bool isChar) {
  TOmegaGUIComponent::KeyEvent(key, isChar);
  if (!isChar && (key == GUIKey::Enter || key == GUIKey::Space) && Alive()) Click();
}

void TOmegaButton::Draw() {
  TOmegaGUIComponent::Draw();
  if (ShowOverlay) DrawOverlay();
  DrawCaption();
}

void TOmegaButton::DrawCaption() {
  if (!Font || Caption.empty()) return;
  int halfHeight = int(std::lrint(Font->TextHeight() * TextScaleY)) >> 1;
  int y = Top + Height / 2 + CaptionOffsetY - halfHeight;
  int x = Left + CaptionOffsetX + Width / 4;
  if (CenterCaption) {
    int halfWidth = int(std::lrint(Font->TextWidth(Caption) * TextScaleX)) >> 1;
    x = Left + Width / 2 + CaptionOffsetX - halfWidth;
  }
  Font->TextOut(float(x), float(y), 0, TextScaleX, TextScaleY, TextColor, Caption, -1);
}
