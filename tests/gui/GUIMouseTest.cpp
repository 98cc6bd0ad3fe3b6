#include <memory>

#include "tests/gui/GUIFixture.h"

using Strings = std::vector<std::string>;

namespace {
constexpr TMouseButton kLeft = TMouseButton::Left, kRight = TMouseButton::Right,
                       kMiddle = TMouseButton::Middle;
}

TEST_F(GUIFixture, WidgetsGetIDsInOrderAcrossPagesNeverReused) {
  auto& first = Page.Add<TOmegaButton>();
  TOmegaGUIList& other = GUI.AddPage("other");
  auto& second = other.Add<TOmegaEdit>();
  EXPECT_EQ(first.ID(), 1);
  EXPECT_EQ(second.ID(), 2);
  EXPECT_EQ(first.Caption, "1");
  EXPECT_EQ(GUI.Component(2), &second);
  GUI.FreePage(other);
  EXPECT_EQ(GUI.Component(2), nullptr);
  EXPECT_EQ(Page.Add<TOmegaButton>().ID(), 3);
  EXPECT_EQ(GUI.Component(0), nullptr);  // 0 is the GUI itself, never a widget
}

// The rectangle is closed: both edges at Left + Width and Top + Height belong to the widget.
TEST_F(GUIFixture, HitTestTakesTheClosedRectangle) {
  auto& button = Watched("A", 10, 20, 30, 15);
  struct TCase {
    int X, Y;
    bool Over;
  };
  const TCase cases[] = {{10, 20, true},  {40, 35, true},  {25, 27, true}, {9, 20, false},
                         {10, 19, false}, {41, 35, false}, {40, 36, false}};
  for (const TCase& c : cases) {
    ASSERT_TRUE(Move(c.X, c.Y));
    EXPECT_EQ(GUI.Pointer().HoverID, c.Over ? button.ID() : 0) << c.X << "," << c.Y;
  }
}

TEST_F(GUIFixture, LastWidgetOfLastTakingPageWins) {
  auto& a = Watched("A", 0, 0, 100, 100);
  auto& b = Watched("B", 0, 0, 100, 100);
  TOmegaGUIList& top = GUI.AddPage("top");
  auto& c = Watched("C", 50, 50, 100, 100, &top);
  Move(60, 60);
  EXPECT_EQ(GUI.Pointer().HoverID, c.ID());
  Page.BringToFront();
  Move(61, 60);
  EXPECT_EQ(GUI.Pointer().HoverID, b.ID());
  a.BringToFront();
  Move(62, 60);
  EXPECT_EQ(GUI.Pointer().HoverID, a.ID());
  // What is hidden or disabled, or on a page that is, lets the mouse through.
  a.Enabled = false;
  Move(63, 60);
  EXPECT_EQ(GUI.Pointer().HoverID, b.ID());
  Page.Enabled = false;
  Move(64, 60);
  EXPECT_EQ(GUI.Pointer().HoverID, c.ID());
  c.Visible = false;
  Move(65, 60);
  EXPECT_EQ(GUI.Pointer().HoverID, 0);
}

// Enter and leave come once per change of the widget under the mouse, leave first, also where
// widgets overlap: the covered widget hears nothing.
TEST_F(GUIFixture, EnterAndLeaveOncePerChange) {
  Watched("A", 0, 0, 100, 20);
  Watched("B", 50, 0, 100, 20);
  Move(10, 10);
  Move(11, 10);
  Move(60, 10);
  Move(61, 10);
  Move(300, 300);
  EXPECT_EQ(TakeLog(), (Strings{"enter A", "leave A", "enter B", "leave B"}));
}

TEST_F(GUIFixture, ClickIsLeftPressAndReleaseOverTheSameWidget) {
  Watched("A", 0, 0, 40, 20);
  Watched("B", 100, 0, 40, 20);
  Move(10, 10);
  TakeLog();
  Press();
  EXPECT_TRUE(GUI.Pointer().LeftDown);
  Release();
  EXPECT_EQ(TakeLog(), (Strings{"down A left", "click A"}));
  EXPECT_EQ(GUI.Pointer().PressedID, -1);

  // Pressed on A, released on B: neither is clicked.
  Press();
  Move(110, 10);
  Release();
  EXPECT_EQ(TakeLog(), (Strings{"down A left", "leave A", "enter B", "up B left"}));
  // Pressed on nothing, released on B: no click either.
  Move(300, 10);
  Press();
  Move(110, 10);
  Release();
  EXPECT_EQ(TakeLog(), (Strings{"leave B", "enter B", "up B left"}));
}

