#include <stdexcept>

#include "tests/sprites/SpriteFixture.h"

namespace {

std::vector<std::string> NamesInOrder(const TOmegaSprite& engine) {
  std::vector<std::string> names;
  for (int i = 0; i < engine.Count(); ++i) names.push_back(engine.Items(i)->Name());
  return names;
}

using Names = std::vector<std::string>;

// A sprite whose making fails after its base has entered the list.
class TFailingSprite : public TSprite {
 public:
  explicit TFailingSprite(TOmegaSprite& engine) : TSprite(engine) {
    SetZ(3);
    throw std::runtime_error("picture missing");
  }
};

}  // namespace

TEST(RoundPixel, HalvesAndNearHalvesGoAwayFromZero) {
  struct TCase {
    float Value;
    int Pixel;
  };
  const TCase cases[] = {
      {0, 0},
      {0.4f, 0},
      {0.5f, 1},
      {2.4999f, 2},
      {2.49996f, 3},
      {2.5f, 3},
      {2.6f, 3},
      {-0.4f, 0},
      {-0.5f, -1},
      {-2.4999f, -2},
      {-2.49996f, -3},
      {-2.5f, -3},
      {-2.6f, -3},
      {799.5f, 800},
      {-1e20f, -1000000000},
      {1e20f, 1000000000},
  };
  for (const TCase& c : cases) EXPECT_EQ(RoundPixel(c.Value), c.Pixel) << c.Value;
}

TEST_F(SpriteFixture, TheListStaysInZOrderAndANewcomerGoesUnderItsEquals) {
  Probe("a", 0);
  Probe("b", 0);
  Probe("c", 5);
  Probe("d", -1);
  Probe("e", 5);
  EXPECT_EQ(NamesInOrder(Engine), (Names{"d", "b", "a", "e", "c"}));

  Engine.Draw();
  EXPECT_EQ(Log, (Names{"draw d", "draw b", "draw a", "draw e", "draw c"}));
}

TEST_F(SpriteFixture, SetZPlacesTheSpriteUnderThoseOfItsNewZ) {
  TProbeSprite& a = Probe("a", 1);
  TProbeSprite& b = Probe("b", 2);
  Probe("c", 3);
  b.SetZ(2);  // the same Z: nothing moves
  EXPECT_EQ(NamesInOrder(Engine), (Names{"a", "b", "c"}));
  a.SetZ(3);
  EXPECT_EQ(NamesInOrder(Engine), (Names{"b", "a", "c"}));
  b.SetZ(10);
  EXPECT_EQ(NamesInOrder(Engine), (Names{"a", "c", "b"}));
  EXPECT_EQ(b.Z(), 10);
}

TEST_F(SpriteFixture, ItemsOutsideTheListAreNone) {
  Probe("a");
  EXPECT_EQ(Engine.Count(), 1);
  EXPECT_EQ(Engine.Items(-1), nullptr);
  EXPECT_EQ(Engine.Items(1), nullptr);
  EXPECT_NE(Engine.Items(0), nullptr);
}

TEST_F(SpriteFixture, AKilledSpriteIsMovedAndDrawnUntilTheDeadAreRemoved) {
  TProbeSprite& killer = Probe("killer", 0);
  TProbeSprite& victim = Probe("victim", 1);
  killer.OnMove = [&] {
    victim.Kill();
    victim.Kill();  // a second kill queues nothing more
    killer.Kill();
  };
  Engine.Move(0);
  Engine.Draw();
  EXPECT_EQ(Log, (Names{"move killer", "move victim", "draw killer", "draw victim"}));
  EXPECT_TRUE(victim.Dead());
  EXPECT_EQ(Engine.Count(), 2);

  Log.clear();
  Engine.RemoveDead();
  EXPECT_EQ(Log, (Names{"free killer", "free victim"}));  // the dead list is freed from its end
  EXPECT_EQ(Engine.Count(), 0);
  Engine.RemoveDead();  // nothing left to free
}

TEST_F(SpriteFixture, ASpriteMadeDuringAPassWaitsForTheNextOne) {
  TProbeSprite& spawner = Probe("spawner", 0);
  spawner.OnMove = [&] {
    if (Engine.Count() == 1) Probe("smoke", 1);
  };
  Engine.Move(0.00001f);
  EXPECT_EQ(Log, (Names{"move spawner"}));
  Log.clear();
  Engine.Move(0);
  EXPECT_EQ(Log, (Names{"move spawner", "move smoke"}));
}

TEST_F(SpriteFixture, ASpriteMadeUnderThePassMovesNoOtherTwice) {
  // A newcomer placed before the sprite that made it pushes the others up the list; the pass
  // still moves each of them once, the last one included, and the newcomer not at all.
  TProbeSprite& spawner = Probe("spawner", 0);
  Probe("last", 5);
  spawner.OnMove = [&] {
    if (Engine.Count() == 2) Probe("smoke", 0);
  };
  Engine.Move(0);
  EXPECT_EQ(NamesInOrder(Engine), (Names{"smoke", "spawner", "last"}));
  EXPECT_EQ(Log, (Names{"move spawner", "move last"}));
}

TEST_F(SpriteFixture, TheEngineFreesItsSpritesLastFirst) {
  {
    TOmegaSprite engine(Messages);
    engine.Create<TProbeSprite>(Log, "a", 1);
    engine.Create<TProbeSprite>(Log, "b", 2).Kill();
    engine.Create<TProbeSprite>(Log, "c", 0);
  }
  EXPECT_EQ(Log, (Names{"free b", "free a", "free c"}));
}

TEST_F(SpriteFixture, ASpriteWhoseMakingFailsLeavesNoTrace) {
  Probe("a", 3);
  EXPECT_THROW(Engine.Create<TFailingSprite>(), std::runtime_error);
  EXPECT_EQ(NamesInOrder(Engine), (Names{"a"}));
  Engine.Move(0);
  EXPECT_EQ(Log, (Names{"move a"}));
}

TEST_F(SpriteFixture, AssignCopiesTheDrawableStateButNotTheEnd) {
  TImageListItem& car = AddPicture("car", 40, 20);
  BuildTextures();
  TProbeSprite& source = Probe("source", 7);
  source.SetImage(&car);
  source.SetX(12.5f);
  source.SetY(-3);
  source.SetRed(10);
  source.SetAlpha(128);
  source.VertexColors[2] = 0x12345678;
  source.Angle = 30;
  source.MirrorX = true;
  source.SetAdditive(true);
  source.Kill();
  TProbeSprite& copy = Probe("copy", 0);
  copy.SetWidth(99);
  copy.Assign(source);

  EXPECT_EQ(copy.Name(), "source");
  EXPECT_EQ(copy.Z(), 7);
  EXPECT_EQ(Engine.Items(0), &copy);  // placed under the source, which has the same Z
  EXPECT_EQ(copy.X(), 12.5f);
  EXPECT_EQ(copy.X3(), 52.5f);
  EXPECT_EQ(copy.Y4(), 17);
  EXPECT_EQ(copy.Width(), 40);  // from the picture's tile
  EXPECT_EQ(copy.BoundsRect().Right, 53);
  EXPECT_EQ(copy.VertexColors[2], 0x12345678u);
  EXPECT_EQ(copy.VertexColors[0], 0x800AFFFFu);
  EXPECT_EQ(copy.Angle, 30);
  EXPECT_TRUE(copy.MirrorX);
  EXPECT_EQ(copy.BlendMode, 2);
  EXPECT_FALSE(copy.Additive());
  EXPECT_FALSE(copy.Dead());
}
