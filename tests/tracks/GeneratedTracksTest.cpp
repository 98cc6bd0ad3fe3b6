#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <numbers>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "engine/OmegaImageList.h"
#include "race/GameConstants.h"
#include "race/RaceSetup.h"
#include "race/RaceState.h"
#include "race/TrackFile.h"
#include "race/TrackTables.h"

namespace {

// One track file in the built game folder, with what the catalogue says of it.
struct TTrackCase {
  std::string GameName;  // "Data\data4.prd"
  int Rivals;
  double Length;  // the catalogue's length
};

void PrintTo(const TTrackCase& track, std::ostream* out) {
  *out << track.GameName;
}

std::vector<TTrackCase> TrackCases() {
  std::vector<TTrackCase> cases;
  for (const TTrack& track : kTrackCatalogue)
    cases.push_back(
        {std::string(track.DataFile), track.Rivals, std::atof(std::string(track.Length).c_str())});
  return cases;
}

std::string BuiltPath(const std::string& gameName) {
  return std::string(MORVEL_GAME_DIR) + "/Data/" + gameName.substr(gameName.rfind('\\') + 1);
}

struct TRect {
  double Left, Top, Right, Bottom;
  bool Contains(double x, double y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  bool Overlaps(const TRect& other) const {
    return Left < other.Right && other.Left < Right && Top < other.Bottom && other.Top < Bottom;
  }
  // Whether a disc reaches inside the rectangle (touching the edge does not count).
  bool ReachedBy(double x, double y, double radius) const {
    const double dx = std::max({Left - x, 0.0, x - Right});
    const double dy = std::max({Top - y, 0.0, y - Bottom});
    return dx * dx + dy * dy < radius * radius;
  }
};

bool IsRoad(const TTrackRecord& record) {
  return record.Kind >= TRecordKind::FirstRoad && record.Kind <= TRecordKind::LastRoad;
}

// The race pictures of the built game: road pieces and obstacles take their sizes from them.
class TGeneratedTrackTest : public testing::TestWithParam<TTrackCase> {
 protected:
  void SetUp() override {
    std::ifstream file(BuiltPath(GetParam().GameName), std::ios::binary);
    ASSERT_TRUE(file) << BuiltPath(GetParam().GameName);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    const TTrackFileResult parsed = ParseTrackFile(bytes, GetParam().GameName);
    ASSERT_TRUE(parsed.Ok()) << parsed.Error;
    Records = parsed.Records;
    ASSERT_TRUE(Pictures.LoadFromFile(std::string(MORVEL_GAME_DIR) + "/Data/data2.oil"))
        << Pictures.LastError();
    for (const TTrackRecord& record : Records)
      if (IsRoad(record)) Road.push_back(RoadRect(record));
  }

  const TImageListItem& Picture(const std::string& name) {
    const TImageListItem* item = Pictures.Find(name);
    EXPECT_NE(item, nullptr) << name;
    return *item;
  }

  TRect RoadRect(const TTrackRecord& record) {
    static const std::map<int, std::string> names{{1, "roadstr"},     {2, "roadstrvert"}, {11, "roadroters"},
                                                  {12, "roadroters"}, {13, "roadroters"}, {14, "roadroters"}};
    const TImageListItem& picture = Picture(names.at(record.Kind));
    return {double(record.X), double(record.Y), double(record.X + picture.TileWidth),
            double(record.Y + picture.TileHeight)};
  }

  bool OnRoad(double x, double y) const {
    return std::any_of(Road.begin(), Road.end(), [&](const TRect& rect) { return rect.Contains(x, y); });
  }

