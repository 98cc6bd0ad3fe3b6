#pragma once

#include <cstdint>
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

// A stretch of a script. Its frames count from the frame it began (the first from frame 0); with
// a wait, it ends once its events are out, its wait's frame has come and the game shows that
// screen, and the next stretch begins on that frame.
struct TScriptPart {
  struct TWait {
    int Frame = 0;
    int Screen = 0;
  };
  std::vector<TScriptEvent> Events;  // in frame order
  std::optional<TWait> Wait;
};

// Reads "FRAME down VK", "FRAME up VK", "FRAME text TEXT" (UTF-8), "FRAME move X Y",
// "FRAME click X Y" (a move, then the left button pressed one frame later and released the
// frame after) and "FRAME wait SCREEN" (the game's screen number). Lines between "repeat N" and
// "end" count N times. Blank lines and lines starting with '#' are skipped. On a bad line
// returns nothing and names the line in error.
std::optional<std::vector<TScriptPart>> ParseInputScript(std::istream& in, std::string& error);

// Hands out the events of each frame in turn.
class TInputScript {
 public:
  TInputScript() = default;
  explicit TInputScript(std::vector<TScriptPart> parts) : Parts(std::move(parts)) {}

  // The events due up to and including frame, each only once; screen is the one the game shows.
  std::vector<TInputEvent> Take(int frame, int screen);

  // Whether the script stands at a wait whose screen has not come.
  bool Waiting() const;
  // What the script still had to give when the run ended; empty when it gave everything.
  std::string Unfinished() const;

 private:
  std::vector<TScriptPart> Parts;
  size_t Part = 0;  // the stretch being played
  size_t Next = 0;  // its next event
  int Start = 0;    // the frame it began
};
