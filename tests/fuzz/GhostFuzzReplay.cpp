// Without libFuzzer: the seeds of the ghost files and of "Options.ini", every cut of them and a
// few thousand deterministic mutations, through the same checks. With --write-seeds ghost|options
// DIR it writes one reader's seeds as a corpus.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzReplay.h"
#include "GhostFuzzChecks.h"

namespace {

// One change of the kinds a bad disk, a cut write or a hand edit would make.
void Mutate(std::string& bytes, TFuzzRandom& random) {
  static const std::string kInserts[] = {
      "\n", "=", "[Race]", "0", "1", std::string(4, '\xFF'), std::string(1, '\0')};
  const size_t at = bytes.empty() ? 0 : random.Next() % bytes.size();
  switch (random.Next() % 4) {
    case 0:
      if (!bytes.empty()) bytes[at] = char(bytes[at] ^ (1 << (random.Next() % 8)));
      break;
    case 1:
      bytes.insert(at, kInserts[random.Next() % std::size(kInserts)]);
      break;
    case 2:
      if (!bytes.empty()) bytes.erase(at, 1 + random.Next() % 17);
      break;
    default:
      if (!bytes.empty()) bytes[at] = char(random.Next());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--write-seeds") {
    const std::string reader = argv[2];
    if (reader != "ghost" && reader != "options") return 2;
    return WriteSeedFiles(argv[3], reader == "ghost" ? GhostSeeds() : OptionsSeeds(),
                          reader == "ghost" ? ".gst" : ".ini");
  }
  return ReplaySeeds("ghost file", GhostSeeds(), CheckGhostFile, Mutate) +
         ReplaySeeds("Options.ini", OptionsSeeds(), CheckOptionsFile, Mutate);
}
