// track_sweep: races every car of the catalogue over many seeds on the tracks named, with all
// five cars unlocked (the opponents drawn from all of them) and the player's car on autopilot,
// and prints one line per track: races, the share in which every car finished, the slowest
// finisher's time against the winner's (median and worst), and how often an opponent backed off
// for want of headway, per race.
//
//   track_sweep GAME_FOLDER SEEDS TRACK...   (catalogue indices from 0)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/OmegaImageList.h"
#include "platform/MessageBox.h"
#include "race/EnemyCar.h"
#include "race/GameConstants.h"
#include "race/RaceSimulation.h"

namespace {

// A race still running after this much race time counts as one that never ends.
constexpr int kFrameLimit = 20 * 60 * 100;

double Hundredths(const TRaceTime& time) {
  return time.Minutes * 6000.0 + time.Seconds * 100.0 + time.Hundredths;
}

struct TTrackFigures {
  int Races = 0;
  int AllFinished = 0;
  int BackOffs = 0;             // of the opponents, when they made no headway
  std::vector<double> Spreads;  // slowest finisher over the winner, races where all finished
};

struct TRaceFigures {
  double Spread = 0;  // the slowest finisher's time over the winner's; 0 when not every car finished
  int BackOffs = 0;
};

TRaceFigures RaceOnce(const TTrack& track, const std::string& file, int car, uint32_t seed,
                      TMessageBoxes& messages, TOmegaImageList& game, TOmegaImageList& menu) {
  TRaceSimulation race(track, file, car, seed, messages, game, menu);
  if (!race.Error.empty()) {
    std::fprintf(stderr, "%s\n", race.Error.c_str());
    std::exit(1);
  }
  while (!race.AllFinished() && race.Frames() < kFrameLimit) race.Frame();
  TRaceFigures figures;
  for (int i = 0; i < track.Rivals; ++i) figures.BackOffs += race.Race.Opponents[size_t(i)]->Stuck.BackOffs;
  if (!race.AllFinished()) {
    std::fprintf(stderr, "%s car %d seed %u: %d of %d cars finished\n", std::string(track.Name).c_str(), car,
                 seed, race.Race.FinishCounter - 1, track.Rivals + 1);
    return figures;
  }
  const int last = track.Rivals + 1;
  figures.Spread = Hundredths(race.Race.Results[last].Time) / Hundredths(race.Race.Results[1].Time);
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: track_sweep GAME_FOLDER SEEDS TRACK...\n");
    return 2;
  }
  const std::string folder = argv[1];
  const int seeds = std::atoi(argv[2]);
  TMessageBoxes messages{true};
  TOmegaImageList game{messages}, menu{messages};
  if (!game.LoadFromFile(folder + "/Data/data2.oil") || !menu.LoadFromFile(folder + "/Data/data1.oil")) {
    std::fprintf(stderr, "track_sweep: cannot read the picture packages in %s\n", folder.c_str());
    return 1;
  }
  for (int arg = 3; arg < argc; ++arg) {
    const int index = std::atoi(argv[arg]);
    if (index < 0 || index >= kTrackCount) return 2;
    const TTrack& track = kTrackCatalogue[size_t(index)];
    const std::string dataFile(track.DataFile);
    const std::string file = folder + "/Data/" + dataFile.substr(dataFile.rfind('\\') + 1);
    TTrackFigures figures;
    for (int car = 0; car < kCarCount; ++car) {
      for (int seed = 1; seed <= seeds; ++seed) {
        const TRaceFigures race =
            RaceOnce(track, file, car, uint32_t(1000 * index + seed), messages, game, menu);
        ++figures.Races;
        figures.BackOffs += race.BackOffs;
        if (race.Spread > 0) {
          ++figures.AllFinished;
          figures.Spreads.push_back(race.Spread);
        }
      }
    }
    std::sort(figures.Spreads.begin(), figures.Spreads.end());
    const double median = figures.Spreads.empty() ? 0 : figures.Spreads[figures.Spreads.size() / 2];
    const double worst = figures.Spreads.empty() ? 0 : figures.Spreads.back();
    std::printf("| %s | %d | %.0f %% | %.2f | %.2f | %.2f |\n", std::string(track.Name).c_str(),
                figures.Races, 100.0 * figures.AllFinished / figures.Races, median, worst,
                double(figures.BackOffs) / figures.Races);
    std::fflush(stdout);
  }
  return 0;
}
