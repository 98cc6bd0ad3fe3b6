#include "race/TyreMarks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "CarFixture.h"
#include "engine/OmegaScreen.h"
#include "platform/RecordingRenderDevice.h"
#include "race/GhostLap.h"
#include "race/WorldScroll.h"

namespace {

constexpr int kRearWheels = 2;

// A race whose cars may mark the road: the player's car heading 40 degrees at a set speed and
// under control, on the road unless told otherwise; the marks are laid after every frame, as the
// race screen lays them.
struct TMarkingRace : TTestRace {
  explicit TMarkingRace(double speed, bool onRoad = true) {
    AddPicture(GameImages, "tyremark", 16, 8);
    AddWayPoint(0, 0);  // the track's anchor
    if (onRoad) LayRoad();
    TPlayer& player = MakePlayer(0, 40);
    Frame();
    player.HasControl = true;
    player.Speed = speed;
    Marks = &Sprites.Create<TTyreMarks>(Context);
  }

  TPlayer& Player() { return *Race.Player; }

  // Race frames with the marks laid after each; eachFrame runs before every frame's moves.
  void Run(int frames, const std::function<void()>& eachFrame = nullptr) {
    for (int i = 0; i < frames; ++i) {
      if (eachFrame) eachFrame();
      Frame();
      Marks->Lay();
    }
  }
  // The same with a key held.
  void Drive(int key, int frames, const std::function<void()>& eachFrame = nullptr) {
    KeyHeld[size_t(key)] = true;
    Run(frames, eachFrame);
    KeyHeld[size_t(key)] = false;
  }

  // Where a mark lies on the screen now.
  TPointD OnScreen(TPointD point) const {
    const TPointD anchor = TrackAnchor(Race);
    return {anchor.X + point.X, anchor.Y + point.Y};
  }

  TTyreMarks* Marks = nullptr;
};

// The player's car and two opponents, all skidding straight on while the player holds the
// handbrake, so fast that each car's trails grow by a stretch a frame: six marks a frame.
struct TThreeCarSlide : TMarkingRace {
  static constexpr double kSpeed = 21;
  TThreeCarSlide()
      : TMarkingRace(kSpeed), First(MakeOpponent(1, 0, 300, 200)), Second(MakeOpponent(2, 90, 500, 450)) {}
  void Slide(int frames) {
    Drive(DrivingKey::Space, frames, [this] {
      Player().Speed = First.Speed = Second.Speed = kSpeed;
      First.Skidding = Second.Skidding = true;
    });
  }
  TEnemyCar &First, &Second;
};

}  // namespace

// Only a car that slides or brakes hard, fast enough and on the road, leaves marks.
TEST(TyreMarksTest, CarsThatSlideOrBrakeHardMarkTheRoadAndOthersDoNot) {
  struct TCase {
    const char* What;
    double Speed;
    int Key;
    bool OnRoad;
    bool TurnsSharply;  // the direction of travel held 30 degrees behind the heading
    bool Marks;
  };
  const TCase cases[] = {
      {"handbrake", 5, DrivingKey::Space, true, false, true},
      {"sharp turn", 4, DrivingKey::Right, true, true, true},
      {"hard braking", 9, DrivingKey::Down, true, false, true},  // the car's top speed is 10
      {"braking at half speed", 5, DrivingKey::Down, true, false, false},
      {"straight on", 5, DrivingKey::Up, true, false, false},
      {"gentle turn", 4, DrivingKey::Right, true, false, false},
      {"handbrake at walking pace", 1, DrivingKey::Space, true, false, false},
      {"handbrake on the grass", 5, DrivingKey::Space, false, false, false},
  };
  constexpr int kFrames = 10;
  for (const TCase& c : cases) {
    TMarkingRace race(c.Speed, c.OnRoad);
    TPlayer& player = race.Player();
    race.Drive(c.Key, kFrames, [&] {
      if (c.TurnsSharply) player.Direction = player.Heading - 30;
    });
    EXPECT_EQ(race.Marks->Count() > 0, c.Marks) << c.What;
  }
}

