#include "shell/RaceRun.h"

#include "race/Autopilot.h"
#include "race/EnemyCar.h"
#include "race/Player.h"

TRaceRun::TRaceRun(const TRaceRunOptions& options) : RunOptions(options) {}

TRaceRun::~TRaceRun() {
  if (TraceFile) std::fclose(TraceFile);
}

bool TRaceRun::Open(std::string& error) {
  if (RunOptions.TracePath.empty()) return true;
  TraceFile = std::fopen(RunOptions.TracePath.c_str(), "w");
  if (!TraceFile) {
    error = "cannot write the trace file " + RunOptions.TracePath;
    return false;
  }
  std::fputs(
      "frame,screen,speed,heading,direction,lap,position,next_check_line,race_time,"
      "opponent_laps_and_progress\n",
      TraceFile);
  return true;
}

void TRaceRun::RaceEntered(TRaceContext& context) {
  FinishPrinted = ResultsPrinted = Left = false;
  RaceFrames = 0;
  if (RunOptions.Autopilot) Autopilot = std::make_unique<TAutopilot>(context);
}

void TRaceRun::RaceLeft() {
  Autopilot.reset();
  Left = true;
}

void TRaceRun::BeforeMove() {
  if (Autopilot) Autopilot->Drive();
}

std::optional<int> TRaceRun::AfterFrame(const TRaceState& race, int frame, TGameScreen screen,
                                        int stepTicks) {
  // Once left, a race without menus can never end.
  if (RaceOnly() && Left) return NotEnded("it was left");
  const bool raceScreen = screen == gsRace || screen == gsPause || screen == gsExitRace;
  if (!race.Player || !raceScreen) return std::nullopt;
  Trace(race, frame, screen);
  if (!RaceOnly()) return std::nullopt;
  // The race clock stands still in the pause and the dialog: the frames count them too.
  ++RaceFrames;
  if (race.Player->RaceTime.Minutes >= kLongestRaceMinutes || RaceFrames > kLongestRaceFrames) {
    PrintResults(race);
    return NotEnded("not within " + std::to_string(kLongestRaceMinutes) + " minutes");
  }
  if (race.RaceFinished && !FinishPrinted) {
    const TPlayer& player = *race.Player;
    std::printf("finish position %d time %s best lap %s\n", player.FinishPosition,
                RaceTimeText(player.RaceTime).c_str(), RaceTimeText(player.BestLap).c_str());
    std::fflush(stdout);
    FinishPrinted = true;
  }
  // Every car is in, and the frames the game gives a finished race have gone by.
  const bool everyCarIn = race.FinishCounter == race.OpponentCount + 2;
  if (!everyCarIn || stepTicks < 150) return std::nullopt;
  PrintResults(race);
  return 0;
}

int TRaceRun::NotEnded(const std::string& why) const {
  std::fprintf(stderr, "Morvel Racing: --race: the race did not end: %s\n", why.c_str());
  return 2;
}

void TRaceRun::PrintResults(const TRaceState& race) {
  if (!RaceOnly() || ResultsPrinted || !race.Player) return;
  for (int place = 1; place < race.FinishCounter; ++place)
    std::printf("place %d car %d time %s\n", place, race.Results[size_t(place)].Car,
                RaceTimeText(race.Results[size_t(place)].Time).c_str());
  std::fflush(stdout);
  ResultsPrinted = true;
}

void TRaceRun::Trace(const TRaceState& race, int frame, TGameScreen screen) {
  if (!TraceFile) return;
  const TPlayer& player = *race.Player;
  std::fprintf(TraceFile, "%d,%d,%.6f,%.6f,%.6f,%d,%d,%d,%s", frame, int(screen), player.Speed,
               player.Heading, player.Direction, player.Lap, player.Position, player.NextCheckLine,
               RaceTimeText(player.RaceTime).c_str());
  for (int i = 0; i < race.OpponentCount; ++i)
    std::fprintf(TraceFile, ",%d,%.6f", race.Opponents[size_t(i)]->Lap, race.OpponentProgress[size_t(i)]);
  std::fputc('\n', TraceFile);
}
