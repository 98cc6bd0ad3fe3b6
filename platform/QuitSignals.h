#pragma once

#include <signal.h>
#include <array>

// Ctrl+C (SIGINT), kill (SIGTERM) and the end of the session (SIGHUP) while the object lives.
// The handler only raises a flag that the main loop (and a message box waiting for the player)
// reads; nothing else is safe in a signal handler. SDL is told to install no handlers of its own,
// so its quit event is the window's close box alone. A signal the game was started with ignored
// (nohup, a background job) stays ignored. Further signals while the game gets round to saving
// change nothing; only a game that has not ended kGraceSeconds after the first signal is ended by
// the next one as the system would. Make one first thing in main, and only one at a time.
class TQuitSignals {
 public:
  TQuitSignals();
  ~TQuitSignals();
  TQuitSignals(const TQuitSignals&) = delete;
  TQuitSignals& operator=(const TQuitSignals&) = delete;

  // Whether one of the signals has come since the object was made.
  bool Received() const;

  // Holds the signals back (blocked) until an object takes them over: one that comes before is
  // taken then. For the very start of the program, before the handlers can be installed; a held
  // signal stays held through exec, so a program that starts the game may hold them for it.
  static void HoldUntilTakenOver() {
    const sigset_t held = SignalSet();
    sigprocmask(SIG_BLOCK, &held, nullptr);
  }

  static sigset_t SignalSet() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kSignals) sigaddset(&set, signal);
    return set;
  }

  static constexpr std::array<int, 3> kSignals{SIGINT, SIGTERM, SIGHUP};
  static constexpr int kGraceSeconds = 5;

 private:
  std::array<struct sigaction, kSignals.size()> Previous{};
  std::array<bool, kSignals.size()> Installed{};
};