// Through a bend a car may slide in every other frame only: its tyres scrub on between the
// slides, and each wheel leaves one unbroken trail, which ends soon after the last slide.
TEST(TyreMarksTest, ACarSlidingOnAndOffLeavesOneTrailPerWheel) {
  TMarkingRace race(5);
  int frame = 0;
  race.Run(10, [&] { race.KeyHeld[DrivingKey::Space] = frame++ % 2 == 0; });
  race.KeyHeld[DrivingKey::Space] = false;
  ASSERT_GT(race.Marks->Count(), 0u);
  race.Run(30);
  const size_t count = race.Marks->Count();
  race.Run(30);
  EXPECT_EQ(race.Marks->Count(), count) << "the trail has ended";
  for (size_t i = kRearWheels; i < count; ++i) {
    const TTyreMark &mark = race.Marks->Mark(i), &before = race.Marks->Mark(i - kRearWheels);
    EXPECT_EQ(mark.From.X, before.To.X) << i;
    EXPECT_EQ(mark.From.Y, before.To.Y) << i;
  }
}

TEST(TyreMarksTest, EveryCarOfTheRaceMarksTheRoad) {
  TThreeCarSlide race;
  race.Slide(5);
  EXPECT_EQ(race.Marks->Count(), size_t(3 * kRearWheels * 4));
}

// The newest marks end at the rear wheels, and stay on the spot of the road they were laid on
// while the world scrolls under the player's car.
TEST(TyreMarksTest, MarksLieUnderTheRearWheelsAndStayWhereTheyWereLaid) {
  TMarkingRace race(21);
  TRoadPart& landmark = race.Sprites.Create<TRoadPart>(race.Context, 1, 100.0, 100.0);
  race.Drive(DrivingKey::Space, 6);
  TPlayer& player = race.Player();
  const size_t count = race.Marks->Count();
  ASSERT_GE(count, size_t(kRearWheels));
  const TPointD left = race.OnScreen(race.Marks->Mark(count - 2).To);
  const TPointD right = race.OnScreen(race.Marks->Mark(count - 1).To);
  // Each end lies on the whole pixel nearest the wheel.
  EXPECT_NEAR(Distance(left, right), 22, 1.5) << "one wheel on each side";
  const TPointD axle{(left.X + right.X) / 2, (left.Y + right.Y) / 2};
  const TPointD centre = player.Centre();
  const double nose = player.Angle + 90;
  EXPECT_NEAR(axle.X, centre.X - 15 * CosDeg(nose), 0.5);
  EXPECT_NEAR(axle.Y, centre.Y - 15 * SinDeg(nose), 0.5);

  const TPointD landmarkBefore{landmark.X(), landmark.Y()};
  race.Drive(DrivingKey::Up, 60);
  ScrollWorld(race.Context, 7, -3);  // an obstacle's push moves the world too
  race.Drive(DrivingKey::Up, 1);
  const TPointD moved = race.OnScreen(race.Marks->Mark(count - 1).To);
  EXPECT_GT(Distance(moved, right), 100) << "the world has moved on";
  EXPECT_NEAR(moved.X - right.X, landmark.X() - landmarkBefore.X, 0.01);
  EXPECT_NEAR(moved.Y - right.Y, landmark.Y() - landmarkBefore.Y, 0.01);
}

// A mark fades evenly from its strength to nothing in about twenty seconds, and then goes.
TEST(TyreMarksTest, MarksFadeOverTwentySecondsAndThenGo) {
  TMarkingRace race(21);
  race.Drive(DrivingKey::Space, 2);
  ASSERT_EQ(race.Marks->Count(), size_t(kRearWheels));
  const TTyreMark first = race.Marks->Mark(0);
  const int fresh = race.Marks->AlphaOf(first);
  EXPECT_GT(fresh, 150) << "dark while fresh";
  int before = fresh;
  for (int second = 1; second <= 19; ++second) {
    race.Run(90);
    ASSERT_GT(race.Marks->Count(), 0u) << second << " s";
    ASSERT_EQ(race.Marks->Mark(0).Laid, first.Laid) << second << " s";
    const int alpha = race.Marks->AlphaOf(race.Marks->Mark(0));
    EXPECT_LT(alpha, before) << second << " s";
    EXPECT_NEAR(alpha, fresh * (20 - second) / 20.0, 1.5) << second << " s";
    before = alpha;
  }
  race.Run(100);
  EXPECT_EQ(race.Marks->Count(), 0u) << "all gone by 21 s";
}

