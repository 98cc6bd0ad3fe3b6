#include "race/Difficulty.h"

#include <gtest/gtest.h>

#include <set>

TEST(Difficulty, NamesReadBackInAnyLetterCase) {
  const struct {
    std::string_view Text;
    std::optional<TDifficulty> Level;
  } cases[] = {
      {"Easy", TDifficulty::Easy}, {"normal", TDifficulty::Normal},
      {"HARD", TDifficulty::Hard}, {"hArD", TDifficulty::Hard},
      {"", std::nullopt},          {"Hardest", std::nullopt},
      {"Eas", std::nullopt},       {" Easy", std::nullopt},
      {"2", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(DifficultyFromName(c.Text), c.Level) << c.Text;
  for (const TDifficulty level : {TDifficulty::Easy, TDifficulty::Normal, TDifficulty::Hard})
    EXPECT_EQ(DifficultyFromName(DifficultyName(level)), level);
}

TEST(Difficulty, TheSwitchStepsThroughEveryLevelAndComesBack) {
  std::set<TDifficulty> seen;
  TDifficulty level = TDifficulty::Normal;
  for (int step = 0; step < 3; ++step) {
    seen.insert(level);
    level = NextDifficulty(level);
  }
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_EQ(level, TDifficulty::Normal);
  EXPECT_EQ(NextDifficulty(TDifficulty::Easy), TDifficulty::Normal);
  EXPECT_EQ(NextDifficulty(TDifficulty::Hard), TDifficulty::Easy);
}
