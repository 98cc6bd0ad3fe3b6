#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "race/Difficulty.h"

// The options the game has beyond those of "Config.cfg", kept in a plain INI file of their own
// beside it, so that file keeps its layout:
//   [Race]
//   GhostShown=1
//   TrackMapShown=1
//   TyreMarksShown=1
//   Difficulty=Normal
struct TGameOptions {
  bool GhostShown = true;                        // the ghost of the best lap drives in full races
  bool TrackMapShown = true;                     // the small map of the track in the race
  bool TyreMarksShown = true;                    // cars that slide or brake hard mark the road
  TDifficulty Difficulty = TDifficulty::Normal;  // how hard the opponents drive

  bool operator==(const TGameOptions&) const = default;
};

inline constexpr const char* kOptionsFileName = "Options.ini";

std::string GameOptionsText(const TGameOptions& options);
// Takes every known key of the [Race] section whose value is 0 or 1 (also "true"/"false",
// "yes"/"no", "on"/"off"); anything else keeps what the options held. Difficulty takes a level's
// name in any letter case; any other value races at Normal. Lines end as in the settings files,
// after a byte-order mark or none. Returns why the text is damaged: a line that is no section,
// comment or setting, or a known key with a value that is no flag or no level.
std::optional<std::string> ReadGameOptions(TGameOptions& options, std::string_view text);

// On the file where the game keeps it (beside "Config.cfg"): a missing file leaves the options
// as they are; an unreadable or unwritable one is said in one line on stderr, and a damaged one
// is named there and kept as the settings files are (SettingsFiles.h).
// A failed save says why as the settings files' saves do.
bool LoadGameOptions(TGameOptions& options);
bool SaveGameOptions(const TGameOptions& options, std::string* failure = nullptr);
bool LoadGameOptions(TGameOptions& options, const std::filesystem::path& file);
bool SaveGameOptions(const TGameOptions& options, const std::filesystem::path& file,
                     std::string* failure = nullptr);
