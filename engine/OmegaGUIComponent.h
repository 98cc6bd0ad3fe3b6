#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/InputEvent.h"

class TImageListItem;
class TOmegaBitmapFont;
class TOmegaGUI;
class TOmegaGUIList;

// The virtual-key codes the widgets react to.
namespace GUIKey {
constexpr int Backspace = 8, Enter = 13, Space = 32, End = 35, Home = 36, Left = 37, Right = 39, Delete = 46;
}

// The looks of a widget, by index into TOmegaGUIComponent::States.
namespace GUIState {
constexpr int Normal = 0, Hover = 1, Pressed = 2, Overlay = 3;
}

// One look of a widget: its picture and how it animates.
struct TGUIState {
  TImageListItem* Image = nullptr;  // none: this look falls back to the normal one
  int PatternIndex = -1;            // -1: the whole picture
  bool Animate = false;
  int FirstPattern = -1;
  int PatternCount = 0;
  int Speed = 0;  // draws per pattern step, times ten
  bool Loop = true;
  bool Reverse = false;
  bool Finished = false;
  uint32_t Color = 0xFFFFFFFF;
  int BlendMode = 0;
};

// The mouse buttons held while a mouse handler runs. The platform reports no Shift, Control or
// Alt with mouse events.
struct TGUIShiftState {
  bool Left = false, Right = false, Middle = false;
};

// Lets only a page make widgets, so that every widget is owned by its page (TOmegaGUIList::Add).
class TWidgetKey {
  friend class TOmegaGUIList;
  TWidgetKey() = default;
};

// A widget on a page: a rectangle with four looks, text settings and event handlers. Widgets are
// made by TOmegaGUIList::Add and freed by TOmegaGUIList::Free or with their page.
//
// Handlers may free the widget's own page (the screens do so from OnClick): the widget stays in
// memory until the event is done, and the GUI sends it nothing more.
class TOmegaGUIComponent {
 public:
  using TNotifyEvent = std::function<void(TOmegaGUIComponent& sender)>;
  // Sender is the GUI; the position is the mouse in back-buffer pixels.
  using TMouseEvent =
      std::function<void(TOmegaGUI& sender, TMouseButton button, TGUIShiftState shift, int x, int y)>;
  // A key code (key down) or a Windows-1251 character (isChar).
  using TKeyEvent = std::function<void(TOmegaGUIComponent& sender, int key, bool isChar)>;

  TOmegaGUIComponent(TWidgetKey, TOmegaGUIList& page);
  virtual ~TOmegaGUIComponent() = default;
  TOmegaGUIComponent(const TOmegaGUIComponent&) = delete;
  TOmegaGUIComponent& operator=(const TOmegaGUIComponent&) = delete;

  // Given by the GUI in order of creation from 1 and never used again.
  int ID() const { return WidgetID; }
  TOmegaGUIList& Page() const { return OwnerPage; }
  TOmegaGUI& GUI() const;
  // False once the widget was freed (it may still be finishing an event).
  bool Alive() const;

  std::string Name;
  bool Visible = true;
  bool Enabled = true;
  int Left = 0, Top = 0, Width = 20, Height = 15;
  std::array<TGUIState, 4> States;
  bool FlipVertical = false, FlipHorizontal = false;
  TOmegaBitmapFont* Font;  // the GUI's font when the widget was made
  uint32_t TextColor;      // ARGB, the font's colour when the widget was made
  float CharRotation = 0;  // degrees every glyph turns about its middle
  float TextScaleX, TextScaleY;
  float Angle = 0;  // degrees clockwise
  bool ShowOverlay = false;

  TNotifyEvent OnClick, OnDblClick, OnMouseEnter, OnMouseLeave;
  TMouseEvent OnMouseDown, OnMouseUp;
  TKeyEvent OnKey;

  void SetStateImage(int state, TImageListItem* image) { States.at(size_t(state)).Image = image; }
  // Shows that pattern, which is also where the state's animation starts.
  void SetStatePattern(int state, int index);
  // Moves the widget to the end of its page: drawn last and winning the hit test there.
  void BringToFront();
  // Whether the point lies on the widget's rectangle, edges included.
  bool Contains(int x, int y) const;

  virtual void DblClick();
  virtual void MouseEnter();
  virtual void Click();
  // The widget with the focus gets every key; see the widget classes for what they do with it.
  virtual void KeyEvent(int key, bool isChar);
  virtual void MouseOver() {}
  virtual void MouseLeave();
  virtual void Draw();

 protected:
  bool HasFocus() const;
  // The normal, hover or pressed look, by where the mouse is and whether the left button is down.
  int DrawState() const;
  // The overlay look at the picture's own tile size, at the widget's top-left corner.
  void DrawOverlay();

 private:
  // Runs a handler when one is set; pages it frees are kept until the event is done.
  template <class THandler, class... TArgs>
  void Fire(const THandler& handler, TArgs&&... args);
  void ResetAnimations();
  void AdvanceAnimation(TGUIState& state);

  TOmegaGUIList& OwnerPage;
  int WidgetID;
  int AnimationCounter = 0;
};
