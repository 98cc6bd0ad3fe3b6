// For the score server's load script (bench/score_server.lua): the request target of a submission as
// the game makes it, through the game's own record and encoding, called from wrk's LuaJIT.
#include <cstring>
#include <string>

#include "web/ScoreRecord.h"
#include "web/TextEncoding.h"

// Writes "/cgi/version.pl?hs&prg=MorvelRacing&inf=..." for the one-time value and score into target
// (size bytes); its length, or -1 when it does not fit.
extern "C" int morvel_bench_submission(const char* value, int score, char* target, int size) {
  const std::string text =
      "/cgi/version.pl?hs&prg=MorvelRacing&inf=" +
      EncodeText(ScoreRecord({"Bench" + std::to_string(score % 50), score, "load"}, value));
  if (int(text.size()) > size) return -1;
  std::memcpy(target, text.data(), text.size());
  return int(text.size());
}
