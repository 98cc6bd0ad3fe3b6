#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "web/ScoreServer.h"

// How long a request may take: a server that accepts the connection and never answers must not hold
// the score submission for good.
struct TWebTimeouts {
  std::chrono::milliseconds Connect{5000};
  std::chrono::milliseconds Whole{10000};
};

// The request headers every request carries, as the score script knows them.
namespace WebRequest {
inline constexpr const char* Accept = "Accept: text/html, */*";
inline constexpr const char* ContentType = "Content-Type: text/html";
inline constexpr const char* UserAgent = "Mozilla/3.0 (compatible; Indy Library)";
}  // namespace WebRequest

// Every byte of a query other than letters, digits, "-._~" and the separators "&" and "=" as "%XX".
std::string PercentEncodeQuery(std::string_view query);

// The game's HTTP client, one for the program's life: plain GET requests to one server, without a proxy
// or redirects, cookies kept in memory from one request to the next. Used by one thread at a time.
class TWebClient {
 public:
  explicit TWebClient(TScoreServer server, TWebTimeouts timeouts = {});
  ~TWebClient();
  TWebClient(const TWebClient&) = delete;
  TWebClient& operator=(const TWebClient&) = delete;

  // GET path?query (the query percent-encoded); the body of a successful reply as text, or nothing
  // when the request fails, times out, gets an error status or a body beyond any sensible size.
  std::optional<std::string> Get(std::string_view path, std::string_view query);

  // From any thread: the request under way and every later one give up at once.
  void Abandon() { Abandoned = true; }

 private:
  struct TCurl;
  std::unique_ptr<TCurl> Curl;
  TScoreServer Server;
  TWebTimeouts Timeouts;
  std::atomic<bool> Abandoned{false};
};
