#include "ScoreServerFuzzChecks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "server/ScoreRules.h"
#include "server/ScoreService.h"
#include "server/ScoreStore.h"
#include "web/ScoreRecord.h"
#include "web/TextEncoding.h"

namespace {

void Require(bool rule, const char* what) {
  if (rule) return;
  std::fprintf(stderr, "score server fuzz: %s\n", what);
  std::abort();
}

// One database and service for the whole run; no rate limit, a fixed clock.
struct TFuzzServer {
  std::unique_ptr<TScoreStore> Store = OpenScoreStore(":memory:", 1);
  TScoreService Service{*Store, TServiceSettings{0}, [] { return int64_t(1'800'000'000); }};
};

TFuzzServer& Server() {
  static TFuzzServer server;
  return server;
}

THttpReply Get(const std::string& target) {
  const THttpReply reply = Server().Service.Handle({"GET", target, "192.0.2.9"});
  Require(reply.Status >= 200 && reply.Status < 600, "an HTTP status");
  Require(!reply.Body.empty(), "a reply body");
  return reply;
}

std::string WithValue(std::string_view record, const std::string& value) {
  std::string filled;
  for (const char c : record) filled += c == '@' ? value : std::string(1, c);
  return filled;
}

// Whether the record keeps every rule of a stored score.
bool KeepsTheRules(const std::string& record) {
  const std::optional<TScoreRecordFields> fields = ParseScoreRecord(record);
  if (!fields || fields->Key != kScoreKey || fields->Name.size() > ScoreLimits::NameBytes ||
      fields->AddText.size() > ScoreLimits::TextBytes)
    return false;
  const auto control = [](char c) {
    return (unsigned char)c < 0x20 || ((unsigned char)c >= 0x7F && (unsigned char)c < 0xA0);
  };
  if (std::ranges::any_of(fields->Name, control) || std::ranges::any_of(fields->AddText, control))
    return false;
  const std::string& score = fields->Score;
  return !score.empty() && score.size() <= 7 &&
         std::ranges::all_of(score, [](char c) { return c >= '0' && c <= '9'; });
}

void CheckRecord(std::string_view record) {
  const THttpReply handshake = Get("/cgi/version.pl?version&prg=MorvelRacing");
  const std::string value = HandshakeValue(handshake.Body).value_or("");
  const std::string filled = WithValue(record, value);
  const int64_t before = Server().Store->ScoreCount();
  const THttpReply reply = Get("/cgi/version.pl?hs&prg=MorvelRacing&inf=" + EncodeText(filled));
  const int64_t stored = Server().Store->ScoreCount() - before;
  Require(stored == (reply.Status == 200 ? 1 : 0), "a score stored exactly when accepted");
  Require(reply.Status != 200 || KeepsTheRules(filled), "only a record that keeps the rules is accepted");
}

void CheckTarget(std::string_view target) {
  const int64_t before = Server().Store->ScoreCount();
  Get(std::string(target));
  Require(Server().Store->ScoreCount() == before, "no score without a value the request was given");
}

}  // namespace

void CheckScoreRequest(std::string_view bytes) {
  if (bytes.empty()) return;
  const std::string_view rest = bytes.substr(1);
  if (bytes.front() % 2 == 0) return CheckTarget(rest);
  CheckRecord(rest);
}

std::vector<std::string> ScoreRequestSeeds() {
  return {
      "T/cgi/version.pl?version&prg=MorvelRacing",
      "T/cgi/version.pl?hs&prg=MorvelRacing&inf=GC2VDABC",
      "T/cgi/version.pl?hs&prg=MorvelRacing&inf=%41%42&inf=x",
      "T/api/scores?limit=10",
      "T/?limit=0",
      "T/healthz",
      "T/nothing%zz",
      "Stype=0|name=Ann|score=1250|key=M|p=@|add=hi|z=00",
      "Stype=0|name=|score=0|key=M|p=@|add=|z=",
      "Stype=0|name=Zo\xEB|score=9999999|key=M|p=@|add=twelve chars|z=0",
      "Stype=0|name=a|b|score=5|key=M|p=@|add=|z=0000",
      "Stype=0|name=Ann|score=-5|key=X|p=@|add=|z=0",
  };
}