  std::vector<TTrackRecord> Records;
  std::vector<TRect> Road;
  TImageListCollection Pictures;
};

TEST_P(TGeneratedTrackTest, HoldsWhatItsRaceNeeds) {
  EXPECT_EQ(CheckRaceTrack(Records, GetParam().GameName, GetParam().Rivals), "");
  EXPECT_FALSE(Road.empty());
}

TEST_P(TGeneratedTrackTest, WayPointsAndStartSlotsLieOnTheRoad) {
  for (const TTrackRecord& record : Records) {
    if (record.Kind != TRecordKind::WayPoint && record.Kind != TRecordKind::StartSlot) continue;
    EXPECT_TRUE(OnRoad(record.X, record.Y))
        << "kind " << record.Kind << " at " << record.X << ", " << record.Y;
  }
}

// A bend piece is a quarter disc of the piece's size round one of its corners: kinds 11 .. 14 turn
// round the top-left, top-right, bottom-left and bottom-right corner.
bool OnDrawnPiece(const TTrackRecord& piece, double size, double x, double y) {
  if (x < piece.X || x > piece.X + size || y < piece.Y || y > piece.Y + size) return false;
  if (piece.Kind < 11) return true;
  const bool right = piece.Kind == 12 || piece.Kind == 14;
  const bool bottom = piece.Kind == 13 || piece.Kind == 14;
  return std::hypot(x - (piece.X + (right ? size : 0)), y - (piece.Y + (bottom ? size : 0))) <= size;
}

TEST_P(TGeneratedTrackTest, TheWayPointPathRunsOnTheDrawnRoad) {
  TRaceState race;
  FillTrackTables(Records, race, false);
  OrderWayPoints(race);
  const double size = Picture("roadroters").TileWidth;
  for (int i = 1; i <= race.WayPointCount; ++i) {
    const TWayPoint& from = race.WayPoints[i];
    const TWayPoint& to = race.WayPoints[i == race.WayPointCount ? 1 : i + 1];
    for (int step = 0; step <= 16; ++step) {
      const double x = from.X + (to.X - from.X) * step / 16, y = from.Y + (to.Y - from.Y) * step / 16;
      const bool onRoad = std::any_of(Records.begin(), Records.end(), [&](const TTrackRecord& record) {
        return IsRoad(record) && OnDrawnPiece(record, size, x, y);
      });
      EXPECT_TRUE(onRoad) << "after way point " << i << " at " << x << ", " << y;
    }
  }
}

TEST_P(TGeneratedTrackTest, NoObstacleStandsOnTheRoad) {
  static const std::map<int, std::string> names{{1, "tree1"}, {2, "tree2"},    {3, "tree3"},    {4, "tree4"},
                                                {5, "house"}, {6, "elka1"},    {7, "elka2"},    {8, "rock1"},
                                                {9, "ark"},   {10, "horwall"}, {11, "vertwall"}};
  for (const TTrackRecord& record : Records) {
    if (record.Kind != TRecordKind::Obstacle) continue;
    ASSERT_TRUE(names.contains(record.Index)) << "obstacle kind " << record.Index;
    const TImageListItem& picture = Picture(names.at(record.Index));
    const double w = picture.TileWidth, h = picture.TileHeight;
    for (const TRect& road : Road) {
      if (record.Index == 10 || record.Index == 11) {
        // Walls stand as drawn.
        const TRect wall{record.X - w / 2, record.Y - h / 2, record.X + w / 2, record.Y + h / 2};
        EXPECT_FALSE(wall.Overlaps(road)) << "wall at " << record.X << ", " << record.Y;
      } else {
        // The others are turned at random: whatever the angle, they stay within half their diagonal.
        EXPECT_FALSE(road.ReachedBy(record.X, record.Y, std::hypot(w, h) / 2))
            << "obstacle " << record.Index << " at " << record.X << ", " << record.Y;
      }
    }
  }
}

TEST_P(TGeneratedTrackTest, CheckLinesCountFromZeroAndTheFinishIsArmed) {
  std::vector<int> numbers;
  int finishLines = 0;
  for (const TTrackRecord& record : Records) {
    if (record.Kind == TRecordKind::CheckLine) {
      numbers.push_back(record.Index);
      EXPECT_TRUE(OnRoad(record.X, record.Y));
    }
    if (record.Kind == TRecordKind::FinishLine) ++finishLines;
  }
  std::sort(numbers.begin(), numbers.end());
  ASSERT_GE(numbers.size(), 3u);
  for (std::size_t i = 0; i < numbers.size(); ++i) EXPECT_EQ(numbers[i], int(i));
  // Line 2 arms the finish, and the finish counts only when the next line is 0 or 1 again.
  EXPECT_EQ(numbers.size(), 3u);
  EXPECT_EQ(finishLines, 1);
}

TEST_P(TGeneratedTrackTest, OpponentsProveTheirLapsWithKeyWayPoints) {
  TRaceState race;
  FillTrackTables(Records, race, true);
  OrderWayPoints(race);
  ASSERT_GE(race.KeyWayPointCount, 3);
  // In driving order: the proof (flag 2) comes before the way point that arms the finish (3).
  int proof = 0, arming = 0;
  for (int i = 1; i <= race.WayPointCount; ++i) {
    if (race.WayPoints[i].KeyFlag == 2) proof = i;
    if (race.WayPoints[i].KeyFlag == 3) arming = i;
  }
  EXPECT_GT(proof, 0);
  EXPECT_GT(arming, proof);
  // Way point 1 lies ahead of the grid, the way the cars face.
  const TStartSlot& front = race.StartSlots[1];
  const TWayPoint& first = race.WayPoints[1];
  const double heading = front.Heading * std::numbers::pi / 180;
  EXPECT_GT((first.X - front.X) * std::cos(heading) + (first.Y - front.Y) * std::sin(heading), 0);
}

TEST_P(TGeneratedTrackTest, LengthMatchesTheCatalogue) {
  TRaceState race;
  FillTrackTables(Records, race, false);
  OrderWayPoints(race);
  const double length = race.TrackLength[race.WayPointCount];
  EXPECT_NEAR(length, GetParam().Length, 0.1 * GetParam().Length);
}

bool IsWall(const TTrackRecord& record) {
  return record.Kind == TRecordKind::Obstacle && (record.Index == 10 || record.Index == 11);
}

// The straight road piece under a point, or nullptr.
const TTrackRecord* StraightAt(const std::vector<TTrackRecord>& records, double x, double y) {
  for (const TTrackRecord& record : records)
    if ((record.Kind == 1 || record.Kind == 2) &&
        TRect{double(record.X), double(record.Y), record.X + 160.0, record.Y + 160.0}.Contains(x, y))
      return &record;
  return nullptr;
}

// Walls run along both sides of the piece, so that no car passes beside a line across it.
bool WalledOnBothSides(const std::vector<TTrackRecord>& records, const TTrackRecord& piece) {
  const bool horizontal = piece.Kind == 1;
  int sides = 0;
  for (const double side : {-1.0, 1.0}) {
    // Just outside the piece's edge on this side, across its whole length.
    const double edge = horizontal ? piece.Y + (side < 0 ? 0 : 160) : piece.X + (side < 0 ? 0 : 160);
    sides += std::any_of(records.begin(), records.end(), [&](const TTrackRecord& wall) {
      if (!IsWall(wall) || (wall.Index == 10) != horizontal) return false;
      const double across = horizontal ? wall.Y : wall.X, along = horizontal ? wall.X : wall.Y;
      const double middle = horizontal ? piece.X + 80 : piece.Y + 80;
      return (across - edge) * side > 0 && std::abs(across - edge) < 40 && std::abs(along - middle) < 1;
    });
  }
  return sides == 2;
}

TEST_P(TGeneratedTrackTest, TheLinesCrossAWalledStraight) {
  TRaceState race;
  FillTrackTables(Records, race, true);
  for (const TCheckLineEntry& line : race.CheckLines) {
    const TTrackRecord* piece = StraightAt(Records, line.X, line.Y);
    ASSERT_NE(piece, nullptr) << "check line " << line.Number;
    EXPECT_TRUE(WalledOnBothSides(Records, *piece)) << "check line " << line.Number;
  }
  // The finish cell begins at the start line, the way the grid faces.
  const auto paint = std::find_if(Records.begin(), Records.end(), [](const TTrackRecord& r) {
    return r.Kind == TRecordKind::StartLinePaint;
  });
  ASSERT_NE(paint, Records.end());
  const double heading = race.StartSlots[1].Heading * std::numbers::pi / 180;
  const TTrackRecord* finish =
      StraightAt(Records, paint->X + 40 * std::cos(heading), paint->Y + 40 * std::sin(heading));
  ASSERT_NE(finish, nullptr);
  EXPECT_TRUE(WalledOnBothSides(Records, *finish));
}

// A car that comes too fast into a bend runs on beyond it, towards the road that follows: the two
// cells straight on, and as many cells beside them along the new direction as `sides`. One
// rectangle per cell, with the bend it lies beyond.
struct TRunOff {
  TRect Cell;
  const TWayPoint* Bend;
};
std::vector<TRunOff> RunOffBeyondBends(const TRaceState& race, int sides) {
  const int count = race.WayPointCount;
  auto step = [&](int from, int to) {
    const TWayPoint &a = race.WayPoints[from], &b = race.WayPoints[to];
    return std::pair<double, double>{(b.X - a.X) / 160, (b.Y - a.Y) / 160};
  };
  std::vector<TRunOff> cells;
  for (int i = 1; i <= count; ++i) {
    const auto in = step(i == 1 ? count : i - 1, i), out = step(i, i == count ? 1 : i + 1);
    if (in == out) continue;
    const TWayPoint& bend = race.WayPoints[i];
    for (int ahead = 1; ahead <= 2; ++ahead)
      for (int side = 0; side <= sides; ++side) {
        const double x = bend.X + 160 * (in.first * ahead + out.first * side);
        const double y = bend.Y + 160 * (in.second * ahead + out.second * side);
        cells.push_back({{x - 80, y - 80, x + 80, y + 80}, &bend});
      }
  }
  return cells;
}

// Nothing solid stands in the run-off but the walls down the middle of a hairpin.
TEST_P(TGeneratedTrackTest, NothingSolidStandsBeyondABend) {
  TRaceState race;
  FillTrackTables(Records, race, false);
  OrderWayPoints(race);
  for (const TRunOff& runOff : RunOffBeyondBends(race, 2))
    for (const TTrackRecord& record : Records) {
      if (record.Kind != TRecordKind::Obstacle || IsWall(record)) continue;
      EXPECT_FALSE(runOff.Cell.ReachedBy(record.X, record.Y, 60))
          << "obstacle " << record.Index << " at " << record.X << ", " << record.Y << " beyond the bend at "
          << runOff.Bend->X << ", " << runOff.Bend->Y;
    }
}

// A car that runs wide out of a bend leaves the road straight on: there it meets a wall side on,
// never its end. Just beyond either end of every run of walls lies neither of the two cells
// straight on.
TEST_P(TGeneratedTrackTest, NoWallEndsWhereCarsRunWide) {
  TRaceState race;
  FillTrackTables(Records, race, false);
  OrderWayPoints(race);
  const std::vector<TRunOff> runOff = RunOffBeyondBends(race, 0);
  std::vector<TRect> walls;
  for (const TTrackRecord& wall : Records) {
    if (!IsWall(wall)) continue;
    const TImageListItem& picture = Picture(wall.Index == 10 ? "horwall" : "vertwall");
    const double w = picture.TileWidth, h = picture.TileHeight;
    walls.push_back({wall.X - w / 2, wall.Y - h / 2, wall.X + w / 2, wall.Y + h / 2});
  }
  auto inWall = [&](double x, double y) {
    return std::any_of(walls.begin(), walls.end(), [&](const TRect& wall) { return wall.Contains(x, y); });
  };
  for (const TRect& wall : walls) {
    const bool horizontal = wall.Right - wall.Left > wall.Bottom - wall.Top;
    const double middleX = (wall.Left + wall.Right) / 2, middleY = (wall.Top + wall.Bottom) / 2;
    const std::pair<double, double> ends[] = {
        horizontal ? std::pair{wall.Left - 20, middleY} : std::pair{middleX, wall.Top - 20},
        horizontal ? std::pair{wall.Right + 20, middleY} : std::pair{middleX, wall.Bottom + 20}};
    for (const auto& [x, y] : ends) {
      if (inWall(x, y)) continue;  // the run of walls goes on
      for (const TRunOff& cell : runOff)
        EXPECT_FALSE(cell.Cell.Contains(x, y))
            << "the wall at " << middleX << ", " << middleY << " ends beyond the bend at " << cell.Bend->X
            << ", " << cell.Bend->Y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllTracks, TGeneratedTrackTest, testing::ValuesIn(TrackCases()),
                         [](const testing::TestParamInfo<TTrackCase>& info) {
                           std::string name = info.param.GameName.substr(info.param.GameName.rfind('\\') + 1);
                           return name.substr(0, name.find('.'));
                         });

}  // namespace

namespace {

// The road cells of a track file, moved so that the shape starts at (0, 0) and brought to the
// first of its eight turns and mirror images, so that two tracks of one shape compare equal.
std::set<std::pair<int, int>> Shape(const std::string& gameName) {
  std::ifstream file(BuiltPath(gameName), std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  std::vector<std::pair<int, int>> cells;
  for (const TTrackRecord& record : ParseTrackFile(bytes, gameName).Records)
    if (IsRoad(record)) cells.push_back({record.X / 160, record.Y / 160});
  std::set<std::pair<int, int>> best;
  for (int turn = 0; turn < 8; ++turn) {
    std::vector<std::pair<int, int>> turned;
    for (auto [x, y] : cells) {
      if (turn & 1) x = -x;
      if (turn & 2) y = -y;
      if (turn & 4) std::swap(x, y);
      turned.push_back({x, y});
    }
    const int left = std::min_element(turned.begin(), turned.end())->first;
    int top = turned.front().second;
    for (const auto& cell : turned) top = std::min(top, cell.second);
    std::set<std::pair<int, int>> shape;
    for (const auto& [x, y] : turned) shape.insert({x - left, y - top});
    if (best.empty() || shape < best) best = shape;
  }
  return best;
}

TEST(GeneratedTracksTest, TwelveTracksOfTwelveShapes) {
  std::set<std::set<std::pair<int, int>>> shapes;
  for (const TTrack& track : kTrackCatalogue) shapes.insert(Shape(std::string(track.DataFile)));
  EXPECT_EQ(shapes.size(), kTrackCatalogue.size());
}

}  // namespace
