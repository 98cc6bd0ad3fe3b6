#pragma once

#include <string>
#include <vector>

class TQuitSignals;

// The game's message boxes. Every text also goes to stderr; headless runs show no box at all
// and keep the texts so that tests can read them.
//
// A box belongs to the game alone: SDL may show it in a child process (X11 does), which ends
// with the game however the game ends, and which a signal to end closes at once, so that the
// game saves and ends from every dialog. Once such a signal has come no further box is shown.
class TMessageBoxes {
 public:
  explicit TMessageBoxes(bool headless, const TQuitSignals* signals = nullptr)
      : Headless(headless), Signals(signals) {}

  // Caption and text are Windows-1251 bytes. With okCancel the box offers OK and Cancel.
  void Show(const std::string& caption, const std::string& text, bool okCancel = false);

  const std::vector<std::string>& Shown() const { return Texts; }

 private:
  bool Headless;
  const TQuitSignals* Signals;
  std::vector<std::string> Texts;
};
