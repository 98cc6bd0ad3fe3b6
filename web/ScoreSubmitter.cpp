#include "web/ScoreSubmitter.h"

#include <utility>

#include "web/ScoreSubmission.h"

TScoreSubmitter::TScoreSubmitter(TScoreServer server, TWebTimeouts timeouts)
    : ServerSet(server.IsSet()), Client(std::move(server), timeouts), Worker([this] { Run(); }) {}

TScoreSubmitter::~TScoreSubmitter() {
  {
    std::lock_guard guard(Lock);
    Stopping = true;
  }
  Client.Abandon();
  Changed.notify_all();
  Worker.join();
}

void TScoreSubmitter::SubmitScore(TScoreEntry entry) {
  {
    std::lock_guard guard(Lock);
    Pending.push_back(std::move(entry));
  }
  Changed.notify_all();
}

std::optional<std::string> TScoreSubmitter::TakeMessage() {
  std::lock_guard guard(Lock);
  if (Messages.empty()) return std::nullopt;
  std::string message = std::move(Messages.front());
  Messages.pop_front();
  return message;
}

bool TScoreSubmitter::WaitIdle(std::chrono::milliseconds limit) {
  std::unique_lock guard(Lock);
  return Changed.wait_for(guard, limit, [this] { return Pending.empty() && !Busy; });
}

void TScoreSubmitter::Run() {
  std::unique_lock guard(Lock);
  for (;;) {
    Changed.wait(guard, [this] { return Stopping || !Pending.empty(); });
    if (Stopping) return;
    const TScoreEntry entry = std::move(Pending.front());
    Pending.pop_front();
    Busy = true;
    guard.unlock();
    std::optional<std::string> message = ::SubmitScore(Client, entry);
    guard.lock();
    Busy = false;
    if (message) Messages.push_back(std::move(*message));
    Changed.notify_all();
  }
}