// A double click arrives as a second quick press: one click, then the double click, then a
// plain release.
TEST_F(GUIFixture, DoubleClickFollowsTheFirstClick) {
  Watched("A", 0, 0, 40, 20);
  Move(10, 10);
  TakeLog();
  Press();
  Release();
  Press(kLeft, 2);
  Release();
  EXPECT_EQ(TakeLog(), (Strings{"down A left", "click A", "dbl A", "up A left"}));
}

TEST_F(GUIFixture, RightAndMiddleButtonsPressAndReleaseWithoutClicking) {
  auto& a = Watched("A", 0, 0, 40, 20);
  TGUIShiftState seen;
  a.OnMouseDown = [&seen](TOmegaGUI&, TMouseButton, TGUIShiftState shift, int, int) { seen = shift; };
  Move(10, 10);
  TakeLog();
  Press(kRight);
  EXPECT_TRUE(seen.Right);
  EXPECT_FALSE(seen.Left);
  Release(kRight);
  Press(kMiddle);
  EXPECT_TRUE(seen.Middle && !seen.Right);
  Release(kMiddle);
  EXPECT_EQ(TakeLog(), (Strings{"up A right", "up A middle"}));
  EXPECT_FALSE(GUI.Pointer().RightDown || GUI.Pointer().MiddleDown);
}

// Moves closer than 10 ms of game time are left to the form and change nothing.
TEST_F(GUIFixture, MouseMovesAreTakenAtMostEveryTenMilliseconds) {
  auto& a = Watched("A", 0, 0, 40, 20);
  const int64_t millisecond = TVirtualClock::kFrequency / 1000;
  ASSERT_TRUE(Send(MouseEvent(TInputKind::MouseMove, 10, 10)));
  Clock.Advance(5 * millisecond);
  EXPECT_FALSE(Send(MouseEvent(TInputKind::MouseMove, 300, 10)));
  EXPECT_EQ(GUI.Pointer().HoverID, a.ID());
  EXPECT_EQ(GUI.Pointer().MouseX, 10);
  Clock.Advance(5 * millisecond);
  EXPECT_TRUE(Send(MouseEvent(TInputKind::MouseMove, 300, 10)));
  EXPECT_EQ(GUI.Pointer().HoverID, 0);
  EXPECT_EQ(GUI.Pointer().MouseX, 300);
}

// Which events the form still gets: key downs, key ups, the wheel and moves the GUI left alone.
TEST_F(GUIFixture, HandledEventsDoNotReachTheForm) {
  struct TCase {
    TInputEvent Event;
    bool Handled;
  };
  const TCase cases[] = {
      {MouseEvent(TInputKind::MouseMove, 5, 5), true},
      {MouseEvent(TInputKind::MouseDown), true},
      {MouseEvent(TInputKind::MouseUp), true},
      {MouseEvent(TInputKind::MouseDown, 5, 5, kRight), true},
      {TextEvent("ab"), true},
      {KeyEvent(TInputKind::KeyDown, 13), false},
      {KeyEvent(TInputKind::KeyDown, 65), false},
      {KeyEvent(TInputKind::KeyUp, 13), false},
      {MouseEvent(TInputKind::MouseWheel), false},
  };
  for (const TCase& c : cases) {
    Clock.Advance(TVirtualClock::kFrequency);
    EXPECT_EQ(Send(c.Event), c.Handled) << int(c.Event.Kind);
  }
  // Before Activate and after Deactivate the GUI takes nothing.
  GUI.Deactivate();
  for (const TCase& c : cases) {
    Clock.Advance(TVirtualClock::kFrequency);
    EXPECT_FALSE(Send(c.Event)) << int(c.Event.Kind);
  }
  Clock.Advance(TVirtualClock::kFrequency);
  EXPECT_FALSE(Send(MouseEvent(TInputKind::MouseMove, 77, 77)));
  EXPECT_EQ(GUI.Pointer().MouseX, 5);
}

