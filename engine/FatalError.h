#pragma once

#include <stdexcept>

// Ends the game after its message boxes were shown; the program entry exits with code 1.
class TFatalError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
