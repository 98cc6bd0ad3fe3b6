#include <cmath>
#include <string>

#include "ArtFamilies.h"
#include "ArtPaint.h"
#include "ArtText.h"

namespace {

constexpr int ConsoleWidth = 259;
constexpr int ConsoleHeight = 173;
// Dial centres inside the console (the needle's pivot and the radar pointer's centre on screen).
constexpr double SpeedX = 185;
constexpr double SpeedY = 45;
constexpr double SpeedRadius = 42;
constexpr double RadarX = 61;
constexpr double RadarY = 130;
constexpr double RadarRadius = 40;
// The needle travels from down-left (135 degrees left of up) clockwise to 62 degrees right of up.
constexpr double NeedleRest = -135;
constexpr double NeedleTop = 62;

TPath ConsoleShape() {
  return [](cairo_t* cr) {
    const double r = 60;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 1.5, ConsoleHeight + 2);
    cairo_line_to(cr, 1.5, r + 1.5);
    cairo_arc(cr, r + 1.5, r + 1.5, r, Pi, 1.5 * Pi);
    cairo_line_to(cr, ConsoleWidth + 2, 1.5);
    cairo_line_to(cr, ConsoleWidth + 2, ConsoleHeight + 2);
    cairo_close_path(cr);
  };
}

// Clockwise degrees from up, as the needle turns, to cairo's angle.
double DialAngle(double degreesFromUp) {
  return Radians(degreesFromUp - 90);
}

void PaintSpeedometer(cairo_t* cr) {
  const TPath bezel = Circle(SpeedX, SpeedY, SpeedRadius);
  FillVertical(cr, Circle(SpeedX, SpeedY, SpeedRadius + 1), SpeedY - SpeedRadius, Hex(0xDDE6F5),
               SpeedY + SpeedRadius, Hex(0x5C6C8C));
  FillRadial(cr, Circle(SpeedX, SpeedY, SpeedRadius - 4), SpeedX - 10, SpeedY - 14, 50, Palette::White,
             Palette::Cream);
  StrokePath(cr, bezel, Palette::Ink, 2);
  const int ticks = 21;
  for (int tick = 0; tick < ticks; ++tick) {
    const double t = tick / double(ticks - 1);
    const double angle = DialAngle(NeedleRest + (NeedleTop - NeedleRest) * t);
    const bool major = tick % 5 == 0;
    const double outer = SpeedRadius - 7;
    const double inner = outer - (major ? 9 : 5);
    cairo_move_to(cr, SpeedX + inner * std::cos(angle), SpeedY + inner * std::sin(angle));
    cairo_line_to(cr, SpeedX + outer * std::cos(angle), SpeedY + outer * std::sin(angle));
    cairo_set_line_width(cr, major ? 2.5 : 1.5);
    SetColor(cr, t > 0.8 ? Palette::RacingRed : Palette::Navy);
    cairo_stroke(cr);
  }
  // The red zone band along the last fifth of the travel.
  cairo_new_path(cr);
  cairo_arc(cr, SpeedX, SpeedY, SpeedRadius - 5.5, DialAngle(NeedleRest + (NeedleTop - NeedleRest) * 0.8),
            DialAngle(NeedleTop));
  cairo_set_line_width(cr, 3);
  SetColor(cr, WithAlpha(Palette::RacingRed, 0.85));
  cairo_stroke(cr);
  FillPath(cr, Circle(SpeedX, SpeedY, 7), Palette::Navy);
  StrokePath(cr, Circle(SpeedX, SpeedY, 7), Palette::Ink, 1.5);
}

