#include "shell/Screenshots.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace {

bool IsFolder(const char* path) {
  std::error_code error;
  return path && *path && fs::is_directory(path, error);
}

}  // namespace

fs::path ScreenshotFolder() {
  if (const char* pictures = std::getenv("XDG_PICTURES_DIR"); IsFolder(pictures)) return pictures;
  if (const char* home = std::getenv("HOME"); home && *home) {
    const fs::path pictures = fs::path(home) / "Pictures";
    if (IsFolder(pictures.c_str())) return pictures;
  }
  return fs::current_path();
}

std::string ScreenshotName(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char name[64];
  std::strftime(name, sizeof name, "morvel-racing-%Y%m%d-%H%M%S.png", &local);
  return name;
}
