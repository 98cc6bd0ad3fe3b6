#include "ArtCarDesigns.h"

#include <vector>

#include "ArtColor.h"
#include "ArtPaint.h"

namespace {

struct TProfilePoint {
  double Y;
  double HalfWidth;
};

struct TCockpit {
  double Front;      // windscreen's front edge
  double RoofFront;  // windscreen meets the roof
  double RoofBack;   // roof meets the rear window
  double Back;       // rear window's back edge
  double FrontHalf;  // half width at the front edge
  double RoofHalf;   // half width of the roof
};

struct TCarDesign {
  TArtColor Body;
  TArtColor Trim;
  std::vector<TProfilePoint> Profile;  // nose (negative y) to tail, half widths of the body
  double FrontAxle;
  double RearAxle;
  double AxleHalf;  // x of the wheels' centres
  TCockpit Cockpit;
  bool OpenCockpit;
};

TCarDesign DesignOf(TCarModel model) {
  switch (model) {
    case TCarModel::Speeder:
      return {Palette::RacingRed,
              Palette::White,
              {{-27, 3}, {-24, 7}, {-19, 10}, {-13, 11.5}, {-4, 10}, {6, 10.5}, {14, 12}, {22, 12}, {27, 10}},
              -15,
              15,
              11,
              {-9, -2, 6, 11, 9.5, 7},
              false};
    case TCarModel::Turbo:
      return {Palette::UiBlue,
              Palette::SunYellow,
              {{-25, 8}, {-24, 11}, {-21, 12}, {-8, 12.5}, {12, 12.5}, {23, 12.5}, {25, 11}, {26, 8}},
              -14,
              14,
              11,
              {-13, -6, 12, 17, 11, 9},
              false};
    case TCarModel::Volcano:
      return {
          Palette::Orange,
          Hex(0x22222A),
          {{-27, 10}, {-26, 12}, {-18, 12.5}, {-6, 11.5}, {6, 11.5}, {14, 13}, {23, 13}, {26, 12}, {27, 10}},
          -16,
          15,
          11.5,
          {-3, 3, 9, 14, 10.5, 8.5},
          false};
    case TCarModel::Viper:
      return {Hex(0x8E44AD),
              Palette::Lime,
              {{-27, 2.5}, {-22, 6}, {-15, 9.5}, {-8, 11}, {4, 10.5}, {13, 12}, {22, 12}, {26, 10}, {27, 8}},
              -16,
              16,
              11,
              {4, 8, 15, 19, 6, 6},
              true};
    case TCarModel::Beast:
      return {Hex(0x2B2F3A),
              Palette::SunYellow,
              {{-27, 8},
               {-25, 11},
               {-20, 12},
               {-10, 12},
               {-6, 13.5},
               {10, 13.5},
               {14, 12.5},
               {24, 12.5},
               {27, 11}},
              -17,
              16,
              11.5,
              {-6, 0, 9, 14, 9, 7.5},
              false};
  }
  return {};
}

TPath BodyPath(const std::vector<TProfilePoint>& profile) {
  return [profile](cairo_t* cr) {
    cairo_new_sub_path(cr);
    // Right side from nose to tail with smooth joins, then the left side back.
    cairo_move_to(cr, 0, profile.front().Y);
    for (size_t i = 0; i < profile.size(); ++i) {
      const TProfilePoint& p = profile[i];
      if (i == 0) {
        cairo_line_to(cr, p.HalfWidth, p.Y);
        continue;
      }
      const TProfilePoint& q = profile[i - 1];
      const double midY = (q.Y + p.Y) / 2;
      cairo_curve_to(cr, q.HalfWidth, midY, p.HalfWidth, midY, p.HalfWidth, p.Y);
    }
    cairo_line_to(cr, 0, profile.back().Y);
    for (size_t i = profile.size(); i-- > 0;) {
      const TProfilePoint& p = profile[i];
      if (i == profile.size() - 1) {
        cairo_line_to(cr, -p.HalfWidth, p.Y);
        continue;
      }
      const TProfilePoint& q = profile[i + 1];
      const double midY = (q.Y + p.Y) / 2;
      cairo_curve_to(cr, -q.HalfWidth, midY, -p.HalfWidth, midY, -p.HalfWidth, p.Y);
    }
    cairo_close_path(cr);
  };
}

void PaintWheel(cairo_t* cr, double x, double y, double degrees, double ink) {
  Transformed(cr, x, y, degrees, 1, [&] {
    const TPath tyre = RoundedRect(-3, -6, 6, 12, 2);
    FillPath(cr, tyre, Hex(0x1B1B22));
    FillPath(cr, RoundedRect(-2, -4.5, 1.2, 9, 0.6), Hex(0x4A4A55));
    StrokePath(cr, tyre, Palette::Ink, ink * 0.5);
  });
}

void PaintGlass(cairo_t* cr, const TPath& pane, double y0, double y1) {
  FillVertical(cr, pane, y0, Palette::GlassLight, y1, Palette::GlassDark);
}

void PaintCockpit(cairo_t* cr, const TCarDesign& design, double ink) {
  const TCockpit& c = design.Cockpit;
  if (design.OpenCockpit) {
    const TPath opening = Ellipse(0, (c.Front + c.Back) / 2, c.RoofHalf, (c.Back - c.Front) / 2);
    FillPath(cr, opening, Hex(0x15151C));
    StrokePath(cr, opening, Palette::Ink, ink * 0.5);
    // The driver's white helmet with a dark visor.
    const double helmetY = (c.Front + c.Back) / 2 + 0.5;
    FillPath(cr, Circle(0, helmetY, 4), Palette::White);
    FillPath(cr, Ellipse(0, helmetY - 2.2, 3, 1.3), Palette::GlassDark);
    StrokePath(cr, Circle(0, helmetY, 4), Palette::Ink, ink * 0.4);
    FillPath(cr, Polygon({-5.5, c.Front - 2.5, 5.5, c.Front - 2.5, 4.5, c.Front - 0.5, -4.5, c.Front - 0.5}),
             WithAlpha(Palette::GlassLight, 0.8));
    return;
  }
  const TPath windscreen = Polygon(
      {-c.FrontHalf, c.Front, c.FrontHalf, c.Front, c.RoofHalf, c.RoofFront, -c.RoofHalf, c.RoofFront});
  const TPath rearWindow = Polygon({-c.RoofHalf, c.RoofBack, c.RoofHalf, c.RoofBack, c.FrontHalf * 0.95,
                                    c.Back, -c.FrontHalf * 0.95, c.Back});
  const TPath roof = RoundedRect(-c.RoofHalf, c.RoofFront, 2 * c.RoofHalf, c.RoofBack - c.RoofFront, 2);
  PaintGlass(cr, windscreen, c.Front, c.RoofFront);
  PaintGlass(cr, rearWindow, c.RoofBack, c.Back);
  // Side windows along the roof.
  FillPath(cr,
           Polygon({-c.RoofHalf - 1.6, c.RoofFront, -c.RoofHalf, c.RoofFront, -c.RoofHalf, c.RoofBack,
                    -c.RoofHalf - 1.6, c.RoofBack - 1}),
           Palette::GlassDark);
  FillPath(cr,
           Polygon({c.RoofHalf + 1.6, c.RoofFront, c.RoofHalf, c.RoofFront, c.RoofHalf, c.RoofBack,
                    c.RoofHalf + 1.6, c.RoofBack - 1}),
           Palette::GlassDark);
  FillVertical(cr, roof, c.RoofFront, Shade(design.Body, 0.22), c.RoofBack, Shade(design.Body, 0.02));
  StrokePath(cr, windscreen, WithAlpha(Palette::Ink, 0.8), ink * 0.4);
  StrokePath(cr, rearWindow, WithAlpha(Palette::Ink, 0.8), ink * 0.4);
  StrokePath(cr, roof, WithAlpha(Palette::Ink, 0.8), ink * 0.4);
  // The white glint on the windscreen.
  StrokePath(
      cr,
      [=](cairo_t* k) {
        cairo_move_to(k, -c.FrontHalf * 0.55, c.Front + 1.2);
        cairo_line_to(k, -c.RoofHalf * 0.15, c.RoofFront - 1.2);
      },
      WithAlpha(Palette::White, 0.85), 1.1);
}

void PaintLivery(cairo_t* cr, TCarModel model, const TCarDesign& design, double ink) {
  switch (model) {
    case TCarModel::Speeder:
      for (double x : {-2.2, 2.2}) {
        FillPath(cr, Polygon({x - 0.8, -25, x + 0.8, -25, x + 0.8, 26, x - 0.8, 26}), Palette::White);
      }
      FillPath(cr, RoundedRect(-12.5, 22.5, 25, 3.5, 1), Shade(design.Body, -0.3));
      StrokePath(cr, RoundedRect(-12.5, 22.5, 25, 3.5, 1), Palette::Ink, ink * 0.4);
      break;
    case TCarModel::Turbo:
      FillPath(cr, RoundedRect(-3.5, -20, 7, 6, 1.5), Palette::SunYellow);
      FillPath(cr, RoundedRect(-2.2, -18.5, 4.4, 2, 0.8), Hex(0x22222A));
      StrokePath(cr, RoundedRect(-3.5, -20, 7, 6, 1.5), Palette::Ink, ink * 0.4);
      break;
    case TCarModel::Volcano: {
      const TPath bonnet = Polygon({-10.5, -25.5, 10.5, -25.5, 10, -4, -10, -4});
      FillPath(cr, bonnet, Hex(0x22222A));
      const TPath flame = [](cairo_t* k) {
        cairo_move_to(k, 0, -24);
        cairo_curve_to(k, 6, -19, 3, -14, 8, -6);
        cairo_curve_to(k, 3, -8, 2, -6, 0, -4.5);
        cairo_curve_to(k, -2, -6, -3, -8, -8, -6);
        cairo_curve_to(k, -3, -14, -6, -19, 0, -24);
        cairo_close_path(k);
      };
      FillVertical(cr, flame, -24, Palette::SunYellow, -4, Palette::RacingRed);
      FillPath(cr, Polygon({0, -18, 2.5, -9, 0, -6, -2.5, -9}), Hex(0xFFF27A));
      break;
    }
    case TCarModel::Viper:
      FillPath(cr, Polygon({-1.6, -26, 1.6, -26, 1.8, 26, -1.8, 26}), Palette::Lime);
      break;
    case TCarModel::Beast:
      for (double side : {-1.0, 1.0}) {
        const TPath pod = RoundedRect(side > 0 ? 9.5 : -13.5, -6, 4, 15, 2);
        FillPath(cr, pod, Hex(0x3C4252));
        FillPath(cr, RoundedRect(side > 0 ? 10 : -12.5, -4, 2.5, 5, 1), Hex(0x111116));
        StrokePath(cr, pod, Palette::Ink, ink * 0.4);
      }
      FillPath(cr, Polygon({-1.5, -26, 1.5, -26, 1.5, -7, -1.5, -7}), Palette::SunYellow);
      break;
  }
}

void PaintLights(cairo_t* cr, const TCarDesign& design) {
  const TProfilePoint& nose = design.Profile[1];
  const TProfilePoint& tail = design.Profile[design.Profile.size() - 2];
  const double headX = std::max(3.0, nose.HalfWidth - 3);
  for (double side : {-1.0, 1.0}) {
    FillPath(cr, Ellipse(side * headX, nose.Y + 0.8, 2.2, 1.3), Hex(0xFFF3A8));
    FillPath(cr, Ellipse(side * (tail.HalfWidth - 3), design.Profile.back().Y - 1.6, 2.4, 1.1),
             Hex(0xFF2A2A));
  }
}

void PaintRearWing(cairo_t* cr, const TCarDesign& design, double ink) {
  const TPath wing = RoundedRect(-14.5, 22, 29, 4.5, 1.2);
  FillVertical(cr, wing, 22, Palette::SunYellow, 26.5, Palette::Orange);
  FillPath(cr, RoundedRect(-14.5, 24.2, 29, 0.8, 0.3), Shade(design.Body, -0.2));
  StrokePath(cr, wing, Palette::Ink, ink * 0.5);
}

}  // namespace

