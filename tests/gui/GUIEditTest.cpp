#include "tests/gui/GUIFixture.h"

namespace {

// An edit at (0, 0) with the focus, holding text with the caret at a place.
struct EditFixture : GUIFixture {
  TOmegaEdit& Edit = Watched<TOmegaEdit>("NameEdit", 0, 0, 100, 20);

  EditFixture() {
    Move(10, 10);
    Press();
    Release();
    Log.clear();
  }
  void Reset(const std::string& text, int caret) {
    Edit.Text = text;
    Edit.CursorPos = caret;
  }
};

using namespace GUIKey;

}  // namespace

TEST_F(EditFixture, ClickTakesTheFocusAndUnfocusGivesItUp) {
  EXPECT_EQ(GUI.Pointer().FocusID, Edit.ID());
  Edit.Unfocus();
  EXPECT_EQ(GUI.Pointer().FocusID, -1);
  Type("a");
  EXPECT_EQ(Edit.Text, "");
}

TEST_F(EditFixture, EditKeys) {
  struct TCase {
    std::string Text;
    int Caret;
    std::vector<TInputEvent> Keys;
    std::string ExpectedText;
    int ExpectedCaret;
  };
  auto down = [](int key) { return KeyEvent(TInputKind::KeyDown, key); };
  const TCase cases[] = {
      {"abc", 3, {down(Home)}, "abc", 0},
      {"abc", 0, {down(End)}, "abc", 3},
      {"abc", 1, {down(Left), down(Left)}, "abc", 0},
      {"abc", 2, {down(Right), down(Right)}, "abc", 3},
      {"abc", 1, {down(Delete)}, "ac", 1},
      {"abc", 3, {down(Delete)}, "abc", 3},
      {"", 0, {down(Delete)}, "", 0},
      // Backspace and Enter come as key downs only; the GUI makes their characters.
      {"abc", 1, {down(Backspace)}, "bc", 0},
      {"abc", 0, {down(Backspace)}, "abc", 0},
      {"abc", 3, {down(Enter)}, "abc", 3},
      {"abc", 1, {TextEvent("XY")}, "aXYbc", 3},
      // A caret left beyond a text shortened by the game types at the end.
      {"ab", 7, {TextEvent("c")}, "abc", 3},
  };
  for (const TCase& c : cases) {
    Reset(c.Text, c.Caret);
    for (const TInputEvent& key : c.Keys) Send(key);
    EXPECT_EQ(Edit.Text, c.ExpectedText) << c.Text << " at " << c.Caret;
    EXPECT_EQ(Edit.CursorPos, c.ExpectedCaret) << c.Text << " at " << c.Caret;
  }
}

TEST_F(EditFixture, CharFilterConvertsThenChecks) {
  struct TCase {
    TCharFilter Filter;
    unsigned char Typed;
    std::string Expected;  // empty: refused
  };
  const TCase cases[] = {
      {TCharFilter::None, 'a', "a"},         {TCharFilter::None, 200, "\xC8"},
      {TCharFilter::UpperOnly, 'A', "A"},    {TCharFilter::UpperOnly, 'a', ""},
      {TCharFilter::UpperOnly, 196, "\xC4"}, {TCharFilter::UpperOnly, 228, ""},
      {TCharFilter::UpperOnly, 200, ""},     {TCharFilter::UpperOnly, '1', ""},
      {TCharFilter::LowerOnly, 'z', "z"},    {TCharFilter::LowerOnly, 'Z', ""},
      {TCharFilter::LowerOnly, 252, "\xFC"}, {TCharFilter::LowerOnly, 220, ""},
      {TCharFilter::Digits, '0', "0"},       {TCharFilter::Digits, '9', "9"},
      {TCharFilter::Digits, 'a', ""},        {TCharFilter::Digits, ' ', ""},
      {TCharFilter::ToUpper, 'a', "A"},      {TCharFilter::ToUpper, 246, "\xD6"},
      {TCharFilter::ToUpper, 241, "\xD1"},   {TCharFilter::ToUpper, 230, "\xE6"},
      {TCharFilter::ToUpper, '1', "1"},      {TCharFilter::ToLower, 'Q', "q"},
      {TCharFilter::ToLower, 220, "\xFC"},   {TCharFilter::ToLower, 209, "\xF1"},
      {TCharFilter::ToLower, 214, "\xF6"},   {TCharFilter::ToLower, 196, "\xE4"},
  };
  for (const TCase& c : cases) {
    Reset("", 0);
    Edit.CharFilter = c.Filter;
    Type(std::string(1, char(c.Typed)));
    EXPECT_EQ(Edit.Text, c.Expected) << int(c.Filter) << " " << int(c.Typed);
    EXPECT_EQ(Edit.CursorPos, int(c.Expected.size()));
  }
}

// Refused characters are never typed, whatever the filter lets through; the rest of the text is.
TEST_F(EditFixture, RefusedCharactersAreNeverTyped) {
  Edit.RefusedCharacters = "|";
  for (TCharFilter filter : {TCharFilter::None, TCharFilter::ToUpper}) {
    Reset("", 0);
    Edit.CharFilter = filter;
    Type("x|score=9999");
    EXPECT_EQ(Edit.Text, filter == TCharFilter::None ? "xscore=9999" : "XSCORE=9999");
    EXPECT_EQ(Edit.CursorPos, 11);
  }
}

TEST_F(EditFixture, FullFieldStillTakesBackspace) {
  Edit.MaxLength = 12;
  Reset("abcdefghijkl", 12);
  Type("m");
  EXPECT_EQ(Edit.Text, "abcdefghijkl");
  KeyDown(Backspace);
  Type("mn");
  EXPECT_EQ(Edit.Text, "abcdefghijkm");
}

// Only what the font can draw is typed, every one of its characters, the last one included.
TEST_F(EditFixture, TypesExactlyTheFontsCharacters) {
  Type(Font.Characters());
  EXPECT_EQ(Edit.Text, Font.Characters());
  Reset("", 0);
  Type("\x01\x98\x7F\t");
  EXPECT_EQ(Edit.Text, "");
}

TEST_F(EditFixture, ReadOnlyFieldHearsKeysButKeepsItsText) {
  std::vector<int> keys;
  Edit.OnKey = [&keys](TOmegaGUIComponent&, int key, bool) { keys.push_back(key); };
  Edit.ReadOnly = true;
  Reset("abc", 3);
  KeyDown(Backspace);
  KeyDown(Home);
  Type("d");
  EXPECT_EQ(Edit.Text, "abc");
  EXPECT_EQ(Edit.CursorPos, 3);
  EXPECT_EQ(keys, (std::vector<int>{Backspace, Backspace, Home, 'd'}));
}

// Keys go to the focused edit only while its page is enabled.
TEST_F(EditFixture, DisabledPageGetsNoKeys) {
  Page.Enabled = false;
  Type("a");
  EXPECT_EQ(Edit.Text, "");
  Page.Enabled = true;
  Type("a");
  EXPECT_EQ(Edit.Text, "a");
}
