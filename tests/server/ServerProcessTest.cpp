#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "ServerProcess.h"
#include "TestDatabases.h"
#include "web/HallOfFameFetcher.h"
#include "web/ScoreSubmission.h"
#include "web/TextEncoding.h"
#include "web/WebClient.h"

namespace {

using namespace std::chrono_literals;

TScoreServer Local(const TServerProcess& server) {
  return {"127.0.0.1", server.Port()};
}

size_t RequestLines(const std::vector<std::string>& lines) {
  return size_t(std::ranges::count_if(
      lines, [](const std::string& line) { return line.find(" GET ") != std::string::npos; }));
}

class ServerProgramTest : public testing::TestWithParam<TBackend> {
 protected:
  void SetUp() override {
    Database = std::make_unique<TTestDatabase>(GetParam());
    if (Database->Url().empty()) GTEST_SKIP() << Database->WhyNot();
  }
  std::unique_ptr<TTestDatabase> Database;
};

// The game's own submission, end to end: its client, its record and encoding, the server's answer,
// and the score on the hall of fame; one log line per request.
TEST_P(ServerProgramTest, TheGamesScoreReachesTheHallOfFame) {
  TServerProcess server({"--db", Database->Url()});
  TWebClient game(Local(server));
  EXPECT_EQ(SubmitScore(game, {"Ann", 1250, "hi"}), std::nullopt);
  EXPECT_EQ(SubmitScore(game, {"Bob", 900, ""}), std::nullopt);
  const std::optional<std::string> best = game.Get("/api/scores", "limit=10");
  ASSERT_TRUE(best);
  const nlohmann::json lines = nlohmann::json::parse(*best);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]["name"], "Ann");
  EXPECT_EQ(lines[0]["score"], 1250);
  EXPECT_EQ(lines[1]["name"], "Bob");

  THallOfFameFetcher hallOfFame(Local(server));  // what the game's screen draws
  hallOfFame.Fetch();
  ASSERT_TRUE(hallOfFame.WaitIdle(20s));
  const THallOfFameFetcher::TSnapshot shown = hallOfFame.Snapshot();
  EXPECT_EQ(shown.Status, THallOfFameFetcher::TStatus::Fetched);
  ASSERT_EQ(shown.Lines.size(), 2u);
  EXPECT_EQ(shown.Lines[0].Name, "Ann");
  EXPECT_EQ(shown.Lines[1].Score, 900);

  EXPECT_EQ(server.Stop(SIGTERM), 0);
  EXPECT_EQ(RequestLines(server.LogLines()), 6u);
}

// Two servers on one database: the handshake on one, the submission on the other.
TEST_P(ServerProgramTest, TwoServersShareTheOneTimeValues) {
  TServerProcess first({"--db", Database->Url()});
  TServerProcess second({"--db", Database->Url()});
  TWebClient toFirst(Local(first));
  TWebClient toSecond(Local(second));
  const std::optional<std::string> value =
      HandshakeValue(toFirst.Get(ScoreRequest::Script, ScoreRequest::Handshake).value_or(""));
  ASSERT_TRUE(value);
  const std::string submission = ScoreRequest::Submission + EncodeText(ScoreRecord({"Cid", 77, ""}, *value));
  EXPECT_EQ(toSecond.Get(ScoreRequest::Script, submission), "OK\n");
  EXPECT_EQ(toFirst.Get(ScoreRequest::Script, submission), std::nullopt);  // spent: a 403
  EXPECT_EQ(RawGet(first.Port(), std::string(ScoreRequest::Script) + "?" + submission).Status, 403);
  const nlohmann::json lines = nlohmann::json::parse(toFirst.Get("/api/scores", "").value_or("null"));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]["name"], "Cid");
}

INSTANTIATE_TEST_SUITE_P(Databases, ServerProgramTest, testing::Values(TBackend::Sqlite, TBackend::Postgres),
                         [](const testing::TestParamInfo<TBackend>& info) {
                           return BackendName(info.param);
                         });

