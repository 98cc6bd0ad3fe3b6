#include <gtest/gtest.h>

#include "engine/OmegaSprite.h"
#include "platform/MessageBox.h"
#include "shell/ScreenSprites.h"

// A screen kills its own sprites as it is left, and only those; one it killed earlier (an emblem
// replaced halfway through the intro) may long have been freed by then and is not touched again.
TEST(ScreenSprites, LeavingKillsTheScreensOwnSpritesOnceAndLeavesTheOthers) {
  TMessageBoxes messages{true};
  TOmegaSprite engine(messages);
  TSprite& other = engine.Create<TSprite>();
  TScreenSprites screen(engine);
  TSprite& early = screen.Create<TSprite>();
  screen.Create<TSprite>();
  screen.Create<TSprite>();
  screen.Kill(early);
  EXPECT_TRUE(early.Dead());
  engine.RemoveDead();  // another screen's clean-up frees it
  ASSERT_EQ(engine.Count(), 3);
  screen.KillAll();
  ASSERT_EQ(engine.Count(), 1);
  EXPECT_EQ(engine.Items(0), &other);
  EXPECT_FALSE(other.Dead());
  screen.KillAll();  // nothing left to kill
  EXPECT_EQ(engine.Count(), 1);
}
