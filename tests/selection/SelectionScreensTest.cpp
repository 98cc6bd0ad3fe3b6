#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/OmegaButton.h"
#include "platform/RecordingRenderDevice.h"
#include "race/Player.h"
#include "shell/Form1.h"
#include "shell/KeyCodes.h"
#include "shell/MenuSprites.h"
#include "shell/SelectionInfo.h"
#include "shell/SelectionScreen.h"

namespace {

namespace fs = std::filesystem;

// A private copy of the game folder: the form reads pictures, tracks and sounds from its working
// directory, and a test may spoil a track file.
class TGameFolderCopy {
 public:
  TGameFolderCopy() {
    std::string pattern = (fs::temp_directory_path() / "morvel-select-XXXXXX").string();
    Path = ::mkdtemp(pattern.data());
    fs::copy(MORVEL_GAME_DIR, Path, fs::copy_options::recursive);
  }
  ~TGameFolderCopy() {
    std::error_code error;
    fs::remove_all(Path, error);
  }
  TGameFolderCopy(const TGameFolderCopy&) = delete;
  TGameFolderCopy& operator=(const TGameFolderCopy&) = delete;

  const fs::path& Folder() const { return Path; }

 private:
  fs::path Path;
};

// A started game with the menus' background running, as the selections find it.
struct SelectionScreens : testing::Test {
  TGameFolderCopy Game;
  fs::path Previous = fs::current_path();
  TRecordingRenderDevice Device;
  TDeviceOnlyVideo Video{&Device};
  TVirtualClock Clock;
  TMessageBoxes Messages{true};
  TForm1 Form{{Video, Clock, Messages, true, 7u, {}}};

  SelectionScreens() {
    fs::current_path(Game.Folder());
    Form.FormCreate();
    Form.OmegaTimer1.SetEnabled(true);
    Form.MenuBackdrop.Create();
  }
  ~SelectionScreens() override { fs::current_path(Previous); }

