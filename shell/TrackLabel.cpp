#include "shell/TrackLabel.h"

#include "race/TrackThemes.h"

std::string TrackLabel(const TTrack& track) {
  const std::string_view place = TrackPlaceName(track.DataFile);
  std::string label(track.Name);
  if (!place.empty()) label.append(" - ").append(place);
  return label;
}
