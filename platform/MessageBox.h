#pragma once

#include <string>
#include <vector>

// The game's message boxes. Every text also goes to stderr; headless runs show no box at all
// and keep the texts so that tests can read them.
class TMessageBoxes {
 public:
  explicit TMessageBoxes(bool headless) : Headless(headless) {}

  // Caption and text are Windows-1251 bytes. With okCancel the box offers OK and Cancel.
  void Show(const std::string& caption, const std::string& text, bool okCancel = false);

  const std::vector<std::string>& Shown() const { return Texts; }

 private:
  bool Headless;
  std::vector<std::string> Texts;
};
