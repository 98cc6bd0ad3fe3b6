#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

// A private folder for one test's files, removed afterwards.
class TTempFolder {
 public:
  TTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "morvel-state-XXXXXX").string();
    Path = ::mkdtemp(pattern.data());
  }
  ~TTempFolder() {
    std::error_code error;
    std::filesystem::remove_all(Path, error);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  std::filesystem::path operator/(std::string_view name) const { return Path / name; }
  // The game's menu pictures, Data/data1.oil, without which the game does not start.
  void CopyMenuPictures() const {
    std::filesystem::create_directory(Path / "Data");
    std::filesystem::copy_file(std::filesystem::path(MORVEL_GAME_DIR) / "Data" / "data1.oil",
                               Path / "Data" / "data1.oil");
  }
  const std::filesystem::path& Folder() const { return Path; }

 private:
  std::filesystem::path Path;
};

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
