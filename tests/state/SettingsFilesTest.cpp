#include "shell/SettingsFiles.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "race/GameProcedures.h"
#include "shell/SettingsLines.h"
#include "state/TempFolder.h"
#include "web/TextEncoding.h"

using namespace std::string_literals;

namespace {

// The state as the game has it just before it reads its files.
TGameState FreshState() {
  TGameState state;
  FillTrackCatalogue(state.Catalogue);
  FillCarCatalogue(state.Catalogue);
  return state;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find("\r\n", start);
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// Line codes worked out by hand from the alphabet: the numbers as the progress file stores them
// ("0%%%%" and so on) and the two words of the yes/no lines.
const std::string kZero = "GAUULKKF", kTwo = "GJUULKKF", kThree = "GNUULKKF", kThreeHundred = "GN2DAKKF",
                  kThousand = "GE2DANBF", kFalse = "N3SY265F", kTrue = "B4HE7MF";

void ExpectSameProgress(const TGameState& actual, const TGameState& expected) {
  const TCatalogue &a = actual.Catalogue, &e = expected.Catalogue;
  EXPECT_EQ(actual.TotalScore, expected.TotalScore);
  EXPECT_EQ(a.TracksAvailable, e.TracksAvailable);
  EXPECT_EQ(a.CarsAvailable, e.CarsAvailable);
  EXPECT_EQ(a.TargetScore, e.TargetScore);
  EXPECT_EQ(a.UnlockStage, e.UnlockStage);
  for (size_t i = 0; i < a.Tracks.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(a.Tracks[i].BestTime.Hundredths, e.Tracks[i].BestTime.Hundredths);
    EXPECT_EQ(a.Tracks[i].BestTime.Seconds, e.Tracks[i].BestTime.Seconds);
    EXPECT_EQ(a.Tracks[i].BestTime.Minutes, e.Tracks[i].BestTime.Minutes);
  }
}

void ExpectSameSettings(const TGameState& actual, const TGameState& expected) {
  EXPECT_EQ(actual.FullScreen, expected.FullScreen);
  EXPECT_EQ(actual.MusicOn, expected.MusicOn);
  EXPECT_EQ(actual.SoundOn, expected.SoundOn);
  EXPECT_EQ(actual.AddText, expected.AddText);
  EXPECT_EQ(actual.PlayerName, expected.PlayerName);
  for (size_t i = 0; i < actual.HighScores.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(actual.HighScores[i].Place, expected.HighScores[i].Place);
    EXPECT_EQ(actual.HighScores[i].Name, expected.HighScores[i].Name);
    EXPECT_EQ(actual.HighScores[i].Score, expected.HighScores[i].Score);
  }
}

}  // namespace

TEST(SettingsFiles, AFreshGameWritesTheKnownProgressLines) {
  std::vector<std::string> expected{kZero, kThree, kTwo, kThreeHundred, kZero};
  for (int slot = 0; slot < 25; ++slot) {
    expected.insert(expected.end(), {kZero, kZero, slot < 12 ? kThousand : kZero});
  }
  ASSERT_EQ(expected.size(), 80u);
  EXPECT_EQ(ProgressFileText(FreshState()), Lines(expected));
}

TEST(SettingsFiles, AFreshGameWritesTheKnownSettingsLines) {
  const std::vector<std::string> lines = SplitLines(SettingsFileText(FreshState()));
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[0], kFalse);
  EXPECT_EQ(lines[1], kTrue);
  EXPECT_EQ(lines[2], kTrue);
  EXPECT_EQ(lines[3], "");         // no options text
  EXPECT_EQ(lines[4], "");         // no name
  EXPECT_EQ(lines[6], kThousand);  // "1000%": the first row's score
  for (int row = 0; row < 10; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(DecodeText(lines[size_t(5 + 2 * row)]), "Anonymous%");
    EXPECT_EQ(DecodeText(lines[size_t(6 + 2 * row)]), std::to_string(1000 - 100 * row) + (row ? "%%" : "%"));
  }
}

