// The track file reader under arbitrary bytes: it must refuse the file cleanly, or give
// records from which a race is set up and runs a few frames without reading outside a table.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/OmegaImageList.h"
#include "platform/MessageBox.h"
#include "race/GameConstants.h"
#include "race/RaceSetup.h"
#include "race/RaceState.h"
#include "race/RaceWorld.h"
#include "race/TrackFile.h"
#include "race/TrackTables.h"

namespace {

// As many opponents as the file has start slots for, at most the game's seven.
int RivalsFor(const std::vector<TTrackRecord>& records) {
  int rivals = kMaxOpponents;
  while (rivals > 0 && !CheckRaceTrack(records, "fuzz.prd", rivals).empty()) --rivals;
  return rivals;
}

// Every picture a race asks for, with a size and no pixels: nothing is drawn.
void AddRacePictures(TOmegaImageList& list) {
  static constexpr const char* kNames[] = {
      "grass",   "roadstr",    "roadstrvert", "roadroters", "roaddiag",     "tree1",      "tree2",
      "tree3",   "tree4",      "house",       "elka1",      "elka2",        "rock1",      "ark",
      "horwall", "vertwall",   "inplace",     "startline",  "threeflowers", "monoflower", "rom",
      "romhor",  "romver",     "checkline",   "fline",      "car1",         "car2",       "car3",
      "car4",    "car5",       "groundpoint", "dim",        "arrows",       "speeder",    "radar",
      "panel",   "speedarrow", "radararrow"};
  for (const char* name : kNames) {
    TImageListItem& item = list.ImageList.Add();
    item.Name = name;
    item.TileWidth = 40;
    item.TileHeight = 60;
  }
}

void RunRace(const std::vector<TTrackRecord>& records) {
  const int rivals = RivalsFor(records);
  if (!CheckRaceTrack(records, "fuzz.prd", rivals).empty()) return;
  TMessageBoxes messages(true);
  TOmegaImageList gameImages(messages), menuImages(messages);
  AddRacePictures(gameImages);
  TRaceWorld world(gameImages, messages, {.MenuImages = &menuImages, .Seed = 1});
  world.Race.RaceScreen = true;
  world.Context.KeyHeld[0x26] = true;  // the player drives off
  TTrack track;
  track.Laps = 1;
  track.Rivals = rivals;
  PrepareRace(world.Context, track, 0, kCarCount, records);
  for (int frame = 0; frame < 3; ++frame) world.Step();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TTrackFileResult file = ParseTrackFile(std::span<const uint8_t>(data, size), "fuzz.prd");
  if (!file.Ok()) return 0;
  TRaceState tables;
  FillTrackTables(file.Records, tables, true);
  OrderWayPoints(tables);
  // Whole races only for small files, so that each input stays quick.
  if (file.Records.size() <= 64) RunRace(file.Records);
  return 0;
}
