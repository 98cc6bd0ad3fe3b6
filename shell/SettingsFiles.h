#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "shell/GameState.h"

// The two files that keep the game between runs. Every line is one value in the game's text
// encoding; a value is known by its line number.
inline constexpr const char* kSettingsFileName = "Config.cfg";     // settings, name, high scores
inline constexpr const char* kProgressFileName = "Configdat.cfg";  // score, unlocks, best times

// Reads the settings file when it exists; returns whether it was read. A "|" in the name or the
// options text is dropped (it would split the score record). A full-screen line sets
// FullScreen and AppliedFullScreen: the caller then brings the display into that state. A file
// that cannot be read leaves everything as it was and says so in one line on stderr. Lines may
// end in CR LF, LF or CR, after a UTF-8 byte-order mark or none.
//
// A damaged file (one the game cannot have written: bytes not of its encoding, a line that is
// not what its place holds, beyond the size limit) is read as far as it can be, named in one line
// on stderr and copied beside itself as "<name>.damaged", before any save can replace it.
bool LoadSettings(TGameState& state, const std::filesystem::path& file);

// Reads the progress file when it exists; returns whether it was read. The counts and the stage
// are brought into the catalogue's range (never below a new game's counts); a negative score
// counts as 0 and a negative target as the stage's own; a best time no race can give (0:00:00
// among them) counts as none; a line that is no number keeps its value (and the file is damaged).
bool LoadProgress(TGameState& state, const std::filesystem::path& file);

// Write the whole file anew; return whether it was written. The old file is replaced only by a
// complete new one, written under a temporary name of its own, so two copies of the game saving
// at once each leave a whole file; a failure leaves the game running and says so, naming the
// file (never its temporary one): in one line on stderr, or, when failure is given, there, for
// a caller that tells the player once however often a save fails.
bool SaveSettings(const TGameState& state, const std::filesystem::path& file, std::string* failure = nullptr);
bool SaveProgress(const TGameState& state, const std::filesystem::path& file, std::string* failure = nullptr);

// The same on the files where the game keeps them (SettingsLocation.h): in the game folder, the
// working directory, or for an installed game in the player's own folder, made when first saved.
bool LoadSettings(TGameState& state);
bool LoadProgress(TGameState& state);
bool SaveSettings(const TGameState& state, std::string* failure = nullptr);
bool SaveProgress(const TGameState& state, std::string* failure = nullptr);

// The game's other files in the same folder go the same ways: the place the next save of a file
// goes (the player's folder is made when it does not exist yet), a whole file written as the
// two files are, and a whole file read (up to 1 MiB; none when it does not exist, or when it
// cannot be read, which is said in one line on stderr).
std::filesystem::path SavePlace(const char* fileName);
bool SaveWholeFile(const std::filesystem::path& file, std::string_view bytes, std::string* failure = nullptr);
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);
// Names a damaged file in one line on stderr (damage says why) and copies it beside itself as
// "<name>.damaged", so that what the game could not read of it outlives the next save.
void KeepDamaged(const std::filesystem::path& file, const std::string& damage);
// The folder where the game saves both files (the working directory is ".").
std::filesystem::path SaveFolder();

// Removes the temporary files of saves (the settings, the progress, the options and the best
// laps) that a killed copy of the game left in the folder. Only a copy that alone saves there
// (SettingsLock.h) may do so: another one's save may be under way.
void RemoveUnfinishedSaves(const std::filesystem::path& folder);

// Why a file's contents are damaged: the first fault found; none for a file as the game writes it.
using TDamage = std::optional<std::string>;

// The same on the files' whole contents, for callers that hold the bytes themselves; they return
// the damage found, and neither name nor keep anything.
TDamage ReadSettings(TGameState& state, std::string_view fileText);
TDamage ReadProgress(TGameState& state, std::string_view fileText);
std::string SettingsFileText(const TGameState& state);
std::string ProgressFileText(const TGameState& state);
