#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "web/ScoreServer.h"
#include "web/WebClient.h"

// One line of the score server's hall of fame as the game draws it.
struct THallOfFameLine {
  int Rank = 0;
  std::string Name;  // in the game's Latin-1
  int64_t Score = 0;
  std::string Date;  // YYYY-MM-DD
};

// How many lines the game shows.
inline constexpr int kHallOfFameLines = 10;

// The JSON of the server's /api/scores, at most kHallOfFameLines lines; nothing when it is not a list
// of such lines.
std::optional<std::vector<THallOfFameLine>> ReadHallOfFame(std::string_view json);

// The server's best scores, fetched on a worker thread with the web requests' time-outs, so that a
// screen goes on drawing while the server answers (or fails to). The screen asks for a snapshot once a
// frame.
class THallOfFameFetcher {
 public:
  enum class TStatus {
    NoServer,     // the game has no score server: nothing to fetch
    NotFetched,   // Fetch has not been called yet
    Fetching,     // the request is under way
    Fetched,      // Lines holds the server's list (maybe empty)
    Unreachable,  // no answer, an error status or an answer that is no hall of fame
  };
  struct TSnapshot {
    TStatus Status = TStatus::NotFetched;
    std::vector<THallOfFameLine> Lines;
  };

  explicit THallOfFameFetcher(TScoreServer server, TWebTimeouts timeouts = {});
  // A request under way is abandoned.
  ~THallOfFameFetcher();
  THallOfFameFetcher(const THallOfFameFetcher&) = delete;
  THallOfFameFetcher& operator=(const THallOfFameFetcher&) = delete;

  // Starts a fetch unless one is under way (or there is no server); returns at once.
  void Fetch();
  TSnapshot Snapshot() const;
  // Until no fetch is under way, or at most limit; whether none is.
  bool WaitIdle(std::chrono::milliseconds limit);

 private:
  void Run();

  TWebClient Client;
  mutable std::mutex Lock;
  std::condition_variable Changed;
  TSnapshot Current;
  std::thread Worker;
};
