#include "assets/OmegaMusic.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSilent = -10000;

// Rounding half away from zero, as the game rounds decibels.
int RoundHalfAway(double value) {
  return int(std::round(value));
}

int Decibels(double ratio) {
  return RoundHalfAway(1000.0 * std::log10(ratio));
}

}  // namespace

void TSongListItem::SetVolume(int volume) {
  VolumeValue = std::clamp(volume, 0, 100);
}

void TSongListItem::SetPan(int pan) {
  PanValue = std::clamp(pan, -100, 100);
}

int TSongListItem::VolumeHundredthsDb() const {
  return VolumeValue <= 0 ? kSilent : Decibels(VolumeValue / 100.0);
}

int TSongListItem::PanHundredthsDb() const {
  if (PanValue == 0) return 0;
  if (PanValue < -99) return kSilent;
  if (PanValue < 0) return Decibels((100.0 + PanValue) / 100.0);
  if (PanValue >= 100) return -kSilent;
  return -Decibels((100.0 - PanValue) / 100.0);
}

TSongListItem* TOmegaMusic::Find(const std::string& name) {
  for (TSongListItem& song : Songs)
    if (song.Name == name) return &song;
  return nullptr;
}

void TOmegaMusic::UpdateSongs() {}
