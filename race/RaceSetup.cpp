#include "race/RaceSetup.h"

#include <algorithm>

#include "engine/OmegaImageList.h"
#include "race/EnemyCar.h"
#include "race/Indicators.h"
#include "race/LapLines.h"
#include "race/Player.h"
#include "race/TrackObjects.h"
#include "race/TrackTables.h"
#include "race/TrackThemes.h"
#include "race/WorldScroll.h"

namespace {

// Paint kind and whether its angle is drawn at random, for the decoration records 50 .. 54.
struct TDecoration {
  int PaintKind;
  bool RandomAngle;
};

constexpr TDecoration kDecorations[] = {{2, true}, {3, true}, {4, true}, {5, false}, {6, false}};

void MakePaint(TRaceContext& context, int kind, double angle, const TTrackRecord& r) {
  context.Sprites.Create<TRoadPaint>(context, kind, angle, r.Y, r.X);
}

// The record's object; the road piece it lays, if it is one.
TRoadPart* MakeObject(TRaceContext& context, const TTrackRecord& r) {
  TOmegaSprite& sprites = context.Sprites;
  if (r.Kind >= TRecordKind::FirstRoad && r.Kind <= TRecordKind::LastRoad) {
    return &sprites.Create<TRoadPart>(context, r.Kind, r.Y, r.X);
  } else if (r.Kind == TRecordKind::Obstacle) {
    sprites.Create<TRoadRock>(context, r.Index, r.Y, r.X);
  } else if (r.Kind >= TRecordKind::Flowers && r.Kind <= TRecordKind::RhombVertical) {
    const TDecoration& decoration = kDecorations[r.Kind - TRecordKind::Flowers];
    const int angle = decoration.RandomAngle ? RandomInt(context.Random, -180, 179) : 0;
    MakePaint(context, decoration.PaintKind, angle, r);
  } else if (r.Kind == TRecordKind::StartLinePaint) {
    MakePaint(context, 1, r.Param, r);
  } else if (r.Kind == TRecordKind::Paint) {
    MakePaint(context, 0, r.Param, r);
  } else if (r.Kind == TRecordKind::CheckLine) {
    sprites.Create<TCheckLine>(context, r.Index, r.Y, r.X);
  } else if (r.Kind == TRecordKind::FinishLine) {
    sprites.Create<TFinishLine>(context, r.Param, r.Y, r.X);
  }
  return nullptr;
}

// Staircases of bends are drawn as straight diagonal roads; their bends stay the road under them,
// unseen. A package without the diagonal's picture shows the bends.
void LayDiagonalRoads(TRaceContext& context, const std::vector<TTrackRecord>& records,
                      const std::vector<TRoadPart*>& pieces) {
  const TImageListItem* bend = context.GameImages.Find("roadroters");
  if (!bend || !context.GameImages.Find("roaddiag")) return;
  const TDiagonalRoads roads = FindDiagonalRoads(records, bend->TileWidth);
  for (const std::size_t record : roads.HiddenBends) pieces[record]->Visible = false;
  for (const TDiagonalPiece& piece : roads.Pieces) context.Sprites.Create<TDiagonalRoad>(context, piece);
}

int RandomCar(TRaceContext& context, int carsAvailable) {
  return RandomInt(context.Random, 0, std::clamp(carsAvailable, 1, kCarCount) - 1);
}

// A new race starts with nobody ahead of anybody.
void ClearCars(TRaceState& race) {
  race.Player = nullptr;
  race.Opponents.fill(nullptr);
  race.OpponentCount = 0;
  race.PlayerProgress = 0;
  race.OpponentProgress.fill(0);
}

void MakeOpponents(TRaceContext& context, int count, bool menuVariant, int carsAvailable) {
  TRaceState& race = context.Race;
  race.OpponentCount = 0;
  for (int i = 0; i < count; ++i) {
    const TStartSlot& slot = race.StartSlots[i + 1];
    const int car = RandomCar(context, carsAvailable);
    race.Opponents[i] = &context.Sprites.Create<TEnemyCar>(context, menuVariant, slot.Heading, i, "enemy",
                                                           car, slot.Y, slot.X);
  }
}

}  // namespace

TTrackFileResult ReadRaceTrack(const TTrack& track) {
  const std::string fileName(track.DataFile);
  TTrackFileResult file = ReadTrackFile(fileName);
  if (file.Ok()) file.Error = CheckRaceTrack(file.Records, fileName, std::min(track.Rivals, kMaxOpponents));
  if (!file.Ok()) file.Records.clear();
  return file;
}

void LoadRaceTrack(TRaceContext& context, const std::vector<TTrackRecord>& records) {
  context.Sprites.Create<TBackground>(context);
  std::vector<TRoadPart*> pieces;
  for (const TTrackRecord& r : records) pieces.push_back(MakeObject(context, r));
  LayDiagonalRoads(context, records, pieces);
  FillTrackTables(records, context.Race, true);
}

std::string LoadDemoTrack(TRaceContext& context) {
  const TTrackFileResult file = ReadTrackFile(kDemoTrackFile);
  std::string error =
      file.Ok() ? CheckRaceTrack(file.Records, kDemoTrackFile, kDemoOpponents - 1) : file.Error;
  FillTrackTables(error.empty() ? file.Records : std::vector<TTrackRecord>{}, context.Race, false);
  return error;
}

void PrepareRace(TRaceContext& context, const TTrack& track, int carIndex, int carsAvailable,
                 const std::vector<TTrackRecord>& records) {
  TRaceState& race = context.Race;
  TOmegaSprite& sprites = context.Sprites;
  sprites.Create<TPanel>(context, 0, 427, 541);
  sprites.Create<TPanel>(context, 1, 427, 541);
  sprites.Create<TPanel>(context, 2, -3, 560);
  const int rivals = std::clamp(track.Rivals, 0, kMaxOpponents);
  race.RaceLaps = track.Laps;
  race.Theme = ThemeOfTrack(track.DataFile);
  ClearCars(race);
  LoadRaceTrack(context, records);

  const TStartSlot& playerSlot = race.StartSlots[rivals + 1];
  TPlayer& player = sprites.Create<TPlayer>(context, false, playerSlot.Heading, "player", carIndex,
                                            kPlayerCentreY, kPlayerCentreX);
  race.Player = &player;
  sprites.Create<TSpeedArrow>(context, player.TopSpeed, player.ReverseTopSpeed, 472, 726);
  sprites.Create<TRadarArrow>(context, 557, 602);
  MakeOpponents(context, rivals, false, carsAvailable);

  ScrollWorld(context, kPlayerCentreX - playerSlot.X, kPlayerCentreY - playerSlot.Y);
  OrderWayPoints(race);
  race.RaceFinished = false;
}

std::string PrepareDemoRace(TRaceContext& context, int carsAvailable) {
  TRaceState& race = context.Race;
  ClearCars(race);
  std::string error = LoadDemoTrack(context);
  if (!error.empty()) return error;
  race.RaceLaps = 5;
  TPlayer& player =
      context.Sprites.Create<TPlayer>(context, true, 0, "player", 2, kPlayerCentreY, kPlayerCentreX);
  player.Visible = false;
  race.Player = &player;
  MakeOpponents(context, kDemoOpponents, true, carsAvailable);
  for (int i = 0; i < kDemoOpponents; ++i) race.Opponents[i]->Racing = true;
  OrderWayPoints(race);
  race.RaceFinished = false;
  return {};
}
