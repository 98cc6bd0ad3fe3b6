#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assets/OmegaSound3D.h"
#include "platform/Clock.h"
#include "platform/GamePath.h"
#include "race/RaceSounds.h"
#include "shell/SoundSetup.h"
#include "sound/SoundLevels.h"

namespace {

constexpr int kFrame = 490;  // sound frames in a frame of the game (44100 / 90)
constexpr TPointD kPlayerAt{400, 450};

// The race's sounds as the game configures them, with the built game's files, pulled straight
// from the mixer frame by frame.
class RaceSoundsTest : public testing::Test {
 protected:
  RaceSoundsTest()
      : Sound3D(Clock), Sounds(Sound3D, [this](const std::string& text) { Reports.push_back(text); }) {
    ConfigureSound3D(Sound3D);
    for (int i = 0; i < Sound3D.SoundList.Count(); ++i) {
      TSoundListItem& item = Sound3D.SoundList.Items(i);
      item.FileName = std::string(MORVEL_GAME_DIR) + "/" + NativePath(item.FileName);
    }
  }

  // Hears the race for a number of frames and returns what the last `measured` of them sounded.
  std::vector<int16_t> Listen(const TRaceHearing& hearing, int frames, int measured) {
    std::vector<int16_t> out;
    std::vector<int16_t> frame(size_t(kFrame) * 2);
    for (int f = 0; f < frames; ++f) {
      Sounds.Hear(hearing);
      Sound3D.Mix(frame.data(), kFrame);
      if (f >= frames - measured) out.insert(out.end(), frame.begin(), frame.end());
    }
    return out;
  }

  // Over a whole turn of the loops (a second at their own pitch), whatever part they start in.
  double Rms(const TRaceHearing& hearing) {
    const std::vector<int16_t> heard = Listen(hearing, 100, 90);
    return MeasureLevels(heard, 0, heard.size(), 1).Rms;
  }

  static TRaceHearing Driving(double revs, bool throttle) {
    TRaceHearing hearing;
    hearing.Player = {2, revs, throttle, false, 0, kPlayerAt};
    hearing.Lap = 1;
    return hearing;
  }

