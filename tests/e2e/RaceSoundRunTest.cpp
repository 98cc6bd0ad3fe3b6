#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/GameRun.h"
#include "shell/GameState.h"
#include "shell/SettingsFiles.h"
#include "sound/SoundLevels.h"

namespace {

constexpr int kRate = 44100;
constexpr double kFrameRate = 90;
// The script: the accelerator once the lights and the "go" beep are gone, the pause a while later.
constexpr int kThrottleFrame = 320;
constexpr int kPauseFrame = 760;
constexpr int kLastFrame = 960;

std::vector<int16_t> ReadSamples(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<int16_t> samples(bytes.size() / 2);
  std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
  return samples;
}

// Root mean square of full scale over [from, to) seconds of interleaved stereo.
double Level(const std::vector<int16_t>& samples, double from, double to) {
  return MeasureLevels(samples, size_t(std::max(0.0, from) * kRate) * 2,
                       size_t(std::max(0.0, to) * kRate) * 2, 1)
      .Rms;
}

// The player's speed in every frame of the race, from the trace.
std::vector<double> Speeds(const std::filesystem::path& trace) {
  std::ifstream in(trace);
  std::string line;
  std::getline(in, line);  // the header
  std::vector<double> speeds;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string frame, screen, speed;
    std::getline(fields, frame, ',');
    std::getline(fields, screen, ',');
    std::getline(fields, speed, ',');
    speeds.resize(size_t(std::stoi(frame)) + 1);
    speeds.back() = std::stod(speed);
  }
  return speeds;
}

// The whole game with music off, recorded by SDL's disk driver in real time: the race must sound
// once the player drives, louder at speed, and fall silent in the pause.
TEST(RaceSoundRun, WithTheMusicOffTheEngineIsHeardRisingWithSpeedAndThePauseIsSilent) {
  TGameRun game;
  TGameState settings;
  settings.MusicOn = false;
  ASSERT_TRUE(SaveSettings(settings, game.Folder() / "Config.cfg"));
  const auto script = game.Folder() / "input.txt";
  std::ofstream(script) << kThrottleFrame << " down 38\n"
                        << kPauseFrame << " down 80\n"
                        << kPauseFrame + 2 << " up 80\n";
  const auto recording = game.Folder() / "card.raw", trace = game.Folder() / "trace.csv";
  // The real clock: the recording then runs with the frames, one second to every 90.
  ASSERT_EQ(game.Run({"--headless", "--render", "null", "--seed", "3", "--race", "0:0", "--script",
                      script.string(), "--trace", trace.string(), "--frames", std::to_string(kLastFrame)},
                     "env SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=" + ShellQuote(recording.string())),
            0)
      << game.Stderr();
  const std::vector<int16_t> heard = ReadSamples(recording);
  const double length = double(heard.size()) / 2 / kRate;
  ASSERT_GT(length, (kLastFrame - kPauseFrame) / kFrameRate + 3) << "seconds recorded";

  // The pause: nothing sounds (the music is off), though the car was still moving.
  const double pausedFor = (kLastFrame - kPauseFrame - 2) / kFrameRate;
  const double pauseAt = length - pausedFor;
  EXPECT_LT(Level(heard, pauseAt + 0.4, length), 1e-4);

  // Driving: every half second from the throttle to the pause is heard, and the stretch at the
  // car's best speed is louder than the one just after the start.
  const std::vector<double> speed = Speeds(trace);
  ASSERT_GT(speed.size(), size_t(kPauseFrame));
  auto timeOf = [&](int frame) { return pauseAt - (kPauseFrame - frame) / kFrameRate; };
  for (double t = timeOf(kThrottleFrame + 20); t + 0.5 < pauseAt - 0.2; t += 0.5)
    EXPECT_GT(Level(heard, t, t + 0.5), 0.01) << "silent at " << t << " s of " << length;
  const int fastest =
      int(std::max_element(speed.begin() + kThrottleFrame, speed.begin() + kPauseFrame) - speed.begin());
  const int slow = kThrottleFrame + 5;
  ASSERT_LT(speed[size_t(slow) + 35], speed[size_t(fastest)] / 2) << "the car never got up to speed";
  const double slowLevel = Level(heard, timeOf(slow), timeOf(slow + 35));
  const double fastLevel = Level(heard, timeOf(fastest - 35), timeOf(fastest));
  std::ostringstream envelope;
  for (double t = 0; t < length; t += 0.25) envelope << " " << int(Level(heard, t, t + 0.25) * 1000);
  EXPECT_GT(fastLevel, slowLevel * 1.15)
      << "at speed " << speed[size_t(fastest)] << " against " << speed[size_t(slow) + 35]
      << "; thousandths of full scale a quarter second:" << envelope.str();
}

}  // namespace
