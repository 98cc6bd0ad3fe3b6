#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "platform/InputEvent.h"

// Timed input for automated runs: each event is delivered before the frame of its number runs.
struct TScriptEvent {
  int Frame = 0;
  TInputEvent Event;
};

// Reads "FRAME down VK", "FRAME up VK", "FRAME text TEXT" (UTF-8), "FRAME move X Y" and
// "FRAME click X Y" (a move, then the left button pressed one frame later and released the
// frame after). Blank lines and lines starting with '#' are skipped. The events come back in
// frame order. On a bad line returns nothing and names the line in error.
std::optional<std::vector<TScriptEvent>> ParseInputScript(std::istream& in, std::string& error);

// Hands out the events of each frame in turn.
class TInputScript {
 public:
  TInputScript() = default;
  explicit TInputScript(std::vector<TScriptEvent> events) : Events(std::move(events)) {}

  // The events due up to and including frame, each only once.
  std::vector<TInputEvent> Take(int frame);

 private:
  std::vector<TScriptEvent> Events;
  size_t Next = 0;
};