TEST(SettingsFiles, SettingsComeBackAsTheyWereSaved) {
  struct TCase {
    bool FullScreen, Music, Sound;
    std::string AddText, Name;
  };
  std::string longName;
  for (int i = 0; i < 300; ++i) longName += char(0xC0 + i % 64);  // Cyrillic in Windows-1251
  const TCase cases[] = {
      {false, true, true, "", ""},
      {true, false, true, "a", "Bob"},
      {false, true, false, "12345", "Alice"},
      {true, false, false, "twelve chars", longName},
      {false, false, true, "%in the%middle", " spaced  name "},
      {true, true, true, "1", "\xC8\xE2\xE0\xED"},
  };
  TTempFolder folder;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TGameState saved = FreshState();
    saved.FullScreen = c.FullScreen;
    saved.MusicOn = c.Music;
    saved.SoundOn = c.Sound;
    saved.AddText = c.AddText;
    saved.PlayerName = c.Name;
    for (size_t row = 0; row < saved.HighScores.size(); ++row) {
      saved.HighScores[row].Name = c.Name + std::string(row, 'x');
      saved.HighScores[row].Score = std::to_string(int(row) * 37 - 50);
    }
    ASSERT_TRUE(SaveSettings(saved, folder / "Config.cfg"));
    TGameState loaded = FreshState();
    ASSERT_TRUE(LoadSettings(loaded, folder / "Config.cfg"));
    if (c.Name.empty()) saved.HighScores[0].Name = "Anonymous";  // an empty value keeps the default
    ExpectSameSettings(loaded, saved);
    EXPECT_EQ(loaded.AppliedFullScreen, c.FullScreen);
  }
}

TEST(SettingsFiles, ATextEndingInThePercentSignLosesItWhenReadBack) {
  TGameState saved = FreshState();
  saved.PlayerName = "100%";
  saved.AddText = "%%%%%%";
  TGameState loaded = FreshState();
  ReadSettings(loaded, SettingsFileText(saved));
  EXPECT_EQ(loaded.PlayerName, "100");
  EXPECT_EQ(loaded.AddText, "");
  EXPECT_EQ(saved.PlayerName, "100%");  // saving leaves the value in memory as it was
}

TEST(SettingsFiles, ProgressComesBackAsItWasSaved) {
  TGameState saved = FreshState();
  saved.TotalScore = 250;
  saved.Catalogue.TracksAvailable = 7;
  saved.Catalogue.CarsAvailable = 4;
  saved.Catalogue.TargetScore = 2147483647;
  saved.Catalogue.UnlockStage = 4;
  // The tracks' times as a race gives them; the spare slots carry any number.
  for (int slot = 0; slot < kTrackCount; ++slot)
    saved.Catalogue.Tracks[size_t(slot)].BestTime = {slot * 8, 59 - slot, slot * 1000};
  for (int slot = kTrackCount; slot < kTrackSlots; ++slot)
    saved.Catalogue.Tracks[size_t(slot)].BestTime = {slot * 3 - 20, slot * 1000,
                                                     slot == 24 ? 2147483647 : -slot};
  TTempFolder folder;
  ASSERT_TRUE(SaveProgress(saved, folder / "Configdat.cfg"));
  TGameState loaded = FreshState();
  ASSERT_TRUE(LoadProgress(loaded, folder / "Configdat.cfg"));
  ExpectSameProgress(loaded, saved);
}

TEST(SettingsFiles, NoFileLeavesEverythingAsItWas) {
  TTempFolder folder;
  TGameState state = FreshState();
  EXPECT_FALSE(LoadSettings(state, folder / "Config.cfg"));
  EXPECT_FALSE(LoadProgress(state, folder / "Configdat.cfg"));
  ExpectSameSettings(state, FreshState());
  ExpectSameProgress(state, FreshState());
  EXPECT_FALSE(state.AppliedFullScreen);
}

