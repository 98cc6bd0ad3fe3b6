#include "race/RaceTime.h"

#include <gtest/gtest.h>

TEST(RaceTime, OneStepCarriesIntoSecondsAndMinutes) {
  struct TCase {
    TRaceTime Before, After;
  };
  const TCase cases[] = {
      {{0, 0, 0}, {1, 0, 0}},   {{98, 59, 3}, {99, 59, 3}},    {{99, 12, 0}, {0, 13, 0}},
      {{99, 59, 3}, {0, 0, 4}}, {{99, 59, 999}, {0, 0, 1000}},
  };
  for (TCase c : cases) {
    c.Before.Step();
    EXPECT_EQ(c.Before.Hundredths, c.After.Hundredths);
    EXPECT_EQ(c.Before.Seconds, c.After.Seconds);
    EXPECT_EQ(c.Before.Minutes, c.After.Minutes);
  }
}
