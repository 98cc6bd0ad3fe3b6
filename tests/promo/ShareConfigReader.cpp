#include "ShareConfigReader.h"

#include <cctype>
#include <stdexcept>

namespace {

class TLineReader {
 public:
  explicit TLineReader(std::istream& in) : In(in) {}

  std::string Text() {
    std::string line;
    if (!std::getline(In, line)) Fail("missing text line");
    ++Number;
    line.erase(0, line.find_first_not_of(' '));
    if (line.empty()) Fail("empty text line");
    return line;
  }

  // count integers, each after exactly one blank; anything after the last one is ignored.
  std::vector<int> Numbers(int count) {
    std::string line;
    if (!std::getline(In, line)) Fail("missing number line");
    ++Number;
    line.erase(0, line.find_first_not_of(' '));
    std::vector<int> numbers;
    size_t at = 0;
    for (int i = 0; i < count; ++i) {
      if (i > 0 && (at >= line.size() || line[at++] != ' ')) Fail("numbers not separated by one blank");
      const size_t start = at;
      if (at < line.size() && line[at] == '-') ++at;
      while (at < line.size() && std::isdigit(static_cast<unsigned char>(line[at]))) ++at;
      if (at == start || line[at - 1] == '-') Fail("not enough numbers");
      numbers.push_back(std::stoi(line.substr(start, at - start)));
    }
    return numbers;
  }

  int Single() { return Numbers(1)[0]; }
  bool AtEnd() {
    std::string rest;
    return !std::getline(In, rest);
  }

 private:
  [[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error("line " + std::to_string(Number + 1) + ": " + what);
  }

  std::istream& In;
  int Number = 0;
};

void ReadRectangle(TLineReader& lines, int& x, int& y, int& width, int& height) {
  const std::vector<int> numbers = lines.Numbers(4);
  x = numbers[0];
  y = numbers[1];
  width = numbers[2];
  height = numbers[3];
}

TShareButtonLines ReadButton(TLineReader& lines, bool exitButton) {
  TShareButtonLines button;
  ReadRectangle(lines, button.HoverX, button.HoverY, button.HoverWidth, button.HoverHeight);
  ReadRectangle(lines, button.X, button.Y, button.Width, button.Height);
  if (!exitButton) {
    // A link button's disabled look is its normal picture at its normal place.
    button.ImageFile = lines.Text();
    button.HoverImageFile = lines.Text();
    button.Link = lines.Text();
    button.DisabledImageFile = button.ImageFile;
    button.DisabledX = button.X;
    button.DisabledY = button.Y;
    button.DisabledWidth = button.Width;
    button.DisabledHeight = button.Height;
    return button;
  }
  ReadRectangle(lines, button.DisabledX, button.DisabledY, button.DisabledWidth, button.DisabledHeight);
  button.ImageFile = lines.Text();
  button.HoverImageFile = lines.Text();
  button.DisabledImageFile = lines.Text();
  button.Link = "exit";
  return button;
}

}  // namespace

std::optional<TShareConfigLines> ReadShareConfig(std::istream& in, std::string& error) {
  try {
    TLineReader lines(in);
    TShareConfigLines config;
    const int count = lines.Single();
    config.BackgroundFile = lines.Text();
    for (int i = 0; i < count; ++i) config.Buttons.push_back(ReadButton(lines, i == count - 1));
    const std::vector<int> counter = lines.Numbers(2);
    config.CounterX = counter[0];
    config.CounterY = counter[1];
    config.Countdown = lines.Single();
    const std::vector<int> colour = lines.Numbers(3);
    config.Color1 = colour[0];
    config.Color2 = colour[1];
    config.Color3 = colour[2];
    config.FixedFontSize = lines.Text() == "TRUE";
    if (config.FixedFontSize) config.FontSize = lines.Single();
    config.TrailingLines = !lines.AtEnd();
    return config;
  } catch (const std::exception& failure) {
    error = failure.what();
    return std::nullopt;
  }
}
