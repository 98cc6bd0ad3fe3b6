#include <algorithm>
#include <ostream>
#include <vector>

#include "menus/MenuForm.h"
#include "shell/KeyCodes.h"
#include "sound/SoundLevels.h"

namespace {

enum class TAfterDriving { GoOn, Pause, Leave };

struct TRaceSoundCase {
  const char* Name;
  bool SoundOn;
  TAfterDriving After;
  bool Heard;
};

void PrintTo(const TRaceSoundCase& test, std::ostream* out) {
  *out << test.Name;
}

// The form races straight away (as with --race) with the music off, so whatever is heard is the
// race's own sound, pulled from the mixer.
class RaceSoundTest : public MenuForm, public testing::WithParamInterface<TRaceSoundCase> {
 protected:
  void StartRace(bool soundOn) {
    TGameState settings;
    settings.MusicOn = false;
    settings.SoundOn = soundOn;
    ASSERT_TRUE(SaveSettings(settings, "Config.cfg"));
    TRaceRunOptions run;
    run.Race = TRaceRequest{0, 0};
    Form = std::make_unique<TForm1>(TFormServices{Video, Clock, Messages, true, 7u, run});
    Form->FormCreate();
    Form->FormShow();
    ASSERT_EQ(Form->State.CurrentScreen, gsRace);
  }

  // A frame of the game, then a tenth of a second of the mix (the first mix after a change glides
  // to it, so the second is measured).
  std::vector<int16_t> Heard() {
    RunFrames(1);
    std::vector<int16_t> mix(4410 * 2);
    Form->Sound3D.Mix(mix.data(), 4410);
    Form->Sound3D.Mix(mix.data(), 4410);
    return mix;
  }
};

TEST_P(RaceSoundTest, TheRaceIsHeardOnlyWhileItsScreenRunsWithTheSoundOn) {
  const TRaceSoundCase& test = GetParam();
  StartRace(test.SoundOn);
  RunFrames(300);  // the start lights
  TInputEvent accelerator = Event(TInputKind::KeyDown);
  accelerator.Key = 38;
  Send(accelerator);
  RunFrames(200);
  if (test.After == TAfterDriving::Pause) {
    Press(VK_P);
    RunFrames(1);
    ASSERT_EQ(Form->State.CurrentScreen, gsPause);
  } else if (test.After == TAfterDriving::Leave) {
    Press(VK_ESCAPE);
    RunFrames(1);
    Press(VK_RETURN);
    RunFrames(1);
    ASSERT_EQ(Form->State.CurrentScreen, gsMainMenu);
  }
  Hush();  // the start lights' beeps, which the frames here outrun
  const std::vector<int16_t> heard = Heard();
  if (test.Heard) {
    EXPECT_GT(MeasureLevels(heard, 0, heard.size(), 1).Rms, 0.02);
  } else {
    EXPECT_TRUE(std::all_of(heard.begin(), heard.end(), [](int16_t s) { return s == 0; }))
        << MeasureLevels(heard, 0, heard.size(), 1).Rms;
  }
}

INSTANTIATE_TEST_SUITE_P(RaceSounds, RaceSoundTest,
                         testing::Values(TRaceSoundCase{"Driving", true, TAfterDriving::GoOn, true},
                                         TRaceSoundCase{"Paused", true, TAfterDriving::Pause, false},
                                         TRaceSoundCase{"Left", true, TAfterDriving::Leave, false},
                                         TRaceSoundCase{"SoundOff", false, TAfterDriving::GoOn, false}),
                         [](const testing::TestParamInfo<TRaceSoundCase>& info) {
                           return std::string(info.param.Name);
                         });

}  // namespace
