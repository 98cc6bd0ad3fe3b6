#include "shell/GameOptions.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <utility>

#include "shell/SettingsFiles.h"
#include "shell/SettingsLines.h"
#include "shell/SettingsLocation.h"

namespace {

constexpr std::string_view kSection = "Race";
constexpr std::string_view kDifficultyKey = "Difficulty";

// The keys of the [Race] section and the option each one holds.
constexpr std::array<std::pair<std::string_view, bool TGameOptions::*>, 3> kKeys{{
    {"GhostShown", &TGameOptions::GhostShown},
    {"TrackMapShown", &TGameOptions::TrackMapShown},
    {"TyreMarksShown", &TGameOptions::TyreMarksShown},
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

// A level's name, or Normal for anything else; false then, the line being damaged.
bool ReadDifficulty(TGameOptions& options, std::string_view value) {
  const std::optional<TDifficulty> level = DifficultyFromName(value);
  options.Difficulty = level.value_or(TDifficulty::Normal);
  return level.has_value();
}

// Reads one key line of the [Race] section; false when the line is no key line, or a known key
// has a value that is no flag or no level.
bool ReadLine(TGameOptions& options, std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  const std::string key = Lower(Trimmed(line.substr(0, equals)));
  const std::string_view text = Trimmed(line.substr(equals + 1));
  if (key == Lower(kDifficultyKey)) return ReadDifficulty(options, text);
  const std::optional<bool> value = FlagValue(text);
  for (const auto& [name, member] : kKeys) {
    if (Lower(name) != key) continue;
    if (!value) return false;
    options.*member = *value;
  }
  return true;
}

}  // namespace

std::string GameOptionsText(const TGameOptions& options) {
  std::string text = "[" + std::string(kSection) + "]\n";
  for (const auto& [name, member] : kKeys)
    text += std::string(name) + "=" + (options.*member ? "1" : "0") + "\n";
  text += std::string(kDifficultyKey) + "=" + std::string(DifficultyName(options.Difficulty)) + "\n";
  return text;
}

TDamage ReadGameOptions(TGameOptions& options, std::string_view text) {
  TDamage damage;
  bool inSection = false;
  TLineReader lines(text, false);
  for (int number = 1; !lines.AtEnd(); ++number) {
    const std::string_view line = Trimmed(lines.Next().value_or(""));
    bool understood = true;
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      understood = line.back() == ']';
      inSection = Lower(line) == "[" + Lower(kSection) + "]";
    } else {
      understood = inSection ? ReadLine(options, line) : line.find('=') != std::string_view::npos;
    }
    if (!understood && !damage) damage = "line " + std::to_string(number) + " is no setting";
  }
  return damage;
}

bool LoadGameOptions(TGameOptions& options, const std::filesystem::path& file) {
  const std::optional<std::string> text = ReadWholeFile(file);
  if (!text) return false;
  if (const TDamage damage = ReadGameOptions(options, *text)) KeepDamaged(file, *damage);
  return true;
}

bool SaveGameOptions(const TGameOptions& options, const std::filesystem::path& file, std::string* failure) {
  return SaveWholeFile(file, GameOptionsText(options), failure);
}

bool LoadGameOptions(TGameOptions& options) {
  return LoadGameOptions(options, SettingsPaths(kOptionsFileName).Read);
}

bool SaveGameOptions(const TGameOptions& options, std::string* failure) {
  return SaveGameOptions(options, SavePlace(kOptionsFileName), failure);
}
