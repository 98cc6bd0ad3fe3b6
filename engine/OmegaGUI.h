#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/OmegaGUIComponent.h"
#include "platform/Clock.h"
#include "platform/InputEvent.h"

class TImageListItem;
class TOmegaBitmapFont;
class TOmegaGUI;

// A page of widgets: the game builds one per screen. It owns its widgets, draws them in order
// when Visible, and takes the mouse and keys only when also Enabled. Pages are made by
// TOmegaGUI::AddPage and freed by TOmegaGUI::FreePage.
class TOmegaGUIList {
 public:
  TOmegaGUIList(const TOmegaGUIList&) = delete;
  TOmegaGUIList& operator=(const TOmegaGUIList&) = delete;

  std::string Name;
  bool Enabled = true;
  bool Visible = true;

  TOmegaGUI& GUI() const { return OwnerGUI; }
  const std::vector<std::unique_ptr<TOmegaGUIComponent>>& Components() const { return Widgets; }

  // Makes a widget at the end of the page (TOmegaButton, TOmegaEdit) with the next ID.
  template <class TWidget>
  TWidget& Add() {
    auto widget = std::make_unique<TWidget>(TWidgetKey{}, *this);
    TWidget& made = *widget;
    Widgets.push_back(std::move(widget));
    return made;
  }
  // Frees a widget of this page; events no longer reach it.
  void Free(TOmegaGUIComponent& widget);
  // Moves the page to the end of the GUI's list: drawn last and hit-tested last.
  void BringToFront();

  void Draw();
  // The last Enabled and Visible widget under the point, when the page takes the mouse.
  TOmegaGUIComponent* HitTest(int x, int y) const;

 private:
  friend class TOmegaGUI;
  friend class TOmegaGUIComponent;
  TOmegaGUIList(TOmegaGUI& gui, std::string name) : Name(std::move(name)), OwnerGUI(gui) {}
  std::unique_ptr<TOmegaGUIComponent> Release(TOmegaGUIComponent& widget);
  void MoveToEnd(TOmegaGUIComponent& widget);

  TOmegaGUI& OwnerGUI;
  std::vector<std::unique_ptr<TOmegaGUIComponent>> Widgets;
};

// Where the GUI believes the mouse is and which widgets it is dealing with.
struct TGUIPointer {
  // Back-buffer pixels.
  int MouseX = 0, MouseY = 0;
  // The widget under the mouse; 0: none, -1: no move seen yet.
  int HoverID = -1;
  // The widget under the mouse when the left button went down; -1 after a release.
  int PressedID = 0;
  // The widget that gets the keys; below 1: none.
  int FocusID = 0;
  bool LeftDown = false, RightDown = false, MiddleDown = false;
};

// The menus' GUI (the form's OmegaGUI1): owns the pages, takes the platform's input events
// before the form does, and draws the pages once a frame after the sprites.
//
// The form hands every input event to HandleEvent first and gives it to its own handlers only
// when HandleEvent returns false. The mouse arrives in back-buffer pixels, so no scaling
// happens here. Keyboard focus stays the window system's business.
//
// A screen's page:
//   TOmegaGUIList& page = OmegaGUI1.AddPage("GUI2");
//   TOmegaButton& start = page.Add<TOmegaButton>();
//   TImageListItem* picture = OmegaImageList1.Find("b_stgame");
//   start.SetStateImage(GUIState::Normal, picture);  // and Hover, Pressed with their patterns
//   start.Left = x, start.Top = y, start.Width = picture->TileWidth, start.Height = picture->TileHeight;
//   start.Caption = "";
//   start.OnClick = [this](TOmegaGUIComponent&) { ... };  // may free the page
//   page.BringToFront();
// Each frame after the sprites: OmegaGUI1.Draw(). Leaving the screen: OmegaGUI1.FreePage(page).
class TOmegaGUI {
 public:
  // The clock paces mouse moves (at most one every 10 ms of game time); the font (may be null)
  // is given to every new widget. Both must outlive the GUI.
  TOmegaGUI(const TClock& clock, TOmegaBitmapFont* font);
  ~TOmegaGUI();
  TOmegaGUI(const TOmegaGUI&) = delete;
  TOmegaGUI& operator=(const TOmegaGUI&) = delete;

  TOmegaBitmapFont* OmegaBitmapFont;
  TImageListItem* Background = nullptr;  // drawn whole at (0, 0) below the pages

  // Until Activate, and after Deactivate, the GUI takes no input.
  void Activate() { Listening = true; }
  void Deactivate() { Listening = false; }
  bool Active() const { return Listening; }

  // Takes one input event. True: the GUI handled it and the form must not see it (mouse
  // presses and releases, processed mouse moves, text). Key downs always return false.
  bool HandleEvent(const TInputEvent& event);

  // The background, then every page in order.
  void Draw();

  TOmegaGUIList& AddPage(std::string name);
  // Frees a page and its widgets. From inside an event handler the page stops taking part at
  // once and its memory goes when the event is done.
  void FreePage(TOmegaGUIList& page);
  const std::vector<std::unique_ptr<TOmegaGUIList>>& Pages() const { return PageList; }

  // The widget with that ID, or nullptr when there is none (any longer).
  TOmegaGUIComponent* Component(int id) const;

  const TGUIPointer& Pointer() const { return Current; }
  // The pointer as it was before the last mouse event.
  const TGUIPointer& PreviousPointer() const { return Previous; }
  void SetFocusID(int id) { Current.FocusID = id; }

 private:
  friend class TOmegaGUIComponent;
  friend class TOmegaGUIList;

  // Held while handlers run: frees wait until the outermost event is done.
  class TEventScope {
   public:
    explicit TEventScope(TOmegaGUI& gui) : GUI(gui) { ++GUI.EventDepth; }
    ~TEventScope() { --GUI.EventDepth; }
    TEventScope(const TEventScope&) = delete;
    TEventScope& operator=(const TEventScope&) = delete;

   private:
    TOmegaGUI& GUI;
  };

  int Register(TOmegaGUIComponent& widget);
  void Unregister(const TOmegaGUIComponent& widget) { Registry[size_t(widget.ID())] = nullptr; }
  void Retire(std::unique_ptr<TOmegaGUIComponent> widget);
  void MoveToEnd(TOmegaGUIList& page);
  void FreeRetired();

  bool Dispatch(const TInputEvent& event);
  bool MouseMove(int x, int y);
  // The pointer is at (x, y): the widget under it becomes the hovered one (MouseOver, and
  // MouseLeave / MouseEnter when that changes).
  void Hover(int x, int y);
  void MouseButton(TMouseButton button, bool down, bool isDouble);
  void ButtonEvent(TMouseButton button, bool down, bool isDouble);
  void KeyEvent(int key, bool isChar);
  TOmegaGUIComponent* TopmostAt(int x, int y) const;
  TGUIShiftState Shift() const;

  const TClock& Clock;
  std::vector<std::unique_ptr<TOmegaGUIList>> PageList;
  // Entry n is the widget with ID n (nullptr once freed); entry 0 stands for the GUI itself.
  std::vector<TOmegaGUIComponent*> Registry{nullptr};
  TGUIPointer Current, Previous;
  std::optional<int64_t> LastMouseMove;  // clock ticks of the last processed move
  bool Listening = false;
  int EventDepth = 0;
  // Freed while handlers ran; kept until the event is done.
  std::vector<std::unique_ptr<TOmegaGUIList>> RetiredPages;
  std::vector<std::unique_ptr<TOmegaGUIComponent>> RetiredWidgets;
};