TEST_F(GUIFixture, FocusedButtonClicksOnEnterAndSpaceKeyDowns) {
  auto& a = Watched("A", 0, 0, 40, 20);
  std::vector<int> keys;
  a.OnKey = [&keys](TOmegaGUIComponent&, int key, bool isChar) { keys.push_back(isChar ? -key : key); };
  KeyDown(13);
  EXPECT_TRUE(Log.empty());  // no widget has the focus yet
  GUI.SetFocusID(a.ID());
  KeyDown(13);
  KeyDown(32);
  Type(" ");
  KeyDown(65);
  EXPECT_EQ(TakeLog(), (Strings{"click A", "click A"}));
  // Enter's key down also makes its character, as Windows sends it; space's comes as text.
  EXPECT_EQ(keys, (std::vector<int>{13, -13, 32, -32, 65}));
  Page.Enabled = false;
  KeyDown(13);
  EXPECT_TRUE(Log.empty());
}

// The screens free a page from its own button's click handler.
TEST_F(GUIFixture, ClickHandlerMayFreeItsOwnPage) {
  TOmegaGUIList& menu = GUI.AddPage("menu");
  auto& quit = Watched("Quit", 0, 0, 40, 20, &menu);
  auto& name = Watched<TOmegaEdit>("Name", 100, 0, 40, 20, &menu);
  int quitID = quit.ID();
  auto token = std::make_shared<int>(0);
  std::weak_ptr<int> watch = token;
  bool aliveDuringHandler = false;
  quit.OnClick = [this, &menu, token, watch, &aliveDuringHandler](TOmegaGUIComponent& sender) {
    GUI.FreePage(menu);
    // The handler runs on: its own captures are still there.
    aliveDuringHandler = !watch.expired() && *token == 0 && sender.Name == "Quit" && !sender.Alive();
  };
  token.reset();
  GUI.SetFocusID(name.ID());
  Move(10, 10);
  Press();
  Release();
  EXPECT_TRUE(aliveDuringHandler);
  EXPECT_TRUE(watch.expired());  // freed once the release was done
  EXPECT_TRUE(GUI.Pages().size() == 1 && GUI.Pages()[0].get() == &Page);

  // Events that still name the freed widgets are dropped.
  EXPECT_EQ(GUI.Pointer().HoverID, quitID);
  TakeLog();
  EXPECT_TRUE(Press());
  EXPECT_TRUE(Release());
  EXPECT_TRUE(Type("x"));
  KeyDown(13);
  EXPECT_TRUE(Log.empty());
  Move(300, 300);  // no leave for what is gone
  EXPECT_TRUE(Log.empty());
}

TEST_F(GUIFixture, FreedWidgetLeavesItsPage) {
  auto& a = Watched("A", 0, 0, 40, 20);
  auto& b = Watched("B", 0, 0, 40, 20);
  int bID = b.ID();
  b.OnMouseEnter = [this, &b](TOmegaGUIComponent&) { Page.Free(b); };
  Move(10, 10);
  EXPECT_EQ(GUI.Component(bID), nullptr);
  ASSERT_EQ(Page.Components().size(), 1u);
  EXPECT_EQ(Page.Components()[0].get(), &a);
  Move(11, 10);
  EXPECT_EQ(GUI.Pointer().HoverID, a.ID());
}

// A click the game makes itself, outside any input event, may free the page too: the widget
// lasts until the GUI next draws.
TEST_F(GUIFixture, DirectClickMayFreeItsOwnPage) {
  TOmegaGUIList& menu = GUI.AddPage("menu");
  auto& quit = Watched("Quit", 0, 0, 40, 20, &menu);
  auto token = std::make_shared<int>(7);
  std::weak_ptr<int> watch = token;
  int seen = 0;
  quit.OnClick = [this, &menu, token, &seen](TOmegaGUIComponent&) {
    GUI.FreePage(menu);
    seen = *token;
  };
  token.reset();
  quit.Click();
  EXPECT_EQ(seen, 7);
  EXPECT_TRUE(GUI.Pages().size() == 1 && !watch.expired());
  GUI.Draw();
  EXPECT_TRUE(watch.expired());
}

// A widget that appears under a pointer at rest, or slides under it, takes the next click,
// although no move told the GUI where the pointer is; one that slid away takes none.
TEST_F(GUIFixture, AClickIsTakenWhereThePointerIsMovedOrNot) {
  Move(100, 100);
  auto& late = Watched("Late", 90, 90, 40, 20);
  Press();
  Release();
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"enter Late", "down Late left", "click Late"}));
  late.Left = 500;
  Press();
  Release();
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"leave Late"}));
  EXPECT_EQ(GUI.Pointer().HoverID, 0);
  late.Left = 80;
  Press();
  Release();
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"enter Late", "down Late left", "click Late"}));
}
