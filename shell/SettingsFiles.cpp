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

void Complain(const char* what, const fs::path& file, const std::string& reason) {
  std::fprintf(stderr, "Morvel Racing: %s \"%s\": %s\n", what, file.c_str(), reason.c_str());
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

template <typename TRead>
bool LoadFile(const fs::path& file, TRead read) {
  std::error_code error;
  const bool present = fs::exists(file, error);
  if (error) Complain("cannot read", file, error.message());
  if (!present) return false;
  const std::optional<TFileText> content = ReadFileText(file);
  if (!content) return false;
  TLineReader lines(content->Text, content->CutShort);
  read(lines);
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

void ReadSettingsLines(TGameState& state, TLineReader& lines) {
  // The yes/no lines are compared with "false" as decoded, without removing any filling.
  if (auto line = lines.Next(); line && DecodeText(*line) != "false")
    state.FullScreen = state.AppliedFullScreen = true;
  if (auto line = lines.Next(); line && DecodeText(*line) == "false") state.MusicOn = false;
  if (auto line = lines.Next(); line && DecodeText(*line) == "false") state.SoundOn = false;
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
}

// A best time the race clock can count: hundredths and seconds in their range, minutes not
// negative. Minutes of kNoBestTimeMinutes or more are the file's way of saying "none".
bool IsPossibleBestTime(const TRaceTime& time) {
  return time.Hundredths >= 0 && time.Hundredths < 100 && time.Seconds >= 0 && time.Seconds < 60 &&
         time.Minutes >= 0;
}

void ReadProgressLines(TGameState& state, TLineReader& lines) {
  auto readNumber = [&lines](int& field) {
    if (const std::optional<std::string_view> line = lines.Next())
      if (const std::optional<int> number = NumberOfLine(*line)) field = *number;
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
  // A time no race can give could never be beaten: the track has no best time yet.
  for (int i = 0; i <= catalogue.LastTrack; ++i) {
    TRaceTime& best = catalogue.Tracks[size_t(i)].BestTime;
    if (!IsPossibleBestTime(best)) best = kNoBestTime;
  }
}

void AddLine(std::string& text, std::string_view line) {
  text.append(line);
  text.append("\r\n");
}

}  // namespace

// A file is written beside the old one, flushed to the disk and renamed over the old one, so an
// interrupted save leaves either the old file or the new one, never a part of either.
bool SaveWholeFile(const fs::path& file, std::string_view text) {
  fs::path temporary;
  const int handle = CreateTemporary(file, temporary);
  if (handle < 0) {
    Complain("cannot write", temporary, std::strerror(errno));
    return false;
  }
  bool written = WriteAll(handle, text) && ::fsync(handle) == 0;
  int writeError = written ? 0 : errno;
  if (::close(handle) != 0 && written) {
    written = false;
    writeError = errno;
  }
  std::error_code error;
  if (written) fs::rename(temporary, file, error);
  if (!written || error) {
    Complain("cannot write", file, written ? error.message() : std::strerror(writeError));
    fs::remove(temporary, error);
    return false;
  }
  return true;
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

void ReadSettings(TGameState& state, std::string_view fileText) {
  TLineReader lines(fileText, false);
  ReadSettingsLines(state, lines);
}

void ReadProgress(TGameState& state, std::string_view fileText) {
  TLineReader lines(fileText, false);
  ReadProgressLines(state, lines);
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
  return LoadFile(file, [&state](TLineReader& lines) { ReadSettingsLines(state, lines); });
}

bool LoadProgress(TGameState& state, const fs::path& file) {
  return LoadFile(file, [&state](TLineReader& lines) { ReadProgressLines(state, lines); });
}

bool SaveSettings(const TGameState& state, const fs::path& file) {
  return SaveWholeFile(file, SettingsFileText(state));
}

bool SaveProgress(const TGameState& state, const fs::path& file) {
  return SaveWholeFile(file, ProgressFileText(state));
}

bool LoadSettings(TGameState& state) {
  return LoadSettings(state, SettingsPaths(kSettingsFileName).Read);
}

bool LoadProgress(TGameState& state) {
  return LoadProgress(state, SettingsPaths(kProgressFileName).Read);
}

bool SaveSettings(const TGameState& state) {
  return SaveSettings(state, SavePlace(kSettingsFileName));
}

bool SaveProgress(const TGameState& state) {
  return SaveProgress(state, SavePlace(kProgressFileName));
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
