#include "tests/gui/GUIFixture.h"

namespace {

// Draws in an open scene; Drawn() gives the draws of the last GUI.Draw.
struct DrawFixture : GUIFixture {
  DrawFixture() { Screen.BeginScene(); }
  const std::vector<TRecordingRenderDevice::TDraw>& Drawn() {
    Device.Draws.clear();
    GUI.Draw();
    return Device.Draws;
  }
  TTextureHandle Texture(const std::string& name) { return Images.Find(name)->Texture(); }
  TTextureHandle FontTexture() { return Images.Items(0).Texture(); }

  TOmegaButton& Button(int left, int top, int width, int height) {
    auto& button = Page.Add<TOmegaButton>();
    button.Left = left, button.Top = top, button.Width = width, button.Height = height;
    button.Caption = "";
    button.SetStateImage(GUIState::Normal, Images.Find("normal"));
    button.SetStateImage(GUIState::Hover, Images.Find("hover"));
    button.SetStateImage(GUIState::Pressed, Images.Find("pressed"));
    button.SetStateImage(GUIState::Overlay, Images.Find("overlay"));
    return button;
  }
};

}  // namespace

// The picture follows the mouse and is stretched over the widget's rectangle.
TEST_F(DrawFixture, ButtonLookFollowsTheMouse) {
  auto& button = Button(100, 50, 60, 30);
  ASSERT_EQ(Drawn().size(), 1u);
  EXPECT_EQ(Device.Draws[0].Texture, Texture("normal"));
  const TQuad& quad = Device.Draws[0].Quad;
  EXPECT_NEAR(quad[0].X, 100, 0.5f);
  EXPECT_NEAR(quad[0].Y, 50, 0.5f);
  EXPECT_NEAR(quad[2].X, 160, 0.5f);
  EXPECT_NEAR(quad[2].Y, 80, 0.5f);
  Move(120, 60);
  EXPECT_EQ(Drawn().at(0).Texture, Texture("hover"));
  Press();
  EXPECT_EQ(Drawn().at(0).Texture, Texture("pressed"));
  // A look without a picture falls back to the normal one.
  button.SetStateImage(GUIState::Pressed, nullptr);
  EXPECT_EQ(Drawn().at(0).Texture, Texture("normal"));
  Release();
  EXPECT_EQ(Drawn().at(0).Texture, Texture("hover"));
  // The overlay comes on top at its own size.
  button.ShowOverlay = true;
  ASSERT_EQ(Drawn().size(), 2u);
  EXPECT_EQ(Device.Draws[1].Texture, Texture("overlay"));
  EXPECT_NEAR(Device.Draws[1].Quad[2].X, 116, 0.5f);
  EXPECT_NEAR(Device.Draws[1].Quad[2].Y, 58, 0.5f);
}

// "AB" is 16 x 10 pixels in the test font.
TEST_F(DrawFixture, CaptionIsCentredOrAQuarterIn) {
  auto& button = Button(100, 50, 60, 30);
  button.Caption = "AB";
  Drawn();
  ASSERT_EQ(Device.Draws.size(), 3u);
  EXPECT_EQ(Device.Draws[1].Texture, FontTexture());
  EXPECT_FLOAT_EQ(Device.Draws[1].Quad[0].X, 100 + 30 - 8);
  EXPECT_FLOAT_EQ(Device.Draws[1].Quad[0].Y, 50 + 15 - 5);
  button.CenterCaption = false;
  button.CaptionOffsetX = 3;
  button.CaptionOffsetY = -4;
  Drawn();
  EXPECT_FLOAT_EQ(Device.Draws[1].Quad[0].X, 100 + 3 + 15);
  EXPECT_FLOAT_EQ(Device.Draws[1].Quad[0].Y, 50 + 15 - 4 - 5);
  // At double size the caption is twice as wide and high, still centred.
  button.CenterCaption = true;
  button.CaptionOffsetX = button.CaptionOffsetY = 0;
  button.TextScaleX = button.TextScaleY = 2;
  Drawn();
  EXPECT_FLOAT_EQ(Device.Draws[1].Quad[0].X, 100 + 30 - 16);
  EXPECT_FLOAT_EQ(Device.Draws[1].Quad[0].Y, 50 + 15 - 10);
}

