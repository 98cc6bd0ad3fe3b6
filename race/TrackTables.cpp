#include "race/TrackTables.h"

#include <algorithm>
#include <utility>

#include "platform/GamePath.h"
#include "race/Geometry.h"

namespace {

bool IsStartSlotNumber(int32_t index) {
  return index >= 1 && index <= kMaxStartSlots;
}

void ClearTrackTables(TRaceState& race) {
  race.WayPoints.assign(1, {});
  race.WayPointCount = 0;
  race.KeyWayPointCount = 0;
  race.CheckLines.clear();
  race.CheckLineCount = 0;
  race.StartSlots.fill({});
  race.TrackLength.assign(1, 0);
}

}  // namespace

void FillTrackTables(const std::vector<TTrackRecord>& records, TRaceState& race, bool withCheckLines) {
  ClearTrackTables(race);
  for (const TTrackRecord& r : records) {
    if (r.Kind == TRecordKind::WayPoint) {
      race.WayPoints.push_back({double(r.X), double(r.Y), r.Index, r.Param});
      ++race.WayPointCount;
      if (r.Param > 0) ++race.KeyWayPointCount;
    } else if (r.Kind == TRecordKind::StartSlot && IsStartSlotNumber(r.Index)) {
      race.StartSlots[r.Index] = {double(r.X), double(r.Y), double(r.Param)};
    } else if (r.Kind == TRecordKind::CheckLine && withCheckLines) {
      race.CheckLines.push_back({double(r.X), double(r.Y), r.Index});
      ++race.CheckLineCount;
    }
  }
}

void OrderWayPoints(TRaceState& race) {
  auto& points = race.WayPoints;
  for (int i = 1; i <= race.WayPointCount; ++i) {
    int smallest = i;
    for (int j = i + 1; j <= race.WayPointCount; ++j) {
      if (points[j].OrderKey < points[smallest].OrderKey) smallest = j;
    }
    std::swap(points[i], points[smallest]);
  }
  race.TrackLength.assign(race.WayPointCount + 1, 0);
  for (int i = 2; i <= race.WayPointCount; ++i) {
    const TPointD from{points[i - 1].X, points[i - 1].Y}, to{points[i].X, points[i].Y};
    race.TrackLength[i] = race.TrackLength[i - 1] + Distance(from, to) / 10;
  }
}

void ShiftWayPoints(TRaceState& race, double dx, double dy) {
  for (int i = 1; i <= race.WayPointCount; ++i) {
    race.WayPoints[i].X += dx;
    race.WayPoints[i].Y += dy;
  }
}

std::string CheckRaceTrack(const std::vector<TTrackRecord>& records, const std::string& fileName,
                           int rivals) {
  const auto hasKind = [&](int32_t kind, int32_t index) {
    return std::ranges::any_of(records, [&](const TTrackRecord& r) {
      return r.Kind == kind && (kind == TRecordKind::WayPoint || r.Index == index);
    });
  };
  if (!hasKind(TRecordKind::WayPoint, 0))
    return "The track file " + NativePath(fileName) + " has no way points.";
  for (int slot = 1; slot <= rivals + 1; ++slot) {
    if (!hasKind(TRecordKind::StartSlot, slot)) {
      return "The track file " + NativePath(fileName) + " has no start slot " + std::to_string(slot) + ".";
    }
  }
  return {};
}
