#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <numbers>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/GameRun.h"
#include "platform/Png.h"

namespace {

// The player's car stays with its centre here while the track scrolls under it.
constexpr double kCarX = 396, kCarY = 321;
// Moments of a time trial on the first track, its first lap, as the autopilot drives along its sides
// and round its corners.
constexpr int kShotFrames[] = {420, 520, 640, 760, 900, 1050, 1200};

struct TTraceLine {
  double Speed = 0, Heading = 0, Direction = 0;
};

// Degrees between two directions.
double Apart(double a, double b) {
  const double off = std::fmod(std::fabs(a - b), 360.0);
  return std::min(off, 360 - off);
}

// The trace's speed, heading and direction of travel (degrees, 0 along +x, clockwise) by frame.
std::map<int, TTraceLine> ReadTrace(const std::filesystem::path& file) {
  std::map<int, TTraceLine> lines;
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);  // the header
  while (std::getline(in, line)) {
    std::stringstream fields(line);
    std::string frame, screen, speed, heading, direction;
    std::getline(fields, frame, ',');
    std::getline(fields, screen, ',');
    std::getline(fields, speed, ',');
    std::getline(fields, heading, ',');
    std::getline(fields, direction, ',');
    lines[std::stoi(frame)] = {std::stod(speed), std::stod(heading), std::stod(direction)};
  }
  return lines;
}

int Channel(uint32_t pixel, int shift) {
  return int((pixel >> shift) & 0xFF);
}

// The headlights' pale yellow (#FFF3A8), not the deeper yellows of liveries and flames nor white paint
// under the mark's lime glow.
bool Headlight(uint32_t pixel) {
  const int red = Channel(pixel, 16), green = Channel(pixel, 8), blue = Channel(pixel, 0);
  return red >= 241 && std::abs(green - 243) <= 14 && std::abs(blue - 168) <= 20 && red - green >= 6;
}

bool MarkLime(uint32_t pixel) {
  return Channel(pixel, 16) > 130 && Channel(pixel, 16) < 215 && Channel(pixel, 8) > 195 &&
         Channel(pixel, 0) < 80;
}

// The centre of the pixels of a colour between two distances from the car's centre, as an offset from
// it, and how many there are.
struct TSpot {
  double X = 0, Y = 0;
  int Count = 0;
};
TSpot SpotOf(const TPixmap& shot, bool (*colour)(uint32_t), double nearest, double farthest) {
  TSpot spot;
  for (int y = int(kCarY - farthest); y <= int(kCarY + farthest); ++y)
    for (int x = int(kCarX - farthest); x <= int(kCarX + farthest); ++x) {
      const double dx = x + 0.5 - kCarX, dy = y + 0.5 - kCarY;
      const double distance = std::hypot(dx, dy);
      if (distance < nearest || distance > farthest || !colour(shot.At(x, y))) continue;
      spot.X += dx;
      spot.Y += dy;
      ++spot.Count;
    }
  if (spot.Count > 0) {
    spot.X /= spot.Count;
    spot.Y /= spot.Count;
  }
  return spot;
}

// Degrees between the spot's bearing from the car's centre and a direction.
double DegreesOff(const TSpot& spot, double direction) {
  return Apart(std::atan2(spot.Y, spot.X) * 180 / std::numbers::pi, direction);
}

std::vector<std::string> TimeTrialArgs(int car, const std::filesystem::path& folder) {
  std::vector<std::string> args = {
      "--headless",   "--virtual-clock", "--seed",   "3",    "--race",  "0:" + std::to_string(car),
      "--time-trial", "--autopilot",     "--frames", "1210", "--trace", (folder / "trace.csv").string()};
  for (int frame : kShotFrames) {
    args.push_back("--screenshot");
    args.push_back(std::to_string(frame) + ":" + (folder / (std::to_string(frame) + ".png")).string());
  }
  return args;
}

}  // namespace

// Every car drives nose first, as the player sees it: a time trial with each of the five cars (the
// player's car alone, held in the middle of the screen), screenshots round the lap, and in each taken
// while the car runs where it points (not sliding) the pale headlights drawn ahead of the car's
// centre in the direction the car travels, the lime chevron of the player's mark too.
TEST(CarFacingRun, EveryCarIsDrawnWithItsHeadlightsAndItsMarkAheadWhereverItDrives) {
  std::vector<std::unique_ptr<TGameRun>> games;
  std::vector<pid_t> running;
  for (int car = 0; car < 5; ++car) {
    games.push_back(std::make_unique<TGameRun>());
    running.push_back(games.back()->Start(TimeTrialArgs(car, games.back()->Folder())));
  }
  // Every run ends before any is looked at, so none outlives a failed check.
  std::vector<int> exitCodes;
  for (int car = 0; car < 5; ++car)
    exitCodes.push_back(games[size_t(car)]->Wait(running[size_t(car)], std::chrono::seconds(240)));
  for (int car = 0; car < 5; ++car) {
    SCOPED_TRACE("car " + std::to_string(car));
    TGameRun& game = *games[size_t(car)];
    ASSERT_EQ(exitCodes[size_t(car)], 0) << game.Stderr();
    const std::map<int, TTraceLine> trace = ReadTrace(game.Folder() / "trace.csv");
    std::set<int> sides;
    int checked = 0;
    for (int frame : kShotFrames) {
      SCOPED_TRACE("frame " + std::to_string(frame));
      std::string error;
      const auto shot = ReadPngFile((game.Folder() / (std::to_string(frame) + ".png")).string(), error);
      ASSERT_TRUE(shot) << error;
      ASSERT_TRUE(trace.contains(frame));
      const TTraceLine& moving = trace.at(frame);
      if (moving.Speed < 1 || Apart(moving.Heading, moving.Direction) > 10) continue;
      ++checked;
      sides.insert((int(std::lround(moving.Direction / 90)) % 4 + 4) % 4);
      const TSpot headlights = SpotOf(*shot, Headlight, 0, 30);
      ASSERT_GE(headlights.Count, 4);
      EXPECT_GT(std::hypot(headlights.X, headlights.Y), 15) << "the headlights are at one end of the car";
      EXPECT_LT(DegreesOff(headlights, moving.Direction), 30)
          << "headlights at " << headlights.X << "," << headlights.Y << ", travelling " << moving.Direction;
      // Past the mark's ring only the tip of its chevron is lime.
      const TSpot mark = SpotOf(*shot, MarkLime, 36.5, 46);
      ASSERT_GE(mark.Count, 3);
      EXPECT_LT(DegreesOff(mark, moving.Direction), 30)
          << "mark's lime at " << mark.X << "," << mark.Y << ", travelling " << moving.Direction;
    }
    EXPECT_GE(checked, 4) << "the shots should catch the car running straight";
    EXPECT_GE(sides.size(), 3u) << "the shots should see the car drive several ways";
  }
}
