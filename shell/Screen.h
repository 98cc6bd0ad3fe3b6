#pragma once

// One screen of the game, as the form runs it: entered, run once a frame, and left.
class TScreen {
 public:
  virtual void Enter() = 0;
  virtual void Frame() = 0;
  virtual void Leave() {}

 protected:
  TScreen() = default;
  ~TScreen() = default;
  TScreen(const TScreen&) = default;
  TScreen& operator=(const TScreen&) = default;
};