  void RunFrame() {
    Clock.Advance(TVirtualClock::kFrequency / 90);
    Form.RaceTimer.Poll();
    Form.OmegaTimer1.Tick();
  }
  // A key pressed and released before the next frame, which then runs.
  void KeyFrame(int key) {
    Form.FormKeyDown(key);
    Form.FormKeyUp(key);
    RunFrame();
  }
  void Enter(TGameScreen screen, int entry) {
    (screen == gsChooseTrack ? Form.State.Catalogue.SelectedTrack : Form.State.Catalogue.SelectedCar) = entry;
    Form.EnterScreen(screen);
  }
  const TSelectionScreen& Track() const { return *Form.TrackSelection; }
  const TSelectionScreen& Car() const { return *Form.CarSelection; }
  // The selection on the screen now.
  const TSelectionScreen& Shown() const { return Form.State.CurrentScreen == gsChooseCar ? Car() : Track(); }
  TOmegaButton& Button(const std::string& picture) {
    for (TOmegaButton* button : Shown().Buttons())
      if (button->Name == picture) return *button;
    ADD_FAILURE() << "no button " << picture;
    return *Shown().Buttons().at(0);
  }
  // A left click in the middle of where the button is now.
  void Click(const TOmegaButton& button) {
    const int x = button.Left + button.Width / 2, y = button.Top + button.Height / 2;
    Clock.Advance(TVirtualClock::kFrequency);  // the GUI takes a mouse move only now and then
    for (TInputKind kind : {TInputKind::MouseMove, TInputKind::MouseDown, TInputKind::MouseUp})
      Form.OmegaGUI1.HandleEvent({kind, 0, "", x, y});
  }
  std::string Preview() const {
    const TImageListItem* image = Shown().Preview()->Image();
    return image ? image->Name : "(none)";
  }
  const TSprite* SpriteNamed(const std::string& name) const {
    for (int i = 0; i < Form.OmegaSprite1.Count(); ++i)
      if (Form.OmegaSprite1.Items(i)->Name() == name) return Form.OmegaSprite1.Items(i);
    return nullptr;
  }
  int SpritesNamed(const std::string& name) const {
    int count = 0;
    for (int i = 0; i < Form.OmegaSprite1.Count(); ++i) count += Form.OmegaSprite1.Items(i)->Name() == name;
    return count;
  }
  bool Played(const std::string& sound) {
    const TSoundListItem* item = Form.Sound3D.SoundList.Find(sound);
    return item && item->AudioPath();
  }
};

TEST_F(SelectionScreens, TrackSelectionStepsWithWrapAroundAndShowsLockedTracks) {
  struct Case {
    int From, Key, To;
    const char* Preview;
    bool RaceShown;
  };
  const Case cases[] = {
      {2, VK_RIGHT, 3, "tr_notav", false},  // the first locked track with three available
      {0, VK_LEFT, 11, "tr_notav", false}, {11, VK_RIGHT, 0, "tr_track3", true},
      {3, VK_LEFT, 2, "tr_track4", true},  {0, VK_RIGHT, 1, "tr_track12", true},
      {7, VK_RIGHT, 8, "tr_notav", false},
  };
  for (const Case& c : cases) {
    Enter(gsChooseTrack, c.From);
    RunFrame();
    const int presents = Device.Presents;
    KeyFrame(c.Key);
    EXPECT_EQ(Device.Presents, presents) << "a frame that takes a key draws nothing";
    EXPECT_EQ(Form.State.Catalogue.SelectedTrack, c.To) << c.From;
    EXPECT_EQ(Preview(), c.Preview) << c.From;
    EXPECT_EQ(Button("bc_race").Visible, c.RaceShown) << c.From;
    EXPECT_EQ(Form.State.CurrentScreen, gsChooseTrack);
    RunFrame();
    EXPECT_EQ(Device.Presents, presents + 1);
    Form.LeaveScreen(gsChooseTrack);
  }
  EXPECT_TRUE(Played("check"));
}

TEST_F(SelectionScreens, ALockedTrackCannotBeChosen) {
  Enter(gsChooseTrack, 2);
  KeyFrame(VK_RIGHT);
  const int track = Form.State.Catalogue.SelectedTrack;
  ASSERT_EQ(track, 3);
  const TTrack& shown = Form.State.Catalogue.Tracks[size_t(track)];
  EXPECT_EQ(TrackTitle(shown, track), "Track 4");
  const auto rows = TrackInfoRows(shown);
  EXPECT_EQ(rows[0].Value, "--:--:--");
  for (size_t row = 1; row < rows.size(); ++row) EXPECT_EQ(rows[row].Value, "-");

  const int presents = Device.Presents;
  KeyFrame(VK_RETURN);
  EXPECT_EQ(Form.State.CurrentScreen, gsChooseTrack);
  EXPECT_EQ(Device.Presents, presents) << "Enter is taken even where it does nothing";
  EXPECT_FALSE(Form.State.KeyReleased[VK_RETURN]);
  for (int frame = 0; frame < 30; ++frame) RunFrame();
  Click(Button("bc_race"));  // hidden: the click falls through to nothing
  EXPECT_EQ(Form.State.CurrentScreen, gsChooseTrack);
  Click(Button("bc_prev"));
  EXPECT_EQ(Form.State.Catalogue.SelectedTrack, 2);
  Click(Button("bc_race"));
  EXPECT_EQ(Form.State.CurrentScreen, gsChooseCar);
}

TEST_F(SelectionScreens, CarSelectionDarkensLockedCarsAndHidesTheirBars) {
  struct Case {
    int From, Key, To;
    bool Available;
  };
  const Case cases[] = {
      {4, VK_RIGHT, 0, true},  // the last car wraps to the first
      {0, VK_LEFT, 4, false},  {1, VK_RIGHT, 2, false},
      {2, VK_LEFT, 1, true},  // from a locked car back to one that can race
      {3, VK_RIGHT, 4, false},
  };
  for (const Case& c : cases) {
    Enter(gsChooseCar, c.From);
    KeyFrame(c.Key);
    ASSERT_EQ(Form.State.Catalogue.SelectedCar, c.To) << c.From;
    const TCarType& car = Form.State.Catalogue.Cars[size_t(c.To)];
    EXPECT_EQ(Preview(), car.ImageName);
    const int shade = c.Available ? 255 : 85;
    EXPECT_EQ(Car().Preview()->Red(), shade) << c.To;
    EXPECT_EQ(Car().Preview()->Green(), shade) << c.To;
    EXPECT_EQ(Car().Preview()->Blue(), shade) << c.To;
    for (TMenuScreen* bar : Car().Bars()) EXPECT_EQ(bar->Visible, c.Available) << c.To;
    EXPECT_EQ(Button("bc_race").Visible, c.Available) << c.To;
    EXPECT_EQ(CarTitle(car), c.Available ? std::string(car.Name) : "Not avaible");
    Form.LeaveScreen(gsChooseCar);
  }
}

TEST_F(SelectionScreens, SpeederBarsAndTheirPlaces) {
  Enter(gsChooseCar, 1);
  KeyFrame(VK_LEFT);
  ASSERT_EQ(Form.State.Catalogue.SelectedCar, 0);
  const float scales[] = {0.8333f, 0.45f, 0.85f, 0.78f};
  const float tops[] = {392, 437, 482, 528};
  for (size_t i = 0; i < Car().Bars().size(); ++i) {
    const TMenuScreen& bar = *Car().Bars()[i];
    EXPECT_NEAR(bar.ScaleX, scales[i], 1e-4) << i;
    EXPECT_EQ(bar.ScaleY, 1.0f);
    EXPECT_EQ(bar.X(), 380.0f);
    EXPECT_EQ(bar.Y(), tops[i]);
    EXPECT_EQ(bar.OriginX, 0.0f) << "bars grow from their left end";
  }
  KeyFrame(VK_RIGHT);
  KeyFrame(VK_RIGHT);  // a locked car hides the bars but leaves their length
  EXPECT_FALSE(Car().Bars()[0]->Visible);
  EXPECT_NEAR(Car().Bars()[0]->ScaleX, 5.5f / 12, 1e-4);
}

TEST_F(SelectionScreens, ButtonsSlideInAndStopAtTheirPlaces) {
  struct Place {
    const char* Picture;
    int FirstX, TenthX, Y, FinalX;  // after the first frame, after the tenth, for good
  };
  struct Case {
    TGameScreen Screen;
    Place Buttons[4];
  };
  const Case cases[] = {
      {gsChooseTrack,
       {{"bc_next", 880, 700, 131, 580},
        {"bc_prev", -80, 100, 323, 234},
        {"b_back", -180, 0, 524, 9},
        {"bc_race", 880, 700, 524, 642}}},
      {gsChooseCar,
       {{"bc_next", 880, 700, 123, 685},
        {"bc_prev", -180, 0, 313, 107},
        {"b_back", -180, 0, 524, 9},
        {"bc_race", 880, 700, 524, 642}}},
  };
  for (const Case& c : cases) {
    Enter(c.Screen, 0);
    RunFrame();
    for (const Place& place : c.Buttons) EXPECT_EQ(Button(place.Picture).Left, place.FirstX) << place.Picture;
    for (int frame = 1; frame < 10; ++frame) RunFrame();
    for (const Place& place : c.Buttons) EXPECT_EQ(Button(place.Picture).Left, place.TenthX) << place.Picture;
    for (int frame = 10; frame < 26; ++frame) RunFrame();
    EXPECT_EQ(Form.State.ScreenTicks, 26);
    for (int frame = 0; frame < 5; ++frame) RunFrame();
    EXPECT_EQ(Form.State.ScreenTicks, 26) << "the slide-in is counted";
    for (const Place& place : c.Buttons) {
      EXPECT_EQ(Button(place.Picture).Left, place.FinalX) << place.Picture;
      EXPECT_EQ(Button(place.Picture).Top, place.Y) << place.Picture;
    }
    Form.LeaveScreen(c.Screen);
  }
}

TEST_F(SelectionScreens, EnterAndEscapeLeadThroughTheScreens) {
  const int sprites = Form.OmegaSprite1.Count();
  Enter(gsChooseTrack, 1);
  ASSERT_NE(SpriteNamed("choosetrack"), nullptr);
  EXPECT_EQ(SpriteNamed("choosetrack")->Z(), 500);
  KeyFrame(VK_RETURN);
  ASSERT_EQ(Form.State.CurrentScreen, gsChooseCar);
  EXPECT_EQ(Form.State.Catalogue.SelectedTrack, 1);
  EXPECT_EQ(Form.OmegaSprite1.Count(), sprites + 7) << "picture, glare, preview and four bars";
  EXPECT_EQ(Car().Buttons().size(), 4u);
  EXPECT_TRUE(Track().Buttons().empty()) << "the track selection's page went with it";

  KeyFrame(VK_ESCAPE);
  EXPECT_TRUE(Played("check2"));
  ASSERT_EQ(Form.State.CurrentScreen, gsChooseTrack);
  EXPECT_EQ(Form.OmegaSprite1.Count(), sprites + 2) << "picture and preview";
  EXPECT_EQ(SpritesNamed("carimage"), 0);
  EXPECT_EQ(SpritesNamed("blik"), 0);
  EXPECT_EQ(Car().Preview(), nullptr);
  EXPECT_EQ(Car().Bars()[0], nullptr);
  EXPECT_EQ(Preview(), "tr_track12") << "the track chosen last";

  KeyFrame(VK_ESCAPE);
  EXPECT_EQ(Form.State.CurrentScreen, gsMainMenu);
  EXPECT_EQ(Track().Preview(), nullptr);
  for (const char* name : {"choosetrack", "trackimage", "carimage", "blik", "bar1", "bar4"})
    EXPECT_EQ(SpritesNamed(name), 0) << name;
}

TEST_F(SelectionScreens, BackButtonsReturnOneScreen) {
  Enter(gsChooseCar, 0);
  for (int frame = 0; frame < 26; ++frame) RunFrame();
  Click(Button("b_back"));
  ASSERT_EQ(Form.State.CurrentScreen, gsChooseTrack);
  for (int frame = 0; frame < 26; ++frame) RunFrame();
  Click(Button("bc_next"));
  EXPECT_EQ(Form.State.Catalogue.SelectedTrack, 1);
  Click(Button("b_back"));
  EXPECT_EQ(Form.State.CurrentScreen, gsMainMenu);
  EXPECT_EQ(SpritesNamed("trackimage"), 0);
}

TEST_F(SelectionScreens, TheRaceButtonStartsTheRaceOnlyWithAnAvailableCar) {
  Enter(gsChooseTrack, 0);
  KeyFrame(VK_RETURN);
  KeyFrame(VK_LEFT);  // Beast, locked
  KeyFrame(VK_RETURN);
  EXPECT_EQ(Form.State.CurrentScreen, gsChooseCar);
  KeyFrame(VK_RIGHT);  // Speeder
  KeyFrame(VK_RETURN);
  EXPECT_EQ(Form.State.CurrentScreen, gsRace);
  EXPECT_EQ(Car().Preview(), nullptr);
  EXPECT_TRUE(Car().Buttons().empty());
  EXPECT_EQ(Form.MenuPage, nullptr);
  EXPECT_TRUE(Messages.Shown().empty());
  // The demonstration race is gone whole, its invisible player's car too.
  EXPECT_EQ(SpritesNamed("player"), 1);
  ASSERT_NE(Form.Race.Player, nullptr);
  EXPECT_TRUE(Form.Race.Player->Visible);
  EXPECT_EQ(SpritesNamed("enemy"), kTrackCatalogue[0].Rivals);
}

// "T" on the track selection starts a time trial on the track shown, straight away: the player's
// car alone, the car chosen last, or the first car when that one is locked. A locked track has
// no time trial.
TEST_F(SelectionScreens, TheTimeTrialKeyStartsARaceWithoutOpponents) {
  Enter(gsChooseTrack, 2);
  KeyFrame(VK_RIGHT);
  EXPECT_FALSE(Button("bc_trial").Visible);
  KeyFrame(VK_T);
  EXPECT_EQ(Form.State.CurrentScreen, gsChooseTrack);
  KeyFrame(VK_LEFT);
  EXPECT_TRUE(Button("bc_trial").Visible);
  Form.State.Catalogue.SelectedCar = 4;  // locked in a new game
  KeyFrame(VK_T);
  ASSERT_EQ(Form.State.CurrentScreen, gsRace);
  EXPECT_TRUE(Form.State.TimeTrial);
  EXPECT_EQ(Form.State.Catalogue.SelectedTrack, 2);
  EXPECT_EQ(Form.State.Catalogue.SelectedCar, 0);
  EXPECT_EQ(Form.Race.OpponentCount, 0);
  EXPECT_EQ(SpritesNamed("enemy"), 0);
  EXPECT_EQ(SpritesNamed("trackimage"), 0);
  EXPECT_EQ(Form.Race.RaceLaps, kTrackCatalogue[2].Laps);
}

// The button slides in above "bc_race"; a race chosen through the car selection afterwards is a
// full race again.
TEST_F(SelectionScreens, TheTimeTrialButtonAndTheRaceButton) {
  Enter(gsChooseTrack, 0);
  for (int frame = 0; frame < 26; ++frame) RunFrame();
  EXPECT_EQ(Button("bc_trial").Left, 621);
  EXPECT_EQ(Button("bc_trial").Top, 472);
  Click(Button("bc_trial"));
  ASSERT_EQ(Form.State.CurrentScreen, gsRace);
  EXPECT_EQ(Form.Race.OpponentCount, 0);
  Form.LeaveScreen(gsRace);
  Enter(gsChooseTrack, 0);
  KeyFrame(VK_RETURN);
  KeyFrame(VK_RETURN);
  ASSERT_EQ(Form.State.CurrentScreen, gsRace);
  EXPECT_FALSE(Form.State.TimeTrial);
  EXPECT_EQ(Form.Race.OpponentCount, kTrackCatalogue[0].Rivals);
}

// The race buttons of both selections lie at the same place: a player who clicks there twice
// without moving the mouse goes from the track to the car and into the race.
TEST_F(SelectionScreens, ASecondClickWithoutMovingTheMouseStartsTheRace) {
  Enter(gsChooseTrack, 0);
  for (int frame = 0; frame < 26; ++frame) RunFrame();
  const TOmegaButton& trackRace = Button("bc_race");
  const int x = trackRace.Left + trackRace.Width / 2, y = trackRace.Top + trackRace.Height / 2;
  Click(trackRace);
  ASSERT_EQ(Form.State.CurrentScreen, gsChooseCar);
  for (int frame = 0; frame < 26; ++frame) RunFrame();  // its race button slides in under the pointer
  ASSERT_TRUE(Button("bc_race").Contains(x, y));
  for (TInputKind kind : {TInputKind::MouseDown, TInputKind::MouseUp})
    Form.OmegaGUI1.HandleEvent({kind, 0, "", x, y});
  EXPECT_EQ(Form.State.CurrentScreen, gsRace);
}

// A race package that cannot be read whole is named, and the player stays where he was; once
// it is whole again the race starts.
TEST_F(SelectionScreens, ABadRacePackageKeepsTheCarSelection) {
  const fs::path package = Game.Folder() / "Data" / "data2.oil";
  const std::string whole = [&] {
    std::ifstream in(package, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }();
  fs::resize_file(package, fs::file_size(package) / 2);
  Enter(gsChooseCar, 0);
  for (int frame = 0; frame < 26; ++frame) RunFrame();
  const int sprites = Form.OmegaSprite1.Count();
  KeyFrame(VK_RETURN);
  ASSERT_EQ(Messages.Shown().size(), 1u);
  EXPECT_NE(Messages.Shown()[0].find("Data/data2.oil: "), std::string::npos) << Messages.Shown()[0];
  EXPECT_EQ(Form.State.CurrentScreen, gsChooseCar);
  EXPECT_EQ(Form.OmegaSprite1.Count(), sprites) << "the demonstration race runs on";
  EXPECT_EQ(SpritesNamed("enemy"), 4);
  EXPECT_EQ(Form.State.GameImagesPending, true);
  std::ofstream(package, std::ios::binary | std::ios::trunc) << whole;
  KeyFrame(VK_RETURN);
  EXPECT_EQ(Form.State.CurrentScreen, gsRace);
  EXPECT_EQ(Messages.Shown().size(), 1u);
}

TEST_F(SelectionScreens, ABadTrackFileKeepsTheCarSelection) {
  std::ofstream(Game.Folder() / "Data" / "data4.prd", std::ios::binary | std::ios::trunc) << "not a track";
  Enter(gsChooseCar, 0);
  for (int frame = 0; frame < 26; ++frame) RunFrame();
  const int sprites = Form.OmegaSprite1.Count();
  Click(Button("bc_race"));
  ASSERT_EQ(Messages.Shown().size(), 1u);
  EXPECT_EQ(Form.State.CurrentScreen, gsChooseCar);
  EXPECT_EQ(Form.OmegaSprite1.Count(), sprites);
  ASSERT_NE(Car().Preview(), nullptr);
  EXPECT_EQ(Preview(), "c_car1");
  ASSERT_EQ(Car().Buttons().size(), 4u);
  const int presents = Device.Presents;
  RunFrame();
  EXPECT_EQ(Device.Presents, presents + 1);
  KeyFrame(VK_RIGHT);
  EXPECT_EQ(Form.State.Catalogue.SelectedCar, 1);
  KeyFrame(VK_RETURN);  // Enter tries again and fails the same way
  EXPECT_EQ(Messages.Shown().size(), 2u);
  EXPECT_EQ(Form.State.CurrentScreen, gsChooseCar);
}

TEST_F(SelectionScreens, EveryEntryHasItsPictures) {
  for (bool available : {false, true}) {
    for (TTrack& track : Form.State.Catalogue.Tracks) track.Available = available;
    for (TCarType& car : Form.State.Catalogue.Cars) car.Available = available;
    for (auto [screen, count] : {std::pair{gsChooseTrack, kTrackCount}, std::pair{gsChooseCar, kCarCount}}) {
      Enter(screen, 0);
      for (int i = 0; i < count; ++i) KeyFrame(VK_RIGHT);
      RunFrame();
      Form.LeaveScreen(screen);
    }
  }
  EXPECT_TRUE(Form.OmegaImageList1.ImageList.MissingNames().empty())
      << Form.OmegaImageList1.ImageList.MissingNames().front();
}

}  // namespace