void PaintRadarDisc(cairo_t* cr) {
  const TArtColor screen = Hex(0x0E3B2E);
  const TArtColor glow = Hex(0x2BD67B);
  FillVertical(cr, Circle(RadarX, RadarY, RadarRadius + 2), RadarY - RadarRadius, Hex(0xDDE6F5),
               RadarY + RadarRadius, Hex(0x5C6C8C));
  FillRadial(cr, Circle(RadarX, RadarY, RadarRadius - 2), RadarX, RadarY, RadarRadius, Shade(screen, 0.12),
             screen);
  for (double r : {RadarRadius * 0.36, RadarRadius * 0.7})
    StrokePath(cr, Circle(RadarX, RadarY, r), glow, 1.5);
  cairo_set_line_width(cr, 1);
  SetColor(cr, WithAlpha(glow, 0.6));
  cairo_move_to(cr, RadarX - RadarRadius + 3, RadarY);
  cairo_line_to(cr, RadarX + RadarRadius - 3, RadarY);
  cairo_move_to(cr, RadarX, RadarY - RadarRadius + 3);
  cairo_line_to(cr, RadarX, RadarY + RadarRadius - 3);
  cairo_stroke(cr);
  FillPath(cr, Circle(RadarX, RadarY, 2.5), Palette::White);
  StrokePath(cr, Circle(RadarX, RadarY, RadarRadius + 2), Palette::Ink, 2);
}

// Gear window: "D" lit green going forward (pattern 0), "R" lit red while reversing (pattern 1).
void PaintGearWindow(cairo_t* cr, bool reversing) {
  const TPath window = RoundedRect(118, 112, 50, 40, 8);
  FillPath(cr, window, Hex(0x0A0F22));
  StrokePath(cr, window, Palette::Sky, 1.5);
  TTextStyle style{20, TFace::Heavy, TAlign::Centre};
  const TArtColor dim = Hex(0x33405E);
  if (reversing) {
    FillPath(cr, RoundedRect(144, 116, 21, 32, 5), WithAlpha(Palette::RacingRed, 0.25));
  } else {
    FillPath(cr, RoundedRect(121, 116, 21, 32, 5), WithAlpha(Hex(0x34E36B), 0.25));
  }
  DrawText(cr, "D", style, 131.5, 132, reversing ? dim : Hex(0x34E36B));
  DrawText(cr, "R", style, 154.5, 132, reversing ? Hex(0xFF3B30) : dim);
}

void PaintConsole(cairo_t* cr, bool reversing) {
  const TPath console = ConsoleShape();
  FillVertical(cr, console, 0, Palette::Navy, ConsoleHeight, Palette::NavyDeep);
  // A sky rim along the top and left, then the ink outline.
  cairo_save(cr);
  cairo_translate(cr, 2.5, 2.5);
  StrokePath(cr, console, WithAlpha(Palette::Sky, 0.7), 2);
  cairo_restore(cr);
  StrokePath(cr, console, Palette::Ink, 3);
  // A racing stripe and screws for the arcade cabinet look.
  FillPath(cr, Polygon({70, 20, 130, 20, 112, 30, 52, 30}), WithAlpha(Palette::SunYellow, 0.85));
  FillPath(cr, Polygon({60, 36, 120, 36, 104, 44, 44, 44}), WithAlpha(Palette::Orange, 0.85));
  for (auto [x, y] :
       {std::pair{20.0, 158.0}, std::pair{245.0, 12.0}, std::pair{245.0, 158.0}, std::pair{110.0, 80.0}}) {
    FillPath(cr, Circle(x, y, 3), Hex(0x56648A));
    StrokePath(cr, Circle(x, y, 3), Palette::Ink, 1);
  }
  PaintSpeedometer(cr);
  PaintRadarDisc(cr);
  PaintGearWindow(cr, reversing);
}

void PaintGlassCover(cairo_t* cr) {
  // Soft gloss arcs over both dials: the upper-left of each glass catches the light.
  auto gloss = [&](double cx, double cy, double r) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r * 0.82, Radians(190), Radians(280));
    cairo_set_line_width(cr, r * 0.22);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColor(cr, WithAlpha(Palette::White, 0.38));
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r * 0.55, Radians(200), Radians(250));
    cairo_set_line_width(cr, r * 0.1);
    SetColor(cr, WithAlpha(Palette::White, 0.3));
    cairo_stroke(cr);
  };
  gloss(SpeedX, SpeedY, SpeedRadius);
  gloss(RadarX, RadarY, RadarRadius);
}

