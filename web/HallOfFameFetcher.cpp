#include "web/HallOfFameFetcher.h"

#include <nlohmann/json.hpp>

#include <utility>

#include "web/Latin1.h"

namespace {

std::optional<THallOfFameLine> ReadLine(const nlohmann::json& line) {
  if (!line.is_object()) return std::nullopt;
  const auto rank = line.find("rank"), name = line.find("name"), score = line.find("score"),
             date = line.find("date");
  if (rank == line.end() || name == line.end() || score == line.end() || date == line.end() ||
      !rank->is_number_integer() || !name->is_string() || !score->is_number_integer() || !date->is_string())
    return std::nullopt;
  return THallOfFameLine{rank->get<int>(), Utf8ToLatin1(name->get<std::string>()), score->get<int64_t>(),
                         date->get<std::string>()};
}

}  // namespace

std::optional<std::vector<THallOfFameLine>> ReadHallOfFame(std::string_view json) {
  const nlohmann::json parsed = nlohmann::json::parse(json, nullptr, false);
  if (!parsed.is_array()) return std::nullopt;
  std::vector<THallOfFameLine> lines;
  for (const nlohmann::json& item : parsed) {
    std::optional<THallOfFameLine> line = ReadLine(item);
    if (!line) return std::nullopt;
    if (lines.size() < size_t(kHallOfFameLines)) lines.push_back(std::move(*line));
  }
  return lines;
}

THallOfFameFetcher::THallOfFameFetcher(TScoreServer server, TWebTimeouts timeouts)
    : Client(server, timeouts) {
  if (!server.IsSet()) Current.Status = TStatus::NoServer;
}

THallOfFameFetcher::~THallOfFameFetcher() {
  Client.Abandon();
  if (Worker.joinable()) Worker.join();
}

void THallOfFameFetcher::Fetch() {
  std::lock_guard guard(Lock);
  if (Current.Status == TStatus::NoServer || Current.Status == TStatus::Fetching) return;
  Current.Status = TStatus::Fetching;
  if (Worker.joinable()) Worker.join();  // the last fetch has ended: it set the status
  Worker = std::thread([this] { Run(); });
}

THallOfFameFetcher::TSnapshot THallOfFameFetcher::Snapshot() const {
  std::lock_guard guard(Lock);
  return Current;
}

bool THallOfFameFetcher::WaitIdle(std::chrono::milliseconds limit) {
  std::unique_lock guard(Lock);
  return Changed.wait_for(guard, limit, [this] { return Current.Status != TStatus::Fetching; });
}

void THallOfFameFetcher::Run() {
  const std::optional<std::string> reply =
      Client.Get("/api/scores", "limit=" + std::to_string(kHallOfFameLines));
  std::optional<std::vector<THallOfFameLine>> lines = reply ? ReadHallOfFame(*reply) : std::nullopt;
  {
    std::lock_guard guard(Lock);
    Current.Status = lines ? TStatus::Fetched : TStatus::Unreachable;
    Current.Lines = lines ? std::move(*lines) : std::vector<THallOfFameLine>{};
  }
  Changed.notify_all();
}
