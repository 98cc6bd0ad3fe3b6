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

// The error of a sound file that cannot be loaded: the game's text naming the file, after a line
// on stderr that says why.
ESoundError SoundFileError(const std::string& path, const std::string& reason);
