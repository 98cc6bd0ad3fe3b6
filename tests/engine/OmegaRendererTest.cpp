#include "engine/OmegaRenderer.h"

#include <gtest/gtest.h>

#include "engine/OmegaScreen.h"
#include "platform/RecordingRenderDevice.h"

namespace {

struct RendererFixture : testing::Test {
  TRecordingRenderDevice Device;
  TDeviceOnlyVideo Video{&Device};
  TMessageBoxes Messages{true};
  TOmegaScreen Screen{Video, Messages};
  TOmegaRenderer Renderer;
  RendererFixture() { Renderer.Bind(Screen); }
};

}  // namespace

TEST_F(RendererFixture, BindingResetsTheQuad) {
  Renderer.FlipHorizontal = true;
  Renderer.Vertices[2].X = 7;
  Renderer.Bind(Screen);
  EXPECT_FALSE(Renderer.FlipHorizontal);
  const float xs[4] = {0, 100, 100, 0}, ys[4] = {0, 0, 100, 100}, us[4] = {0, 1, 1, 0}, vs[4] = {0, 0, 1, 1};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Renderer.Vertices[i].X, xs[i]);
    EXPECT_EQ(Renderer.Vertices[i].Y, ys[i]);
    EXPECT_EQ(Renderer.Vertices[i].U, us[i]);
    EXPECT_EQ(Renderer.Vertices[i].V, vs[i]);
    EXPECT_EQ(Renderer.Vertices[i].Color, 0xFFFFFFFFu);
  }
}

TEST_F(RendererFixture, MirroringSwapsTextureCorners) {
  struct TCase {
    bool Horizontal, Vertical;
    int Order[4];  // which of t0..t3 each vertex gets
  };
  const TCase cases[] = {
      {false, false, {0, 1, 2, 3}},
      {true, false, {1, 0, 3, 2}},
      {false, true, {3, 2, 1, 0}},
      {true, true, {2, 3, 0, 1}},
  };
  const TTexCoord t[4] = {{0.1f, 0.2f}, {0.3f, 0.4f}, {0.5f, 0.6f}, {0.7f, 0.8f}};
  for (const TCase& c : cases) {
    Renderer.FlipHorizontal = c.Horizontal;
    Renderer.FlipVertical = c.Vertical;
    Renderer.SetTexCoords(t[0], t[1], t[2], t[3]);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(Renderer.Vertices[i].U, t[c.Order[i]].U) << c.Horizontal << c.Vertical << " vertex " << i;
      EXPECT_EQ(Renderer.Vertices[i].V, t[c.Order[i]].V) << c.Horizontal << c.Vertical << " vertex " << i;
    }
  }
}

TEST_F(RendererFixture, PositionsReachToTheFarEdgeOfTheLastPixel) {
  // A 10 x 4 picture at (20, 30), its corners passed half a pixel back as the image draw does.
  Renderer.SetPositions(19.5f, 29.5f, 29.5f, 29.5f, 29.5f, 33.5f, 19.5f, 33.5f);
  EXPECT_EQ(Renderer.Vertices[0].X, 19.5f);
  EXPECT_EQ(Renderer.Vertices[1].X, 30.0f);
  EXPECT_EQ(Renderer.Vertices[2].X, 30.0f);
  EXPECT_EQ(Renderer.Vertices[2].Y, 34.0f);
  EXPECT_EQ(Renderer.Vertices[3].Y, 34.0f);
}

TEST_F(RendererFixture, ScalesThenTurnsClockwise) {
  Renderer.SetPositions(10, 0, 10, 0, 10, 0, 10, 0);
  Renderer.RotateScale(0, 0, 90, 2, 1);  // (10, 0) scaled to (20, 0), turned to (0, 20)
  EXPECT_NEAR(Renderer.Vertices[0].X, 0, 1e-4);
  EXPECT_NEAR(Renderer.Vertices[0].Y, 20, 1e-4);
  Renderer.Rotate(0, 0, -90);
  EXPECT_NEAR(Renderer.Vertices[0].X, 20, 1e-4);
  EXPECT_NEAR(Renderer.Vertices[0].Y, 0, 1e-4);
}

TEST_F(RendererFixture, FlushSubmitsOnlyInsideAScene) {
  Screen.Initialize();
  Renderer.Bind(Screen);
  Renderer.Flush();
  EXPECT_TRUE(Device.Draws.empty());
  Screen.BeginScene();
  Renderer.Flush();
  ASSERT_EQ(Device.Draws.size(), 1u);
  EXPECT_EQ(Device.Draws[0].Quad[1].X, 100.0f);
}