void PaintNeedle(cairo_t* cr) {
  // Tip 2 px below the top, hub at (20, 35.7): the game turns the needle about that point.
  const double hubX = 20;
  const double hubY = 35.7;
  const TPath blade = Polygon({hubX, 2, hubX + 3.2, hubY, hubX, hubY + 5.5, hubX - 3.2, hubY});
  StrokePath(cr, blade, WithAlpha(Palette::Ink, 0.8), 2);
  FillVertical(cr, blade, 2, Hex(0xFF6B6B), hubY, Palette::RacingRed);
  FillPath(cr, Circle(hubX, hubY, 5), Palette::White);
  StrokePath(cr, Circle(hubX, hubY, 5), Palette::Ink, 1.2);
  FillPath(cr, Circle(hubX, hubY, 1.8), Palette::Navy);
}

void PaintRadarPointer(cairo_t* cr) {
  // Pointing up; the tail is as long as the head.
  const TPath arrow = Polygon(
      {12, 3, 21, 22, 15.5, 22, 15.5, 34, 20, 34, 20, 50, 12, 44, 4, 50, 4, 34, 8.5, 34, 8.5, 22, 3, 22});
  StrokePath(cr, arrow, Palette::Ink, 3);
  FillVertical(cr, arrow, 3, Hex(0xFFF27A), 50, Palette::SunYellow);
}

// Small white icons beside the HUD rows: flag, podium, stopwatch, trophy.
void PaintHudIcon(cairo_t* cr, int row, double cx, double cy) {
  const TArtColor icon = Palette::White;
  switch (row) {
    case 0:
      StrokePath(
          cr,
          [=](cairo_t* k) {
            cairo_move_to(k, cx - 6, cy + 8);
            cairo_line_to(k, cx - 6, cy - 8);
          },
          icon, 2);
      cairo_save(cr);
      cairo_rectangle(cr, cx - 5, cy - 8, 12, 9);
      cairo_clip(cr);
      Chequer(cr, cx - 5, cy - 8, 4, 3, 3, Palette::White, Hex(0x15151C));
      cairo_restore(cr);
      break;
    case 1:
      FillPath(cr, RoundedRect(cx - 3, cy - 6, 6, 14, 1), Palette::SunYellow);
      FillPath(cr, RoundedRect(cx - 9, cy - 2, 6, 10, 1), icon);
      FillPath(cr, RoundedRect(cx + 3, cy + 1, 6, 7, 1), Hex(0xE08A4A));
      break;
    case 2:
      StrokePath(cr, Circle(cx, cy + 1, 7), icon, 2);
      FillPath(cr, RoundedRect(cx - 2, cy - 10, 4, 3, 1), icon);
      StrokePath(
          cr,
          [=](cairo_t* k) {
            cairo_move_to(k, cx, cy + 1);
            cairo_line_to(k, cx + 3, cy - 3);
          },
          Palette::SunYellow, 2);
      break;
    default:
      FillPath(
          cr,
          [=](cairo_t* k) {
            cairo_move_to(k, cx - 6, cy - 8);
            cairo_line_to(k, cx + 6, cy - 8);
            cairo_curve_to(k, cx + 6, cy, cx + 2, cy + 2, cx + 1.5, cy + 3);
            cairo_line_to(k, cx + 4, cy + 8);
            cairo_line_to(k, cx - 4, cy + 8);
            cairo_line_to(k, cx - 1.5, cy + 3);
            cairo_curve_to(k, cx - 2, cy + 2, cx - 6, cy, cx - 6, cy - 8);
            cairo_close_path(k);
          },
          Palette::SunYellow);
      StrokePath(cr, Ellipse(cx - 7.5, cy - 4, 2.5, 3.5), Palette::SunYellow, 1.5);
      StrokePath(cr, Ellipse(cx + 7.5, cy - 4, 2.5, 3.5), Palette::SunYellow, 1.5);
      break;
  }
}