TEST(SettingsFiles, OnlyTheExactWordFalseKeepsTheWindow) {
  struct TCase {
    std::string Line;
    bool FullScreen;
  };
  const TCase cases[] = {
      {kFalse, false},    {kFalse + "\r", false}, {" N3SY 265f F", false},  // skipped characters
      {"", true},         {kTrue, true},          {"false", true},          // a plain word decodes to nothing
      {"n3sy265f", true}, {"GC2VD", true},        {kFalse + "A", true},    {EncodeText("False"), true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Line);
    TGameState state = FreshState();
    ReadSettings(state, Lines({c.Line}));
    EXPECT_EQ(state.FullScreen, c.FullScreen);
    EXPECT_EQ(state.AppliedFullScreen, c.FullScreen);
  }
}

TEST(SettingsFiles, OnlyTheExactWordFalseTurnsMusicOrSoundOff) {
  struct TCase {
    std::string Line;
    bool On;
  };
  const TCase cases[] = {{kFalse, false}, {"", true}, {kTrue, true}, {"false", true}, {"Z0IO", true}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Line);
    TGameState music = FreshState(), sound = FreshState();
    ReadSettings(music, Lines({kFalse, c.Line, kTrue}));
    ReadSettings(sound, Lines({kFalse, kTrue, c.Line}));
    EXPECT_EQ(music.MusicOn, c.On);
    EXPECT_TRUE(music.SoundOn);
    EXPECT_EQ(sound.SoundOn, c.On);
    EXPECT_TRUE(sound.MusicOn);
  }
}

TEST(SettingsFiles, EmptyTextLinesEmptyTheTextsButKeepTheHighScores) {
  TGameState state = FreshState();
  state.AddText = "old text";
  state.PlayerName = "old name";
  state.HighScores[3].Name = "Keep";
  // Row 1 gets a name only, row 2 a score only, row 4 an empty name and score.
  ReadSettings(state,
               Lines({kFalse, kTrue, kTrue, "", "", EncodeText("Ann%%"), "", "", EncodeText("777%%")}));
  EXPECT_EQ(state.AddText, "");
  EXPECT_EQ(state.PlayerName, "");
  EXPECT_EQ(state.HighScores[0].Name, "Ann");
  EXPECT_EQ(state.HighScores[0].Score, "1000");
  EXPECT_EQ(state.HighScores[1].Name, "Anonymous");
  EXPECT_EQ(state.HighScores[1].Score, "777");
  EXPECT_EQ(state.HighScores[3].Name, "Keep");
  for (int row = 0; row < 10; ++row) EXPECT_EQ(state.HighScores[size_t(row)].Place, std::to_string(row + 1));
}

TEST(SettingsFiles, AShortSettingsFileReadsEmptyLinesPastItsEnd) {
  TGameState saved = FreshState();
  saved.MusicOn = saved.SoundOn = false;
  saved.AddText = "text";
  saved.PlayerName = "name";
  for (THighScoreEntry& row : saved.HighScores) row = {row.Place, "N" + row.Place, "S" + row.Place};
  const std::vector<std::string> lines = SplitLines(SettingsFileText(saved));
  for (size_t kept = 0; kept <= lines.size(); ++kept) {
    SCOPED_TRACE(kept);
    TGameState state = FreshState();
    state.AddText = state.PlayerName = "before";
    ReadSettings(state, Lines({lines.begin(), lines.begin() + ptrdiff_t(kept)}));
    EXPECT_EQ(state.FullScreen, kept == 0);  // an empty first line means full screen
    EXPECT_EQ(state.MusicOn, kept < 2);
    EXPECT_EQ(state.SoundOn, kept < 3);
    EXPECT_EQ(state.AddText, kept >= 4 ? "text" : "");
    EXPECT_EQ(state.PlayerName, kept >= 5 ? "name" : "");
    for (size_t row = 0; row < 10; ++row) {
      const TGameState fresh = FreshState();
      EXPECT_EQ(state.HighScores[row].Name,
                kept >= 6 + 2 * row ? saved.HighScores[row].Name : fresh.HighScores[row].Name);
      EXPECT_EQ(state.HighScores[row].Score,
                kept >= 7 + 2 * row ? saved.HighScores[row].Score : fresh.HighScores[row].Score);
    }
  }
}

