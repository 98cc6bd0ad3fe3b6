// Track and car selection: one catalogue entry at a time, stepped through with the arrows; a
// locked entry is shown but cannot be raced.
#include <array>
#include <functional>
#include <string>
#include <utility>

#include "engine/OmegaButton.h"
#include "shell/Form1.h"
#include "shell/KeyCodes.h"
#include "shell/MenuSlide.h"
#include "shell/MenuSprites.h"
#include "shell/SelectionInfo.h"

namespace {

// A button of a selection page: made off screen at (X, Y), it slides along the row to FinalX.
struct TSelectionButton {
  const char* Picture;
  int X, Y, FinalX;
};

// Both selections have the same buttons in the same order (next, previous, back, race), placed
// around their own picture.
using TSelectionPage = std::array<TSelectionButton, 4>;
constexpr size_t kRaceButton = 3;
constexpr TSelectionPage kTrackPage{{{"bc_next", 900, 131, 580},
                                     {"bc_prev", -100, 323, 234},
                                     {"b_back", -200, 524, 9},
                                     {"bc_race", 900, 524, 642}}};
constexpr TSelectionPage kCarPage{{{"bc_next", 900, 123, 685},
                                   {"bc_prev", -200, 313, 107},
                                   {"b_back", -200, 524, 9},
                                   {"bc_race", 900, 524, 642}}};

// The track selection's own button: a time trial on the track shown, above "bc_race".
constexpr TSelectionButton kTrialButton{"bc_trial", 900, 472, 621};
constexpr size_t kTrialButtonIndex = 4;

// The buttons slide 20 pixels a frame for at most 26 frames, enough for the longest way.
constexpr int kSlideFrames = 26;
constexpr int kSlideStep = 20;

// The four bars of the car's driving values, top-left corners (x, y).
constexpr std::array<std::array<float, 2>, 4> kBarPlaces{{{380, 392}, {380, 437}, {380, 482}, {380, 528}}};
// Colour channels of a locked car's picture: a darkened car.
constexpr int kLockedShade = 85;

const TSelectionPage& SelectionPage(TGameScreen screen) {
  return screen == gsChooseTrack ? kTrackPage : kCarPage;
}

void CentredText(TOmegaFont& font, int centreX, int y, const std::string& text) {
  font.TextOut(centreX - font.TextWidth(text) / 2, y, text);
}

}  // namespace

void TForm1::EnterChooseTrack() {
  State.CurrentScreen = gsChooseTrack;
  OmegaFont1.SetFont("Arial Black", 13);
  OmegaFont2.SetFont("Arial Black", 10);
  OmegaFont2.SetColor(0xFF0F0F0F);
  OmegaFont3.SetFont("Arial Black", 15);
  OmegaFont3.SetColor(0xFF0E3A45);
  BuildSelectionPage();
  const TTrack& track = State.Catalogue.Tracks[size_t(State.Catalogue.SelectedTrack)];
  ScreenSprite = &OmegaSprite1.Create<TMenuScreen>(OmegaImageList1, true, 255, "choosetrack", "scr_choose",
                                                   500, 0.0f, 0.0f);
  PreviewSprite = &OmegaSprite1.Create<TMenuScreen>(OmegaImageList1, true, 255, "trackimage",
                                                    std::string(track.ImageName), 521, 156.0f, 312.0f);
  ShowTrack();
  StartSelection();
}

