// Without libFuzzer: the seeds of the web part's readers, every cut of them and a few thousand
// deterministic mutations, through the same checks. With --write-seeds share|handshake|shortcut DIR it
// writes one reader's seeds as a corpus.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzReplay.h"
#include "WebFuzzChecks.h"

namespace {

struct TReader {
  const char* Name;
  std::vector<std::string> (*Seeds)();
  void (*Check)(std::string_view);
};

const TReader kReaders[] = {
    {"share", ShareConfigSeeds, CheckShareConfig},
    {"handshake", HandshakeSeeds, CheckHandshakeReply},
    {"shortcut", ShortcutSeeds, CheckShortcut},
};

// One change of the kinds a hand edit, a bad line or a cut transfer would make.
void Mutate(std::string& text, TFuzzRandom& random) {
  static const std::string kInserts[] = {
      "\r\n", "\n", " ", "|", "-", "0", "OK", "[", "]", "=", "TRUE", "http://", std::string(1, '\0')};
  const size_t at = text.empty() ? 0 : random.Next() % text.size();
  switch (random.Next() % 4) {
    case 0:
      if (!text.empty()) text[at] = char(text[at] ^ (1 << (random.Next() % 8)));
      break;
    case 1:
      text.insert(at, kInserts[random.Next() % std::size(kInserts)]);
      break;
    case 2:
      if (!text.empty()) text.erase(at, 1 + random.Next() % 9);
      break;
    default:
      text.insert(at, text.substr(at, random.Next() % 40));
  }
}

int Replay(const TReader& reader) {
  TFuzzRandom random;
  int runs = 0;
  for (const std::string& seed : reader.Seeds()) {
    for (size_t length = 0; length <= seed.size(); ++length)
      reader.Check(std::string_view(seed).substr(0, length)), ++runs;
    for (int i = 0; i < 3000; ++i) {
      std::string mutated = seed;
      for (int c = 1 + int(random.Next() % 4); c > 0; --c) Mutate(mutated, random);
      reader.Check(mutated), ++runs;
    }
  }
  std::printf("%s reader: %d inputs, no crash\n", reader.Name, runs);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--write-seeds") {
    for (const TReader& reader : kReaders)
      if (reader.Name == std::string(argv[2])) return WriteSeedFiles(argv[3], reader.Seeds(), ".txt");
    return 2;
  }
  int failures = 0;
  for (const TReader& reader : kReaders) failures += Replay(reader);
  return failures;
}