TEST(SettingsFiles, AZeroLengthSettingsFileTurnsFullScreenOn) {
  TTempFolder folder;
  WriteBytes(folder / "Config.cfg", "");
  TGameState state = FreshState();
  ASSERT_TRUE(LoadSettings(state, folder / "Config.cfg"));
  EXPECT_TRUE(state.FullScreen);
  EXPECT_TRUE(state.AppliedFullScreen);
  EXPECT_TRUE(state.MusicOn);
  EXPECT_TRUE(state.SoundOn);
}

TEST(SettingsFiles, ANumberLineThatIsNoNumberKeepsTheValue) {
  const std::string cases[] = {
      "",
      "abc",                          // nothing of the alphabet
      EncodeText("12a%%"),            // not only digits
      EncodeText("99999999999%%%%"),  // beyond a 32-bit number
      EncodeText("12"),               // unfilled: decodes behind a zero byte
      EncodeText("+5%%%"),
      EncodeText(" 5%%%"),
      EncodeText("-%%%%"),
      EncodeText("1.5%%"),
  };
  for (const std::string& line : cases) {
    SCOPED_TRACE(line);
    TGameState state = FreshState();
    state.TotalScore = 77;
    std::vector<std::string> lines(80, "");
    lines[0] = line;
    lines[79] = line;  // the minutes of the last spare slot
    state.Catalogue.Tracks[24].BestTime.Minutes = 66;
    ReadProgress(state, Lines(lines));
    EXPECT_EQ(state.TotalScore, 77);
    EXPECT_EQ(state.Catalogue.Tracks[24].BestTime.Minutes, 66);
    ExpectSameProgress(state, [] {
      TGameState expected = FreshState();
      expected.TotalScore = 77;
      expected.Catalogue.Tracks[24].BestTime.Minutes = 66;
      return expected;
    }());
  }
}

TEST(SettingsFiles, CountsAndStageAreBroughtIntoTheCataloguesRange) {
  struct TCase {
    int Tracks, Cars, Stage;
    int ExpectedTracks, ExpectedCars, ExpectedStage;
  };
  // Never fewer tracks and cars than a new game has: a game with nothing to race is stuck.
  const TCase cases[] = {
      {12, 5, 9, 12, 5, 9},     {0, 0, 0, 3, 2, 0},    {13, 6, 10, 12, 5, 9},
      {25, 99, 1000, 12, 5, 9}, {-1, -3, -1, 3, 2, 0}, {7, 4, 4, 7, 4, 4},
      {2, 1, 0, 3, 2, 0},       {3, 2, 0, 3, 2, 0},    {-2147483647 - 1, 2147483647, 0, 3, 5, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Tracks << " " << c.Cars << " " << c.Stage);
    TGameState state = FreshState();
    ReadProgress(state, Lines({kZero, NumberLine(c.Tracks), NumberLine(c.Cars), kZero, NumberLine(c.Stage)}));
    EXPECT_EQ(state.Catalogue.TracksAvailable, c.ExpectedTracks);
    EXPECT_EQ(state.Catalogue.CarsAvailable, c.ExpectedCars);
    EXPECT_EQ(state.Catalogue.UnlockStage, c.ExpectedStage);
  }
}