void PaintHudPanel(cairo_t* cr) {
  // The plate hangs from the top edge (its top 3 px are off screen) and rounds its bottom-left corner.
  const TPath plate = [](cairo_t* k) {
    const double r = 26;
    cairo_new_sub_path(k);
    cairo_move_to(k, 1.5, -4);
    cairo_line_to(k, 1.5, 124.5 - r);
    cairo_arc_negative(k, 1.5 + r, 124.5 - r, r, Pi, Pi / 2);
    cairo_line_to(k, 244, 124.5);
    cairo_line_to(k, 244, -4);
    cairo_close_path(k);
  };
  FillVertical(cr, plate, 0, Palette::Navy, 128, Palette::NavyDeep);
  cairo_save(cr);
  cairo_translate(cr, 2.5, -2.5);
  StrokePath(cr, plate, WithAlpha(Palette::Sky, 0.7), 2);
  cairo_restore(cr);
  StrokePath(cr, plate, Palette::Ink, 3);
  // Rows of the HUD texts: screen y 30, 50, 70, 90 are plate y 33, 53, 73, 93; the game writes
  // the race's track into the title row above them.
  for (int row = 0; row < 4; ++row) {
    const double y = 33 + row * 20;
    FillPath(cr, RoundedRect(40, y + 1, 194, 18, 5), WithAlpha(Palette::NavyDeep, 0.55));
    PaintHudIcon(cr, row, 54, y + 10);
  }
}

// A little ghost: the time trial's rival.
void PaintGhostIcon(cairo_t* cr, double cx, double cy) {
  const TPath ghost = [=](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_arc(k, cx, cy - 2, 7, Pi, 2 * Pi);
    cairo_line_to(k, cx + 7, cy + 8);
    for (int wave = 0; wave < 3; ++wave) {
      const double right = cx + 7 - wave * 14.0 / 3;
      cairo_line_to(k, right - 7.0 / 3, cy + 5);
      cairo_line_to(k, right - 14.0 / 3, cy + 8);
    }
    cairo_close_path(k);
  };
  FillPath(cr, ghost, WithAlpha(Palette::White, 0.85));
  FillPath(cr, Circle(cx - 2.5, cy - 2, 1.6), Palette::NavyDeep);
  FillPath(cr, Circle(cx + 2.5, cy - 2, 1.6), Palette::NavyDeep);
}

// The time trial's gap to the ghost, on a plate of its own under the HUD panel, hung from the
// right edge of the screen as the panel is: the game writes the line at screen y 133, the plate
// being at (590, 127).
void PaintGapPlate(cairo_t* cr) {
  const TPath plate = [](cairo_t* k) {
    const double r = 10;
    cairo_new_sub_path(k);
    cairo_move_to(k, 214, 1.5);
    cairo_line_to(k, 1.5 + r, 1.5);
    cairo_arc_negative(k, 1.5 + r, 1.5 + r, r, -Pi / 2, -Pi);
    cairo_line_to(k, 1.5, 30.5 - r);
    cairo_arc_negative(k, 1.5 + r, 30.5 - r, r, Pi, Pi / 2);
    cairo_line_to(k, 214, 30.5);
    cairo_close_path(k);
  };
  FillVertical(cr, plate, 0, Palette::Navy, 32, Palette::NavyDeep);
  StrokePath(cr, plate, Palette::Ink, 3);
  FillPath(cr, RoundedRect(10, 7, 194, 18, 5), WithAlpha(Palette::NavyDeep, 0.55));
  PaintGhostIcon(cr, 24, 16);
}

