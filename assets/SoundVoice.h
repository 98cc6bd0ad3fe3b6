#pragma once

#include <cstdint>

class TOmegaSound3D;
class TSoundListItem;

// A sound the game steers while it plays, such as a car's engine: it loops (or plays once) on a
// bus of its own, and its level and pitch glide to the values last asked for, so neither change
// clicks. Starting another sound fades the last one out; Silence fades out whatever sounds.
class TSoundVoice {
 public:
  explicit TSoundVoice(TOmegaSound3D& sound);
  ~TSoundVoice();
  TSoundVoice(const TSoundVoice&) = delete;
  TSoundVoice& operator=(const TSoundVoice&) = delete;

  // Loops the sound at this level (1 as recorded), rate (1 at its own pitch) and pan (-1 only on
  // the left, 0 in the middle, 1 only on the right); a voice already looping it glides there.
  // Loads the sound on first use: ESoundError when its file cannot be read.
  void Loop(TSoundListItem& sound, double gain, double rate, double pan = 0);
  // One playing of the sound at this level and pan, in place of whatever the voice played.
  void PlayOnce(TSoundListItem& sound, double gain, double pan = 0);
  void Silence();
  bool Playing() const;
  // The sound the voice loops, while it does.
  const TSoundListItem* Looping() const { return LoopSound; }

 private:
  uint64_t Start(TSoundListItem& sound, int plays, double gain, double rate, double pan);

  TOmegaSound3D& Sound;
  int Bus;
  uint64_t Current = 0;
  const TSoundListItem* LoopSound = nullptr;
};
