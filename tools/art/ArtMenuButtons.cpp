#include <string>

#include "ArtFamilies.h"
#include "ArtPaint.h"
#include "ArtText.h"
#include "ArtWidgets.h"

namespace {

struct TButtonInfo {
  const char* Name;
  int Width;
  int Height;
  const char* Word;
  TButtonTone Tone;
};

// Every worded button of the menus, at the size its screen leaves for it.
constexpr TButtonInfo MenuButtons[] = {
    {"b_ok", 120, 44, "OK", TButtonTone::Primary},
    {"b_stgame", 160, 44, "START GAME", TButtonTone::Primary},
    {"b_opt", 160, 44, "OPTIONS", TButtonTone::Secondary},
    {"b_help", 160, 44, "HELP", TButtonTone::Secondary},
    {"b_visit", 160, 44, "MORE GAMES", TButtonTone::Secondary},
    {"b_halloffame", 160, 44, "HALL OF FAME", TButtonTone::Secondary},
    {"b_exit", 160, 44, "EXIT", TButtonTone::Exit},
    {"b_back", 130, 44, "BACK", TButtonTone::Secondary},
    {"b_next", 135, 44, "NEXT", TButtonTone::Primary},
    {"b_prev", 135, 44, "PREV", TButtonTone::Secondary},
    {"b_apply", 155, 44, "APPLY", TButtonTone::Primary},
    {"b_cancel", 155, 44, "CANCEL", TButtonTone::Secondary},
    {"b_yes", 120, 44, "YES", TButtonTone::Primary},
    {"b_no", 120, 44, "NO", TButtonTone::Secondary},
    {"bc_race", 149, 44, "RACE!", TButtonTone::Primary},
    {"bc_trial", 170, 44, "TIME TRIAL", TButtonTone::Secondary},
};

// The settings switch: a pill with its knob, drawn in rows 4..48 of its 52-px height.
void PaintSwitch(cairo_t* cr, bool on) {
  const TPath pill = RoundedRect(3, 5, 91, 42, 21);
  DropShadow(cr, pill, 2, 3);
  FillVertical(cr, pill, 5, on ? Hex(0x5EDB7E) : Hex(0xB8BEC8), 47, on ? Hex(0x34C759) : Hex(0x868D99));
  Gloss(cr, pill, 10, 6, 77, 16, 0.3);
  StrokePath(cr, pill, Palette::Ink, 3);
  const double knobX = on ? 73 : 24;
  const TPath knob = Circle(knobX, 26, 16);
  FillVertical(cr, knob, 10, Palette::White, 42, Hex(0xDDE3EC));
  StrokePath(cr, knob, Palette::Ink, 2.5);
  TTextStyle style{15, TFace::Heavy, on ? TAlign::Left : TAlign::Right};
  DrawText(cr, on ? "ON" : "OFF", style, on ? 14 : 86, 26, Palette::White, 1.5);
}

// The level switch: the switch's pill in the level's colour, as many rising bars as the level's
// step (one to three) and its name beside them.
struct TLevelSwitch {
  const char* Name;
  const char* Word;
  int Bars;
  TArtColor Top, Bottom;
};

constexpr TLevelSwitch LevelSwitches[] = {
    {"b_easy", "EASY", 1, Hex(0x5EDB7E), Hex(0x34C759)},
    {"b_normal", "NORMAL", 2, Hex(0x5C9EF0), Palette::UiBlue},
    {"b_hard", "HARD", 3, Hex(0xF2646E), Palette::RacingRed},
};

void PaintLevelSwitch(cairo_t* cr, const TLevelSwitch& level) {
  const TPath pill = RoundedRect(3, 5, 91, 42, 21);
  DropShadow(cr, pill, 2, 3);
  FillVertical(cr, pill, 5, level.Top, 47, level.Bottom);
  Gloss(cr, pill, 10, 6, 77, 16, 0.3);
  StrokePath(cr, pill, Palette::Ink, 3);
  for (int bar = 0; bar < 3; ++bar) {
    const double height = 6 + 5 * bar;
    const TPath shape = RoundedRect(15 + 6 * bar, 34 - height, 4, height, 1.5);
    FillPath(cr, shape, bar < level.Bars ? Palette::White : WithAlpha(Palette::Ink, 0.25));
  }
  DrawText(cr, level.Word, {14, TFace::Heavy, TAlign::Centre, 56}, 63, 26, Palette::White, 1.5);
}

void PaintArrowDisc(cairo_t* cr, bool forward) {
  const TPath disc = Circle(30, 30, 27);
  DropShadow(cr, disc, 2, 3);
  FillVertical(cr, disc, 3, Palette::SunYellow, 57, Palette::Orange);
  Gloss(cr, disc, 10, 4, 40, 26, 0.3);
  StrokePath(cr, disc, Palette::Ink, 3);
  cairo_save(cr);
  cairo_translate(cr, 30, 30);
  if (!forward) cairo_scale(cr, -1, 1);
  const TPath arrow = Polygon({-13, -7, 1, -7, 1, -15, 16, 0, 1, 15, 1, 7, -13, 7});
  StrokePath(cr, arrow, Palette::Ink, 5);
  FillPath(cr, arrow, Palette::White);
  cairo_restore(cr);
}

}  // namespace

