#include "race/RaceSetup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <typeinfo>

#include "CarFixture.h"
#include "race/Indicators.h"
#include "race/LapLines.h"
#include "race/TrackObjects.h"
#include "race/WorldScroll.h"

namespace {

namespace fs = std::filesystem;

TTrackRecord Record(int32_t kind, int32_t x, int32_t y, int32_t param = 0, int32_t index = 0) {
  return {y, x, kind, param, index};
}

// A small track: every record kind once, start slots 1 .. 5, way points out of order.
std::vector<TTrackRecord> SmallTrack() {
  return {
      Record(1, 0, 0),
      Record(5, 300, 0),
      Record(11, 600, 0),  // road, an invisible piece
      Record(20, -200, 50, 0, 1),
      Record(20, -200, 150, 0, 10),
      Record(20, -200, 250, 0, 42),
      Record(50, 10, 10),
      Record(51, 20, 20),
      Record(52, 30, 30),
      Record(53, 40, 40),
      Record(54, 50, 50),
      Record(99, 100, 100, 90),
      Record(160, 110, 110, 45),
      Record(101, 500, 100, 7, 0),
      Record(101, 500, 200, 0, 1),
      Record(101, 500, 300, 0, 2),
      Record(105, 100, 400, 90),
      Record(0, 1100, 1000, 0, 2),
      Record(0, 1000, 1000, 1, 1),
      Record(0, 1200, 1000, 0, 3),
      Record(88, 900, 900, 0, 1),
      Record(88, 900, 950, 0, 2),
      Record(88, 900, 1000, 0, 3),
      Record(88, 900, 1050, 0, 4),
      Record(88, 950, 1000, -90, 5),
      Record(77, 0, 0),
      Record(-1, 0, 0),
  };
}

class RaceSetupTest : public CarFixture {
 protected:
  RaceSetupTest() {
    Folder = fs::temp_directory_path() /
             ("morvel-setup-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(Folder / "Data");
    AddPicture(GameImages, "grass", 64, 64);
    AddPicture(GameImages, "roadroters", 200, 200);
    AddPicture(GameImages, "tree1", 40, 40);
    AddPicture(GameImages, "horwall", 200, 20);
    for (const char* name : {"speeder", "radar", "panel", "speedarrow", "radararrow"}) {
      AddPicture(GameImages, name, 20, 20);
    }
  }
  ~RaceSetupTest() override { fs::remove_all(Folder); }

  TTrack TrackOf(const std::vector<TTrackRecord>& records, int rivals) {
    FileName = (Folder / "Data" / "track.prd").string();
    EXPECT_EQ(WriteTrackFile(FileName, records), "");
    TTrack track;
    track.DataFile = FileName;
    track.Laps = 3;
    track.Rivals = rivals;
    return track;
  }

  template <class T>
  int CountOf() const {
    int count = 0;
    for (int i = 0; i < Sprites.Count(); ++i) count += typeid(*Sprites.Items(i)) == typeid(T);
    return count;
  }

  fs::path Folder;
  std::string FileName;
};

// East along a straight and three steps up to the north-east, on the fixture's 200-pixel road: the
// steps' bends are drawn as one diagonal road, and the road cars drive on stays what the pieces make.
TEST_F(RaceSetupTest, AStaircaseIsDrawnAsADiagonalOverTheSameRoad) {
  AddPicture(GameImages, "roadstr", 200, 200);
  AddPicture(GameImages, "roaddiag", 440, 210);
  LoadRaceTrack(Context, {Record(1, 0, 400), Record(11, 200, 400), Record(14, 200, 200), Record(11, 400, 200),
                          Record(14, 400, 0), Record(1, 600, 0)});
  EXPECT_EQ(CountOf<TDiagonalRoad>(), 3);
  int hidden = 0;
  for (int i = 0; i < Sprites.Count(); ++i)
    if (const auto* road = dynamic_cast<const TRoadPart*>(Sprites.Items(i))) {
      EXPECT_EQ(road->Visible, road->Name() != "roadroters");
      hidden += !road->Visible;
    }
  EXPECT_EQ(hidden, 4);
  // The far corner of a step, where the diagonal leaves ground showing, is road as ever; the grass
  // inside a step, where the diagonal's edge reaches over it, is not.
  EXPECT_TRUE(OnRoadSurface(Sprites, {205, 205}));
  EXPECT_FALSE(OnRoadSurface(Sprites, {185, 385}));
}

TEST_F(RaceSetupTest, PrepareRaceLaysOutTheTrackAroundThePlayer) {
  const TTrack track = TrackOf(SmallTrack(), 4);
  const TTrackFileResult file = ReadRaceTrack(track);
  ASSERT_TRUE(file.Ok()) << file.Error;
  PrepareRace(Context, track, 1, 2, file.Records);

  EXPECT_EQ(CountOf<TBackground>(), 1);
  EXPECT_EQ(CountOf<TRoadPart>(), 3);
  EXPECT_EQ(CountOf<TRoadRock>(), 3);
  EXPECT_EQ(CountOf<TRoadPaint>(), 7);
  EXPECT_EQ(CountOf<TCheckLine>(), 3);
  EXPECT_EQ(CountOf<TFinishLine>(), 1);
  EXPECT_EQ(CountOf<TPanel>(), 3);
  EXPECT_EQ(CountOf<TSpeedArrow>(), 1);
  EXPECT_EQ(CountOf<TRadarArrow>(), 1);
  EXPECT_EQ(CountOf<TPlayer>(), 1);
  EXPECT_EQ(CountOf<TEnemyCar>(), 4);

  // The player's start slot (950, 1000) now lies under the player's car at (396, 321).
  const double dx = 396 - 950, dy = 321 - 1000;
  ASSERT_NE(Race.Player, nullptr);
  EXPECT_EQ(Race.Player->Heading, -90);
  EXPECT_DOUBLE_EQ(Race.Player->Centre().X, 396);
  EXPECT_DOUBLE_EQ(Race.Player->Centre().Y, 321);
  ASSERT_EQ(Race.OpponentCount, 4);
  for (int i = 0; i < 4; ++i) {
    const TEnemyCar& car = *Race.Opponents[i];
    EXPECT_EQ(car.Number, i);
    EXPECT_EQ(car.Name(), "enemy");
    EXPECT_GE(car.CarIndex, 0);
    EXPECT_LE(car.CarIndex, 1);
    EXPECT_NEAR(car.Centre().X, 900 + dx, 1e-3) << i;
    EXPECT_NEAR(car.Centre().Y, 900 + 50 * i + dy, 1e-3) << i;
  }
  ASSERT_EQ(Race.WayPointCount, 3);
  EXPECT_EQ(Race.WayPoints[1].X, 1000 + dx);
  EXPECT_EQ(Race.WayPoints[3].X, 1200 + dx);
  EXPECT_EQ(Race.WayPoints[2].Y, 1000 + dy);
  EXPECT_DOUBLE_EQ(Race.TrackLength[3], 20);
  EXPECT_EQ(Race.KeyWayPointCount, 1);
  EXPECT_EQ(Race.CheckLineCount, 3);
  EXPECT_EQ(Race.RaceLaps, 3);
  EXPECT_FALSE(Race.RaceFinished);

  for (int i = 0; i < Sprites.Count(); ++i) {
    const TSprite& sprite = *Sprites.Items(i);
    if (const auto* road = dynamic_cast<const TRoadPart*>(&sprite); road && road->Image() == nullptr) {
      EXPECT_EQ(road->Width(), 10);  // kinds 3 .. 10: an invisible piece
      EXPECT_FLOAT_EQ(road->X(), 300 + dx);
    }
  }
}

TEST_F(RaceSetupTest, ReadRaceTrackRefusesWhatARaceCannotUse) {
  const TTrackFileResult shortOfSlots = ReadRaceTrack(TrackOf(SmallTrack(), 5));
  EXPECT_EQ(shortOfSlots.Error, "The track file " + FileName + " has no start slot 6.");
  EXPECT_TRUE(shortOfSlots.Records.empty());

  TTrack missing = TrackOf({}, 1);
  fs::remove(FileName);
  EXPECT_EQ(ReadRaceTrack(missing).Error, "The track file " + FileName + " cannot be read.");
}

TEST_F(RaceSetupTest, ScrollWorldMovesTheTrackButNotTheDashboard) {
  const TTrack track = TrackOf(SmallTrack(), 4);
  PrepareRace(Context, track, 0, 1, ReadRaceTrack(track).Records);
  std::vector<std::pair<float, float>> before;
  for (int i = 0; i < Sprites.Count(); ++i) before.push_back({Sprites.Items(i)->X(), Sprites.Items(i)->Y()});
  const double wayPointX = Race.WayPoints[1].X;
  ScrollWorld(Context, 10, -5);
  EXPECT_EQ(Race.WayPoints[1].X, wayPointX + 10);
  for (int i = 0; i < Sprites.Count(); ++i) {
    const TSprite* sprite = Sprites.Items(i);
    const bool moves = dynamic_cast<const TTrackSprite*>(sprite) || dynamic_cast<const TEnemyCar*>(sprite);
    EXPECT_FLOAT_EQ(sprite->X(), before[i].first + (moves ? 10 : 0)) << typeid(*sprite).name();
    EXPECT_FLOAT_EQ(sprite->Y(), before[i].second + (moves ? -5 : 0)) << typeid(*sprite).name();
  }
}

class DemoRaceTest : public RaceSetupTest {
 protected:
  DemoRaceTest() : Previous(fs::current_path()) { fs::current_path(Folder); }
  ~DemoRaceTest() override { fs::current_path(Previous); }
  fs::path Previous;
};

TEST_F(DemoRaceTest, FourRacingOpponentsAndAnInvisiblePlayer) {
  ASSERT_EQ(WriteTrackFile(kDemoTrackFile, SmallTrack()), "");
  EXPECT_EQ(PrepareDemoRace(Context, 3), "");
  EXPECT_EQ(Race.RaceLaps, 5);
  ASSERT_NE(Race.Player, nullptr);
  EXPECT_FALSE(Race.Player->Visible);
  EXPECT_TRUE(Race.Player->MenuVariant);
  EXPECT_EQ(Race.Player->CarIndex, 2);
  ASSERT_EQ(Race.OpponentCount, 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(Race.Opponents[i]->Racing);
    EXPECT_TRUE(Race.Opponents[i]->MenuVariant);
    EXPECT_NEAR(Race.Opponents[i]->Centre().Y, 900 + 50 * i, 1e-3);  // no world shift
  }
  EXPECT_EQ(Race.CheckLineCount, 0);
  EXPECT_EQ(Race.WayPoints[1].OrderKey, 1);
  EXPECT_EQ(CountOf<TRoadPart>() + CountOf<TBackground>() + CountOf<TCheckLine>(), 0);
}

TEST_F(DemoRaceTest, WithoutItsTrackThereIsNoDemonstrationRace) {
  EXPECT_EQ(PrepareDemoRace(Context, 3), "The track file Data/data1.prd cannot be read.");
  EXPECT_EQ(Sprites.Count(), 0);
  EXPECT_EQ(Race.Player, nullptr);
  EXPECT_EQ(Race.OpponentCount, 0);

  ASSERT_EQ(WriteTrackFile(kDemoTrackFile, {Record(0, 1, 1), Record(88, 0, 0, 0, 1)}), "");
  EXPECT_EQ(PrepareDemoRace(Context, 3), "The track file Data/data1.prd has no start slot 2.");
  EXPECT_EQ(Sprites.Count(), 0);
}

}  // namespace
