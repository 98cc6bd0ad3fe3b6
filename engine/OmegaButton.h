#pragma once

#include <string>

#include "engine/OmegaGUIComponent.h"

// A menu button: its picture for the mouse's state, an overlay picture on request and a caption
// in the bitmap font. Enter or Space clicks it while it has the focus.
class TOmegaButton : public TOmegaGUIComponent {
 public:
  TOmegaButton(TWidgetKey key, TOmegaGUIList& page);

  std::string Caption;  // the widget's ID until the game sets it (the game clears it)
  bool CenterCaption = true;
  int CaptionOffsetY = 0;
  int CaptionOffsetX = 0;

  void KeyEvent(int key, bool isChar) override;
  void Draw() override;

 private:
  void DrawCaption();
};
