#include "engine/FontFiles.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <array>
#include <cstdio>
#include <memory>

#include "platform/Cp1251.h"

namespace {

struct TStandIn {
  const char* Face;
  std::array<const char*, 3> Patterns;
};

// The faces the game names, none of which a Linux desktop is sure to have.
constexpr std::array<TStandIn, 5> kStandIns{{
    {"Arial Black", {"Arial:weight=black", "Liberation Sans:weight=black", "DejaVu Sans:weight=black"}},
    {"Arial", {"Liberation Sans", "DejaVu Sans", nullptr}},
    {"Verdana", {"DejaVu Sans", "Liberation Sans", nullptr}},
    {"Friday13", {"Liberation Sans:weight=bold", "DejaVu Sans:weight=bold", nullptr}},
    {"Staccato222 BT", {"Liberation Sans:weight=bold", "DejaVu Sans:weight=bold", nullptr}},
}};

constexpr const char* kLastResort = "sans-serif";

struct TPatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using TPattern = std::unique_ptr<FcPattern, TPatternDeleter>;

bool HasFamily(FcPattern* font, const char* family) {
  FcChar8* found = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &found) == FcResultMatch; ++i)
    if (strcasecmp(reinterpret_cast<const char*>(found), family) == 0) return true;
  return false;
}

TFontFile FileOf(FcPattern* font, bool italic) {
  TFontFile file;
  FcChar8* text = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &text) == FcResultMatch) file.Path = reinterpret_cast<char*>(text);
  FcPatternGetInteger(font, FC_INDEX, 0, &file.Index);
  if (FcPatternGetString(font, FC_FAMILY, 0, &text) == FcResultMatch)
    file.Family = reinterpret_cast<char*>(text);
  FcBool embolden = FcFalse;
  if (FcPatternGetBool(font, FC_EMBOLDEN, 0, &embolden) == FcResultMatch) file.Embolden = embolden;
  int slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(font, FC_SLANT, 0, &slant);
  file.Oblique = italic && slant == FC_SLANT_ROMAN;
  return file;
}

}  // namespace

std::vector<std::string> FontCandidates(const std::string& faceName) {
  std::vector<std::string> candidates{faceName};
  for (const TStandIn& standIn : kStandIns) {
    if (strcasecmp(standIn.Face, faceName.c_str()) != 0) continue;
    for (const char* pattern : standIn.Patterns)
      if (pattern) candidates.emplace_back(pattern);
    return candidates;
  }
  return candidates;
}

TFontFiles::TFontFiles() : Config(FcInitLoadConfigAndFonts()) {}

TFontFiles::~TFontFiles() {
  if (Config) FcConfigDestroy(Config);
}

const TFontFile& TFontFiles::Find(const std::string& faceName, bool bold, bool italic) {
  auto key = std::make_tuple(faceName, bold, italic);
  auto found = Found.find(key);
  if (found == Found.end()) found = Found.emplace(key, Resolve(faceName, bold, italic)).first;
  return found->second;
}

TFontFile TFontFiles::Resolve(const std::string& faceName, bool bold, bool italic) {
  std::string utf8 = Cp1251ToUtf8(faceName);
  std::vector<std::string> candidates = FontCandidates(utf8);
  candidates.emplace_back(kLastResort);
  for (size_t i = 0; i < candidates.size() && Config; ++i) {
    // The face name itself is a family, whatever characters it holds; the stand-ins are patterns.
    TPattern pattern(i == 0 ? FcPatternCreate()
                            : FcNameParse(reinterpret_cast<const FcChar8*>(candidates[i].c_str())));
    if (!pattern) continue;
    if (i == 0) FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.c_str()));
    int weight = FC_WEIGHT_REGULAR;
    if (bold && (FcPatternGetInteger(pattern.get(), FC_WEIGHT, 0, &weight) != FcResultMatch ||
                 weight < FC_WEIGHT_BOLD)) {
      FcPatternDel(pattern.get(), FC_WEIGHT);
      FcPatternAddInteger(pattern.get(), FC_WEIGHT, FC_WEIGHT_BOLD);
    }
    if (italic) FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ITALIC);
    FcChar8* family = nullptr;
    FcPatternGetString(pattern.get(), FC_FAMILY, 0, &family);
    std::string wanted = family ? reinterpret_cast<char*>(family) : "";
    FcConfigSubstitute(Config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    TPattern font(FcFontMatch(Config, pattern.get(), &result));
    if (!font) continue;
    bool lastResort = i + 1 == candidates.size();
    if (!lastResort && !HasFamily(font.get(), wanted.c_str())) continue;
    TFontFile file = FileOf(font.get(), italic);
    if (file.Path.empty()) continue;
    if (lastResort && Warned.insert(faceName).second)
      std::fprintf(stderr, "Morvel Racing: no font like \"%s\" on this system; using %s\n", utf8.c_str(),
                   file.Family.c_str());
    return file;
  }
  TFontFile any = AnyFont();
  if (Warned.insert(faceName).second)
    std::fprintf(stderr, "Morvel Racing: no font like \"%s\" on this system; %s\n", utf8.c_str(),
                 any.Path.empty() ? "texts in it stay blank" : ("using " + any.Path).c_str());
  return any;
}

TFontFile TFontFiles::AnyFont() const {
  if (!Config) return {};
  TPattern all(FcPatternCreate());
  std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
      FcObjectSetBuild(FC_FILE, FC_INDEX, FC_FAMILY, nullptr), FcObjectSetDestroy);
  std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(FcFontList(Config, all.get(), objects.get()),
                                                                FcFontSetDestroy);
  if (!fonts || fonts->nfont == 0) return {};
  return FileOf(fonts->fonts[0], false);
}