// A best time no race can give (none at all, negative, or seconds and hundredths out of their
// range) could never be beaten: it counts as none. Minutes of 1000 or more already mean none and are kept.
TEST(SettingsFiles, ABestTimeNoRaceCanGiveCountsAsNone) {
  struct TCase {
    TRaceTime Stored;
    bool Kept;
  };
  const TCase cases[] = {
      {{0, 0, 0}, false},  // no race takes no time: it could never be beaten
      {{1, 0, 0}, true},
      {{99, 59, 5}, true},
      {{12, 34, 999}, true},
      {{0, 0, 1000}, true},
      {{0, 0, 2147483647}, true},
      {{0, 0, -1}, false},
      {{-1, 0, 2}, false},
      {{100, 0, 2}, false},
      {{0, 60, 2}, false},
      {{0, -5, 2}, false},
      {{0, 0, -2147483647 - 1}, false},
  };
  for (const TCase& c : cases) {
    const TRaceTime& t = c.Stored;
    SCOPED_TRACE(testing::Message() << t.Hundredths << " " << t.Seconds << " " << t.Minutes);
    std::vector<std::string> lines(80, kZero);
    for (size_t track : {size_t(0), size_t(11)}) {
      lines[5 + 3 * track] = NumberLine(t.Hundredths);
      lines[6 + 3 * track] = NumberLine(t.Seconds);
      lines[7 + 3 * track] = NumberLine(t.Minutes);
    }
    TGameState state = FreshState();
    ReadProgress(state, Lines(lines));
    for (size_t track : {size_t(0), size_t(11)}) {
      const TRaceTime& best = state.Catalogue.Tracks[track].BestTime;
      const TRaceTime expected = c.Kept ? t : kNoBestTime;
      EXPECT_EQ(best.Hundredths, expected.Hundredths);
      EXPECT_EQ(best.Seconds, expected.Seconds);
      EXPECT_EQ(best.Minutes, expected.Minutes);
    }
    // Any real time now beats the one read when it counts as none.
    EXPECT_EQ(IsBetterTime({0, 1, 60}, state.Catalogue.Tracks[0].BestTime), !c.Kept || t.Minutes > 60);
  }
}

// Scores below nothing count as nothing; a target below nothing is the one the stage has in a
// game played from the start.
TEST(SettingsFiles, NegativeScoresAndTargetsAreNotTaken) {
  struct TCase {
    int Score, Target, Stage;
    int ExpectedScore, ExpectedTarget;
  };
  constexpr int kMin = -2147483647 - 1;
  const TCase cases[] = {
      {kMin, 300, 0, 0, 300}, {-1, 700, 1, 0, 700},      {5, kMin, 0, 5, 300},
      {5, -1, 3, 5, 2200},    {kMin, kMin, 9, 0, 17700}, {0, 0, 0, 0, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Score << " " << c.Target << " " << c.Stage);
    TGameState state = FreshState();
    std::vector<std::string> lines(80, kZero);
    lines[0] = NumberLine(c.Score);
    lines[3] = NumberLine(c.Target);
    lines[4] = NumberLine(c.Stage);
    EXPECT_FALSE(ReadProgress(state, Lines(lines)));
    EXPECT_EQ(state.TotalScore, c.ExpectedScore);
    EXPECT_EQ(state.Catalogue.TargetScore, c.ExpectedTarget);
  }
}

// Whatever system's editor last saved the files, their values are read: line ends of CR LF, LF or
// CR alone, with or without a UTF-8 byte-order mark, make no damaged file.
TEST(SettingsFiles, EveryKindOfLineEndAndAByteOrderMarkAreRead) {
  TGameState saved = FreshState();
  saved.MusicOn = false;
  saved.PlayerName = "Ann";
  saved.TotalScore = 777;
  saved.Catalogue.Tracks[11].BestTime = {5, 6, 7};
  for (const char* end : {"\r\n", "\n", "\r"}) {
    for (const char* mark : {"", "\xEF\xBB\xBF"}) {
      SCOPED_TRACE(testing::Message() << int(end[0]) << " " << std::string(mark).size());
      auto rewritten = [&](const std::string& text) {
        std::string result = mark;
        for (const std::string& line : SplitLines(text)) result += line + end;
        return result;
      };
      TTempFolder folder;
      WriteBytes(folder / "Config.cfg", rewritten(SettingsFileText(saved)));
      WriteBytes(folder / "Configdat.cfg", rewritten(ProgressFileText(saved)));
      TGameState loaded = FreshState();
      testing::internal::CaptureStderr();
      ASSERT_TRUE(LoadSettings(loaded, folder / "Config.cfg"));
      ASSERT_TRUE(LoadProgress(loaded, folder / "Configdat.cfg"));
      EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
      ExpectSameSettings(loaded, saved);
      ExpectSameProgress(loaded, saved);
      EXPECT_FALSE(std::filesystem::exists(folder / "Config.cfg.damaged"));
      EXPECT_FALSE(std::filesystem::exists(folder / "Configdat.cfg.damaged"));
    }
  }
}