// The text starts TextMarginX in and is centred in height; the caret and the overlay show only
// while the field has the focus.
TEST_F(DrawFixture, EditShowsItsCaretWhenFocused) {
  auto& edit = Page.Add<TOmegaEdit>();
  edit.Left = 200, edit.Top = 100, edit.Width = 120, edit.Height = 24;
  edit.TextMarginX = 3;
  edit.CaretText = ".";
  edit.SetStateImage(GUIState::Overlay, Images.Find("overlay"));
  edit.Text = "AB";
  edit.CursorPos = 1;
  ASSERT_EQ(Drawn().size(), 2u);  // two glyphs, no picture
  EXPECT_FLOAT_EQ(Device.Draws[0].Quad[0].X, 203);
  EXPECT_FLOAT_EQ(Device.Draws[0].Quad[0].Y, 100 + 12 - 5);
  GUI.SetFocusID(edit.ID());
  ASSERT_EQ(Drawn().size(), 4u);
  EXPECT_FLOAT_EQ(Device.Draws[2].Quad[0].X, 203 + 8);  // after the first character
  EXPECT_FLOAT_EQ(Device.Draws[2].Quad[0].Y, 107);
  EXPECT_EQ(Device.Draws[3].Texture, Texture("overlay"));
  edit.ShowCaret = false;
  EXPECT_EQ(Drawn().size(), 3u);
}

TEST_F(DrawFixture, HiddenPagesAndWidgetsAreNotDrawnAndPagesDrawInOrder) {
  auto& first = Button(0, 0, 10, 10);
  TOmegaGUIList& top = GUI.AddPage("top");
  auto& second = top.Add<TOmegaButton>();
  second.Caption = "";
  second.SetStateImage(GUIState::Normal, Images.Find("hover"));
  ASSERT_EQ(Drawn().size(), 2u);
  EXPECT_EQ(Device.Draws[1].Texture, Texture("hover"));
  Page.BringToFront();
  ASSERT_EQ(Drawn().size(), 2u);
  EXPECT_EQ(Device.Draws[1].Texture, Texture("normal"));
  top.Visible = false;
  EXPECT_EQ(Drawn().size(), 1u);
  first.Visible = false;
  EXPECT_EQ(Drawn().size(), 0u);
}

// A look that animates steps one pattern every Speed div 10 draws; entering the widget starts
// it over.
TEST_F(DrawFixture, AnimatedLookStepsThroughItsPatterns) {
  struct TCase {
    bool Loop, Reverse;
    std::vector<int> Patterns;  // after each of eight draws, at two draws a step
  };
  const TCase cases[] = {
      {true, false, {1, 2, 2, 3, 3, 1, 1, 2}},
      {false, false, {1, 2, 2, 3, 3, 3, 3, 3}},
      {true, true, {1, 3, 3, 2, 2, 1, 1, 3}},
  };
  for (const TCase& c : cases) {
    auto& button = Button(0, 0, 40, 20);
    button.SetStatePattern(GUIState::Normal, 1);
    TGUIState& look = button.States[GUIState::Normal];
    look.Animate = true;
    look.PatternCount = 3;
    look.Speed = 20;
    look.Loop = c.Loop;
    look.Reverse = c.Reverse;
    std::vector<int> seen;
    for (int draw = 0; draw < 8; ++draw) {
      button.Draw();
      seen.push_back(look.PatternIndex);
    }
    EXPECT_EQ(seen, c.Patterns) << c.Loop << c.Reverse;
    EXPECT_EQ(look.Finished, !c.Loop);
    Move(10, 10);
    EXPECT_FALSE(look.Finished);
    EXPECT_EQ(look.PatternIndex, c.Reverse ? 3 : 1);
    Page.Free(button);
    Move(300, 300);
  }
}
