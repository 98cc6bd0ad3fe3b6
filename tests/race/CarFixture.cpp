#include "CarFixture.h"

#include "race/Indicators.h"

int TTestRace::CountSmoke() const {
  int count = 0;
  for (int i = 0; i < Sprites.Count(); ++i) {
    if (dynamic_cast<const TDim*>(Sprites.Items(i))) ++count;
  }
  return count;
}
