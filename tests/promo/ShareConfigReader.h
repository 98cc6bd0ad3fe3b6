#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

// The closing screen's configuration read the way the game reads it: line by line, leading blanks removed,
// number lines of single-blank-separated integers, text lines taken as they stand.

struct TShareButtonLines {
  int HoverX = 0, HoverY = 0, HoverWidth = 0, HoverHeight = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  int DisabledX = 0, DisabledY = 0, DisabledWidth = 0, DisabledHeight = 0;
  std::string ImageFile, HoverImageFile, DisabledImageFile;
  std::string Link;  // "exit" for the exit button
};

struct TShareConfigLines {
  std::string BackgroundFile;
  std::vector<TShareButtonLines> Buttons;  // the exit button last
  int CounterX = 0, CounterY = 0;
  int Countdown = 0;  // C of the file
  int Color1 = 0, Color2 = 0, Color3 = 0;
  bool FixedFontSize = false;
  int FontSize = 0;
  bool TrailingLines = false;  // anything after the last line the game reads
};

// Nothing when a line is missing or faulty; error tells which.
std::optional<TShareConfigLines> ReadShareConfig(std::istream& in, std::string& error);
