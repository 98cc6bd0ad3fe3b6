// Without libFuzzer: the seeds of both settings files, every cut of them and a few thousand
// deterministic mutations, through the same checks. With --write-seeds config|configdat DIR it
// writes one reader's seeds as a corpus.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzReplay.h"
#include "SettingsFuzzChecks.h"
#include "web/TextEncoding.h"

namespace {

using TRandom = TFuzzRandom;

// One change of the kinds a hand edit, a bad disk or a cut transfer would make.
void Mutate(std::string& text, TRandom& random) {
  static const std::string kInserts[] = {"\r\n", "\n", "\r", std::string(1, '\0'), "%", "-", "false", "I0OZ"};
  const size_t at = text.empty() ? 0 : random.Next() % text.size();
  switch (random.Next() % 5) {
    case 0:
      if (!text.empty()) text[at] = char(text[at] ^ (1 << (random.Next() % 8)));
      break;
    case 1:
      if (!text.empty()) text[at] = kBase32Alphabet[random.Next() % kBase32Alphabet.size()];
      break;
    case 2:
      text.insert(at, kInserts[random.Next() % std::size(kInserts)]);
      break;
    case 3:
      if (!text.empty()) text.erase(at, 1 + random.Next() % 9);
      break;
    default:
      text.insert(at, std::string(1 + random.Next() % 4000, kBase32Alphabet[random.Next() % 32]));
  }
}

int WriteSeeds(const std::string& reader, const std::filesystem::path& folder) {
  const bool progress = reader == "configdat";
  if (!progress && reader != "config") return 2;
  return WriteSeedFiles(folder, progress ? ProgressSeeds() : SettingsSeeds(), ".cfg");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--write-seeds") return WriteSeeds(argv[2], argv[3]);
  return ReplaySeeds("Config.cfg", SettingsSeeds(), CheckSettingsFile, Mutate) +
         ReplaySeeds("Configdat.cfg", ProgressSeeds(), CheckProgressFile, Mutate);
}