// However long the cars slide, no more than kMostMarks are kept: the newest take the oldest's
// places, and the marks stay in the order they were laid.
TEST(TyreMarksTest, TheNumberOfMarksIsBoundedAndTheOldestGiveWay) {
  TThreeCarSlide race;
  constexpr int kFrames = 1000, kPerFrame = 3 * kRearWheels;
  static_assert(kFrames < TTyreMarks::kFadeFrames && kFrames * kPerFrame > int(TTyreMarks::kMostMarks));
  race.Slide(kFrames);
  const TTyreMarks& marks = *race.Marks;
  ASSERT_EQ(marks.Count(), TTyreMarks::kMostMarks);
  EXPECT_EQ(marks.Mark(0).Laid, kFrames - int(TTyreMarks::kMostMarks - 1) / kPerFrame);
  EXPECT_EQ(marks.Mark(marks.Count() - 1).Laid, kFrames);
  for (size_t i = 1; i < marks.Count(); ++i) ASSERT_LE(marks.Mark(i - 1).Laid, marks.Mark(i).Laid) << i;
}

// Each mark is drawn as the strip stretched between its two ends, as dark as it is now; marks
// off the picture are not drawn at all.
TEST(TyreMarksTest, EachMarkIsDrawnBetweenItsEndsAndOnlyOnThePicture) {
  // The screen outlives the race, whose pictures hold on to it.
  TRecordingRenderDevice device;
  TDeviceOnlyVideo video{&device};
  TMessageBoxes messages{true};
  TOmegaScreen screen{video, messages};
  screen.Initialize();
  TMarkingRace race(5);
  race.GameImages.Find("tyremark")->SetPicture({16, 8, std::vector<uint32_t>(16 * 8, 0xFF101010)});
  race.GameImages.SetOmegaScreen(&screen);
  race.GameImages.BuildTextures();
  race.Drive(DrivingKey::Space, 8);
  race.Run(400);  // older marks are fainter
  ASSERT_GT(race.Marks->Count(), 2u);

  screen.BeginScene();
  race.Marks->DoDraw();
  ASSERT_EQ(device.Draws.size(), race.Marks->Count());
  for (size_t i = 0; i < device.Draws.size(); ++i) {
    const TQuad& quad = device.Draws[i].Quad;
    const TTyreMark& mark = race.Marks->Mark(i);
    const TPointD from = race.OnScreen(mark.From), to = race.OnScreen(mark.To);
    double x = 0, y = 0;
    for (const TVertex& corner : quad) x += corner.X / 4, y += corner.Y / 4;
    EXPECT_NEAR(x, (from.X + to.X) / 2, 1.5) << i;
    EXPECT_NEAR(y, (from.Y + to.Y) / 2, 1.5) << i;
    EXPECT_NEAR(std::hypot(quad[1].X - quad[0].X, quad[1].Y - quad[0].Y), Distance(from, to), 1.5) << i;
    EXPECT_NEAR(std::hypot(quad[3].X - quad[0].X, quad[3].Y - quad[0].Y), 8.5, 0.01)
        << "the strip's width, and the half pixel the renderer adds";
    EXPECT_NEAR(int(quad[0].Color >> 24), race.Marks->AlphaOf(mark), 1) << i;
  }

  device.Draws.clear();
  ScrollWorld(race.Context, 1200, 0);
  race.Marks->DoDraw();
  EXPECT_TRUE(device.Draws.empty());
  screen.EndScene();
}
