#include <gtest/gtest.h>

#include "assets/OmegaMusic.h"

TEST(OmegaMusicTest, SongVolumeAndPanBecomeHundredthsOfADecibel) {
  struct TCase {
    int Set;
    int Db;
  };
  TSongListItem song;
  for (const TCase& c : {TCase{100, 0}, TCase{150, 0}, TCase{50, -301}, TCase{1, -2000}, TCase{0, -10000},
                         TCase{-5, -10000}}) {
    song.SetVolume(c.Set);
    EXPECT_EQ(song.VolumeHundredthsDb(), c.Db) << "volume " << c.Set;
  }
  for (const TCase& c : {TCase{0, 0}, TCase{-50, -301}, TCase{50, 301}, TCase{-99, -2000}, TCase{99, 2000},
                         TCase{-100, -10000}, TCase{-300, -10000}, TCase{100, 10000}, TCase{300, 10000}}) {
    song.SetPan(c.Set);
    EXPECT_EQ(song.PanHundredthsDb(), c.Db) << "pan " << c.Set;
  }
  EXPECT_EQ(song.Pan(), 100) << "clamped";
}

TEST(OmegaMusicTest, FindTakesTheFirstSongOfExactlyThatName) {
  TOmegaMusic music;
  EXPECT_EQ(music.Find("intro"), nullptr);
  music.Songs.resize(3);
  music.Songs[1].Name = "intro";
  music.Songs[2].Name = "intro";
  EXPECT_EQ(music.Find("intro"), &music.Songs[1]);
  EXPECT_EQ(music.Find("Intro"), nullptr);
}