void PaintCar(cairo_t* cr, TCarModel model, int steer, double ink) {
  const TCarDesign design = DesignOf(model);
  const TPath body = BodyPath(design.Profile);
  const double axle = design.AxleHalf;
  const double front = design.FrontAxle;
  const double rear = design.RearAxle;
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  ContactShadow(
      cr,
      [&](cairo_t* k) {
        body(k);
        RoundedRect(-axle - 3, front - 6, 2 * axle + 6, rear - front + 12, 2)(k);
      },
      ink, ink / 1.5);
  for (double side : {-1.0, 1.0}) {
    PaintWheel(cr, side * axle, front, steer * 20.0, ink);
    PaintWheel(cr, side * axle, rear, 0, ink);
  }
  FillVertical(cr, body, -27, Shade(design.Body, 0.28), 27, Shade(design.Body, -0.22));
  Bevel(cr, body, 1.1, WithAlpha(Shade(design.Body, 0.55), 0.9), WithAlpha(Shade(design.Body, -0.45), 0.8));
  PaintLivery(cr, model, design, ink);
  PaintCockpit(cr, design, ink);
  StrokePath(cr, body, Palette::Ink, ink);
  if (model == TCarModel::Beast) PaintRearWing(cr, design, ink);
  PaintLights(cr, design);
}
