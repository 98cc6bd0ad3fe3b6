#include "race/TrackFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "race/TrackTables.h"

namespace {

namespace fs = std::filesystem;

class TrackFileTest : public testing::Test {
 protected:
  void SetUp() override {
    Folder = fs::temp_directory_path() /
             ("morvel-track-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(Folder);
  }
  void TearDown() override { fs::remove_all(Folder); }

  std::string PathOf(const std::string& name) const { return (Folder / name).string(); }

  // Writes the records and reads them back into the race's tables as a race does.
  TTrackFileResult Load(const std::vector<TTrackRecord>& records) {
    EXPECT_EQ(WriteTrackFile(PathOf("t.prd"), records), "");
    TTrackFileResult file = ReadTrackFile(PathOf("t.prd"));
    FillTrackTables(file.Records, Race, true);
    OrderWayPoints(Race);
    return file;
  }

  fs::path Folder;
  TRaceState Race;
};

TTrackRecord WayPoint(int x, int y, int key, int flag = 0) {
  return {y, x, TRecordKind::WayPoint, flag, key};
}

TEST_F(TrackFileTest, RecordsComeBackFieldForField) {
  const std::vector<TTrackRecord> records{{-7, 123456, 20, -180, 11}, {0, 0, 255, 0, 0}, {1, 2, 3, 4, 5}};
  ASSERT_EQ(WriteTrackFile(PathOf("t.prd"), records), "");
  EXPECT_EQ(fs::file_size(PathOf("t.prd")), 3 * kTrackRecordSize);
  const TTrackFileResult file = ReadTrackFile(PathOf("t.prd"));
  ASSERT_TRUE(file.Ok()) << file.Error;
  ASSERT_EQ(file.Records.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(file.Records[i].Y, records[i].Y);
    EXPECT_EQ(file.Records[i].X, records[i].X);
    EXPECT_EQ(file.Records[i].Kind, records[i].Kind);
    EXPECT_EQ(file.Records[i].Param, records[i].Param);
    EXPECT_EQ(file.Records[i].Index, records[i].Index);
  }
}

TEST_F(TrackFileTest, FillerBytesAreIgnored) {
  std::vector<uint8_t> bytes = TrackFileBytes({WayPoint(10, 20, 1)});
  for (size_t i = 20; i < bytes.size(); ++i) bytes[i] = 0xAB;
  const TTrackFileResult file = ParseTrackFile(bytes, "x.prd");
  ASSERT_EQ(file.Records.size(), 1u);
  EXPECT_EQ(file.Records[0].X, 10);
  EXPECT_EQ(file.Records[0].Index, 1);
}

TEST_F(TrackFileTest, BadFilesGiveAnErrorNamingTheFile) {
  std::vector<uint8_t> partial = TrackFileBytes({WayPoint(1, 1, 1), WayPoint(2, 2, 2)});
  partial.resize(partial.size() - 1);
  std::ofstream(PathOf("partial.prd"), std::ios::binary)
      .write(reinterpret_cast<const char*>(partial.data()), std::streamsize(partial.size()));
  fs::create_directories(PathOf("folder.prd"));

  for (const std::string name : {"partial.prd", "missing.prd", "folder.prd"}) {
    const TTrackFileResult file = ReadTrackFile(PathOf(name));
    EXPECT_FALSE(file.Ok()) << name;
    EXPECT_NE(file.Error.find(PathOf(name)), std::string::npos) << file.Error;
    EXPECT_TRUE(file.Records.empty()) << name;
  }
}

TEST_F(TrackFileTest, GameNamesUseBackslashes) {
  fs::create_directories(Folder / "Data");
  ASSERT_EQ(WriteTrackFile(PathOf("Data") + "\\t.prd", {WayPoint(1, 2, 3)}), "");
  EXPECT_TRUE(fs::exists(Folder / "Data" / "t.prd"));
  EXPECT_EQ(ReadTrackFile(PathOf("Data") + "\\t.prd").Records.size(), 1u);
}

TEST_F(TrackFileTest, EmptyFileHasNoRecords) {
  const TTrackFileResult file = Load({});
  EXPECT_TRUE(file.Ok());
  EXPECT_EQ(Race.WayPointCount, 0);
  EXPECT_EQ(Race.TrackLength.size(), 1u);  // only the unused entry 0
  EXPECT_EQ(Race.TrackLength[Race.WayPointCount], 0);
}

TEST_F(TrackFileTest, WayPointsAreFollowedByOrderKey) {
  // Sparse keys written out of order; kinds the game does not know are skipped.
  Load({WayPoint(300, 0, 30, 2),
        {5, 5, 77, 0, 0},
        WayPoint(0, 0, 10, 1),
        WayPoint(0, 400, 20),
        {0, 0, -1, 0, 0}});
  ASSERT_EQ(Race.WayPointCount, 3);
  EXPECT_EQ(Race.KeyWayPointCount, 2);
  EXPECT_EQ(Race.WayPoints[1].OrderKey, 10);
  EXPECT_EQ(Race.WayPoints[2].OrderKey, 20);
  EXPECT_EQ(Race.WayPoints[3].OrderKey, 30);
  EXPECT_EQ(Race.WayPoints[3].KeyFlag, 2);
  ASSERT_EQ(Race.TrackLength.size(), 4u);
  EXPECT_DOUBLE_EQ(Race.TrackLength[1], 0);
  EXPECT_DOUBLE_EQ(Race.TrackLength[2], 40);
  EXPECT_DOUBLE_EQ(Race.TrackLength[3], 40 + 50);
}

TEST_F(TrackFileTest, EqualOrderKeysTakeTheFirstAsTheSelectionSortDoes) {
  // Position 1 takes the first of the smallest keys; the swap carries the first 2 behind the
  // second, as a selection sort does.
  Load({WayPoint(1, 0, 2), WayPoint(2, 0, 2), WayPoint(3, 0, 1), WayPoint(4, 0, 1)});
  const double expectedX[] = {0, 3, 4, 1, 2};
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(Race.WayPoints[i].X, expectedX[i]) << i;
}

TEST_F(TrackFileTest, StartSlots) {
  Load({{100, 200, TRecordKind::StartSlot, 90, 1},
        {300, 400, TRecordKind::StartSlot, 45, 1},
        {1, 2, TRecordKind::StartSlot, 0, 0},
        {1, 2, TRecordKind::StartSlot, 0, 9},
        {1, 2, TRecordKind::StartSlot, 0, -3},
        {50, 60, TRecordKind::StartSlot, -90, 8}});
  EXPECT_EQ(Race.StartSlots[1].X, 400);  // the later record of slot 1 wins
  EXPECT_EQ(Race.StartSlots[1].Y, 300);
  EXPECT_EQ(Race.StartSlots[1].Heading, 45);
  EXPECT_EQ(Race.StartSlots[8].X, 60);
  EXPECT_EQ(Race.StartSlots[8].Heading, -90);
  EXPECT_EQ(Race.StartSlots[0].X, 0);  // slot numbers outside 1 .. 8 are ignored
}

TEST_F(TrackFileTest, CheckLinesInFileOrderWithTheirNumbers) {
  const std::vector<TTrackRecord> records{{10, 20, TRecordKind::CheckLine, 99, 1},
                                          {30, 40, TRecordKind::CheckLine, 0, 0}};
  Load(records);
  ASSERT_EQ(Race.CheckLineCount, 2);
  EXPECT_EQ(Race.CheckLines[0].Number, 1);
  EXPECT_EQ(Race.CheckLines[0].X, 20);
  EXPECT_EQ(Race.CheckLines[1].Number, 0);
  FillTrackTables(records, Race, false);  // the demonstration race takes none
  EXPECT_EQ(Race.CheckLineCount, 0);
  EXPECT_TRUE(Race.CheckLines.empty());
}

TEST_F(TrackFileTest, WhatARaceNeeds) {
  const TTrackRecord slot1{0, 0, TRecordKind::StartSlot, 0, 1}, slot2{0, 0, TRecordKind::StartSlot, 0, 2};
  EXPECT_EQ(CheckRaceTrack({WayPoint(0, 0, 1), slot1, slot2}, "Data\\data4.prd", 1), "");
  EXPECT_EQ(CheckRaceTrack({slot1, slot2}, "Data\\data4.prd", 1),
            "The track file Data/data4.prd has no way points.");
  EXPECT_EQ(CheckRaceTrack({WayPoint(0, 0, 1), slot1}, "Data\\data4.prd", 1),
            "The track file Data/data4.prd has no start slot 2.");
}

TEST_F(TrackFileTest, WayPointsScroll) {
  Load({WayPoint(10, 20, 1), WayPoint(30, 40, 2)});
  ShiftWayPoints(Race, -5, 2.5);
  EXPECT_EQ(Race.WayPoints[1].X, 5);
  EXPECT_EQ(Race.WayPoints[2].Y, 42.5);
}

}  // namespace
