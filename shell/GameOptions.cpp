#include "shell/GameOptions.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <utility>

#include "shell/SettingsFiles.h"
#include "shell/SettingsLocation.h"

namespace {

constexpr std::string_view kSection = "Race";

// The keys of the [Race] section and the option each one holds.
constexpr std::array<std::pair<std::string_view, bool TGameOptions::*>, 2> kKeys{{
    {"GhostShown", &TGameOptions::GhostShown},
    {"TrackMapShown", &TGameOptions::TrackMapShown},
}};

std::string_view Trimmed(std::string_view text) {
  const auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && space(text.front())) text.remove_prefix(1);
  while (!text.empty() && space(text.back())) text.remove_suffix(1);
  return text;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return lower;
}

std::optional<bool> FlagValue(std::string_view value) {
  const std::string word = Lower(value);
  if (word == "1" || word == "true" || word == "yes" || word == "on") return true;
  if (word == "0" || word == "false" || word == "no" || word == "off") return false;
  return std::nullopt;
}

void ReadLine(TGameOptions& options, std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return;
  const std::string key = Lower(Trimmed(line.substr(0, equals)));
  const std::optional<bool> value = FlagValue(Trimmed(line.substr(equals + 1)));
  if (!value) return;
  for (const auto& [name, member] : kKeys)
    if (Lower(name) == key) options.*member = *value;
}

}  // namespace

std::string GameOptionsText(const TGameOptions& options) {
  std::string text = "[" + std::string(kSection) + "]\n";
  for (const auto& [name, member] : kKeys)
    text += std::string(name) + "=" + (options.*member ? "1" : "0") + "\n";
  return text;
}

void ReadGameOptions(TGameOptions& options, std::string_view text) {
  bool inSection = false;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      inSection = Lower(line) == "[" + Lower(kSection) + "]";
    } else if (inSection) {
      ReadLine(options, line);
    }
  }
}

bool LoadGameOptions(TGameOptions& options, const std::filesystem::path& file) {
  const std::optional<std::string> text = ReadWholeFile(file);
  if (!text) return false;
  ReadGameOptions(options, *text);
  return true;
}

bool SaveGameOptions(const TGameOptions& options, const std::filesystem::path& file) {
  return SaveWholeFile(file, GameOptionsText(options));
}

bool LoadGameOptions(TGameOptions& options) {
  return LoadGameOptions(options, SettingsPaths(kOptionsFileName).Read);
}

bool SaveGameOptions(const TGameOptions& options) {
  return SaveGameOptions(options, SavePlace(kOptionsFileName));
}
