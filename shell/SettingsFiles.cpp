#include "shell/SettingsFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "race/GameProcedures.h"
#include "shell/GameOptions.h"
#include "shell/GhostStore.h"
#include "shell/SettingsLines.h"
#include "shell/SettingsLocation.h"
#include "web/ScoreRecord.h"
#include "web/TextEncoding.h"

namespace fs = std::filesystem;

namespace {

// Far beyond anything the game writes; a larger file is read up to here.
constexpr size_t kMaxFileBytes = size_t(1) << 20;

std::string Complaint(const char* what, const fs::path& file, const std::string& reason) {
  return std::string(what) + " \"" + file.string() + "\": " + reason;
}

void Complain(const char* what, const fs::path& file, const std::string& reason) {
  std::fprintf(stderr, "Morvel Racing: %s\n", Complaint(what, file, reason).c_str());
}

// The file's contents up to the size limit, and whether it went on beyond; none when it exists
// but cannot be read (after saying so).
struct TFileText {
  std::string Text;
  bool CutShort = false;
};

std::optional<TFileText> ReadFileText(const fs::path& file) {
  std::error_code error;
  if (!fs::is_regular_file(file, error)) {
    Complain("cannot read", file, error ? error.message() : "not a file");
    return std::nullopt;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in.is_open()) {
    Complain("cannot read", file, std::strerror(errno));
    return std::nullopt;
  }
  TFileText result;
  result.Text.resize(kMaxFileBytes + 1);
  in.read(result.Text.data(), std::streamsize(result.Text.size()));
  if (in.bad()) {
    Complain("cannot read", file, std::strerror(errno));
    return std::nullopt;
  }
  result.Text.resize(size_t(in.gcount()));
  result.CutShort = result.Text.size() > kMaxFileBytes;
  if (result.CutShort) result.Text.resize(kMaxFileBytes);
  return result;
}

// The first sign that a settings file is not as the game writes it: a byte no line of the game's
// encoding holds, or a file beyond the size limit.
TDamage DamageOfText(std::string_view text, bool cutShort) {
  if (cutShort) return "it is larger than " + std::to_string(kMaxFileBytes) + " bytes";
  for (char c : WithoutByteOrderMark(text))
    if (c != '\r' && c != '\n' && kBase32Alphabet.find(c) == std::string_view::npos)
      return std::string("it holds bytes that are not the game's");
  return std::nullopt;
}

template <typename TRead>
bool LoadFile(const fs::path& file, TRead read) {
  std::error_code error;
  const bool present = fs::exists(file, error);
  if (error) Complain("cannot read", file, error.message());
  if (!present) return false;
  const std::optional<TFileText> content = ReadFileText(file);
  if (!content) return false;
  TLineReader lines(content->Text, content->CutShort);
  const TDamage lineDamage = read(lines);
  const TDamage damage = lineDamage ? lineDamage : DamageOfText(content->Text, content->CutShort);
  if (damage) KeepDamaged(file, *damage);
  return true;
}

bool WriteAll(int handle, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(handle, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    text.remove_prefix(size_t(written));
  }
  return true;
}

// A damaged file is kept beside itself under this mark.
constexpr const char* kDamagedMark = ".damaged";

// Names a save's temporary file: the file's own name, the mark, and a part no other save uses.
constexpr const char* kTemporaryMark = ".tmp";

// Makes the temporary file of a save beside the file, created here and nowhere else (two copies
// of the game saving at once never share one); -1 with errno when none can be made.
int CreateTemporary(const fs::path& file, fs::path& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = file;
    temporary +=
        kTemporaryMark + ("-" + std::to_string(::getpid()) + "-" + std::to_string(random() % 1000000));
    const int handle = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (handle >= 0 || errno != EEXIST) return handle;
  }
  return -1;
}

// Whether a folder entry is a temporary file that a save of the file left behind.
bool IsTemporaryOf(const fs::path& entry, const std::string& fileName) {
  const std::string name = entry.filename().string(), prefix = fileName + kTemporaryMark;
  return name.starts_with(prefix) && (name.size() == prefix.size() || name[prefix.size()] == '-');
}

std::string LineDamage(int number, const char* what) {
  return "line " + std::to_string(number) + " " + what;
}

