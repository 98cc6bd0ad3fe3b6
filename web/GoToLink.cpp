#include "web/GoToLink.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// A shortcut file is a few lines; a larger one is not a shortcut.
constexpr std::uintmax_t kMaxShortcutBytes = 64 * 1024;

// Files the desktop would run rather than show, whatever their permissions.
constexpr std::array<std::string_view, 16> kProgramExtensions{
    ".desktop", ".sh",  ".bash", ".zsh", ".csh", ".py",  ".pl",  ".rb",
    ".jar",     ".exe", ".msi",  ".bat", ".cmd", ".com", ".run", ".appimage"};

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return lower;
}

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The "URL=" value of the "[InternetShortcut]" section, its first one when there are several.
std::optional<std::string_view> ShortcutUrlLine(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  bool inSection = false;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    line = Trimmed(line);
    if (line.starts_with('[') && line.ends_with(']')) {
      inSection = Lower(Trimmed(line.substr(1, line.size() - 2))) == "internetshortcut";
      continue;
    }
    const size_t equals = line.find('=');
    if (inSection && equals != std::string_view::npos && Lower(Trimmed(line.substr(0, equals))) == "url")
      return Trimmed(line.substr(equals + 1));
  }
  return std::nullopt;
}

bool AllowedAddress(std::string_view address) {
  if (std::ranges::any_of(address, [](unsigned char c) { return c <= ' ' || c == 0x7F; })) return false;
  const size_t colon = address.find(':');
  if (colon == std::string_view::npos) return false;
  const std::string scheme = Lower(address.substr(0, colon));
  const std::string_view rest = address.substr(colon + 1);
  if (scheme == "mailto") return !rest.empty();
  return (scheme == "http" || scheme == "https") && rest.starts_with("//") && rest.size() > 2 &&
         rest[2] != '/';
}

std::optional<std::string> ReadSmallFile(const fs::path& file) {
  std::error_code error;
  const std::uintmax_t size = fs::file_size(file, error);
  if (error || size > kMaxShortcutBytes) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  std::string text(size, '\0');
  if (!in.read(text.data(), std::streamsize(size))) return std::nullopt;
  return text;
}

bool StartsAsScript(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  char start[2] = {};
  return in.read(start, 2) && start[0] == '#' && start[1] == '!';
}

bool PlainDocument(const fs::path& file, const fs::file_status& status) {
  constexpr fs::perms kAnyExecute = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
  if ((status.permissions() & kAnyExecute) != fs::perms::none) return false;
  const std::string extension = Lower(file.extension().string());
  if (std::ranges::find(kProgramExtensions, extension) != kProgramExtensions.end()) return false;
  return !StartsAsScript(file);
}

}  // namespace

std::optional<std::string> ShortcutAddress(std::string_view text) {
  const std::optional<std::string_view> address = ShortcutUrlLine(text);
  if (!address || !AllowedAddress(*address)) return std::nullopt;
  return std::string(*address);
}

std::optional<std::string> LinkTarget(const std::string& file) {
  const fs::path path(file);
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error || !fs::is_regular_file(status)) return std::nullopt;
  if (Lower(path.extension().string()) == ".url") {
    const std::optional<std::string> text = ReadSmallFile(path);
    return text ? ShortcutAddress(*text) : std::nullopt;
  }
  if (!PlainDocument(path, status)) return std::nullopt;
  const fs::path full = fs::absolute(path, error);
  if (error) return std::nullopt;
  return full.string();
}

void OpenLink(const std::string& file, const TLauncher& launch) {
  if (const std::optional<std::string> target = LinkTarget(file)) launch({"xdg-open", *target});
}
