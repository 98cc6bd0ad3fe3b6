#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

struct _FcConfig;

// A font file chosen for one of the game's face names.
struct TFontFile {
  std::string Path;       // empty: this machine has no font at all
  int Index = 0;          // the face inside the file
  std::string Family;     // the family that was found
  bool Embolden = false;  // bold was asked of a face without a bold cut: thicken the outlines
  bool Oblique = false;   // italic was asked of a face without an italic cut: slant the outlines
};

// The fontconfig patterns tried for a face name, best first: the name itself, then, for the faces
// the game names, those of this system that stand in for them ("Arial Black" becomes the black or
// bold cut of a sans, the decorative faces of the menus a bold sans).
std::vector<std::string> FontCandidates(const std::string& faceName);

// Finds font files through fontconfig. A face that neither exists nor has a stand-in still gets a
// font (whatever fontconfig offers), and that is said once on stderr.
class TFontFiles {
 public:
  TFontFiles();
  ~TFontFiles();
  TFontFiles(const TFontFiles&) = delete;
  TFontFiles& operator=(const TFontFiles&) = delete;

  // The face name is in the game's Windows-1251 bytes.
  const TFontFile& Find(const std::string& faceName, bool bold, bool italic);

 private:
  TFontFile Resolve(const std::string& faceName, bool bold, bool italic);
  TFontFile AnyFont() const;

  _FcConfig* Config;
  std::map<std::tuple<std::string, bool, bool>, TFontFile> Found;
  std::set<std::string> Warned;
};