TDamage ReadSettingsLines(TGameState& state, TLineReader& lines) {
  TDamage damage;
  // The yes/no lines are compared with "false" as decoded, without removing any filling. The
  // game writes "true" or "false"; an empty line is a short file's.
  int number = 0;
  auto flag = [&lines, &damage, &number]() -> std::optional<std::string> {
    ++number;
    const std::optional<std::string_view> line = lines.Next();
    if (!line) return std::nullopt;
    std::string word = DecodeText(*line);
    const bool written = word == DecodeText(FlagLine(true)) || word == DecodeText(FlagLine(false));
    if (!damage && !word.empty() && !written) damage = LineDamage(number, "is neither yes nor no");
    return word;
  };
  if (auto word = flag(); word && *word != "false") state.FullScreen = state.AppliedFullScreen = true;
  if (auto word = flag(); word && *word == "false") state.MusicOn = false;
  if (auto word = flag(); word && *word == "false") state.SoundOn = false;
  // The name and the text go into the score record, whose fields a "|" would split.
  if (auto line = lines.Next()) state.AddText = WithoutRecordSeparators(TextOfLine(*line));
  if (auto line = lines.Next()) state.PlayerName = WithoutRecordSeparators(TextOfLine(*line));
  for (THighScoreEntry& row : state.HighScores) {
    for (std::string* field : {&row.Name, &row.Score}) {
      const std::optional<std::string_view> line = lines.Next();
      if (!line) continue;
      std::string value = TextOfLine(*line);
      if (!value.empty()) *field = std::move(value);
    }
  }
  return damage;
}

// A best time the race clock can count: hundredths and seconds in their range, minutes not
// negative, and more than no time at all. Minutes of kNoBestTimeMinutes or more are the file's
// way of saying "none".
bool IsPossibleBestTime(const TRaceTime& time) {
  return time.Hundredths >= 0 && time.Hundredths < 100 && time.Seconds >= 0 && time.Seconds < 60 &&
         time.Minutes >= 0 && (time.Hundredths | time.Seconds | time.Minutes) != 0;
}

// The score at which the stage unlocks in a game played from the start.
int StageTarget(const TCatalogue& catalogue) {
  int target = TCatalogue().TargetScore;
  for (int stage = 0; stage < catalogue.UnlockStage; ++stage)
    target = AddSaturated(target, catalogue.TargetSteps[size_t(stage)]);
  return target;
}

TDamage ReadProgressLines(TGameState& state, TLineReader& lines) {
  TDamage damage;
  int lineNumber = 0;
  auto readNumber = [&lines, &damage, &lineNumber](int& field) {
    ++lineNumber;
    const std::optional<std::string_view> line = lines.Next();
    const std::optional<int> number = line ? NumberOfLine(*line) : std::nullopt;
    if (number) field = *number;
    if (line && !number && !damage) damage = LineDamage(lineNumber, "holds no number");
  };
  TCatalogue& catalogue = state.Catalogue;
  for (int* counter : {&state.TotalScore, &catalogue.TracksAvailable, &catalogue.CarsAvailable,
                       &catalogue.TargetScore, &catalogue.UnlockStage})
    readNumber(*counter);
  for (TTrack& track : catalogue.Tracks) {
    readNumber(track.BestTime.Hundredths);
    readNumber(track.BestTime.Seconds);
    readNumber(track.BestTime.Minutes);
  }
  // Only catalogue entries can be available, never fewer than a new game has, and the stage
  // indexes the target steps.
  catalogue.TracksAvailable = std::clamp(catalogue.TracksAvailable, kStartTracks, catalogue.LastTrack + 1);
  catalogue.CarsAvailable = std::clamp(catalogue.CarsAvailable, kStartCars, catalogue.LastCar + 1);
  catalogue.UnlockStage = std::clamp(catalogue.UnlockStage, 0, kUnlockStages);
  // A score is never below nothing, and a target below nothing could never be reached fairly:
  // the stage gets the target it has in a game played from the start.
  state.TotalScore = std::max(state.TotalScore, 0);
  if (catalogue.TargetScore < 0) catalogue.TargetScore = StageTarget(catalogue);
  // A time no race can give could never be beaten: the track has no best time yet.
  for (int i = 0; i <= catalogue.LastTrack; ++i) {
    TRaceTime& best = catalogue.Tracks[size_t(i)].BestTime;
    if (!IsPossibleBestTime(best)) best = kNoBestTime;
  }
  return damage;
}

void AddLine(std::string& text, std::string_view line) {
  text.append(line);
  text.append("\r\n");
}

}  // namespace

// A file is written beside the old one, flushed to the disk and renamed over the old one, so an
// interrupted save leaves either the old file or the new one, never a part of either.
bool SaveWholeFile(const fs::path& file, std::string_view text, std::string* failure) {
  // The player knows the file, not the temporary one it is written under.
  auto fail = [&file, failure](const std::string& reason) {
    if (failure)
      *failure = Complaint("cannot write", file, reason);
    else
      Complain("cannot write", file, reason);
    return false;
  };
  fs::path temporary;
  const int handle = CreateTemporary(file, temporary);
  if (handle < 0) return fail(std::strerror(errno));
  bool written = WriteAll(handle, text) && ::fsync(handle) == 0;
  int writeError = written ? 0 : errno;
  if (::close(handle) != 0 && written) {
    written = false;
    writeError = errno;
  }
  std::error_code error;
  if (written) fs::rename(temporary, file, error);
  if (!written || error) {
    const std::string reason = written ? error.message() : std::strerror(writeError);
    fs::remove(temporary, error);
    return fail(reason);
  }
  return true;
}

