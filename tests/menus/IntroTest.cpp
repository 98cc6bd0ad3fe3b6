#include "menus/MenuForm.h"

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

TEST_F(MenuForm, TheIntroLastsItsFramesWhateverKeysArePressed) {
  Start();
  EXPECT_TRUE(Played("begin"));
  for (int frame = 0; frame < 484; ++frame) {
    for (int key : {VK_ESCAPE, VK_RETURN, VK_SPACE, VK_Z}) Press(key);
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
