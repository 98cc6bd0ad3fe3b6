#pragma once

#include <array>
#include <csignal>

// Ctrl+C (SIGINT), kill (SIGTERM) and the end of the session (SIGHUP) while the object lives.
// The handler only raises a flag that the main loop reads once a pass; nothing else is safe in
// a signal handler. SDL is told to install no handlers of its own, so its quit event is the
// window's close box alone. A second signal of a kind ends the program as the system would,
// should the game not get round to ending. Make one before SDL starts, and only one at a time.
class TQuitSignals {
 public:
  TQuitSignals();
  ~TQuitSignals();
  TQuitSignals(const TQuitSignals&) = delete;
  TQuitSignals& operator=(const TQuitSignals&) = delete;

  // Whether one of the signals has come since the object was made.
  bool Received() const;

  static constexpr std::array<int, 3> kSignals{SIGINT, SIGTERM, SIGHUP};

 private:
  std::array<struct sigaction, kSignals.size()> Previous{};
};
