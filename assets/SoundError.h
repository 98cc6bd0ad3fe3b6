#pragma once

#include <stdexcept>
#include <string>

// A sound effect or module that cannot be loaded or played, with the text the game shows.
class ESoundError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

namespace SoundMessage {
inline constexpr const char* LoadingSound = "Error loading sound: ";  // followed by the file name
}  // namespace SoundMessage
