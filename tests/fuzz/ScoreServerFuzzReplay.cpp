// Without libFuzzer: the score server's seeds, every cut of them and a few thousand deterministic
// mutations, through the same checks. With --write-seeds DIR it writes the seeds as a corpus.
#include <string>

#include "FuzzReplay.h"
#include "ScoreServerFuzzChecks.h"

namespace {

// One change of the kinds a broken client or an attacker would make.
void Mutate(std::string& text, TFuzzRandom& random) {
  static const std::string kInserts[] = {
      "|", "&", "=", "%", "%7C", "@", "0", "-", "name=", "inf=", "\x01", std::string(1, '\0'), "99999999999"};
  const size_t at = text.size() <= 1 ? text.size() : 1 + random.Next() % (text.size() - 1);
  switch (random.Next() % 4) {
    case 0:
      if (at < text.size()) text[at] = char(text[at] ^ (1 << (random.Next() % 8)));
      break;
    case 1:
      text.insert(at, kInserts[random.Next() % std::size(kInserts)]);
      break;
    case 2:
      if (at < text.size()) text.erase(at, 1 + random.Next() % 9);
      break;
    default:
      text.insert(at, text.substr(at, random.Next() % 40));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--write-seeds")
    return WriteSeedFiles(argv[2], ScoreRequestSeeds(), ".txt");
  return ReplaySeeds("score server", ScoreRequestSeeds(), CheckScoreRequest, Mutate);
}
