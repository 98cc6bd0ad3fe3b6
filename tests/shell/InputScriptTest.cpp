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
  auto parts = ParseInputScript(in, error);
  ASSERT_TRUE(parts) << error;
  ASSERT_EQ(parts->size(), 1u);
  EXPECT_FALSE(parts->front().Wait);
  const std::vector<TScriptEvent>* events = &parts->front().Events;
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
  const char* bad[] = {"5 down",    "5 down 300", "x down 3",   "-1 up 3",  "5 press 3",
                       "5 move 1",  "5 text",     "5 up 3 4",   "5 wait",   "5 wait 300",
                       "5 wait 4 4", "repeat 0",  "repeat 2 3", "repeat x", "end",
                       "repeat 10001"};
  for (const char* text : bad) {
    std::istringstream in(std::string("1 down 13\n") + text + "\n");
    std::string error;
    EXPECT_FALSE(ParseInputScript(in, error)) << text;
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  }
}

TEST(InputScript, ARepeatWithoutItsEndOrOneInsideAnotherIsRefused) {
  for (const char* text : {"repeat 2\n1 down 13\n", "repeat 2\nrepeat 2\n1 down 13\nend\nend\n"}) {
    std::istringstream in(text);
    std::string error;
    EXPECT_FALSE(ParseInputScript(in, error)) << text;
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  }
}

TEST(InputScript, HandsOutEachEventOnce) {
  TInputEvent down, up;
  down.Kind = TInputKind::KeyDown;
  up.Kind = TInputKind::KeyUp;
  TInputScript script({{{{0, down}, {2, up}}, std::nullopt}});
  EXPECT_EQ(script.Take(0, 0).size(), 1u);
  EXPECT_EQ(script.Take(1, 0).size(), 0u);
  EXPECT_EQ(script.Take(5, 0).size(), 1u);  // a late pass still gets it
  EXPECT_EQ(script.Take(6, 0).size(), 0u);
  EXPECT_EQ(script.Unfinished(), "");
}

// Two rounds of: Enter, a wait from frame 10 on for screen 16, Escape 5 frames later. Lines after a
// wait count from the frame it ended, so the second round's Enter comes as the first wait ends.
TEST(InputScript, FramesAfterAWaitCountFromTheFrameTheScreenCame) {
  std::istringstream in(
      "repeat 2\n"
      "0 down 13\n"
      "10 wait 16\n"
      "5 down 27\n"
      "end\n");
  std::string error;
  auto parts = ParseInputScript(in, error);
  ASSERT_TRUE(parts) << error;
  ASSERT_EQ(parts->size(), 3u);
  TInputScript script(std::move(*parts));

  // Frame, screen shown, the keys handed out.
  const struct {
    int Frame, Screen;
    std::vector<int> Keys;
  } steps[] = {
      {0, 16, {13}},  // the first Enter; screen 16 is there already, but the wait starts at 10
      {9, 16, {}},    //
      {10, 4, {}},    // another screen: still waiting
      {20, 16, {13}}, // the screen came: the second Enter, and frames count from 20
      {24, 16, {}},   //
      {25, 16, {27}}, // the first Escape
      {29, 16, {}},   // the second wait starts 10 frames after 20
      {30, 16, {}},   // and ends at once: the screen is there
      {35, 16, {27}}, // the second Escape
  };
  for (const auto& step : steps) {
    std::vector<int> keys;
    for (const TInputEvent& event : script.Take(step.Frame, step.Screen)) keys.push_back(event.Key);
    EXPECT_EQ(keys, step.Keys) << "frame " << step.Frame;
  }
  EXPECT_EQ(script.Unfinished(), "");
}

TEST(InputScript, SaysWhatARunLeftOfIt) {
  std::istringstream in("0 down 13\n5 wait 16\n1 down 27\n2 up 27\n");
  std::string error;
  auto parts = ParseInputScript(in, error);
  ASSERT_TRUE(parts) << error;
  TInputScript script(std::move(*parts));
  EXPECT_EQ(script.Unfinished(), "3 events still to come");
  EXPECT_FALSE(script.Waiting());
  script.Take(10, 4);
  EXPECT_TRUE(script.Waiting());
  EXPECT_EQ(script.Unfinished(), "still waiting for screen 16 with 2 events to come");
  script.Take(11, 16);
  script.Take(12, 16);
  EXPECT_FALSE(script.Waiting());
  EXPECT_EQ(script.Unfinished(), "1 event still to come");
}