// A file the game cannot have written is named in one line and kept beside itself, byte for byte,
// before the next save replaces it; what it still holds whole is read.
TEST(SettingsFiles, ADamagedFileIsNamedAndKeptBeforeItIsSavedOver) {
  TGameState saved = FreshState();
  saved.TotalScore = 777;
  saved.PlayerName = "Ann";
  const std::vector<std::string> progress = SplitLines(ProgressFileText(saved));
  const std::vector<std::string> settings = SplitLines(SettingsFileText(saved));
  std::string binary;
  for (int b = 0; b < 1024; ++b) binary += char(b * 7);
  const struct {
    const char* What;
    const char* File;
    std::string Bytes;
    int Score;  // what the progress file still gives
  } cases[] = {
      {"binary progress", "Configdat.cfg", binary, 0},
      {"progress of NULs", "Configdat.cfg", std::string(800, '\0'), 0},
      {"a word for a number", "Configdat.cfg", Lines({progress[0], EncodeText("many%")}), 777},
      {"a plain number", "Configdat.cfg", Lines({"777", progress[1]}), 0},
      {"a 5 MB line", "Configdat.cfg", Lines({progress[0], std::string(5 << 20, 'B')}), 777},
      {"half the lines", "Configdat.cfg", Lines({progress.begin(), progress.begin() + 40}), 777},
      {"an empty progress file", "Configdat.cfg", "", 0},
      {"binary settings", "Config.cfg", binary, 0},
      {"settings of NULs", "Config.cfg", std::string(500, '\0'), 0},
      {"a flag neither yes nor no", "Config.cfg", Lines({EncodeText("maybe"), settings[1]}), 0},
      {"a 5 MB settings line", "Config.cfg", Lines({settings[0], std::string(5 << 20, 'B')}), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    TTempFolder folder;
    const std::filesystem::path file = folder / c.File;
    WriteBytes(file, c.Bytes);
    TGameState loaded = FreshState();
    testing::internal::CaptureStderr();
    ASSERT_TRUE(LoadSettings(loaded, folder / "Config.cfg") || c.File == std::string("Configdat.cfg"));
    ASSERT_TRUE(LoadProgress(loaded, folder / "Configdat.cfg") || c.File == std::string("Config.cfg"));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_NE(errors.find(file.string() + "\" is damaged"), std::string::npos) << errors;
    EXPECT_EQ(loaded.TotalScore, c.Score);
    std::filesystem::path kept = file;
    kept += ".damaged";
    ASSERT_TRUE(std::filesystem::exists(kept));
    SaveSettings(loaded, folder / "Config.cfg");
    SaveProgress(loaded, folder / "Configdat.cfg");
    EXPECT_TRUE(ReadBytes(kept) == c.Bytes) << "the damaged file is kept whole";
  }
}

// A "|" would split the score record's fields; a name or text read back has none.
TEST(SettingsFiles, TheNameAndTheTextLoseEveryBarWhenRead) {
  TGameState saved = FreshState();
  saved.PlayerName = "x|score=9999";
  saved.AddText = "|a||b|";
  saved.HighScores[0].Name = "Ann|Bo";
  TGameState loaded = FreshState();
  ReadSettings(loaded, SettingsFileText(saved));
  EXPECT_EQ(loaded.PlayerName, "xscore=9999");
  EXPECT_EQ(loaded.AddText, "ab");
  EXPECT_EQ(loaded.HighScores[0].Name, "Ann|Bo");  // never sent: kept as it stands
}

TEST(SettingsFiles, SpareSlotsAreCarriedThroughTheFile) {
  std::vector<std::string> lines(80, kZero);
  lines[41] = NumberLine(5);   // slot 12, hundredths
  lines[79] = NumberLine(-9);  // slot 24, minutes
  TGameState state = FreshState();
  ReadProgress(state, Lines(lines));
  EXPECT_EQ(state.Catalogue.Tracks[12].BestTime.Hundredths, 5);
  EXPECT_EQ(state.Catalogue.Tracks[24].BestTime.Minutes, -9);
  EXPECT_EQ(state.Catalogue.Tracks[11].BestTime.Minutes, kNoBestTime.Minutes);  // 0:00:00 is none
  const std::vector<std::string> written = SplitLines(ProgressFileText(state));
  EXPECT_EQ(written[41], lines[41]);
  EXPECT_EQ(written[79], lines[79]);
}

// A file cut anywhere: every line it still holds whole is read, every other keeps its value.
TEST(SettingsFiles, AProgressFileCutAnywhereKeepsTheValuesItNoLongerHolds) {
  TGameState saved = FreshState();
  saved.TotalScore = 4321;
  saved.Catalogue.TracksAvailable = 9;
  saved.Catalogue.CarsAvailable = 4;
  saved.Catalogue.TargetScore = 4700;
  saved.Catalogue.UnlockStage = 5;
  for (int slot = 0; slot < kTrackSlots; ++slot)
    saved.Catalogue.Tracks[size_t(slot)].BestTime = {slot + 1, 59, 7};
  const std::string text = ProgressFileText(saved);
  for (size_t cut = 0; cut <= text.size(); ++cut) {
    SCOPED_TRACE(cut);
    TGameState loaded = FreshState();
    ReadProgress(loaded, std::string_view(text).substr(0, cut));
    TGameState expected = FreshState();
    const size_t wholeLines = (cut + 2) / 10;  // every line here is 8 characters and CR LF
    int* fields[] = {&expected.TotalScore, &expected.Catalogue.TracksAvailable,
                     &expected.Catalogue.CarsAvailable, &expected.Catalogue.TargetScore,
                     &expected.Catalogue.UnlockStage};
    const int* savedFields[] = {&saved.TotalScore, &saved.Catalogue.TracksAvailable,
                                &saved.Catalogue.CarsAvailable, &saved.Catalogue.TargetScore,
                                &saved.Catalogue.UnlockStage};
    for (size_t i = 0; i < 5 && i < wholeLines; ++i) *fields[i] = *savedFields[i];
    for (size_t line = 5; line < wholeLines; ++line) {
      TRaceTime& time = expected.Catalogue.Tracks[(line - 5) / 3].BestTime;
      int* parts[] = {&time.Hundredths, &time.Seconds, &time.Minutes};
      const TRaceTime& from = saved.Catalogue.Tracks[(line - 5) / 3].BestTime;
      const int savedParts[] = {from.Hundredths, from.Seconds, from.Minutes};
      *parts[(line - 5) % 3] = savedParts[(line - 5) % 3];
    }
    ExpectSameProgress(loaded, expected);
  }
}

TEST(SettingsFiles, GarbageNeverBreaksTheReaders) {
  std::mt19937 random(2024);
  const std::string pieces[] = {"\r\n", "\n", "\r", "\0"s, "%", "ABCDEFGH", "9999", "-", "N3SY265F", "\xFF"};
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const int length = int(random() % 3000);
    for (int i = 0; i < length; ++i) {
      if (random() % 4 == 0)
        text += pieces[random() % std::size(pieces)];
      else if (random() % 2)
        text += kBase32Alphabet[random() % 32];
      else
        text += char(random());
    }
    TGameState settings = FreshState(), progress = FreshState();
    ReadSettings(settings, text);
    ReadProgress(progress, text);
    EXPECT_GE(progress.Catalogue.TracksAvailable, 0);
    EXPECT_LE(progress.Catalogue.TracksAvailable, 12);
    EXPECT_GE(progress.Catalogue.CarsAvailable, 0);
    EXPECT_LE(progress.Catalogue.CarsAvailable, 5);
    EXPECT_GE(progress.Catalogue.UnlockStage, 0);
    EXPECT_LE(progress.Catalogue.UnlockStage, 9);
    for (int row = 0; row < 10; ++row)
      EXPECT_EQ(settings.HighScores[size_t(row)].Place, std::to_string(row + 1));
  }
}

