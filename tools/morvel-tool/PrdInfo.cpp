#include "PrdInfo.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "race/RaceState.h"
#include "race/TrackFile.h"
#include "race/TrackTables.h"

namespace {

const char* KindName(int32_t kind) {
  if (kind == TRecordKind::WayPoint) return "way point";
  if (kind >= TRecordKind::FirstRoad && kind <= TRecordKind::LastRoad) return "road piece";
  switch (kind) {
    case TRecordKind::Obstacle:
      return "obstacle";
    case TRecordKind::Flowers:
    case TRecordKind::Flower:
    case TRecordKind::Rhomb:
    case TRecordKind::RhombHorizontal:
    case TRecordKind::RhombVertical:
      return "decoration";
    case TRecordKind::StartSlot:
      return "start slot";
    case TRecordKind::StartLinePaint:
      return "start line paint";
    case TRecordKind::CheckLine:
      return "check line";
    case TRecordKind::FinishLine:
      return "finish line";
    case TRecordKind::Paint:
      return "paint";
    default:
      return "unknown, skipped";
  }
}

void PrintKinds(const std::vector<TTrackRecord>& records) {
  std::map<int32_t, int> counts;
  for (const TTrackRecord& r : records) ++counts[r.Kind];
  std::printf("records %zu\n", records.size());
  for (const auto& [kind, count] : counts) std::printf("kind %d (%s): %d\n", kind, KindName(kind), count);
}

void PrintTables(const std::vector<TTrackRecord>& records) {
  TRaceState race;
  FillTrackTables(records, race, true);
  OrderWayPoints(race);
  std::printf("way points %d\n", race.WayPointCount);
  std::printf("key way points %d:", race.KeyWayPointCount);
  for (int i = 1; i <= race.WayPointCount; ++i) {
    if (race.WayPoints[i].KeyFlag > 0) std::printf(" %d(flag %d)", i, race.WayPoints[i].KeyFlag);
  }
  std::printf("\ncheck lines %d:", race.CheckLineCount);
  for (const TCheckLineEntry& line : race.CheckLines) std::printf(" %d", line.Number);
  std::printf("\nstart slots:");
  for (int slot = 1; slot <= kMaxStartSlots; ++slot) {
    const bool present = std::ranges::any_of(
        records, [&](const TTrackRecord& r) { return r.Kind == TRecordKind::StartSlot && r.Index == slot; });
    if (present) {
      const TStartSlot& s = race.StartSlots[slot];
      std::printf(" %d(%g,%g heading %g)", slot, s.X, s.Y, s.Heading);
    }
  }
  std::printf("\ntrack length %.1f\n", race.TrackLength[race.WayPointCount]);
}

}  // namespace

int RunPrdInfo(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "morvel-tool prd-info: expects exactly one track file\n");
    return 2;
  }
  const TTrackFileResult file = ReadTrackFile(args[0]);
  if (!file.Ok()) {
    std::fprintf(stderr, "%s\n", file.Error.c_str());
    return 1;
  }
  PrintKinds(file.Records);
  PrintTables(file.Records);
  return 0;
}