void TForm1::EnterChooseCar() {
  State.CurrentScreen = gsChooseCar;
  OmegaFont1.SetFont("Arial", 13);
  OmegaFont1.SetColor(0xFF1E1E1E);
  BuildSelectionPage();
  const TCarType& car = State.Catalogue.Cars[size_t(State.Catalogue.SelectedCar)];
  ScreenSprite = &OmegaSprite1.Create<TMenuScreen>(OmegaImageList1, true, 255, "choosetrack", "scr_choosecar",
                                                   500, 0.0f, 0.0f);
  ScreenSprite2 =
      &OmegaSprite1.Create<TMenuScreen>(OmegaImageList1, true, 155, "blik", "blik", 522, 137.0f, 230.0f);
  PreviewSprite = &OmegaSprite1.Create<TMenuScreen>(OmegaImageList1, true, 255, "carimage",
                                                    std::string(car.ImageName), 521, 133.0f, 265.0f);
  for (size_t i = 0; i < StatBars.size(); ++i)
    StatBars[i] = &OmegaSprite1.Create<TMenuScreen>(OmegaImageList1, true, 255, "bar" + std::to_string(i + 1),
                                                    "bar", 522, kBarPlaces[i][1], kBarPlaces[i][0]);
  ShowCar();
  StartSelection();
}

void TForm1::StartSelection() {
  State.StepTicks = 0;
  State.KeyReleased.fill(false);
  State.ScreenTicks = 0;
}

void TForm1::BuildSelectionPage() {
  const std::array<std::function<void()>, 4> clicks{
      [this] { StepSelection(true); }, [this] { StepSelection(false); },
      [this] { ReturnFromSelection("check"); }, [this] { RaceSelection(); }};
  const TSelectionPage& page = SelectionPage(State.CurrentScreen);
  BuildPage();
  for (size_t i = 0; i < page.size(); ++i)
    AddPageButton(OmegaImageList1, page[i].Picture, page[i].X, page[i].Y, clicks[i]);
  if (State.CurrentScreen == gsChooseTrack)
    AddPageButton(OmegaImageList1, kTrialButton.Picture, kTrialButton.X, kTrialButton.Y,
                  [this] { TimeTrialSelection(); });
}

void TForm1::ShowTrack() {
  const TTrack& track = State.Catalogue.Tracks[size_t(State.Catalogue.SelectedTrack)];
  PreviewSprite->SetImage(OmegaImageList1.Find(track.Available ? std::string(track.ImageName) : "tr_notav"));
  PageButtons[kRaceButton]->Visible = track.Available;
  PageButtons[kTrialButtonIndex]->Visible = track.Available;
}

// A locked car is shown darkened, without its bars; the bars keep the scale they had.
void TForm1::ShowCar() {
  const TCarType& car = State.Catalogue.Cars[size_t(State.Catalogue.SelectedCar)];
  PreviewSprite->SetImage(OmegaImageList1.Find(std::string(car.ImageName)));
  const int shade = car.Available ? 255 : kLockedShade;
  PreviewSprite->SetRed(shade);
  PreviewSprite->SetGreen(shade);
  PreviewSprite->SetBlue(shade);
  const std::array<float, 4> scales = CarBarScales(car);
  for (size_t i = 0; i < StatBars.size(); ++i) {
    StatBars[i]->Visible = car.Available;
    if (car.Available) StatBars[i]->ScaleX = scales[i];
  }
  PageButtons[kRaceButton]->Visible = car.Available;
}

void TForm1::StepSelection(bool forward) {
  PlaySound("check");
  TCatalogue& catalogue = State.Catalogue;
  auto step = forward ? NextEntry : PreviousEntry;
  if (State.CurrentScreen == gsChooseTrack) {
    catalogue.SelectedTrack = step(catalogue.SelectedTrack, catalogue.LastTrack);
    ShowTrack();
  } else {
    catalogue.SelectedCar = step(catalogue.SelectedCar, catalogue.LastCar);
    ShowCar();
  }
}

bool TForm1::SelectionAvailable() const {
  const TCatalogue& catalogue = State.Catalogue;
  return State.CurrentScreen == gsChooseTrack ? catalogue.Tracks[size_t(catalogue.SelectedTrack)].Available
                                              : catalogue.Cars[size_t(catalogue.SelectedCar)].Available;
}