  TVirtualClock Clock;
  TOmegaSound3D Sound3D;
  std::vector<std::string> Reports;
  TRaceSounds Sounds;
};

TEST_F(RaceSoundsTest, TheEngineGetsLouderAndHigherWithSpeedAndThrottle) {
  struct TStep {
    double Revs;
    bool Throttle;
  };
  const TStep steps[] = {{0, false}, {0.4, false}, {0.4, true}, {1.0, true}};
  double lastRms = 0;
  for (const TStep& step : steps) {
    const double rms = Rms(Driving(step.Revs, step.Throttle));
    EXPECT_GT(rms, lastRms * 1.1) << "revs " << step.Revs << " throttle " << step.Throttle;
    lastRms = rms;
  }
  EXPECT_GT(Rms(Driving(0, false)), 0.01) << "idle is heard";
  // The pitch: at top speed the note runs almost three times as fast as at idle.
  const std::vector<int16_t> idle = Listen(Driving(0, false), 100, 90);
  const std::vector<int16_t> top = Listen(Driving(1.0, true), 100, 90);
  EXPECT_GT(MeasureLevels(top, 0, top.size(), 2).Crossings,
            2 * MeasureLevels(idle, 0, idle.size(), 2).Crossings);
  EXPECT_EQ(MeasureLevels(top, 0, top.size(), 1).Clipped, 0);
  EXPECT_TRUE(Reports.empty());
}

TEST_F(RaceSoundsTest, ASlideAndAKnockEachAddSound) {
  const double engine = Rms(Driving(0.6, true));
  TRaceHearing sliding = Driving(0.6, true);
  sliding.Player.Slid = true;
  EXPECT_GT(Rms(sliding), engine * 1.15) << "tyres";
  Sounds.Silence();
  Listen(Driving(0.6, true), 30, 0);
  TRaceHearing knocked = Driving(0.6, true);
  knocked.Player.Knock = 2.0;
  Sounds.Hear(knocked);
  std::vector<int16_t> thump(size_t(kFrame) * 2 * 10);
  Sound3D.Mix(thump.data(), kFrame * 10);
  EXPECT_GT(MeasureLevels(thump, 0, thump.size(), 1).Rms, engine * 1.5) << "knock";
}

// Opponents are heard by distance, a few at most: more cars at the same place add nothing.
TEST_F(RaceSoundsTest, OpponentsAreQuieterFartherAwayAndOnlyTheNearestFewAreHeard) {
  auto withOpponents = [](int count, double distance) {
    TRaceHearing hearing = Driving(0, false);
    for (int i = 0; i < count; ++i)
      hearing.Opponents.push_back({4, 0.8, true, false, 0, {kPlayerAt.X + distance, kPlayerAt.Y}});
    return hearing;
  };
  const double alone = Rms(withOpponents(0, 0));
  const double near = Rms(withOpponents(1, 60));
  const double far = Rms(withOpponents(1, 200));
  const double outOfHearing = Rms(withOpponents(1, TRaceSounds::kHearingDistance + 50));
  EXPECT_GT(near, far * 1.2);
  EXPECT_GT(far, alone * 1.05);
  EXPECT_NEAR(outOfHearing, alone, alone * 0.05);
  const double few = Rms(withOpponents(TRaceSounds::kHeardOpponents, 60));
  const double many = Rms(withOpponents(7, 60));
  EXPECT_GT(few, near * 1.1);
  EXPECT_NEAR(many, few, few * 0.05);
}

// The player's car sounds in the middle; an opponent's engine and its knocks come from its side of
// the screen.
TEST_F(RaceSoundsTest, AnOpponentIsHeardOnItsSideAndThePlayerInTheMiddle) {
  auto rightOverLeft = [](const std::vector<int16_t>& heard) {
    const TLevels left = MeasureLevels(heard, 0, heard.size(), 2);
    const TLevels right = MeasureLevels(heard, 1, heard.size(), 2);
    return right.Rms / left.Rms;
  };
  auto withOpponentAt = [](double dx) {
    TRaceHearing hearing = Driving(0, false);
    hearing.Opponents.push_back({3, 1.0, true, false, 0, {kPlayerAt.X + dx, kPlayerAt.Y - 40}});
    return hearing;
  };
  struct TCase {
    const char* Where;
    TRaceHearing Hearing;
    double Least, Most;  // bounds of the right channel's level over the left's
  };
  const TCase cases[] = {
      {"alone", Driving(0.6, true), 0.99, 1.01},
      {"right", withOpponentAt(200), 1.1, 10},
      {"left", withOpponentAt(-200), 0.1, 1 / 1.1},
      {"ahead", withOpponentAt(0), 0.99, 1.01},
  };
  for (const TCase& heard : cases) {
    const double ratio = rightOverLeft(Listen(heard.Hearing, 100, 90));
    EXPECT_GE(ratio, heard.Least) << heard.Where;
    EXPECT_LE(ratio, heard.Most) << heard.Where;
    Sounds.Silence();
  }
  Listen(Driving(0, false), 30, 0);
  TRaceHearing knocked = Driving(0, false);
  knocked.Opponents.push_back({3, 0, false, false, 3.0, {kPlayerAt.X + 250, kPlayerAt.Y}});
  Sounds.Hear(knocked);
  std::vector<int16_t> thump(size_t(kFrame) * 2 * 10);
  Sound3D.Mix(thump.data(), kFrame * 10);
  EXPECT_GT(rightOverLeft(thump), 1.3) << "an opponent's knock on the right";
}

TEST_F(RaceSoundsTest, SilenceFadesEverythingOutAtOnce) {
  TRaceHearing busy = Driving(1.0, true);
  busy.Player.Slid = true;
  busy.Opponents.push_back({0, 1.0, true, false, 0, {kPlayerAt.X + 40, kPlayerAt.Y}});
  Listen(busy, 20, 0);
  Sounds.Silence();
  std::vector<int16_t> fading(size_t(kFrame) * 2 * 4), after(size_t(kFrame) * 2 * 4);
  Sound3D.Mix(fading.data(), kFrame * 4);
  Sound3D.Mix(after.data(), kFrame * 4);
  EXPECT_TRUE(std::all_of(after.begin(), after.end(), [](int16_t s) { return s == 0; }));
}

TEST_F(RaceSoundsTest, ALapCompletedChimesButTheStartOfTheFirstDoesNot) {
  struct TCase {
    int From, To;
    bool Chimes;
  };
  for (const TCase& lap : {TCase{0, 1, false}, TCase{1, 2, true}, TCase{4, 5, true}, TCase{3, 3, false}}) {
    TRaceHearing hearing = Driving(0, false);
    hearing.Lap = lap.From;
    const double before = Rms(hearing);
    hearing.Lap = lap.To;
    Sounds.Hear(hearing);
    std::vector<int16_t> heard(size_t(kFrame) * 2 * 10);
    Sound3D.Mix(heard.data(), kFrame * 10);
    EXPECT_EQ(MeasureLevels(heard, 0, heard.size(), 1).Rms > before * 1.5, lap.Chimes)
        << lap.From << " to " << lap.To;
    Sounds.Silence();
  }
}

}  // namespace
