#include "engine/OmegaGUIComponent.h"

#include "engine/OmegaBitmapFont.h"
#include "engine/OmegaGUI.h"
#include "engine/OmegaImageList.h"

TOmegaGUIComponent::TOmegaGUIComponent(TWidgetKey, TOmegaGUIList& page)
    : Font(page.GUI().OmegaBitmapFont),
      TextColor(Font ? Font->Color() : 0xFFFFFFFF),
      TextScaleX(Font ? Font->ScaleX : 1),
      TextScaleY(Font ? Font->ScaleY : 1),
      OwnerPage(page),
      WidgetID(page.GUI().Register(*this)) {}

TOmegaGUI& TOmegaGUIComponent::GUI() const {
  return OwnerPage.GUI();
}

bool TOmegaGUIComponent::Alive() const {
  return GUI().Component(WidgetID) == this;
}

bool TOmegaGUIComponent::HasFocus() const {
  return GUI().Pointer().FocusID == WidgetID;
}

template <class THandler, class... TArgs>
void TOmegaGUIComponent::Fire(const THandler& handler, TArgs&&... args) {
  if (!handler) return;
  TOmegaGUI::TEventScope scope(GUI());
  handler(std::forward<TArgs>(args)...);
}

void TOmegaGUIComponent::SetStatePattern(int state, int index) {
  TGUIState& look = States.at(size_t(state));
  look.PatternIndex = index;
  look.FirstPattern = index;
}

void TOmegaGUIComponent::BringToFront() {
  OwnerPage.MoveToEnd(*this);
}

bool TOmegaGUIComponent::Contains(int x, int y) const {
  return x >= Left && x <= Left + Width && y >= Top && y <= Top + Height;
}

void TOmegaGUIComponent::DblClick() {
  Fire(OnDblClick, *this);
}

void TOmegaGUIComponent::MouseEnter() {
  Fire(OnMouseEnter, *this);
  ResetAnimations();
}

void TOmegaGUIComponent::MouseLeave() {
  Fire(OnMouseLeave, *this);
  ResetAnimations();
}

void TOmegaGUIComponent::Click() {
  Fire(OnClick, *this);
}

void TOmegaGUIComponent::KeyEvent(int key, bool isChar) {
  Fire(OnKey, *this, key, isChar);
}

int TOmegaGUIComponent::DrawState() const {
  const TGUIPointer& pointer = GUI().Pointer();
  if (pointer.HoverID != WidgetID) return GUIState::Normal;
  int state = pointer.LeftDown ? GUIState::Pressed : GUIState::Hover;
  return States[size_t(state)].Image ? state : GUIState::Normal;
}

void TOmegaGUIComponent::Draw() {
  TGUIState& look = States[size_t(DrawState())];
  if (!look.Image) return;
  uint32_t c = look.Color;
  look.Image->DrawRect({0, 0, Width, Height}, Left, Top, Angle, 0.5f, 0.5f, 1, 1, int(c >> 16 & 0xFF),
                       int(c >> 8 & 0xFF), int(c & 0xFF), int(c >> 24), FlipVertical, FlipHorizontal,
                       look.PatternIndex, look.BlendMode);
  if (look.Animate) AdvanceAnimation(look);
}

void TOmegaGUIComponent::DrawOverlay() {
  const TGUIState& look = States[GUIState::Overlay];
  if (!look.Image) return;
  look.Image->DrawColored(Left, Top, 0, 0.5f, 0.5f, 1, 1, look.Color, FlipVertical, FlipHorizontal,
                          look.PatternIndex, look.BlendMode);
}

void TOmegaGUIComponent::ResetAnimations() {
  AnimationCounter = 0;
  for (TGUIState& look : States) {
    if (!look.Animate) continue;
    look.Finished = false;
    look.PatternIndex = look.Reverse ? look.FirstPattern + look.PatternCount - 1 : look.FirstPattern;
  }
}

// Patterns FirstPattern .. FirstPattern + PatternCount - 1, one step every Speed div 10 draws.
void TOmegaGUIComponent::AdvanceAnimation(TGUIState& look) {
  if (++AnimationCounter < look.Speed / 10) return;
  AnimationCounter = 0;
  if (look.Finished || look.PatternCount <= 0) return;
  int first = look.FirstPattern, last = look.FirstPattern + look.PatternCount - 1;
  int next = look.PatternIndex + (look.Reverse ? -1 : 1);
  if (next >= first && next <= last) {
    look.PatternIndex = next;
  } else if (look.Loop) {
    look.PatternIndex = look.Reverse ? last : first;
  } else {
    look.Finished = true;
  }
}