TEST(SettingsFiles, ABinaryFileKeepsTheProgressItCannotRead) {
  std::string bytes;
  for (int repeat = 0; repeat < 4; ++repeat)
    for (int b = 0; b < 256; ++b) bytes += char(b);
  TTempFolder folder;
  WriteBytes(folder / "Configdat.cfg", bytes);
  TGameState state = FreshState();
  EXPECT_TRUE(LoadProgress(state, folder / "Configdat.cfg"));
  ExpectSameProgress(state, FreshState());
}

TEST(SettingsFiles, AHugeFileIsReadOnlyAsFarAsItsSizeLimit) {
  TTempFolder folder;
  TGameState saved = FreshState();
  saved.MusicOn = false;
  saved.TotalScore = 1234;
  const std::string huge(3 << 20, 'B');
  // Whole lines before a line beyond the limit are read; that line and the rest keep their values.
  const std::vector<std::string> settings = SplitLines(SettingsFileText(saved));
  WriteBytes(folder / "Config.cfg", Lines({settings[0], settings[1], huge, settings[3]}));
  const std::vector<std::string> progress = SplitLines(ProgressFileText(saved));
  WriteBytes(folder / "Configdat.cfg", Lines({progress[0], huge, progress[2]}));
  TGameState state = FreshState();
  state.PlayerName = "kept";
  ASSERT_TRUE(LoadSettings(state, folder / "Config.cfg"));
  ASSERT_TRUE(LoadProgress(state, folder / "Configdat.cfg"));
  EXPECT_FALSE(state.FullScreen);
  EXPECT_FALSE(state.MusicOn);
  EXPECT_TRUE(state.SoundOn);
  EXPECT_EQ(state.PlayerName, "kept");
  EXPECT_EQ(state.TotalScore, 1234);
  EXPECT_EQ(state.Catalogue.TracksAvailable, 3);
  // A file that is one huge first line keeps even the window.
  WriteBytes(folder / "Config.cfg", huge);
  TGameState fresh = FreshState();
  ASSERT_TRUE(LoadSettings(fresh, folder / "Config.cfg"));
  EXPECT_FALSE(fresh.FullScreen);
  ExpectSameSettings(fresh, FreshState());
}

