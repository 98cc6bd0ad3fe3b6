#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "web/ScoreRecord.h"
#include "web/ScoreServer.h"
#include "web/WebClient.h"

// The score submission as the form uses it: a submission is queued and made on a worker thread, so the
// menus and the demonstration race go on while the server answers (or fails to). What the player is to
// be told comes back through TakeMessage, which the form asks on the main thread once a frame.
class TScoreSubmitter {
 public:
  explicit TScoreSubmitter(TScoreServer server, TWebTimeouts timeouts = {});
  // A request under way is abandoned; submissions not yet started are dropped.
  ~TScoreSubmitter();
  TScoreSubmitter(const TScoreSubmitter&) = delete;
  TScoreSubmitter& operator=(const TScoreSubmitter&) = delete;

  // Whether there is a server to send to at all.
  bool HasServer() const { return ServerSet; }
  // Returns at once; every submission makes its own handshake.
  void SubmitScore(TScoreEntry entry);
  // The next text to show in an information box ("Can't connect to server!"), once.
  std::optional<std::string> TakeMessage();
  // Until every queued submission has ended, or at most limit; whether it has.
  bool WaitIdle(std::chrono::milliseconds limit);

 private:
  void Run();

  const bool ServerSet;
  TWebClient Client;
  std::mutex Lock;
  std::condition_variable Changed;
  std::deque<TScoreEntry> Pending;
  std::deque<std::string> Messages;
  bool Busy = false;
  bool Stopping = false;
  std::thread Worker;  // last: starts once everything it uses exists
};
