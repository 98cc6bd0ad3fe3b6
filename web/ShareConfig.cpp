#include "web/ShareConfig.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>
#include <tuple>
#include <utility>

namespace {

// The configuration's lines in order; a line asked for past the end is missing.
class TLines {
 public:
  explicit TLines(std::string_view text) : Rest(text) {}

  std::optional<std::string_view> Next() {
    if (Rest.empty()) return std::nullopt;
    const size_t end = Rest.find('\n');
    std::string_view line = Rest.substr(0, end);
    Rest = end == std::string_view::npos ? std::string_view() : Rest.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const auto first = std::ranges::find_if(line, [](unsigned char c) { return c > ' '; });
    return line.substr(size_t(first - line.begin()));
  }

 private:
  std::string_view Rest;
};

template <size_t Count>
std::optional<std::array<int, Count>> Numbers(TLines& lines) {
  std::optional<std::string_view> line = lines.Next();
  if (!line) return std::nullopt;
  std::array<int, Count> numbers{};
  const char* at = line->data();
  const char* const end = at + line->size();
  for (size_t i = 0; i < Count; ++i) {
    if (i > 0 && (at == end || *at++ != ' ')) return std::nullopt;
    const char* const start = at;
    while (at != end && *at != ' ') ++at;
    const auto [stop, error] = std::from_chars(start, at, numbers[i]);
    if (start == at || error != std::errc() || stop != at) return std::nullopt;
  }
  return numbers;
}

std::optional<int> Number(TLines& lines) {
  const auto numbers = Numbers<1>(lines);
  return numbers ? std::optional<int>((*numbers)[0]) : std::nullopt;
}

// A line naming a file that must be there.
std::optional<std::string> FileLine(TLines& lines, const TFileExists& exists) {
  std::optional<std::string_view> line = lines.Next();
  if (!line || line->empty() || !exists(std::string(*line))) return std::nullopt;
  return std::string(*line);
}

bool ReadRectangle(TLines& lines, int& x, int& y, int& width, int& height) {
  const auto numbers = Numbers<4>(lines);
  if (!numbers) return false;
  std::tie(x, y, width, height) = std::tuple((*numbers)[0], (*numbers)[1], (*numbers)[2], (*numbers)[3]);
  return true;
}

bool ReadFiles(TLines& lines, const TFileExists& exists, std::initializer_list<std::string*> targets) {
  for (std::string* target : targets) {
    std::optional<std::string> name = FileLine(lines, exists);
    if (!name) return false;
    *target = std::move(*name);
  }
  return true;
}

// A link button's disabled look is its normal picture at its normal place.
std::optional<TButton> ReadLinkButton(TLines& lines, const TFileExists& exists) {
  TButton b;
  if (!ReadRectangle(lines, b.HoverX, b.HoverY, b.HoverWidth, b.HoverHeight) ||
      !ReadRectangle(lines, b.X, b.Y, b.Width, b.Height) ||
      !ReadFiles(lines, exists, {&b.ImageFile, &b.HoverImageFile, &b.Link}))
    return std::nullopt;
  b.DisabledImageFile = b.ImageFile;
  std::tie(b.DisabledX, b.DisabledY, b.DisabledWidth, b.DisabledHeight) =
      std::tuple(b.X, b.Y, b.Width, b.Height);
  return b;
}

std::optional<TButton> ReadExitButton(TLines& lines, const TFileExists& exists) {
  TButton b;
  b.Link = "exit";
  b.Enabled = false;
  if (!ReadRectangle(lines, b.HoverX, b.HoverY, b.HoverWidth, b.HoverHeight) ||
      !ReadRectangle(lines, b.X, b.Y, b.Width, b.Height) ||
      !ReadRectangle(lines, b.DisabledX, b.DisabledY, b.DisabledWidth, b.DisabledHeight) ||
      !ReadFiles(lines, exists, {&b.ImageFile, &b.HoverImageFile, &b.DisabledImageFile}))
    return std::nullopt;
  return b;
}

bool ReadButtons(TLines& lines, const TFileExists& exists, int count, TShareConfig& config) {
  for (int index = 0; index < count; ++index) {
    std::optional<TButton> button =
        index + 1 < count ? ReadLinkButton(lines, exists) : ReadExitButton(lines, exists);
    if (!button) return false;
    config.Buttons.push_back(std::move(*button));
  }
  return true;
}

bool ReadCounter(TLines& lines, TShareConfig& config) {
  const auto place = Numbers<2>(lines);
  const std::optional<int> length = Number(lines);
  const auto colour = Numbers<3>(lines);
  if (!place || !length || !colour) return false;
  std::tie(config.CounterX, config.CounterY) = std::tuple((*place)[0], (*place)[1]);
  config.Countdown = (std::clamp(*length, 1, kMaxCountdownLength) - 1) * 100;
  std::tie(config.Color1, config.Color2, config.Color3) =
      std::tuple((*colour)[0], (*colour)[1], (*colour)[2]);
  const std::optional<std::string_view> fixedSize = lines.Next();
  if (!fixedSize) return false;
  config.FixedFontSize = *fixedSize == "TRUE";
  if (!config.FixedFontSize) return true;
  const std::optional<int> size = Number(lines);
  config.FontSize = size.value_or(0);
  return size.has_value();
}

}  // namespace

std::optional<TShareConfig> ReadShareConfig(std::string_view text, const TFileExists& exists) {
  TLines lines(text);
  TShareConfig config;
  const std::optional<int> count = Number(lines);
  if (!count) return std::nullopt;
  std::optional<std::string> background = FileLine(lines, exists);
  if (!background) return std::nullopt;
  config.BackgroundFile = std::move(*background);
  if (!ReadButtons(lines, exists, *count, config) || !ReadCounter(lines, config)) return std::nullopt;
  return config;
}
