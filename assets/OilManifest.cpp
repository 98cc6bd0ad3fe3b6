#include "assets/OilManifest.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "assets/ColorNames.h"
#include "assets/PictureData.h"

const char* const kOilManifestHelp =
    "Usage: morvel-tool oil-build MANIFEST OUT.oil\n"
    "\n"
    "Writes the image package OUT.oil from MANIFEST, a text file with one picture per line:\n"
    "\n"
    "  NAME FILE [OPTION ...]\n"
    "\n"
    "Fields are separated by spaces or tabs. Empty lines and lines starting with '#' are skipped.\n"
    "Items are written in the order of the lines; a name may appear twice (the game finds the first).\n"
    "\n"
    "  NAME            the picture's name, exactly as the game looks it up (case-sensitive, no blanks,\n"
    "                  Windows-1251 bytes if not ASCII)\n"
    "  FILE            a .png (any colour type) or .bmp (1 to 32 bits, RLE) file, relative to the\n"
    "                  manifest's folder, at most 8192 x 8192 pixels; PNG files are stored as they are,\n"
    "                  BMP files as bitmaps; '-' writes an item without picture\n"
    "Options:\n"
    "  tile=WxH        size of one pattern in pixels; patterns are counted row by row from the top left\n"
    "                  (Columns = width div W, Rows = height div H). Default: the whole picture, one\n"
    "                  pattern.\n"
    "  key=COLOUR      make fully opaque pixels of exactly COLOUR transparent when the texture is built\n"
    "                  (TransparentColor = COLOUR, Transparent = true)\n"
    "  color=COLOUR    store TransparentColor without switching the colour key on\n"
    "  filepath=PATH   a picture file the game loads instead when it builds the texture, relative to\n"
    "                  the game's folder, with \"\\\" or \"/\" between folders\n"
    "\n"
    "COLOUR is #RRGGBB (for example #FF00FF) or a colour identifier (clFuchsia, clBlack, clWhite,\n"
    "clLime, clAqua, clBtnFace ...). A colour that has an identifier is stored as that identifier\n"
    "(#FF00FF as clFuchsia), any other as an integer 0x00BBGGRR. System colours (clBtnFace ...) take\n"
    "the standard desktop scheme when the texture is built.\n"
    "\n"
    "Example:\n"
    "  # name        file                   options\n"
    "  mainback      menu/mainback.png\n"
    "  b_stgame      buttons/b_stgame.png   tile=200x40\n"
    "  car1          cars/car1.bmp          tile=32x64 key=clFuchsia\n";

namespace {

std::optional<uint32_t> ParseColour(const std::string& text) {
  if (text.size() == 7 && text[0] == '#' &&
      text.find_first_not_of("0123456789abcdefABCDEF", 1) == std::string::npos) {
    uint32_t rgb = uint32_t(std::stoul(text.substr(1), nullptr, 16));
    return (rgb & 0xFF) << 16 | (rgb & 0xFF00) | rgb >> 16;  // stored as 0x00BBGGRR
  }
  return IdentToColor(text);
}

bool ParseTile(const std::string& text, TOilEntry& entry) {
  std::istringstream in(text);
  char times = 0;
  if (!(in >> entry.TileWidth >> times >> entry.TileHeight) || times != 'x' || !in.eof()) return false;
  return entry.TileWidth > 0 && entry.TileHeight > 0;
}

std::string ReadPictureFile(const std::filesystem::path& path, TOilEntry& entry) {
  std::string extension = path.extension().string();
  for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
  TPictureFormat format;
  if (extension == ".png") {
    format = TPictureFormat::Png, entry.PictureClass = "TPNGObject";
  } else if (extension == ".bmp") {
    format = TPictureFormat::Bmp, entry.PictureClass = "TBitmap";
  } else {
    return "not a .png or .bmp file: " + path.string();
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) return "cannot read " + path.string();
  entry.PictureFile.assign(std::istreambuf_iterator<char>(file), {});
  TPixmap picture;
  std::string error;
  if (!DecodePicture(format, entry.PictureFile, picture, error)) return path.string() + ": " + error;
  return {};
}

std::string ParseOption(const std::string& option, TOilEntry& entry) {
  size_t equals = option.find('=');
  std::string key = option.substr(0, equals),
              value = equals == std::string::npos ? "" : option.substr(equals + 1);
  if (key == "tile") return ParseTile(value, entry) ? "" : "tile wants WxH with positive sides: " + option;
  if (key == "filepath" && !value.empty()) {
    entry.Filepath = value;
    return {};
  }
  if (key == "key" || key == "color") {
    std::optional<uint32_t> colour = ParseColour(value);
    if (!colour) return "unknown colour: " + value;
    entry.TransparentColor = *colour;
    entry.Transparent = entry.Transparent || key == "key";
    return {};
  }
  return "unknown option: " + option;
}

}  // namespace

bool ReadOilManifest(std::istream& in, const std::filesystem::path& baseFolder,
                     std::vector<TOilEntry>& entries, std::string& error) {
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::istringstream fields(line);
    std::string name, file, option;
    if (!(fields >> name) || name[0] == '#') continue;
    TOilEntry entry;
    entry.Name = name;
    std::string problem = fields >> file ? "" : "a picture file (or '-') must follow the name";
    if (problem.empty() && file != "-") problem = ReadPictureFile(baseFolder / file, entry);
    while (problem.empty() && fields >> option) problem = ParseOption(option, entry);
    if (!problem.empty()) {
      error = "line " + std::to_string(number) + ": " + problem;
      return false;
    }
    entries.push_back(std::move(entry));
  }
  return true;
}
