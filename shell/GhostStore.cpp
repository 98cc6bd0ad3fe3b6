#include "shell/GhostStore.h"

#include <cstdio>
#include <system_error>

#include "platform/GamePath.h"
#include "race/GhostFile.h"
#include "shell/SettingsFiles.h"
#include "shell/SettingsLocation.h"

uint32_t TrackFileSize(const TTrack& track) {
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(NativePath(track.DataFile), error);
  return error ? 0 : uint32_t(size);
}

std::optional<TGhostLap> LoadGhostLap(const std::filesystem::path& file, int track, uint32_t trackFileSize) {
  const std::optional<std::string> bytes = ReadWholeFile(file);
  if (!bytes) return std::nullopt;
  TGhostFileResult result = ReadGhostFile(*bytes, track, trackFileSize);
  if (!result.Lap)
    std::fprintf(stderr, "Morvel Racing: the best lap in \"%s\" is not used: %s\n", file.c_str(),
                 result.Error.c_str());
  return std::move(result.Lap);
}

std::optional<TGhostLap> LoadGhostLap(int track, uint32_t trackFileSize) {
  const std::string name = GhostFileName(track);
  return LoadGhostLap(SettingsPaths(name).Read, track, trackFileSize);
}

bool SaveGhostLap(const TGhostLap& lap, std::string* failure) {
  const std::string name = GhostFileName(lap.Track);
  return SaveWholeFile(SavePlace(name.c_str()), GhostFileBytes(lap), failure);
}
