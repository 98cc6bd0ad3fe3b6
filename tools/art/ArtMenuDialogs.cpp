#include <string>

#include "ArtFamilies.h"
#include "ArtHelpLayout.h"
#include "ArtPaint.h"
#include "ArtText.h"
#include "ArtWidgets.h"

namespace {

constexpr int DialogWidth = 586;
constexpr int DialogHeight = 392;
constexpr double DialogHeader = 88;
constexpr double PageHeader = 56;
const TTextStyle Explanation{19, TFace::Plain, TAlign::Left};
const TTextStyle Centred{21, TFace::Heavy, TAlign::Centre};

void PaintNameEntry(cairo_t* cr) {
  PaintDialog(cr, DialogWidth, DialogHeight, DialogHeader, "ENTER YOUR NAME");
  PaintCrossedFlags(cr, 293, 150, 92);
  // The prompt above the field; the field and OK button draw themselves below it.
  DrawText(cr, "Type your name, then press OK", {20, TFace::Heavy, TAlign::Centre, 290}, 293, 236,
           Palette::Navy);
}

void PaintQuitDialog(cairo_t* cr) {
  PaintDialog(cr, DialogWidth, DialogHeight, DialogHeader, "QUIT GAME?");
  DrawText(cr, "Leave Morvel Racing now?", Centred, 290, 160, Palette::Navy);
  DrawText(cr, "Your score and unlocked tracks are kept", {18, TFace::Plain, TAlign::Centre}, 290, 205,
           Palette::TealText);
  DrawText(cr, "for your next race.", {18, TFace::Plain, TAlign::Centre}, 290, 232, Palette::TealText);
  PaintCrossedFlags(cr, 56, 345, 52);
  DrawText(cr, "See you on the grid!", {15, TFace::Heavy, TAlign::Left, 200}, 92, 350, Palette::TitleRed);
}

void PaintPageFrame(cairo_t* cr, const std::string& title) {
  PaintDialog(cr, HelpPageWidth, HelpPageHeight, PageHeader, title);
}

void PaintParagraph(cairo_t* cr, const char* text, double top) {
  DrawParagraph(cr, text, Explanation, 36, top, 31, Palette::Navy);
}

void PaintPodium(cairo_t* cr, double cx, double bottom) {
  const struct {
    double X, Height;
    TArtColor Colour;
    const char* Place;
  } steps[] = {{-46, 28, Hex(0xC9CDD3), "2"}, {0, 42, Palette::SunYellow, "1"}, {46, 20, Hex(0xE08A4A), "3"}};
  for (const auto& step : steps) {
    const TPath block = RoundedRect(cx + step.X - 22, bottom - step.Height, 44, step.Height, 3);
    FillVertical(cr, block, bottom - step.Height, Shade(step.Colour, 0.2), bottom, Shade(step.Colour, -0.1));
    StrokePath(cr, block, Palette::Ink, 2.5);
    DrawText(cr, step.Place, {18, TFace::Heavy, TAlign::Centre}, cx + step.X, bottom - step.Height / 2,
             Palette::White, 2);
  }
}

void PaintHowToPlay(cairo_t* cr) {
  PaintPageFrame(cr, "HOW TO PLAY");
  PaintParagraph(cr,
                 "Race your rivals round the track for the set number of laps.\n"
                 "Drive through every check line in turn: the glowing yellow\n"
                 "frame on the road is the next one, and the radar points to it.\n"
                 "Finish 1st, 2nd or 3rd to win points for the track.\n"
                 "Points add up to your score: reach the target score\n"
                 "to unlock new tracks and new cars.",
                 78);
  PaintPodium(cr, 540, 338);
}

void PaintControls(cairo_t* cr) {
  PaintPageFrame(cr, "CONTROLS");
  const struct {
    int ScreenY;
    const char* Text;
  } rows[] = {{233, "Accelerate"},     {279, "Brake, then reverse"},      {325, "Steer left and right"},
              {372, "Pause (F1 too)"}, {419, "Handbrake: Ctrl or Space"}, {463, "Leave the race"}};
  for (const auto& row : rows) {
    const double y = row.ScreenY - HelpPageY;
    const double dashes[] = {1, 5};
    cairo_set_dash(cr, dashes, 2, 0);
    StrokePath(
        cr,
        [=](cairo_t* k) {
          cairo_move_to(k, 312, y);
          cairo_line_to(k, 318, y);
        },
        WithAlpha(Palette::Navy, 0.5), 2);
    cairo_set_dash(cr, nullptr, 0, 0);
    DrawText(cr, row.Text, {20, TFace::Heavy, TAlign::Left, 300}, 324, y, Palette::Navy);
  }
  // The holes the key pictures show through (they are drawn under the page). Each is a pixel smaller than
  // its key all round: the key's outermost pixels, blended with what lies beyond its tile when the picture
  // is filtered, stay under the page, and the key itself starts inside them.
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  for (const THelpKey& key : HelpKeys) {
    cairo_rectangle(cr, key.CentreX - key.Width / 2 - HelpPageX + HelpKeyHoleInset,
                    key.CentreY - key.Height / 2 - HelpPageY + HelpKeyHoleInset,
                    key.Width - 2 * HelpKeyHoleInset, key.Height - 2 * HelpKeyHoleInset);
  }
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void PaintTips(cairo_t* cr) {
  PaintPageFrame(cr, "TIPS");
  PaintParagraph(cr,
                 "Keep to the asphalt: on the grass your car slows to 30 %.\n"
                 "Lost your way? The radar arrow always points to the\n"
                 "next check line; miss one and the lap does not count.\n"
                 "Trees, rocks, houses and walls block the way: steer clear!\n"
                 "Flick the handbrake to swing through tight bends.\n"
                 "New tracks and faster cars unlock as your score grows.",
                 78);
}

// The hall of fame's table: the column heads and faint stripes under the ten rows the game writes
// (rows 26 px apart from y 88; rank right-aligned at x 64, name from 94, score right-aligned at 464,
// date from 494).
void PaintHallOfFame(cairo_t* cr) {
  PaintPageFrame(cr, "TOP 10");
  for (int row = 0; row < 10; row += 2)
    FillPath(cr, RoundedRect(24, 88 + 26 * row, HelpPageWidth - 54, 26, 6), WithAlpha(Palette::Navy, 0.08));
  const TTextStyle head{15, TFace::Heavy, TAlign::Left};
  DrawText(cr, "#", {15, TFace::Heavy, TAlign::Right}, 64, 74, Palette::TitleRed);
  DrawText(cr, "NAME", head, 94, 74, Palette::TitleRed);
  DrawText(cr, "SCORE", {15, TFace::Heavy, TAlign::Right}, 464, 74, Palette::TitleRed);
  DrawText(cr, "DATE", head, 494, 74, Palette::TitleRed);
}

// Options: labels right-aligned before x 540 on screen with dotted leaders to the switches and the field.
void PaintOptions(cairo_t* cr) {
  constexpr double Width = 736;
  constexpr double Height = 270;
  PaintCreamPanel(cr, 0, 0, Width, Height);
  // The emblem over the opponents' level: its label here, its switch drawn by the game under it
  // (on screen at x 150, y 383).
  PaintGameEmblem(cr, 150, 82, 116);
  DrawText(cr, "OPPONENTS (F4)", {17, TFace::Heavy, TAlign::Centre, 260}, 150, 160, Palette::Navy);
  // The text field starts further left than the switches (x 553 on screen, 503 here), so its label ends
  // earlier and keeps a leader of several dots.
  const struct {
    double CentreY;
    const char* Label;
    double LabelRight;
    double LeaderEnd;
  } rows[] = {{32, "FULL SCREEN", 488, 546},
              {87, "MUSIC", 488, 546},
              {142, "SOUND", 488, 546},
              {197, "TEAM NAME", 432, 494}};
  for (const auto& row : rows) {
    const TTextBox box = DrawText(cr, row.Label, {19, TFace::Heavy, TAlign::Right, 440}, row.LabelRight,
                                  row.CentreY, Palette::Navy);
    const double dashes[] = {0.1, 7};
    cairo_set_dash(cr, dashes, 2, 0);
    StrokePath(
        cr,
        [=](cairo_t* k) {
          cairo_move_to(k, box.Right + 10, row.CentreY + 1);
          cairo_line_to(k, row.LeaderEnd, row.CentreY + 1);
        },
        WithAlpha(Palette::Navy, 0.55), 2.5);
    cairo_set_dash(cr, nullptr, 0, 0);
  }
  DrawText(cr, "The team name is sent with your score. Changes take effect when you press APPLY.",
           {15, TFace::Plain, TAlign::Centre, Width - 40}, Width / 2, 243, Palette::TealText);
}

// The game's own options, a strip above the options' panel: one row, each label with its key and
// a dotted leader to its switch (on screen at x 300 and 620, the strip at x 50).
void PaintRaceOptions(cairo_t* cr) {
  constexpr double Width = 736, Height = 68, CentreY = 34;
  PaintCreamPanel(cr, 0, 0, Width, Height);
  const struct {
    const char* Label;
    double LabelRight, LeaderEnd;
  } rows[] = {{"GHOST CAR (F2)", 222, 244}, {"TRACK MAP (F3)", 542, 564}};
  for (const auto& row : rows) {
    const TTextBox box = DrawText(cr, row.Label, {17, TFace::Heavy, TAlign::Right, 220}, row.LabelRight,
                                  CentreY, Palette::Navy);
    const double dashes[] = {0.1, 7};
    cairo_set_dash(cr, dashes, 2, 0);
    StrokePath(
        cr,
        [=](cairo_t* k) {
          cairo_move_to(k, box.Right + 8, CentreY + 1);
          cairo_line_to(k, row.LeaderEnd, CentreY + 1);
        },
        WithAlpha(Palette::Navy, 0.55), 2.5);
    cairo_set_dash(cr, nullptr, 0, 0);
  }
}

}  // namespace

void DrawMenuDialogs(TArtPackage& menus) {
  menus.Add("scr_entername", DialogWidth, DialogHeight, PaintNameEntry);
  menus.Add("scr_help", HelpPageWidth, HelpPageHeight, PaintHowToPlay);
  menus.Add("scr_help2", HelpPageWidth, HelpPageHeight, PaintControls);
  menus.Add("scr_help3", HelpPageWidth, HelpPageHeight, PaintTips);
  // The game names a fourth page it never reaches; it gets the third page's picture.
  menus.Add("scr_help4", HelpPageWidth, HelpPageHeight, PaintTips);
  menus.Add("scr_halloffame", HelpPageWidth, HelpPageHeight, PaintHallOfFame);
  menus.Add("scr_opt", 736, 270, PaintOptions);
  menus.Add("scr_opt2", 736, 68, PaintRaceOptions);
  menus.Add("scr_ExitTheGame", DialogWidth, DialogHeight, PaintQuitDialog);
}
