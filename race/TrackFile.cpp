#include "race/TrackFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/GamePath.h"

namespace {

int32_t ReadField(std::span<const uint8_t> record, std::size_t offset) {
  uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= uint32_t(record[offset + i]) << (8 * i);
  return int32_t(value);
}

void WriteField(uint8_t* record, int32_t field) {
  for (std::size_t i = 0; i < 4; ++i) record[i] = uint8_t(uint32_t(field) >> (8 * i));
}

}  // namespace

TTrackFileResult ParseTrackFile(std::span<const uint8_t> bytes, const std::string& fileName) {
  TTrackFileResult result;
  if (bytes.size() % kTrackRecordSize != 0) {
    result.Error = "The track file " + NativePath(fileName) + " is damaged: its last record is incomplete.";
    return result;
  }
  result.Records.reserve(bytes.size() / kTrackRecordSize);
  for (std::size_t at = 0; at < bytes.size(); at += kTrackRecordSize) {
    const auto record = bytes.subspan(at, kTrackRecordSize);
    result.Records.push_back({ReadField(record, 0), ReadField(record, 4), ReadField(record, 8),
                              ReadField(record, 12), ReadField(record, 16)});
  }
  return result;
}

TTrackFileResult ReadTrackFile(const std::string& fileName) {
  const std::string path = NativePath(fileName);
  std::error_code error;
  std::ifstream file;
  if (std::filesystem::is_regular_file(path, error)) file.open(path, std::ios::binary);
  if (!file.is_open()) return {{}, "The track file " + path + " cannot be read."};
  const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(file), {});
  if (file.bad()) return {{}, "The track file " + path + " cannot be read."};
  return ParseTrackFile(bytes, fileName);
}

std::vector<uint8_t> TrackFileBytes(const std::vector<TTrackRecord>& records) {
  std::vector<uint8_t> bytes(records.size() * kTrackRecordSize, 0);
  uint8_t* record = bytes.data();
  for (const TTrackRecord& r : records) {
    WriteField(record + 0, r.Y);
    WriteField(record + 4, r.X);
    WriteField(record + 8, r.Kind);
    WriteField(record + 12, r.Param);
    WriteField(record + 16, r.Index);
    record += kTrackRecordSize;
  }
  return bytes;
}

std::string WriteTrackFile(const std::string& fileName, const std::vector<TTrackRecord>& records) {
  const std::vector<uint8_t> bytes = TrackFileBytes(records);
  std::ofstream file(NativePath(fileName), std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  file.close();
  if (!file) return "The track file " + NativePath(fileName) + " cannot be written.";
  return {};
}
