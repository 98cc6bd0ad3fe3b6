#include "menus/MenuForm.h"

#include "platform/GameControllers.h"
#include "shell/KeyCodes.h"

namespace {

struct TAlphaStep {
  int FramesRun;
  const char* Sprite;
  int Alpha;
};

// The emblems' and the title's alpha after that many intro frames: the steps begin and end at
// the intro's key frames.
constexpr TAlphaStep kIntroAlpha[] = {
    {31, "logo_vek", 0},    {32, "logo_vek", 3}, {115, "logo_vek", 252}, {191, "logo_vek", 252},
    {192, "logo_vek", 247}, {201, "name", 0},    {202, "name", 2},       {240, "logo_vek", 7},
    {242, "logo", 0},       {263, "logo", 0},    {264, "logo", 3},       {325, "name", 248},
    {347, "logo", 252},     {423, "logo", 252},  {472, "logo", 7},       {484, "name", 248},
};

}  // namespace

TEST_F(MenuForm, TheIntroFadesItsPicturesAtItsKeyFrames) {
  Start();
  int run = 0;
  for (const TAlphaStep& step : kIntroAlpha) {
    RunFrames(step.FramesRun - run);
    run = step.FramesRun;
    TSprite* sprite = SpriteNamed(step.Sprite);
    ASSERT_NE(sprite, nullptr) << step.Sprite << " after " << run << " frames";
    EXPECT_EQ(sprite->Alpha(), step.Alpha) << step.Sprite << " after " << run << " frames";
  }
  EXPECT_EQ(SpriteNamed("logo_vek"), nullptr);  // the game's emblem took the publisher's place
}

// Keys that are neither a menu key nor a controller's leave the intro running to its end.
TEST_F(MenuForm, TheIntroLastsItsFramesUnlessSkipped) {
  Start();
  EXPECT_TRUE(Played("begin"));
  for (int frame = 0; frame < 484; ++frame) {
    for (int key : {VK_Z, int('A'), VK_F1}) Press(key);
    RunFrames(1);
    ASSERT_EQ(Form->State.CurrentScreen, gsIntro) << "after frame " << frame;
  }
  EXPECT_NE(SpriteNamed("square"), nullptr);
  RunFrames(1);
  EXPECT_EQ(Form->State.CurrentScreen, gsEnterName);
  // The intro's pictures are gone and the demonstration race runs behind the menus.
  EXPECT_EQ(SpriteNamed("square"), nullptr);
  EXPECT_EQ(SpriteNamed("logo"), nullptr);
  EXPECT_NE(SpriteNamed("light"), nullptr);
  EXPECT_NE(SpriteNamed("enemy"), nullptr);
  // The keys pressed during the intro do not reach the name entry.
  RunFrames(1);
  EXPECT_EQ(Form->State.CurrentScreen, gsEnterName);
}

// Enter, Escape, Space, every key a controller's button stands for, and a click anywhere skip
// to the name entry at once. The key that skipped is not also taken by the name entry, which
// would otherwise go on with the stored name.
TEST_F(MenuForm, AMenuKeyAControllerButtonOrAClickSkipsTheIntro) {
  TGameState saved;
  saved.PlayerName = "Max";
  ASSERT_TRUE(SaveSettings(saved));
  std::vector<int> keys = {VK_RETURN, VK_ESCAPE, VK_SPACE};
  const std::vector<int> buttons = TGameControllers::ButtonKeys();
  keys.insert(keys.end(), buttons.begin(), buttons.end());
  constexpr int kClick = -1;
  keys.push_back(kClick);
  for (int key : keys) {
    SCOPED_TRACE(key == kClick ? std::string("a click") : "key " + std::to_string(key));
    Start();
    RunFrames(60);
    if (key == kClick) {
      for (TInputKind kind : {TInputKind::MouseMove, TInputKind::MouseDown, TInputKind::MouseUp})
        Send(Event(kind, 200, 450));
    } else {
      Press(key);
    }
    RunFrames(1);
    ASSERT_EQ(Form->State.CurrentScreen, gsEnterName);
    EXPECT_EQ(SpriteNamed("square"), nullptr);
    EXPECT_EQ(SpriteNamed("logo_vek"), nullptr);
    EXPECT_NE(SpriteNamed("enemy"), nullptr);
    EXPECT_EQ(Edit()->Text, "Max");
    RunFrames(3);
    EXPECT_EQ(Form->State.CurrentScreen, gsEnterName);
  }
}