void KeepDamaged(const fs::path& file, const std::string& damage) {
  fs::path kept = file;
  kept += kDamagedMark;
  std::error_code error;
  fs::copy_file(file, kept, fs::copy_options::overwrite_existing, error);
  if (error)
    std::fprintf(stderr, "Morvel Racing: \"%s\" is damaged (%s) and cannot be kept: %s\n", file.c_str(),
                 damage.c_str(), error.message().c_str());
  else
    std::fprintf(stderr,
                 "Morvel Racing: \"%s\" is damaged (%s): it is kept as \"%s\", and what could not be read "
                 "of it starts anew\n",
                 file.c_str(), damage.c_str(), kept.c_str());
}

fs::path SavePlace(const char* fileName) {
  const fs::path file = SettingsPaths(fileName).Write;
  std::error_code error;
  if (file.has_parent_path() && !fs::exists(file.parent_path(), error))
    fs::create_directories(file.parent_path(), error);
  if (error) Complain("cannot make the folder", file.parent_path(), error.message());
  return file;
}

std::optional<std::string> ReadWholeFile(const fs::path& file) {
  std::error_code error;
  if (!fs::exists(file, error)) return std::nullopt;
  std::optional<TFileText> content = ReadFileText(file);
  if (!content) return std::nullopt;
  return std::move(content->Text);
}

TDamage ReadSettings(TGameState& state, std::string_view fileText) {
  TLineReader lines(fileText, false);
  const TDamage damage = ReadSettingsLines(state, lines);
  return damage ? damage : DamageOfText(fileText, false);
}

TDamage ReadProgress(TGameState& state, std::string_view fileText) {
  TLineReader lines(fileText, false);
  const TDamage damage = ReadProgressLines(state, lines);
  return damage ? damage : DamageOfText(fileText, false);
}

std::string SettingsFileText(const TGameState& state) {
  std::string text;
  AddLine(text, FlagLine(state.FullScreen));
  AddLine(text, FlagLine(state.MusicOn));
  AddLine(text, FlagLine(state.SoundOn));
  AddLine(text, TextLine(state.AddText));
  AddLine(text, TextLine(state.PlayerName));
  for (const THighScoreEntry& row : state.HighScores) {
    AddLine(text, TextLine(row.Name));
    AddLine(text, TextLine(row.Score));
  }
  return text;
}

std::string ProgressFileText(const TGameState& state) {
  const TCatalogue& catalogue = state.Catalogue;
  std::string text;
  for (int counter : {state.TotalScore, catalogue.TracksAvailable, catalogue.CarsAvailable,
                      catalogue.TargetScore, catalogue.UnlockStage})
    AddLine(text, NumberLine(counter));
  for (const TTrack& track : catalogue.Tracks) {
    AddLine(text, NumberLine(track.BestTime.Hundredths));
    AddLine(text, NumberLine(track.BestTime.Seconds));
    AddLine(text, NumberLine(track.BestTime.Minutes));
  }
  return text;
}

bool LoadSettings(TGameState& state, const fs::path& file) {
  return LoadFile(file, [&state](TLineReader& lines) { return ReadSettingsLines(state, lines); });
}

bool LoadProgress(TGameState& state, const fs::path& file) {
  return LoadFile(file, [&state](TLineReader& lines) { return ReadProgressLines(state, lines); });
}

bool SaveSettings(const TGameState& state, const fs::path& file, std::string* failure) {
  return SaveWholeFile(file, SettingsFileText(state), failure);
}

bool SaveProgress(const TGameState& state, const fs::path& file, std::string* failure) {
  return SaveWholeFile(file, ProgressFileText(state), failure);
}

bool LoadSettings(TGameState& state) {
  return LoadSettings(state, SettingsPaths(kSettingsFileName).Read);
}

bool LoadProgress(TGameState& state) {
  return LoadProgress(state, SettingsPaths(kProgressFileName).Read);
}

bool SaveSettings(const TGameState& state, std::string* failure) {
  return SaveSettings(state, SavePlace(kSettingsFileName), failure);
}

bool SaveProgress(const TGameState& state, std::string* failure) {
  return SaveProgress(state, SavePlace(kProgressFileName), failure);
}

fs::path SaveFolder() {
  const fs::path folder = SettingsPaths(kSettingsFileName).Write.parent_path();
  return folder.empty() ? fs::path(".") : folder;
}

void RemoveUnfinishedSaves(const fs::path& folder) {
  std::vector<std::string> fileNames{kSettingsFileName, kProgressFileName, kOptionsFileName};
  for (int track = 0; track < kTrackCount; ++track) fileNames.push_back(GhostFileName(track));
  std::vector<fs::path> leftovers;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
    for (const std::string& fileName : fileNames)
      if (IsTemporaryOf(entry->path(), fileName)) leftovers.push_back(entry->path());
  for (const fs::path& leftover : leftovers) fs::remove(leftover, error);
}
