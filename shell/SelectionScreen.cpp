#include "shell/SelectionScreen.h"

#include <array>
#include <functional>
#include <utility>

#include "engine/OmegaButton.h"
#include "engine/OmegaFont.h"
#include "engine/OmegaGUI.h"
#include "engine/OmegaImageList.h"
#include "shell/GameState.h"
#include "shell/KeyCodes.h"
#include "shell/MenuBackdrop.h"
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

void CentredText(TOmegaFont& font, int centreX, int y, const std::string& text) {
  font.TextOut(centreX - font.TextWidth(text) / 2, y, text);
}

}  // namespace

TSelectionScreen::TSelectionScreen(TScreenKit& kit, TGameScreen screen)
    : Kit(kit), Screen(screen), Sprites(kit.Sprites()) {}

void TSelectionScreen::Enter() {
  if (ChoosesTrack())
    EnterTrack();
  else
    EnterCar();
  TGameState& state = Kit.GameState();
  state.StepTicks = 0;
  state.KeyReleased.fill(false);
  state.ScreenTicks = 0;
}

void TSelectionScreen::EnterTrack() {
  Kit.TextFont().SetFont("Arial Black", 13);
  Kit.TickerFont().SetFont("Arial Black", 10);
  Kit.TickerFont().SetColor(0xFF0F0F0F);
  Kit.TitleFont().SetFont("Arial Black", 15);
  Kit.TitleFont().SetColor(0xFF0E3A45);
  BuildPage();
  const TCatalogue& catalogue = Kit.GameState().Catalogue;
  const TTrack& track = catalogue.Tracks[size_t(catalogue.SelectedTrack)];
  TOmegaImageList& images = Kit.MenuImages();
  Sprites.Create<TMenuScreen>(images, true, 255, "choosetrack", "scr_choose", 500, 0.0f, 0.0f);
  PreviewSprite = &Sprites.Create<TMenuScreen>(images, true, 255, "trackimage", std::string(track.ImageName),
                                               521, 156.0f, 312.0f);
  ShowTrack();
}

void TSelectionScreen::EnterCar() {
  Kit.TextFont().SetFont("Arial", 13);
  Kit.TextFont().SetColor(0xFF1E1E1E);
  BuildPage();
  const TCatalogue& catalogue = Kit.GameState().Catalogue;
  const TCarType& car = catalogue.Cars[size_t(catalogue.SelectedCar)];
  TOmegaImageList& images = Kit.MenuImages();
  Sprites.Create<TMenuScreen>(images, true, 255, "choosetrack", "scr_choosecar", 500, 0.0f, 0.0f);
  Sprites.Create<TMenuScreen>(images, true, 155, "blik", "blik", 522, 137.0f, 230.0f);
  PreviewSprite = &Sprites.Create<TMenuScreen>(images, true, 255, "carimage", std::string(car.ImageName), 521,
                                               133.0f, 265.0f);
  for (size_t i = 0; i < StatBars.size(); ++i)
    StatBars[i] = &Sprites.Create<TMenuScreen>(images, true, 255, "bar" + std::to_string(i + 1), "bar", 522,
                                               kBarPlaces[i][1], kBarPlaces[i][0]);
  ShowCar();
}

void TSelectionScreen::BuildPage() {
  const std::array<std::function<void()>, 4> clicks{[this] { Step(true); }, [this] { Step(false); },
                                                    [this] { Return("check"); }, [this] { Race(); }};
  const TSelectionPage& page = ChoosesTrack() ? kTrackPage : kCarPage;
  Kit.BuildPage();
  PageButtons.clear();
  for (size_t i = 0; i < page.size(); ++i)
    PageButtons.push_back(
        &Kit.AddPageButton(Kit.MenuImages(), page[i].Picture, page[i].X, page[i].Y, clicks[i]));
  if (ChoosesTrack())
    PageButtons.push_back(&Kit.AddPageButton(Kit.MenuImages(), kTrialButton.Picture, kTrialButton.X,
                                             kTrialButton.Y, [this] { TimeTrial(); }));
}

void TSelectionScreen::ShowTrack() {
  const TCatalogue& catalogue = Kit.GameState().Catalogue;
  const TTrack& track = catalogue.Tracks[size_t(catalogue.SelectedTrack)];
  PreviewSprite->SetImage(Kit.MenuImages().Find(track.Available ? std::string(track.ImageName) : "tr_notav"));
  PageButtons[kRaceButton]->Visible = track.Available;
  PageButtons[kTrialButtonIndex]->Visible = track.Available;
}

