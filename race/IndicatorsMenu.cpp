#include "race/IndicatorsMenu.h"

#include <array>

#include "race/Indicators.h"

// --- TBegArrows ---

TBegArrows::TBegArrows(TOmegaSprite& engine, TRaceContext& context, int /*unused*/, double centreY,
                       double centreX)
    : TSprite(engine) {
  TakePicture(*this, context.GameImages, "begarrows");
  SetZ(550);
  OriginX = OriginY = 0.5;
  Angle = 0;
  PlaceCentred(*this, centreY, centreX);
}

void TBegArrows::DoMove(float /*moveCount*/) {
  Angle += 1;
}

// --- TLight ---

TLight::TLight(TOmegaSprite& engine, TRaceContext& context, int kind, double y, double x)
    : TSprite(engine), WaitFrames(RandomInt(context.Random, 200, 399)) {
  TakePicture(*this, context.MenuImages, kind == 0 ? "light1" : "light2");
  SetName("light");
  SetZ(149);
  SetAlpha(0);
  OriginX = 0;
  OriginY = 0.5;
  SetX(float(x));
  SetY(float(y));
}

void TLight::DoMove(float /*moveCount*/) {
  if (Counter > WaitFrames) {
    if (Fading > 0) {
      if (Alpha() < 255) {
        SetAlpha(Alpha() + 1);
      } else {
        Fading = -1;
      }
    } else if (Alpha() > 0) {
      SetAlpha(Alpha() - 1);
    } else {
      Fading = 1;
      Counter = 0;
    }
  }
  ++Counter;
}

// --- TSplashSquare ---

TSplashSquare::TSplashSquare(TOmegaSprite& engine, TRaceContext& context, int kind, int alpha, double y,
                             double x)
    : TSprite(engine), Kind(kind) {
  TakePicture(*this, context.MenuImages, kind == 0 ? "splash_square" : "splash_cars");
  SetPatternIndex(kind == 0 ? 0 : RandomInt(context.Random, 0, 4));
  SetName("square");
  SetZ(500);
  SetAlpha(alpha);
  SetX(float(x));
  SetY(float(y));
}

void TSplashSquare::DoMove(float /*moveCount*/) {
  ++Frames;
  if (Kind == 1) {
    SetX(X() + 2.5f);
  } else if (Frames >= 3 && Frames % 2 == 1) {
    SetX(X() + 28);
  }
}

// --- THelpButton ---

namespace {

constexpr std::array<const char*, 8> kHelpPictures{"up_hb",   "down_hb", "left_hb",  "right_hb",
                                                   "ctrl_hb", "p_hb",    "space_hb", "esc_hb"};

}  // namespace

THelpButton::THelpButton(TOmegaSprite& engine, TRaceContext& context, int kind, double centreY,
                         double centreX)
    : TSprite(engine) {
  TakePicture(*this, context.MenuImages, kHelpPictures.at(kind));
  SetName("help_button");
  SetZ(55);
  Visible = false;
  SetPatternIndex(RandomInt(context.Random, 0, 7));
  PlaceCentred(*this, centreY, centreX);
}

void THelpButton::DoMove(float /*moveCount*/) {
  if (++Frames % 10 == 0) SetPatternIndex((PatternIndex() + 1) % 8);
}