void DrawMenuButtons(TArtPackage& menus) {
  for (const TButtonInfo& button : MenuButtons) {
    menus.Add(button.Name, button.Width, button.Height,
              [&](cairo_t* cr) { PaintButton(cr, button.Width, button.Height, button.Word, button.Tone); });
  }
  menus.Add("b_logo", 150, 106, [](cairo_t* cr) {
    // The publisher's emblem on a navy badge that mirrors the corner plate opposite.
    const TPath badge = [](cairo_t* k) {
      cairo_move_to(k, 1.5, 1.5);
      cairo_line_to(k, 120, 1.5);
      cairo_arc(k, 120, 31.5, 30, -Pi / 2, 0);
      cairo_line_to(k, 150, 108);
      cairo_line_to(k, 1.5, 108);
      cairo_close_path(k);
    };
    FillVertical(cr, badge, 0, Palette::Navy, 106, Palette::NavyDeep);
    StrokePath(cr, badge, Palette::Ink, 3);
    cairo_save(cr);
    cairo_translate(cr, -2, 2.5);
    StrokePath(cr, badge, WithAlpha(Palette::Sky, 0.6), 1.5);
    cairo_restore(cr);
    PaintPublisherRoundel(cr, 72, 52, 38);
  });
  menus.Add("b_on", 100, 52, [](cairo_t* cr) { PaintSwitch(cr, true); });
  menus.Add("b_off", 100, 52, [](cairo_t* cr) { PaintSwitch(cr, false); });
  for (const TLevelSwitch& level : LevelSwitches)
    menus.Add(level.Name, 100, 52, [&](cairo_t* cr) { PaintLevelSwitch(cr, level); });
  menus.Add("bc_next", 64, 64, [](cairo_t* cr) { PaintArrowDisc(cr, true); });
  menus.Add("bc_prev", 64, 64, [](cairo_t* cr) { PaintArrowDisc(cr, false); });
  menus.Add("e_name", 294, 48, [](cairo_t* cr) {
    // A cream field with an inset shadow; the game writes near-black text from x 10.
    const TPath field = RoundedRect(1.5, 1.5, 291, 45, 8);
    FillPath(cr, field, Palette::White);
    cairo_save(cr);
    cairo_new_path(cr);
    field(cr);
    cairo_clip(cr);
    StrokePath(cr, RoundedRect(3, 3.5, 291, 45, 8), WithAlpha(Palette::Navy, 0.22), 6);
    cairo_restore(cr);
    StrokePath(cr, field, Palette::Navy, 3);
  });
  menus.Add("Edit", 210, 40, [](cairo_t* cr) {
    // A navy field with a sky border; the game writes light text on it. It ends 17 px inside the options
    // panel's right edge.
    const TPath field = RoundedRect(1.5, 1.5, 207, 37, 7);
    FillVertical(cr, field, 0, Palette::NavyDeep, 40, Palette::Navy);
    StrokePath(cr, field, Palette::Sky, 3);
  });
}