void PaintStartArrows(cairo_t* cr) {
  // Four curved arrows chasing each other round a circle of radius 48.
  const double c = 56;
  const double r = 45;
  for (int arrow = 0; arrow < 4; ++arrow) {
    const double start = Radians(arrow * 90 + 8);
    const double end = Radians(arrow * 90 + 68);
    const TPath shape = [=](cairo_t* k) {
      cairo_new_sub_path(k);
      cairo_arc(k, c, c, r + 4, start, end);
      const double tipAngle = end + Radians(16);
      cairo_line_to(k, c + (r + 9) * std::cos(end), c + (r + 9) * std::sin(end));
      cairo_line_to(k, c + r * std::cos(tipAngle), c + r * std::sin(tipAngle));
      cairo_line_to(k, c + (r - 9) * std::cos(end), c + (r - 9) * std::sin(end));
      cairo_arc_negative(k, c, c, r - 4, end, start);
      cairo_close_path(k);
    };
    StrokePath(cr, shape, Palette::Ink, 3);
    FillVertical(cr, shape, 0, Hex(0xFFF27A), 112, Palette::SunYellow);
  }
}

}  // namespace

void DrawDashboard(TArtPackage& race) {
  race.AddSheet("speeder", ConsoleWidth, ConsoleHeight, 2, 1,
                [](cairo_t* cr, int pattern) { PaintConsole(cr, pattern == 1); });
  race.Add("radar", ConsoleWidth, ConsoleHeight, PaintGlassCover);
  race.Add("panel", 240, 128, PaintHudPanel);
  race.Add("gapplate", 210, 32, PaintGapPlate);
  race.Add("speedarrow", 40, 42, [](cairo_t* cr) {
    KeepClearBorder(cr, 40, 42);
    PaintNeedle(cr);
  });
  race.Add("radararrow", 24, 64, [](cairo_t* cr) {
    KeepClearBorder(cr, 24, 64);
    cairo_translate(cr, 0, 7);
    PaintRadarPointer(cr);
  });
  race.Add("begarrows", 112, 112, [](cairo_t* cr) {
    KeepClearBorder(cr, 112, 112);
    PaintStartArrows(cr);
  });
}

namespace {

constexpr double LampRadius = 22;
constexpr double SocketX[] = {26, 96, 165};

void PaintLamp(cairo_t* cr, TArtColor colour) {
  const double c = 61;
  FillRadial(cr, Circle(c, c, 61), c, c, 61, WithAlpha(colour, 0.6), WithAlpha(colour, 0.0));
  cairo_pattern_t* gradient = cairo_pattern_create_radial(c - 6, c - 7, 1, c, c, LampRadius);
  AddStop(gradient, 0, Palette::White);
  AddStop(gradient, 0.35, Shade(colour, 0.35));
  AddStop(gradient, 0.8, colour);
  AddStop(gradient, 1, Shade(colour, -0.35));
  cairo_new_path(cr);
  Circle(c, c, LampRadius)(cr);
  cairo_set_source(cr, gradient);
  cairo_fill(cr);
  cairo_pattern_destroy(gradient);
  FillPath(cr, Ellipse(c - 7, c - 9, 7, 4), WithAlpha(Palette::White, 0.6));
}

}  // namespace

void DrawStartLights(TArtPackage& race) {
  race.Add("svetophor", 192, 58, [](cairo_t* cr) {
    const TPath housing = RoundedRect(1.5, 1.5, 189, 55, 16);
    FillVertical(cr, housing, 0, Hex(0x2A2D3A), 58, Hex(0x101018));
    StrokePath(cr, RoundedRect(3.5, 3.5, 185, 51, 14), Hex(0x8A90A0), 2);
    StrokePath(cr, housing, Palette::Ink, 3);
    for (double x : SocketX) {
      FillRadial(cr, Circle(x, 29, LampRadius), x + 4, 33, LampRadius, Hex(0x2B2E38), Hex(0x08080C));
      StrokePath(cr, Circle(x, 29, LampRadius), Hex(0x50566A), 1.5);
    }
  });
  race.Add("redlight", 122, 122, [](cairo_t* cr) { PaintLamp(cr, Hex(0xFF3B30)); });
  race.Add("yellowlight", 122, 122, [](cairo_t* cr) { PaintLamp(cr, Palette::SunYellow); });
  race.Add("greenlight", 122, 122, [](cairo_t* cr) { PaintLamp(cr, Hex(0x34E36B)); });
}
