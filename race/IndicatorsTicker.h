#pragma once

#include <functional>
#include <string>

#include "engine/OmegaSprite.h"

class TOmegaFont;

// What the menu's greeting line tells the player.
struct TTickerFacts {
  std::string PlayerName;
  int TotalScore = 0;
  int TargetScore = 0;
  int CarsAvailable = 0;
  int TracksAvailable = 0;
  int UnlockStage = 0;  // beyond 8: everything is unlocked and the game is complete
};

// A greeting as the ticker runs it round and round: a short gap, then the greeting.
std::string TickerLoop(const std::string& greeting);
// The text a new ticker starts with.
std::string TickerText(const TTickerFacts& facts);

// The menu's scrolling greeting: no picture; the menus draw its visible part. Each step moves
// the first character to the end; a wide character waits longer before the next step.
class TRunningString : public TSprite {
 public:
  // Character widths in the ticker's font, in pixels.
  using TCharWidth = std::function<int(char)>;

  TRunningString(TOmegaSprite& engine, const TTickerFacts& facts, TCharWidth charWidth);
  // Measures with the font the menus draw the ticker with.
  TRunningString(TOmegaSprite& engine, const TTickerFacts& facts, const TOmegaFont& font);
  void DoMove(float moveCount) override;

  // A new text, shown from its start.
  void SetText(const std::string& text);
  const std::string& Text() const { return FullText; }
  // The first 100 characters: what the menus show.
  const std::string& VisibleText() const { return Visible100; }

  // Frames between two steps after `moved` went by: 9 for a character as wide as "W", never
  // less than 1.
  int StepFrames(char moved) const;

 private:
  TCharWidth CharWidth;
  std::string FullText;
  std::string Visible100;
  int Counter = 0;
  char LastMoved = ' ';
};
