#include "engine/OmegaGUI.h"

#include <algorithm>

#include "engine/OmegaImageList.h"

namespace {

// Where a list of owners holds that object (the end when it does not).
template <class T>
auto FindOwner(std::vector<std::unique_ptr<T>>& list, const T& item) {
  return std::find_if(list.begin(), list.end(), [&item](const auto& owned) { return owned.get() == &item; });
}

// Moves one element of a list of owners to its end, keeping the others in order.
template <class T>
void MoveOwnerToEnd(std::vector<std::unique_ptr<T>>& list, const T& item) {
  auto found = FindOwner(list, item);
  if (found != list.end()) std::rotate(found, found + 1, list.end());
}

// Mouse moves closer together than this are left to the form.
constexpr int64_t kMouseMoveMilliseconds = 10;

}  // namespace

// ---- Pages ----

void TOmegaGUIList::Free(TOmegaGUIComponent& widget) {
  OwnerGUI.Retire(Release(widget));
}

std::unique_ptr<TOmegaGUIComponent> TOmegaGUIList::Release(TOmegaGUIComponent& widget) {
  auto found = FindOwner(Widgets, widget);
  if (found == Widgets.end()) return nullptr;
  std::unique_ptr<TOmegaGUIComponent> released = std::move(*found);
  Widgets.erase(found);
  return released;
}

void TOmegaGUIList::BringToFront() {
  OwnerGUI.MoveToEnd(*this);
}

void TOmegaGUIList::MoveToEnd(TOmegaGUIComponent& widget) {
  MoveOwnerToEnd(Widgets, widget);
}

void TOmegaGUIList::Draw() {
  if (!Visible) return;
  for (const auto& widget : Widgets)
    if (widget->Visible) widget->Draw();
}

TOmegaGUIComponent* TOmegaGUIList::HitTest(int x, int y) const {
  if (!Enabled || !Visible) return nullptr;
  for (auto widget = Widgets.rbegin(); widget != Widgets.rend(); ++widget)
    if ((*widget)->Enabled && (*widget)->Visible && (*widget)->Contains(x, y)) return widget->get();
  return nullptr;
}

// ---- The GUI ----

TOmegaGUI::TOmegaGUI(const TClock& clock, TOmegaBitmapFont* font) : OmegaBitmapFont(font), Clock(clock) {}

TOmegaGUI::~TOmegaGUI() = default;

TOmegaGUIList& TOmegaGUI::AddPage(std::string name) {
  PageList.push_back(std::unique_ptr<TOmegaGUIList>(new TOmegaGUIList(*this, std::move(name))));
  return *PageList.back();
}

void TOmegaGUI::FreePage(TOmegaGUIList& page) {
  auto found = FindOwner(PageList, page);
  if (found == PageList.end()) return;
  for (const auto& widget : page.Widgets) Unregister(*widget);
  std::unique_ptr<TOmegaGUIList> freed = std::move(*found);
  PageList.erase(found);
  if (EventDepth > 0) RetiredPages.push_back(std::move(freed));
}

void TOmegaGUI::MoveToEnd(TOmegaGUIList& page) {
  MoveOwnerToEnd(PageList, page);
}

int TOmegaGUI::Register(TOmegaGUIComponent& widget) {
  Registry.push_back(&widget);
  return int(Registry.size()) - 1;
}

void TOmegaGUI::Retire(std::unique_ptr<TOmegaGUIComponent> widget) {
  if (!widget) return;
  Unregister(*widget);
  if (EventDepth > 0) RetiredWidgets.push_back(std::move(widget));
}

void TOmegaGUI::FreeRetired() {
  if (EventDepth > 0) return;
  RetiredPages.clear();
  RetiredWidgets.clear();
}

TOmegaGUIComponent* TOmegaGUI::Component(int id) const {
  if (id < 1 || id >= int(Registry.size())) return nullptr;
  return Registry[size_t(id)];
}

void TOmegaGUI::Draw() {
  FreeRetired();
  if (Background) Background->Draw(0, 0, -1);
  for (const auto& page : PageList) page->Draw();
}

// ---- Input ----