class ServerOnSqlite : public testing::Test {
 protected:
  TTestDatabase Database{TBackend::Sqlite};
};

// Clients that send a byte at a time hold no worker: with two threads and four such clients, another
// client is answered at once, and the slow ones are cut off after the request time-out (and logged).
TEST_F(ServerOnSqlite, SlowClientsAreCutOff) {
  TServerProcess server({"--db", Database.Url(), "--threads", "2", "--request-timeout", "1"});
  std::vector<int> slow;
  for (int i = 0; i < 4; ++i) slow.push_back(ConnectTo(server.Port()));
  const std::string request = "GET /healthz HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
  for (size_t i = 0; i < 3; ++i)
    for (const int connection : slow) SendAll(connection, request.substr(i, 1));
  EXPECT_EQ(RawGet(server.Port(), "/healthz").Status, 200);

  bool allClosed = false;
  const auto giveUp = std::chrono::steady_clock::now() + 20s;
  for (size_t i = 3; !allClosed && std::chrono::steady_clock::now() < giveUp; ++i) {
    std::this_thread::sleep_for(200ms);
    allClosed = true;
    for (const int connection : slow) {
      pollfd wanted{connection, POLLIN, 0};
      const bool closing = poll(&wanted, 1, 0) > 0;
      allClosed = allClosed && closing;
      if (!closing) SendAll(connection, request.substr(i % request.size(), 1));
    }
  }
  EXPECT_TRUE(allClosed);
  for (const int connection : slow) {
    EXPECT_EQ(ReadUntilClosed(connection, 5000), "");
    close(connection);
  }
  EXPECT_EQ(server.Stop(SIGTERM), 0);
  const std::vector<std::string> lines = server.LogLines();
  EXPECT_EQ(std::ranges::count_if(lines, [](const std::string& line) { return line.ends_with(" - - 408"); }),
            0);
  EXPECT_EQ(std::ranges::count_if(
                lines, [](const std::string& line) { return line.find(" - - 408 ") != std::string::npos; }),
            4);
}

TEST_F(ServerOnSqlite, AQueryOfAMegabyteIsRefused) {
  TServerProcess server({"--db", Database.Url()});
  const std::string target = "/cgi/version.pl?hs&prg=MorvelRacing&inf=" + std::string(1 << 20, 'A');
  EXPECT_EQ(RawGet(server.Port(), target).Status, 414);
  EXPECT_EQ(RawGet(server.Port(), "/healthz").Status, 200);
  EXPECT_EQ(server.Stop(SIGTERM), 0);
}

// SIGTERM or SIGINT: a request under way is answered, a connection that waits for its next request is
// closed, and the program ends with 0.
TEST_F(ServerOnSqlite, StopSignalsFinishTheRequestsUnderWay) {
  for (const int signal : {SIGTERM, SIGINT}) {
    TServerProcess server({"--db", Database.Url()});
    const int idle = ConnectTo(server.Port());
    SendAll(idle, "GET /healthz HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    EXPECT_EQ(ParseReply(ReadUntilClosed(idle, 500)).Status, 200);  // then kept alive, idle

    const int busy = ConnectTo(server.Port());
    SendAll(busy, "GET /cgi/version.pl?version&prg=MorvelRacing HTTP/1.1\r\n");
    std::this_thread::sleep_for(300ms);  // the request line has arrived
    std::thread stopping([&] { EXPECT_EQ(server.Stop(signal), 0) << signal; });
    std::this_thread::sleep_for(300ms);
    SendAll(busy, "Host: 127.0.0.1\r\n\r\n");
    const TRawReply reply = ParseReply(ReadUntilClosed(busy, 10000));
    stopping.join();
    EXPECT_EQ(reply.Status, 200) << signal;
    EXPECT_TRUE(reply.Body.starts_with("OK|")) << reply.Body;
    EXPECT_EQ(ReadUntilClosed(idle, 1000), "") << "the idle connection is closed";
    EXPECT_EQ(ConnectTo(server.Port()), -1);
    close(idle);
    close(busy);
  }
}

}  // namespace
