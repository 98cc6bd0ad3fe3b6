#include "ArtFamilies.h"
#include "ArtPaint.h"
#include "ArtText.h"
#include "ArtWidgets.h"

namespace {

constexpr int LeaveRaceWidth = 526;
constexpr int LeaveRaceHeight = 246;
constexpr int ResultsWidth = 508;
constexpr int ResultsHeight = 342;
constexpr double ResultsHeader = 80;

void PaintPause(cairo_t* cr) {
  PaintNavyCard(cr, 2, 2, 530, 94, 18);
  for (double x : {40.0, 58.0}) {
    const TPath bar = RoundedRect(x, 28, 12, 44, 3);
    FillVertical(cr, bar, 28, Palette::SunYellow, 72, Palette::Orange);
    StrokePath(cr, bar, Palette::Ink, 2.5);
  }
  PaintDialogTitle(cr, "PAUSED", 280, 38, 400);
  DrawText(cr, "P, F1 or Esc to continue", {18, TFace::Heavy, TAlign::Centre}, 280, 76, Palette::SunYellow);
}

// Small enough to sit above and left of the player's car, clear of the HUD: the game puts its
// NO and YES buttons (120 x 44) at (250, 176) and (384, 176) of it.
void PaintLeaveRace(cairo_t* cr) {
  PaintDialog(cr, LeaveRaceWidth, LeaveRaceHeight, 64, "LEAVE RACE?");
  DrawText(cr, "Leave this race and go back to the menu?", {20, TFace::Heavy, TAlign::Centre, 480}, 260, 102,
           Palette::Navy);
  DrawText(cr, "No points for an unfinished race.", {18, TFace::Plain, TAlign::Centre}, 260, 136,
           Palette::TitleRed);
  PaintCrossedFlags(cr, 100, 196, 44);
}

// Results: labels on the left, a plain light column for the values the game writes centred on x 518.
void PaintResultsFrame(cairo_t* cr, const char* title) {
  PaintDialog(cr, ResultsWidth, ResultsHeight, ResultsHeader, title);
}

void PaintRaceOver(cairo_t* cr) {
  PaintResultsFrame(cr, "RACE RESULTS");
  const TPath column = RoundedRect(254, 91, 236, 180, 10);
  FillPath(cr, column, Palette::White);
  StrokePath(cr, column, WithAlpha(Palette::Navy, 0.35), 2);
  const char* labels[] = {"PLACE", "TIME", "POINTS", "SCORE"};
  const double rows[] = {114, 158, 204, 251};
  for (int row = 0; row < 4; ++row) {
    DrawText(cr, labels[row], {19, TFace::Heavy, TAlign::Left}, 34, rows[row], Palette::Navy);
    const double dashes[] = {0.1, 7};
    cairo_set_dash(cr, dashes, 2, 0);
    StrokePath(
        cr,
        [=](cairo_t* k) {
          cairo_move_to(k, 140, rows[row] + 1);
          cairo_line_to(k, 244, rows[row] + 1);
        },
        WithAlpha(Palette::Navy, 0.45), 2.5);
    cairo_set_dash(cr, nullptr, 0, 0);
  }
  PaintCrossedFlags(cr, 80, 305, 44);
}

void PaintSendScore(cairo_t* cr) {
  PaintResultsFrame(cr, "SEND YOUR SCORE?");
  DrawParagraph(cr,
                "Send your name and score to the\n"
                "online high-score table?\n"
                "Your team name from the options\n"
                "goes with it.",
                {19, TFace::Plain, TAlign::Centre}, 254, 108, 32, Palette::Navy);
}

// A slim ribbon: the time's digits end a few pixels above it and the points' begin a few below.
void PaintNewRecord(cairo_t* cr) {
  const TPath ribbon = Polygon({1, 1, 123, 1, 118, 8, 123, 15, 1, 15, 6, 8});
  FillVertical(cr, ribbon, 1, Hex(0xFF5A5F), 15, Hex(0xC81D2A));
  StrokePath(cr, ribbon, Palette::Ink, 1.5);
  DrawText(cr, "NEW RECORD!", {9, TFace::Heavy, TAlign::Centre, 100}, 62, 8, Palette::White, 1);
}

void PaintUnlockBanner(cairo_t* cr) {
  // Light, so the game's dark message centred on the banner reads well; stars at both ends.
  const TPath banner = RoundedRect(2, 2, 494, 64, 16);
  DropShadow(cr, banner, 2, 3);
  FillVertical(cr, banner, 2, Palette::White, 66, Palette::Cream);
  StrokePath(cr, RoundedRect(7, 7, 484, 54, 12), Palette::SunYellow, 3);
  StrokePath(cr, banner, Palette::Ink, 3);
  for (double x : {32.0, 466.0}) {
    const TPath star = Polygon({x, 17, x + 5,  29, x + 16, 29, x + 7,  37, x + 10, 50,
                                x, 42, x - 10, 50, x - 7,  37, x - 16, 29, x - 5,  29});
    FillVertical(cr, star, 17, Hex(0xFFF27A), 50, Palette::Orange);
    StrokePath(cr, star, Palette::Ink, 2);
  }
}

}  // namespace

void DrawRaceDialogs(TArtPackage& race) {
  race.Add("scr_pause", 540, 104, PaintPause);
  race.Add("scr_exitgame", LeaveRaceWidth, LeaveRaceHeight, PaintLeaveRace);
  race.Add("b_no1", 120, 44, [](cairo_t* cr) { PaintButton(cr, 120, 44, "NO", TButtonTone::Secondary); });
  race.Add("b_yes1", 120, 44, [](cairo_t* cr) { PaintButton(cr, 120, 44, "YES", TButtonTone::Primary); });
  race.Add("scr_raceover", ResultsWidth, ResultsHeight, PaintRaceOver);
  race.Add("newrecord", 124, 16, PaintNewRecord);
  race.Add("scr_av", 500, 70, PaintUnlockBanner);
  race.Add("bro_next", 92, 44, [](cairo_t* cr) { PaintButton(cr, 92, 44, "NEXT", TButtonTone::Primary); });
  race.Add("scr_send", ResultsWidth, ResultsHeight, PaintSendScore);
}
