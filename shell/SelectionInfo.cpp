#include "shell/SelectionInfo.h"

int NextEntry(int index, int last) {
  return index < last ? index + 1 : 0;
}

int PreviousEntry(int index, int last) {
  return index > 0 ? index - 1 : last;
}

std::string TrackTitle(const TTrack& track, int index) {
  return track.Available ? std::string(track.Name) : "Track " + std::to_string(index + 1);
}

std::string BestTimeText(const TRaceTime& best) {
  return best.Minutes >= kNoBestTimeMinutes ? "--:--:--" : RaceTimeText(best);
}

std::array<TTrackInfoRow, 4> TrackInfoRows(const TTrack& track) {
  const bool shown = track.Available;
  return {{
      {385, "Best time: ", shown ? BestTimeText(track.BestTime) : "--:--:--"},
      {425, "Length:", shown ? std::string(track.Length) : "-"},
      {463, "Laps:", shown ? std::to_string(track.Laps) : "-"},
      {501, "Opponents:", shown ? std::to_string(track.Rivals) : "-"},
  }};
}

void AddDifficulty(TTrackInfoRow& opponents, TDifficulty level) {
  if (opponents.Value != "-") opponents.Value += " (" + std::string(DifficultyName(level)) + ")";
}

std::string CarTitle(const TCarType& car) {
  return car.Available ? std::string(car.Name) : "Not avaible";
}

std::array<float, 4> CarBarScales(const TCarType& car) {
  return {float(car.TopSpeed / 12), float(car.Acceleration * 10), float(car.Steering / 2), float(car.Grip)};
}
