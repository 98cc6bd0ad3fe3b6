#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "server/RateLimiter.h"
#include "server/ScoreRules.h"
#include "server/ScoreStore.h"

class TTarget;

// A request as the HTTP layer hands it over.
struct THttpRequest {
  std::string Method;
  std::string Target;         // path and query as sent
  std::string ClientAddress;  // for the rate limit and the stored score
};

struct THttpReply {
  int Status = 200;
  std::string ContentType = "text/plain; charset=utf-8";
  std::string Body;
};

struct TServiceSettings {
  int RequestsPerMinute = 120;  // of the score script, per address; 0: no limit
};

// How long a one-time value may be used after its handshake.
inline constexpr int64_t kOneTimeValueLifetime = 600;

// Everything the server answers, without the network: the score script (handshake and submission),
// the hall of fame as a page and as JSON, and the health check.
class TScoreService {
 public:
  // `now` gives the time in seconds since 1970.
  TScoreService(TScoreStore& store, TServiceSettings settings, std::function<int64_t()> now);

  // Never throws: a database failure is a 503.
  THttpReply Handle(const THttpRequest& request);

 private:
  THttpReply Route(const THttpRequest& request, const TTarget& target);
  THttpReply ScoreScript(const TTarget& target, const std::string& address);
  THttpReply Handshake(int64_t now);
  THttpReply Submission(const TTarget& target, const std::string& address, int64_t now);
  THttpReply Best(const TTarget& target, bool asJson);

  TScoreStore& Store;
  TRateLimiter Limiter;
  std::function<int64_t()> Now;
  std::atomic<int64_t> NextCleanup{0};
};