TEST(SettingsFiles, AFolderInPlaceOfAFileIsReportedAndLeftAlone) {
  TTempFolder folder;
  std::filesystem::create_directory(folder / "Config.cfg");
  std::filesystem::create_directory(folder / "Configdat.cfg");
  TGameState state = FreshState();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(LoadSettings(state, folder / "Config.cfg"));
  EXPECT_FALSE(LoadProgress(state, folder / "Configdat.cfg"));
  EXPECT_FALSE(SaveSettings(state, folder / "Config.cfg"));
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 3) << errors;
  EXPECT_NE(errors.find("Config.cfg"), std::string::npos);
  EXPECT_FALSE(state.FullScreen);  // not read as an empty file
  EXPECT_TRUE(std::filesystem::is_directory(folder / "Config.cfg"));
  EXPECT_FALSE(std::filesystem::exists(folder / "Config.cfg.tmp"));
}

TEST(SettingsFiles, SavingReplacesTheOldFileWhole) {
  TTempFolder folder;
  WriteBytes(folder / "Configdat.cfg", std::string(5000, 'X'));
  TGameState state = FreshState();
  ASSERT_TRUE(SaveProgress(state, folder / "Configdat.cfg"));
  EXPECT_EQ(ReadBytes(folder / "Configdat.cfg"), ProgressFileText(state));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Folder()), {}), 1);  // no temporary left
}

TEST(SettingsFiles, AFolderThatCannotBeWrittenLeavesTheGameRunning) {
  TTempFolder folder;
  const TGameState state = FreshState();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(SaveSettings(state, folder / "missing" / "Config.cfg"));
  EXPECT_FALSE(SaveProgress(state, folder / "missing" / "Configdat.cfg"));
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 2) << errors;
  EXPECT_NE(errors.find("Configdat.cfg\""), std::string::npos) << errors;
  EXPECT_EQ(errors.find(".tmp"), std::string::npos) << "the player knows no temporary file: " << errors;
}
