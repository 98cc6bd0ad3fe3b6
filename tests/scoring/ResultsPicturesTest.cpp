#include <gtest/gtest.h>

#include "PixelChecks.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "platform/Png.h"
#include "platform/SdlVideo.h"
#include "scoring/ResultsRun.h"
#include "state/EnvironmentVariable.h"

namespace {

// How many of the flat opaque texels of the picture's columns first..last (every fourth texel)
// show on the screenshot where the picture was drawn at (left, top), out of how many were looked at.
std::pair<int, int> ShownTexels(const TPixmap& shot, TImageListItem& item, int left, int top, int first,
                                int last) {
  int shown = 0, looked = 0;
  for (int y = 1; y + 1 < item.TileHeight; y += 4)
    for (int x = std::max(first, 1); x <= last && x + 1 < item.TileWidth; x += 4) {
      if (!FlatOpaque(item, x, y, 10)) continue;
      ++looked;
      shown += Near(shot.At(left + x, top + y), item.Pixel(x, y), 12);
    }
  return {shown, looked};
}

// The real display (offscreen OpenGL) and the real pictures.
struct ResultsPictures : testing::Test {
  // The question whether to send is asked only when there is a score server.
  TEnvironmentVariable ScoreServer{"MORVEL_SCORE_SERVER", "127.0.0.1:9"};
  TSdlVideo Video{TVideoOptions{true, TRenderKind::Gl}};
  TResultsRun Game{Video};
  TForm1& Form = *Game.Form;

  TPixmap Shot(const std::string& name) {
    const std::string path = (Game.Folder / name).string();
    Form.OmegaScreen1.RequestScreenshot(path);
    Game.RunFrame();
    std::string error;
    auto picture = ReadPngFile(path, error);
    EXPECT_TRUE(picture) << error;
    return picture ? *picture : TPixmap{};
  }

  void ExpectShown(const TPixmap& shot, const char* picture, int left, int top, int first, int last) {
    TImageListItem* item = Form.GameImageList.Find(picture);
    ASSERT_NE(item, nullptr) << picture;
    const auto [shown, looked] = ShownTexels(shot, *item, left, top, first, last);
    EXPECT_GT(looked, 20) << picture;
    EXPECT_GE(shown * 100, looked * 95) << picture << ": " << shown << " of " << looked;
  }
};

}  // namespace

// The results with the unlock banner over the finished race, then the send question with its
// two answers in the places the results leave free.
TEST_F(ResultsPictures, TheResultsThenTheSendQuestion) {
  Form.State.TotalScore = 250;
  Game.StartAndFinish(1, {12, 34, 1});
  for (int frame = 0; frame <= 150; ++frame) Game.RunFrame();
  ASSERT_EQ(Form.State.CurrentScreen, gsRaceOver);
  Game.RunUntilNextShows();
  const TPixmap results = Shot("results.png");
  ASSERT_GT(results.Width, 0);
  // The banner's left end, clear of its centred message.
  ExpectShown(results, "scr_av", 150, 465, 0, 80);
  ExpectShown(results, "bro_next", 472, 411, 0, 91);

  Game.ClickOn("bro_next");
  const TPixmap question = Shot("send.png");
  ASSERT_GT(question.Width, 0);
  ExpectShown(question, "b_no1", 375, 409, 0, 119);
  ExpectShown(question, "b_yes1", 511, 409, 0, 119);
  // The question's left margin, beside the answers and above the banner.
  ExpectShown(question, "scr_send", 146, 129, 0, 200);
  EXPECT_EQ(Game.Messages.Shown().size(), 0u);
}

// The opponents' level is written under the results' column, clear of "next": another level
// changes those pixels and nothing right of them.
TEST_F(ResultsPictures, TheResultsTellTheOpponentsLevel) {
  Form.State.Options.Difficulty = TDifficulty::Hard;
  Game.StartAndFinish(1, {12, 34, 1});
  for (int frame = 0; frame <= 150; ++frame) Game.RunFrame();
  ASSERT_EQ(Form.State.CurrentScreen, gsRaceOver);
  Game.RunUntilNextShows();
  const TPixmap hard = Shot("hard.png");
  Form.State.Options.Difficulty = TDifficulty::Easy;
  const TPixmap easy = Shot("easy.png");
  ASSERT_GT(hard.Width, 0);
  ASSERT_GT(easy.Width, 0);
  const auto differing = [&](int left, int right) {
    int count = 0;
    for (int y = 420; y < 456; ++y)
      for (int x = left; x < right; ++x) count += !Near(hard.At(x, y), easy.At(x, y), 40);
    return count;
  };
  EXPECT_GT(differing(250, 465), 100);
  EXPECT_EQ(differing(465, 600), 0);
  ExpectShown(hard, "bro_next", 472, 411, 0, 91);
}
