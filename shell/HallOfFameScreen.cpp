#include "shell/HallOfFameScreen.h"

#include <array>

#include "engine/OmegaButton.h"
#include "engine/OmegaGUI.h"
#include "engine/OmegaImageList.h"
#include "shell/GameState.h"
#include "shell/KeyCodes.h"
#include "shell/MenuBackdrop.h"
#include "shell/MenuSlide.h"
#include "shell/MenuSprites.h"

namespace {

// The table lies on the help pages' place, under the title plate's frame; BACK rises to the help
// screen's line, 20 pixels a frame.
constexpr int kTableLeft = 96, kTableTop = 149;
constexpr int kBackLeft = 335, kBackStart = 650, kBackTop = 520, kRise = 20;
// The picture's columns and rows (its header band and column heads above the first row).
constexpr int kRankRight = kTableLeft + 64, kNameLeft = kTableLeft + 94;
constexpr int kScoreRight = kTableLeft + 464, kDateLeft = kTableLeft + 494;
constexpr int kFirstRow = kTableTop + 88, kRowPitch = 26;
// A line said instead of the table sits on the fifth row's stripe, under the title's axis.
constexpr int kTitleAxis = 418, kStatusTop = kFirstRow + 4 * kRowPitch;
constexpr uint32_t kLineColor = 0xFF1D2B53, kStatusColor = 0xFFA70918;

}  // namespace

THallOfFameScreen::THallOfFameScreen(TScreenKit& kit, TScoreServer server, TWebTimeouts timeouts)
    : Kit(kit),
      ServerSet(server.IsSet()),
      Fetcher(std::move(server), timeouts),
      Sprites(kit.Sprites()),
      LineFont(kit.Display(), kit.FontLibrary()) {}

void THallOfFameScreen::Enter() {
  Kit.GameState().KeyReleased.fill(false);
  Kit.BuildPage();
  Back = &Kit.AddPageButton(Kit.MenuImages(), "b_back", kBackLeft, kBackStart,
                            [this] { Kit.SwitchScreen(gsHallOfFame, "check", gsMainMenu); });
  Sprites.Create<TMenuScreen>(Kit.MenuImages(), true, 255, "scr_HallOfFame", "scr_halloffame", 500,
                              float(kTableTop), float(kTableLeft));
  LineFont.SetFont("Arial Black", 14);
  Fetcher.Fetch();
  Snapshot = Fetcher.Snapshot();
  Kit.Sprites().Move(0);
}

void THallOfFameScreen::Frame() {
  std::array<bool, 256>& released = Kit.GameState().KeyReleased;
  for (const int key : {VK_ESCAPE, VK_RETURN}) {
    if (!released[size_t(key)]) continue;
    released[size_t(key)] = false;
    Kit.SwitchScreen(gsHallOfFame, key == VK_ESCAPE ? "check2" : "check", gsMainMenu);
    return;
  }
  Back->Top = SlideStep(Back->Top, kBackTop, kRise);
  Snapshot = Fetcher.Snapshot();
  Kit.BeginMenuFrame();
  Kit.DrawMenuPicture("mainback", 0, 0);
  Kit.Sprites().Draw();
  Kit.DrawMenuPicture("spec_fon", 0, 0);
  DrawLines();
  Kit.Gui().Draw();
  Kit.Sprites().Move(0);
  Kit.Backdrop().DrawLights();
  Kit.Backdrop().DrawTicker();
  Kit.DrawMenuTitle("HALL OF FAME");
  Kit.EndMenuFrame();
}

std::string THallOfFameScreen::StatusLine() const {
  using TStatus = THallOfFameFetcher::TStatus;
  switch (Snapshot.Status) {
    case TStatus::NotFetched:
    case TStatus::Fetching:
      return "Connecting to server...";
    case TStatus::Fetched:
      return Snapshot.Lines.empty() ? "No scores yet: be the first!" : "";
    case TStatus::NoServer:
    case TStatus::Unreachable:
      break;
  }
  return "Can't connect to server!";
}

void THallOfFameScreen::DrawLines() {
  if (const std::string status = StatusLine(); !status.empty()) {
    LineFont.SetColor(kStatusColor);
    LineFont.TextOut(kTitleAxis - LineFont.TextWidth(status) / 2, kStatusTop, status);
    return;
  }
  LineFont.SetColor(kLineColor);
  int top = kFirstRow;
  for (const THallOfFameLine& line : Snapshot.Lines) {
    const std::string rank = std::to_string(line.Rank), score = std::to_string(line.Score);
    LineFont.TextOut(kRankRight - LineFont.TextWidth(rank), top, rank);
    LineFont.TextOut(kNameLeft, top, line.Name);
    LineFont.TextOut(kScoreRight - LineFont.TextWidth(score), top, score);
    LineFont.TextOut(kDateLeft, top, line.Date);
    top += kRowPitch;
  }
}

void THallOfFameScreen::Leave() {
  Kit.FreePage();
  Back = nullptr;
  Sprites.KillAll();
}
