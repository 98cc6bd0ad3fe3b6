#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
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

// Per frame of the race, from the trace: the player's speed and the race clock in seconds. The
// race clock counts real time from the green light to the pause, however fast the frames come.
struct TTraced {
  std::vector<double> Speed, Clock;
};

TTraced ReadTrace(const std::filesystem::path& trace) {
  std::ifstream in(trace);
  std::string line;
  std::getline(in, line);  // the header
  TTraced traced;
  while (std::getline(in, line)) {
    std::vector<std::string> fields(1);
    for (char c : line) {
      if (c == ',') {
        fields.emplace_back();
      } else {
        fields.back().push_back(c);
      }
    }
    const size_t frame = size_t(std::stoi(fields[0]));
    int minutes = 0, seconds = 0, hundredths = 0;
    std::sscanf(fields[8].c_str(), "%d:%d:%d", &minutes, &seconds, &hundredths);
    traced.Speed.resize(frame + 1);
    traced.Clock.resize(frame + 1);
    traced.Speed[frame] = std::stod(fields[2]);
    traced.Clock[frame] = minutes * 60 + seconds + hundredths / 100.0;
  }
  return traced;
}

// Seconds into the recording of its last sound.
double LastSound(const std::vector<int16_t>& samples) {
  const auto last = std::find_if(samples.rbegin(), samples.rend(), [](int16_t s) { return s != 0; });
  return double(samples.rend() - last) / 2 / kRate;
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
  // The real clock: the recording runs with the frames.
  ASSERT_EQ(game.Run({"--headless", "--render", "null", "--seed", "3", "--race", "0:0", "--script",
                      script.string(), "--trace", trace.string(), "--frames", std::to_string(kLastFrame)},
                     "env SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=" + ShellQuote(recording.string())),
            0)
      << game.Stderr();
  const std::vector<int16_t> heard = ReadSamples(recording);
  const double length = double(heard.size()) / 2 / kRate;
  ASSERT_GT(length, 6.0) << "seconds recorded";

  // The pause: nothing sounds from its start to the end of the run (the music is off), though the
  // car was still moving. Whatever the frames' pace, the pause lasts more than two seconds.
  const double pauseAt = LastSound(heard);
  EXPECT_GT(length - pauseAt, 1.5) << "the pause is not silent";

  // Driving: every half second from the throttle to the pause is heard, and the stretch at the
  // car's best speed is louder than the one just after the start. The race clock places the
  // frames in the recording, back from the pause.
  const TTraced traced = ReadTrace(trace);
  ASSERT_GT(traced.Speed.size(), size_t(kPauseFrame));
  const std::vector<double>& speed = traced.Speed;
  auto timeOf = [&](int frame) {
    return pauseAt - (traced.Clock[kPauseFrame] - traced.Clock[size_t(frame)]);
  };
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
