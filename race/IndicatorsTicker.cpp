#include "race/IndicatorsTicker.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "engine/OmegaFont.h"

namespace {

constexpr size_t kVisibleLength = 100;
// Spaces between the end of the greeting and its next start: far fewer than the visible part
// holds, so the strip never runs empty.
constexpr size_t kLoopGap = 24;

}  // namespace

std::string TickerLoop(const std::string& greeting) {
  return std::string(kLoopGap, ' ') + greeting;
}

std::string TickerText(const TTickerFacts& facts) {
  std::string text =
      "Hello, " + facts.PlayerName + "!         Your score is  " + std::to_string(facts.TotalScore);
  if (facts.UnlockStage <= 8) {
    text += "           Target score is:  " + std::to_string(facts.TargetScore);
  } else {
    text += std::string("           Game COMPLETE!!!    ");
  }
  text += "           Cars avaible: " + std::to_string(facts.CarsAvailable);
  text += "           Tracks avaible: " + std::to_string(facts.TracksAvailable);
  return TickerLoop(text);
}

TRunningString::TRunningString(TOmegaSprite& engine, const TTickerFacts& facts, TCharWidth charWidth)
    : TSprite(engine), CharWidth(std::move(charWidth)) {
  SetText(TickerText(facts));
}

TRunningString::TRunningString(TOmegaSprite& engine, const TTickerFacts& facts, const TOmegaFont& font)
    : TRunningString(engine, facts, [&font](char c) { return font.TextWidth(std::string_view(&c, 1)); }) {}

void TRunningString::SetText(const std::string& text) {
  FullText = text;
  Visible100 = FullText.substr(0, kVisibleLength);
}

int TRunningString::StepFrames(char moved) const {
  const int wide = CharWidth('W');
  // Without a measurable "W" every character counts as wide as it.
  if (wide <= 0) return 9;
  // A character narrower than an eighteenth of "W" would round to 0 frames and stop the
  // ticker; it still takes one frame.
  return std::max(1, int(std::nearbyint(9.0 * CharWidth(moved) / wide)));
}

void TRunningString::DoMove(float /*moveCount*/) {
  if (!FullText.empty() && Counter % StepFrames(LastMoved) == 0) {
    const char first = FullText.front();
    FullText.erase(0, 1);
    FullText.push_back(first);
    Visible100 = FullText.substr(0, kVisibleLength);
    LastMoved = first;
    Counter = 0;
  }
  ++Counter;
}
