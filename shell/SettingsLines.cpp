#include "shell/SettingsLines.h"

#include <charconv>

#include "web/TextEncoding.h"

std::string FlagLine(bool value) {
  return EncodeText(value ? "true" : "false");
}

std::string TextLine(std::string_view text) {
  std::string filled(text);
  filled.append((5 - filled.size() % 5) % 5, '%');
  return EncodeText(filled);
}

std::string NumberLine(int value) {
  return TextLine(std::to_string(value));
}

std::string TextOfLine(std::string_view line) {
  std::string text = DecodeText(line);
  text.erase(text.find_last_not_of('%') + 1);  // npos + 1 is 0: a text of "%" only empties
  return text;
}

std::optional<int> NumberOfLine(std::string_view line) {
  const std::string text = TextOfLine(line);
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  if (text.starts_with(kMark)) text.remove_prefix(kMark.size());
  return text;
}

std::optional<std::string_view> TLineReader::Next() {
  const size_t end = Rest.find_first_of("\r\n");
  if (end == std::string_view::npos) {
    if (CutShort) return std::nullopt;
    const std::string_view last = Rest;
    Rest = {};
    return last;
  }
  const std::string_view line = Rest.substr(0, end);
  const bool crLf = Rest[end] == '\r' && end + 1 < Rest.size() && Rest[end + 1] == '\n';
  Rest.remove_prefix(end + (crLf ? 2 : 1));
  return line;
}