// A locked car is shown darkened, without its bars; the bars keep the scale they had.
void TSelectionScreen::ShowCar() {
  const TCatalogue& catalogue = Kit.GameState().Catalogue;
  const TCarType& car = catalogue.Cars[size_t(catalogue.SelectedCar)];
  PreviewSprite->SetImage(Kit.MenuImages().Find(std::string(car.ImageName)));
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

void TSelectionScreen::Step(bool forward) {
  Kit.PlaySound("check");
  TCatalogue& catalogue = Kit.GameState().Catalogue;
  auto step = forward ? NextEntry : PreviousEntry;
  if (ChoosesTrack()) {
    catalogue.SelectedTrack = step(catalogue.SelectedTrack, catalogue.LastTrack);
    ShowTrack();
  } else {
    catalogue.SelectedCar = step(catalogue.SelectedCar, catalogue.LastCar);
    ShowCar();
  }
}

bool TSelectionScreen::Available() const {
  const TCatalogue& catalogue = Kit.GameState().Catalogue;
  return ChoosesTrack() ? catalogue.Tracks[size_t(catalogue.SelectedTrack)].Available
                        : catalogue.Cars[size_t(catalogue.SelectedCar)].Available;
}

// From the track to the car, from the car into the race. A track file that cannot be read
// leaves the car selection as it was.
void TSelectionScreen::Race() {
  if (ChoosesTrack()) {
    Kit.SwitchScreen(gsChooseTrack, "check", gsChooseCar);
    return;
  }
  Kit.GameState().TimeTrial = false;
  Kit.StartRace();
}

// Straight from the track into a time trial, with the car chosen last (the first car when that
// one is locked).
void TSelectionScreen::TimeTrial() {
  TGameState& state = Kit.GameState();
  TCatalogue& catalogue = state.Catalogue;
  if (!catalogue.Cars[size_t(catalogue.SelectedCar)].Available) catalogue.SelectedCar = 0;
  Kit.PlaySound("check");
  state.TimeTrial = true;
  Kit.StartRace();
}

void TSelectionScreen::Return(const std::string& sound) {
  Kit.SwitchScreen(Screen, sound, ChoosesTrack() ? gsMainMenu : gsChooseTrack);
}

// A key stands for its button; a handled key (Enter on a locked entry too) ends the frame.
bool TSelectionScreen::Keys() {
  std::array<bool, 256>& released = Kit.GameState().KeyReleased;
  auto take = [&released](int key) { return std::exchange(released[size_t(key)], false); };
  if (take(VK_RIGHT)) {
    Step(true);
  } else if (take(VK_LEFT)) {
    Step(false);
  } else if (take(VK_RETURN)) {
    if (Available()) Race();
  } else if (take(VK_ESCAPE)) {
    Return("check2");
  } else if (ChoosesTrack() && take(VK_T)) {
    if (Available()) TimeTrial();
  } else {
    return false;
  }
  return true;
}

void TSelectionScreen::SlidePage() {
  int& ticks = Kit.GameState().ScreenTicks;
  if (ticks < 0 || ticks >= kSlideFrames) return;
  const TSelectionPage& page = ChoosesTrack() ? kTrackPage : kCarPage;
  for (size_t i = 0; i < page.size(); ++i)
    PageButtons[i]->Left = SlideStep(PageButtons[i]->Left, page[i].FinalX, kSlideStep);
  if (PageButtons.size() > kTrialButtonIndex)
    PageButtons[kTrialButtonIndex]->Left =
        SlideStep(PageButtons[kTrialButtonIndex]->Left, kTrialButton.FinalX, kSlideStep);
  ++ticks;
}

void TSelectionScreen::Frame() {
  if (Keys()) return;
  SlidePage();
  Kit.BeginMenuFrame();
  Kit.DrawMenuPicture("mainback", 0, 0);
  Kit.Sprites().Move(0);
  Kit.Sprites().Draw();
  if (ChoosesTrack()) {
    DrawTrackInfo();
    Kit.Backdrop().DrawTicker();
    Kit.Backdrop().DrawLights();  // the screen's picture lies over them
  } else {
    const TCatalogue& catalogue = Kit.GameState().Catalogue;
    CentredText(Kit.TitleFont(), 419, 68, CarTitle(catalogue.Cars[size_t(catalogue.SelectedCar)]));
    Kit.Backdrop().DrawTicker();
  }
  Kit.Gui().Draw();
  Kit.EndMenuFrame();
}

void TSelectionScreen::DrawTrackInfo() {
  const TCatalogue& catalogue = Kit.GameState().Catalogue;
  const int index = catalogue.SelectedTrack;
  const TTrack& track = catalogue.Tracks[size_t(index)];
  CentredText(Kit.TitleFont(), 419, 68, TrackTitle(track, index));
  TOmegaFont& font = Kit.TextFont();
  std::array<TTrackInfoRow, 4> rows = TrackInfoRows(track);
  AddDifficulty(rows.back(), Kit.GameState().Options.Difficulty);
  for (const TTrackInfoRow& row : rows) {
    font.TextOut(335, row.Y, row.Label);
    CentredText(font, 480, row.Y, row.Value);
  }
}

void TSelectionScreen::Leave() {
  Kit.FreePage();
  PageButtons.clear();
  PreviewSprite = nullptr;
  StatBars.fill(nullptr);
  Sprites.KillAll();
}