bool TOmegaGUI::HandleEvent(const TInputEvent& event) {
  if (!Listening) return false;
  bool handled;
  {
    TEventScope scope(*this);
    handled = Dispatch(event);
  }
  FreeRetired();
  return handled;
}

bool TOmegaGUI::Dispatch(const TInputEvent& event) {
  switch (event.Kind) {
    case TInputKind::MouseMove:
      return MouseMove(event.X, event.Y);
    case TInputKind::MouseDown:
      // A press is taken where the pointer is, whether or not a move told the GUI so: a page
      // that has just appeared, or a button that slid under a pointer at rest, is hit all the same.
      Hover(event.X, event.Y);
      // Every second press of a run of quick presses is the left button's double click.
      MouseButton(event.Button, true, event.Button == TMouseButton::Left && event.Clicks % 2 == 0);
      return true;
    case TInputKind::MouseUp:
      Hover(event.X, event.Y);
      MouseButton(event.Button, false, false);
      return true;
    case TInputKind::Text:
      for (char c : event.Text) KeyEvent(static_cast<unsigned char>(c), true);
      return true;
    case TInputKind::KeyDown:
      KeyEvent(event.Key, false);
      // Text input carries no control characters; Windows follows these two keys with theirs.
      if (event.Key == GUIKey::Backspace || event.Key == GUIKey::Enter) KeyEvent(event.Key, true);
      return false;
    default:
      return false;
  }
}

bool TOmegaGUI::MouseMove(int x, int y) {
  int64_t now = Clock.Now();
  if (LastMouseMove && (now - *LastMouseMove) * 1000 < kMouseMoveMilliseconds * Clock.Frequency())
    return false;
  LastMouseMove = now;
  Previous = Current;
  Hover(x, y);
  return true;
}

void TOmegaGUI::Hover(int x, int y) {
  Current.MouseX = x;
  Current.MouseY = y;
  TOmegaGUIComponent* hit = TopmostAt(x, y);
  const int hoverID = hit ? hit->ID() : 0, previousID = Current.HoverID;
  Current.HoverID = hoverID;
  // Leave before enter, each looked up again: a handler may free pages.
  if (previousID != hoverID)
    if (TOmegaGUIComponent* left = Component(previousID)) left->MouseLeave();
  if (TOmegaGUIComponent* over = Component(hoverID)) over->MouseOver();
  if (previousID != hoverID)
    if (TOmegaGUIComponent* entered = Component(hoverID)) entered->MouseEnter();
}

TOmegaGUIComponent* TOmegaGUI::TopmostAt(int x, int y) const {
  TOmegaGUIComponent* topmost = nullptr;
  for (const auto& page : PageList)
    if (TOmegaGUIComponent* hit = page->HitTest(x, y)) topmost = hit;
  return topmost;
}

void TOmegaGUI::MouseButton(TMouseButton button, bool down, bool isDouble) {
  Previous = Current;
  switch (button) {
    case TMouseButton::Left:
      Current.LeftDown = down;
      if (down && !isDouble) Current.PressedID = Current.HoverID;
      break;
    case TMouseButton::Right:
      Current.RightDown = down;
      break;
    case TMouseButton::Middle:
      Current.MiddleDown = down;
      break;
  }
  ButtonEvent(button, down, isDouble);
  if (button == TMouseButton::Left && !down) Current.PressedID = -1;
}

void TOmegaGUI::ButtonEvent(TMouseButton button, bool down, bool isDouble) {
  int id = Current.HoverID;
  TOmegaGUIComponent* widget = Component(id);
  if (!widget) return;
  if (isDouble) {
    widget->DblClick();
  } else if (!down && button == TMouseButton::Left && id == Current.PressedID) {
    widget->Click();  // a left press and release over the same widget
  } else {
    const auto& handler = down ? widget->OnMouseDown : widget->OnMouseUp;
    if (handler) handler(*this, button, Shift(), Current.MouseX, Current.MouseY);
  }
}

TGUIShiftState TOmegaGUI::Shift() const {
  return {Current.LeftDown, Current.RightDown, Current.MiddleDown};
}

void TOmegaGUI::KeyEvent(int key, bool isChar) {
  TOmegaGUIComponent* widget = Component(Current.FocusID);
  if (widget && widget->Page().Enabled) widget->KeyEvent(key, isChar);
}
