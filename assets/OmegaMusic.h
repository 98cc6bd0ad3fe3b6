#pragma once

#include <string>
#include <vector>

// A song of the media-player music component. No playback back end exists for songs on this
// platform (the game configures none), so a song is its settings and the attenuation they give.
class TSongListItem {
 public:
  std::string FileName;
  std::string Name;
  bool Loop = false;

  int Volume() const { return VolumeValue; }
  void SetVolume(int volume);  // clamped to 0..100
  int Pan() const { return PanValue; }
  void SetPan(int pan);  // clamped to -100..100

  // The volume as an attenuation in hundredths of a decibel (-10000 silent, 0 full).
  int VolumeHundredthsDb() const;
  // The balance in hundredths of a decibel: negative attenuates the right, positive the left.
  int PanHundredthsDb() const;

 private:
  int VolumeValue = 100;
  int PanValue = 0;
};

// The game's second music component; its song list is empty in this game.
class TOmegaMusic {
 public:
  std::vector<TSongListItem> Songs;

  // The first song with exactly that name, or none.
  TSongListItem* Find(const std::string& name);
  // Per-frame service: rewinds finished looping songs. Songs have no back end here, so none is
  // ever running and there is nothing to rewind.
  void UpdateSongs();
};
