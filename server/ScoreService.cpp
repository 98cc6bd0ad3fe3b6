#include "server/ScoreService.h"

#include <charconv>
#include <optional>
#include <utility>

#include "server/HallOfFame.h"
#include "server/OneTimeValue.h"
#include "server/Query.h"

namespace {

// The hall of fame's longest list.
constexpr int kMostScores = 100;
// How often a server clears the values that have run out.
constexpr int64_t kCleanupInterval = 60;

THttpReply Text(int status, std::string body) {
  return {status, "text/plain; charset=utf-8", std::move(body) + "\n"};
}

THttpReply Refused(const TRefusal& refusal) {
  return Text(refusal.Status, refusal.Reason);
}

// The limit parameter: 1 to kMostScores, kMostScores when missing.
std::optional<int> ReadLimit(const TTarget& target) {
  if (!target.Has("limit")) return kMostScores;
  const std::optional<std::string> text = target.Value("limit");
  int limit = 0;
  if (!text) return std::nullopt;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), limit);
  if (error != std::errc() || end != text->data() + text->size() || limit < 1) return std::nullopt;
  return std::min(limit, kMostScores);
}

}  // namespace

TScoreService::TScoreService(TScoreStore& store, TServiceSettings settings, std::function<int64_t()> now)
    : Store(store), Limiter(settings.RequestsPerMinute), Now(std::move(now)) {}

THttpReply TScoreService::Handle(const THttpRequest& request) {
  if (request.Method != "GET") return Text(405, "only GET");
  const std::optional<TTarget> target = TTarget::Parse(request.Target);
  if (!target) return Text(400, "bad query");
  try {
    return Route(request, *target);
  } catch (const TStoreError&) {
    return Text(503, "database unavailable");
  }
}

THttpReply TScoreService::Route(const THttpRequest& request, const TTarget& target) {
  if (target.Path() == "/cgi/version.pl") return ScoreScript(target, request.ClientAddress);
  if (target.Path() == "/") return Best(target, false);
  if (target.Path() == "/api/scores") return Best(target, true);
  if (target.Path() == "/healthz") {
    Store.ScoreCount();  // throws when the database is gone
    return Text(200, "OK");
  }
  return Text(404, "not found");
}

THttpReply TScoreService::ScoreScript(const TTarget& target, const std::string& address) {
  if (target.HasRepeatedNames()) return Text(400, "repeated parameter");
  if (target.Value("prg") != "MorvelRacing") return Text(400, "unknown program");
  const int64_t now = Now();
  if (!Limiter.Allow(address, now)) return Text(429, "too many requests");
  if (target.Has("version") && !target.Has("hs")) return Handshake(now);
  if (target.Has("hs") && !target.Has("version")) return Submission(target, address, now);
  return Text(400, "neither handshake nor submission");
}

THttpReply TScoreService::Handshake(int64_t now) {
  int64_t cleanup = NextCleanup.load();
  if (now >= cleanup && NextCleanup.compare_exchange_strong(cleanup, now + kCleanupInterval))
    Store.ForgetOneTimeValues(now - kOneTimeValueLifetime);
  const std::string value = NewOneTimeValue();
  Store.IssueOneTimeValue(value, now);
  // The game takes the fifth "|"-separated field, the leading "OK" the first.
  return {200, "text/plain; charset=utf-8",
          "OK|morvel-scores|1|" + std::to_string(kOneTimeValueLifetime) + "|" + value + "|"};
}

THttpReply TScoreService::Submission(const TTarget& target, const std::string& address, int64_t now) {
  const std::optional<std::string> code = target.Value("inf");
  if (!code) return Text(400, "no record");
  const std::variant<TSubmittedScore, TRefusal> submission = ReadSubmission(*code);
  if (const TRefusal* refusal = std::get_if<TRefusal>(&submission)) return Refused(*refusal);
  const TSubmittedScore& score = std::get<TSubmittedScore>(submission);
  switch (Store.Submit({score.Name, score.Score, score.AddText, address, now}, score.OneTimeValue,
                       now - kOneTimeValueLifetime)) {
    case TOneTimeUse::Stored:
      return Text(200, "OK");
    case TOneTimeUse::Expired:
      return Text(403, "expired one-time value");
    case TOneTimeUse::Unknown:
      break;
  }
  return Text(403, "unknown or used one-time value");
}

THttpReply TScoreService::Best(const TTarget& target, bool asJson) {
  const std::optional<int> limit = ReadLimit(target);
  if (!limit) return Text(400, "bad limit");
  const std::vector<TRankedScore> best = Store.Best(*limit);
  if (asJson) return {200, "application/json", HallOfFameJson(best)};
  return {200, "text/html; charset=utf-8", HallOfFamePage(best)};
}
