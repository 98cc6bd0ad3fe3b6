#include "shell/InputScript.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(InputScript, ReadsEveryKindOfLineInFrameOrder) {
  std::istringstream in(
      "# the player drives\n"
      "30 up 38\n"
      "\n"
      "10 down 38\n"
      "12 text Иван P\r\n"
      "40 click 400 300\n"
      "41 move 1 2\n");
  std::string error;
  auto events = ParseInputScript(in, error);
  ASSERT_TRUE(events) << error;
  ASSERT_EQ(events->size(), 7u);
  const std::vector<int> frames{10, 12, 30, 40, 41, 41, 42};
  for (size_t i = 0; i < frames.size(); ++i) EXPECT_EQ((*events)[i].Frame, frames[i]) << i;
  EXPECT_EQ((*events)[0].Event.Kind, TInputKind::KeyDown);
  EXPECT_EQ((*events)[0].Event.Key, 38);
  EXPECT_EQ((*events)[1].Event.Text, "\xC8\xE2\xE0\xED P");  // Windows-1251 bytes
  EXPECT_EQ((*events)[3].Event.Kind, TInputKind::MouseMove);
  EXPECT_EQ((*events)[4].Event.Kind, TInputKind::MouseDown);  // the click's press, a frame later
  EXPECT_EQ((*events)[4].Event.X, 400);
  EXPECT_EQ((*events)[5].Event.Kind, TInputKind::MouseMove);  // ties keep the file's order
  EXPECT_EQ((*events)[6].Event.Kind, TInputKind::MouseUp);
}

TEST(InputScript, NamesTheBadLine) {
  const char* bad[] = {"5 down",    "5 down 300", "x down 3", "-1 up 3",
                       "5 press 3", "5 move 1",   "5 text",   "5 up 3 4"};
  for (const char* text : bad) {
    std::istringstream in(std::string("1 down 13\n") + text + "\n");
    std::string error;
    EXPECT_FALSE(ParseInputScript(in, error)) << text;
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  }
}

TEST(InputScript, HandsOutEachEventOnce) {
  TInputEvent down, up;
  down.Kind = TInputKind::KeyDown;
  up.Kind = TInputKind::KeyUp;
  TInputScript script({{0, down}, {2, up}});
  EXPECT_EQ(script.Take(0).size(), 1u);
  EXPECT_EQ(script.Take(1).size(), 0u);
  EXPECT_EQ(script.Take(5).size(), 1u);  // a late pass still gets it
  EXPECT_EQ(script.Take(6).size(), 0u);
}
