#include "race/DiagonalRoads.h"

#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <utility>

namespace {

struct TVector {
  int X = 0, Y = 0;
  bool operator==(const TVector&) const = default;
  TVector operator-() const { return {-X, -Y}; }
};

// A bend piece: its two open sides and the corner it turns round, in cells from its top-left.
struct TBend {
  TVector Open[2];
  TVector Inner;
};

std::optional<TBend> BendOf(int kind) {
  constexpr TVector left{-1, 0}, up{0, -1}, right{1, 0}, down{0, 1};
  switch (kind) {
    case 11:
      return TBend{{left, up}, {0, 0}};
    case 12:
      return TBend{{up, right}, {1, 0}};
    case 13:
      return TBend{{left, down}, {0, 1}};
    case 14:
      return TBend{{right, down}, {1, 1}};
    default:
      return std::nullopt;
  }
}

// A piece's top-left corner, wide enough that a step from any place in a file stays in range.
using TPlace = std::pair<long long, long long>;

struct TPlacedBend {
  std::size_t Record;
  TPlace Place;
  TBend Bend;
};

// One step of a diagonal: bend A open towards bend B through side `Towards`.
struct TStep {
  const TPlacedBend* A;
  const TPlacedBend* B;
  TVector Towards;
};

bool Opens(const TBend& bend, TVector side) {
  return bend.Open[0] == side || bend.Open[1] == side;
}

TVector OtherSide(const TBend& bend, TVector side) {
  return bend.Open[0] == side ? bend.Open[1] : bend.Open[0];
}

// Two bends side by side, open to each other, whose inner corners lie at the two ends of the side
// they share: they turn opposite ways.
bool IsStep(const TPlacedBend& a, const TPlacedBend& b, TVector towards, int cell) {
  if (!Opens(b.Bend, -towards)) return false;
  const long long ax = a.Place.first + a.Bend.Inner.X * cell, ay = a.Place.second + a.Bend.Inner.Y * cell;
  const long long bx = b.Place.first + b.Bend.Inner.X * cell, by = b.Place.second + b.Bend.Inner.Y * cell;
  return ax != bx || ay != by;
}

std::vector<TStep> FindSteps(const std::map<TPlace, TPlacedBend>& bends, int cell) {
  std::vector<TStep> steps;
  for (const auto& [place, a] : bends)
    for (const TVector towards : a.Bend.Open) {
      if (towards.X < 0 || towards.Y < 0) continue;  // each shared side once, from its left or top
      const auto b = bends.find({place.first + towards.X * cell, place.second + towards.Y * cell});
      if (b != bends.end() && IsStep(a, b->second, towards, cell)) steps.push_back({&a, &b->second, towards});
    }
  return steps;
}

// Which way the road on the grid turns away from the diagonal at a piece's end: +1 clockwise, -1
// anticlockwise. `out` points out of the piece's end, `side` is the open side the road runs on through.
int TurnAtEnd(double outX, double outY, TVector side) {
  return outX * side.Y - outY * side.X > 0 ? 1 : -1;
}

TDiagonalPiece PieceAcross(const TStep& step, int cell, const std::map<std::size_t, int>& stepsOfBend) {
  const TPlacedBend* back = step.A;
  const TPlacedBend* front = step.B;
  TVector towards = step.Towards;
  // A piece with one end on the grid road starts from that end.
  if (stepsOfBend.at(back->Record) > 1 && stepsOfBend.at(front->Record) == 1) {
    std::swap(back, front);
    towards = -towards;
  }
  const double half = cell / 2.0;
  const TVector backSide = OtherSide(back->Bend, towards), frontSide = OtherSide(front->Bend, -towards);
  const double fromX = double(back->Place.first) + half + backSide.X * half,
               fromY = back->Place.second + half + backSide.Y * half;
  const double toX = front->Place.first + half + frontSide.X * half,
               toY = front->Place.second + half + frontSide.Y * half;
  const double length = std::hypot(toX - fromX, toY - fromY);
  const double dirX = (toX - fromX) / length, dirY = (toY - fromY) / length;
  TDiagonalPiece piece;
  piece.X = back->Place.first + half + towards.X * half;
  piece.Y = back->Place.second + half + towards.Y * half;
  piece.Angle = std::atan2(dirY, dirX) * 180 / std::numbers::pi;
  const bool backEnd = stepsOfBend.at(back->Record) == 1, frontEnd = stepsOfBend.at(front->Record) == 1;
  if (!backEnd) return piece;
  const bool right = TurnAtEnd(-dirX, -dirY, backSide) > 0;
  if (frontEnd)
    piece.Pattern = right ? TDiagonalEnds::BothRight : TDiagonalEnds::BothLeft;
  else
    piece.Pattern = right ? TDiagonalEnds::BackRight : TDiagonalEnds::BackLeft;
  return piece;
}

}  // namespace

TDiagonalRoads FindDiagonalRoads(const std::vector<TTrackRecord>& records, int cellSize) {
  std::map<TPlace, TPlacedBend> bends;
  for (std::size_t i = 0; i < records.size(); ++i)
    if (const std::optional<TBend> bend = BendOf(records[i].Kind))
      bends[{records[i].X, records[i].Y}] = {i, {records[i].X, records[i].Y}, *bend};
  const std::vector<TStep> steps = FindSteps(bends, cellSize);
  std::map<std::size_t, int> stepsOfBend;
  for (const TStep& step : steps) {
    ++stepsOfBend[step.A->Record];
    ++stepsOfBend[step.B->Record];
  }
  TDiagonalRoads roads;
  for (const auto& [record, count] : stepsOfBend) roads.HiddenBends.push_back(record);
  for (const TStep& step : steps) roads.Pieces.push_back(PieceAcross(step, cellSize, stepsOfBend));
  return roads;
}
