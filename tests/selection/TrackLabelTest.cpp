#include "shell/TrackLabel.h"

#include <gtest/gtest.h>

#include "race/RaceSetup.h"

// The race's panel and the results name the track the race is on, and a track the name table
// does not know keeps its number alone.
TEST(TrackLabel, NamesTheTrackItsFileBelongsTo) {
  const std::pair<int, const char*> named[] = {
      {0, "Track 1 - Clover Fields"}, {3, "Track 4 - Frost Valley"}, {11, "Track 12 - Summit Pass"}};
  for (const auto& [index, label] : named) EXPECT_EQ(TrackLabel(kTrackCatalogue[size_t(index)]), label);
  TTrack demonstration = kTrackCatalogue[0];
  demonstration.DataFile = kDemoTrackFile;
  EXPECT_EQ(TrackLabel(demonstration), "Track 1");
  TTrack swapped = kTrackCatalogue[0];
  swapped.DataFile = kTrackCatalogue[1].DataFile;  // the name follows the file, not the place in the list
  EXPECT_EQ(TrackLabel(swapped), "Track 1 - Maple Hollow");
}
