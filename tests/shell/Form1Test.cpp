#include "shell/Form1.h"

#include <gtest/gtest.h>

#include <set>

#include "state/FormInFolder.h"

using FormFixture = FormInFolder;

TEST(GameScreen, KeepsTheGamesNumbers) {
  const std::pair<TGameScreen, int> screens[] = {
      {gsExitRace, 0},  {gsEnterName, 1}, {gsIntro, 3},  {gsMainMenu, 4},     {gsHelp, 6},
      {gsOptions, 7},   {gsExitGame, 10}, {gsRace, 12},  {gsChooseTrack, 14}, {gsChooseCar, 15},
      {gsRaceOver, 16}, {gsPause, 20},    {gsShare, 21},
  };
  for (auto [screen, value] : screens) EXPECT_EQ(int(screen), value);
  static_assert(sizeof(TGameScreen) == 1);
}

TEST_F(FormFixture, StartsWithTheGamesDefaults) {
  Form.FormCreate();
  EXPECT_TRUE(Form.State.MusicOn);
  EXPECT_TRUE(Form.State.SoundOn);
  EXPECT_FALSE(Form.State.FullScreen);
  EXPECT_EQ(Form.State.Catalogue.TargetScore, 300);
  EXPECT_EQ(Form.State.Catalogue.TargetSteps[8], 4500);
  EXPECT_EQ(Form.State.Catalogue.TracksAvailable, 3);
  EXPECT_EQ(Form.State.Catalogue.CarsAvailable, 2);
  EXPECT_TRUE(Form.State.GameImagesPending);
  EXPECT_TRUE(Form.OmegaScreen1.Ready());
  EXPECT_TRUE(Device.LinearFilter);
  EXPECT_FALSE(Video.CursorShown);  // the game draws its own cursor
  EXPECT_EQ(Form.OmegaTimer1.TargetFPS(), 90);
  EXPECT_FALSE(Form.OmegaTimer1.Enabled());
  EXPECT_FALSE(Form.AnimTimer.Installed());
}

TEST_F(FormFixture, ShowingRunsTheIntroScreenEveryFrame) {
  Form.FormCreate();
  Form.FormShow();
  EXPECT_EQ(Form.State.CurrentScreen, gsIntro);
  EXPECT_TRUE(Form.OmegaTimer1.Enabled());
  for (int i = 0; i < 3; ++i) RunFrame();
  EXPECT_EQ(Device.Presents, 3);
  EXPECT_EQ(Device.Clears.size(), 3u);
  EXPECT_EQ(Form.State.ScreenTicks, 3);
}

TEST_F(FormFixture, AKeyPressedAndReleasedBetweenFramesIsOneRelease) {
  Form.FormKeyDown(80);
  EXPECT_TRUE(Form.State.KeyHeld[80]);
  Form.FormKeyUp(80);
  EXPECT_FALSE(Form.State.KeyHeld[80]);
  EXPECT_TRUE(Form.State.KeyReleased[80]);
  Form.FormKeyDown(300);  // no such virtual key: ignored
  Form.FormKeyUp(-1);
  EXPECT_EQ(std::count(Form.State.KeyReleased.begin(), Form.State.KeyReleased.end(), true), 1);
}

TEST_F(FormFixture, ASeedMakesTheRandomGeneratorRepeatable) {
  Form.FormCreate();
  TForm1 other({Video, Clock, Messages, true, 7u, {}});
  other.FormCreate();
  EXPECT_EQ(Form.State.Random(), other.State.Random());
}

// Entering a screen lets the menu pictures' textures go; the pictures the screen draws make theirs
// again, so a frame later only they hold textures, and the next screen draws all of its own.
TEST_F(FormFixture, AScreenKeepsTexturesOnlyForThePicturesItDraws) {
  Form.FormCreate();
  Form.FormShow();
  const auto heldByMenuPictures = [&] {
    std::set<TTextureHandle> held;
    for (int i = 0; i < Form.OmegaImageList1.ImageList.Count(); ++i)
      if (TTextureHandle texture = Form.OmegaImageList1.ImageList.Items(i).Texture(); texture != kNoTexture)
        held.insert(texture);
    return held;
  };
  for (TGameScreen screen : {gsIntro, gsEnterName, gsIntro}) {
    Form.EnterScreen(screen);
    Device.Draws.clear();
    RunFrame();
    std::set<TTextureHandle> drawn;
    for (const auto& draw : Device.Draws) {
      EXPECT_EQ(Device.Textures.count(draw.Texture) + (draw.Texture == kNoTexture), 1u)
          << "drawn while dozing";
      drawn.insert(draw.Texture);
    }
    const std::set<TTextureHandle> held = heldByMenuPictures();
    EXPECT_FALSE(held.empty()) << int(screen);
    for (TTextureHandle texture : held)
      EXPECT_EQ(drawn.count(texture), 1u) << int(screen) << " keeps an unused texture";
  }
}