// From the track to the car, from the car into the race. A track file that cannot be read
// leaves the car selection as it was.
void TForm1::RaceSelection() {
  if (State.CurrentScreen == gsChooseCar) {
    State.TimeTrial = false;
    StartRace();
    return;
  }
  SwitchScreen(gsChooseTrack, "check", gsChooseCar);
}

// Straight from the track into a time trial, with the car chosen last (the first car when that
// one is locked).
void TForm1::TimeTrialSelection() {
  TCatalogue& catalogue = State.Catalogue;
  if (!catalogue.Cars[size_t(catalogue.SelectedCar)].Available) catalogue.SelectedCar = 0;
  PlaySound("check");
  State.TimeTrial = true;
  StartRace();
}

void TForm1::ReturnFromSelection(const std::string& sound) {
  const TGameScreen screen = State.CurrentScreen;
  SwitchScreen(screen, sound, screen == gsChooseTrack ? gsMainMenu : gsChooseTrack);
}

// A key stands for its button; a handled key (Enter on a locked entry too) ends the frame.
bool TForm1::SelectionKeys() {
  std::array<bool, 256>& released = State.KeyReleased;
  auto take = [&released](int key) { return std::exchange(released[size_t(key)], false); };
  if (take(VK_RIGHT)) {
    StepSelection(true);
  } else if (take(VK_LEFT)) {
    StepSelection(false);
  } else if (take(VK_RETURN)) {
    if (SelectionAvailable()) RaceSelection();
  } else if (take(VK_ESCAPE)) {
    ReturnFromSelection("check2");
  } else if (State.CurrentScreen == gsChooseTrack && take(VK_T)) {
    if (SelectionAvailable()) TimeTrialSelection();
  } else {
    return false;
  }
  return true;
}

void TForm1::SlideSelectionPage() {
  if (State.ScreenTicks < 0 || State.ScreenTicks >= kSlideFrames) return;
  const TSelectionPage& page = SelectionPage(State.CurrentScreen);
  for (size_t i = 0; i < page.size(); ++i)
    PageButtons[i]->Left = SlideStep(PageButtons[i]->Left, page[i].FinalX, kSlideStep);
  if (PageButtons.size() > kTrialButtonIndex)
    PageButtons[kTrialButtonIndex]->Left =
        SlideStep(PageButtons[kTrialButtonIndex]->Left, kTrialButton.FinalX, kSlideStep);
  ++State.ScreenTicks;
}

void TForm1::SelectionFrame() {
  if (SelectionKeys()) return;
  SlideSelectionPage();
  BeginMenuFrame();
  DrawMenuPicture("mainback", 0, 0);
  OmegaSprite1.Move(0);
  OmegaSprite1.Draw();
  if (State.CurrentScreen == gsChooseTrack) {
    DrawTrackInfo();
    DrawTicker();
    DrawMenuLights();  // the screen's picture lies over them
  } else {
    CentredText(OmegaFont3, 419, 68, CarTitle(State.Catalogue.Cars[size_t(State.Catalogue.SelectedCar)]));
    DrawTicker();
  }
  OmegaGUI1.Draw();
  EndMenuFrame();
}

void TForm1::DrawTrackInfo() {
  const int index = State.Catalogue.SelectedTrack;
  const TTrack& track = State.Catalogue.Tracks[size_t(index)];
  CentredText(OmegaFont3, 419, 68, TrackTitle(track, index));
  for (const TTrackInfoRow& row : TrackInfoRows(track)) {
    OmegaFont1.TextOut(335, row.Y, row.Label);
    CentredText(OmegaFont1, 480, row.Y, row.Value);
  }
}

void TForm1::LeaveSelection() {
  FreePage();
  for (TMenuScreen** sprite : {&ScreenSprite, &ScreenSprite2, &PreviewSprite, &StatBars[0], &StatBars[1],
                               &StatBars[2], &StatBars[3]}) {
    if (*sprite) (*sprite)->Kill();
    *sprite = nullptr;
  }
  OmegaSprite1.RemoveDead();
}
