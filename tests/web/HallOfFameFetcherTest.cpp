#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "TestHttpServer.h"
#include "web/HallOfFameFetcher.h"

namespace {

using namespace std::chrono_literals;

constexpr TWebTimeouts kQuick{1000ms, 300ms};

TScoreServer Local(const TTestHttpServer& server) {
  return {"127.0.0.1", server.Port()};
}

// The top ten in the background: the request, the lines with the names back in Latin-1.
TEST(HallOfFameFetcher, FetchesTheTopTenInTheBackground) {
  std::string json = R"([{"rank":1,"name":"Zo\u00eb","score":1250,"date":"2026-12-11"})";
  for (int rank = 2; rank <= 12; ++rank)
    json += R"(,{"rank":)" + std::to_string(rank) + R"(,"name":"N)" + std::to_string(rank) +
            R"(","score":10,"date":"2026-12-10"})";
  json += "]";
  TTestHttpServer server({HttpReply(json)});
  THallOfFameFetcher fetcher(Local(server), kQuick);
  EXPECT_EQ(fetcher.Snapshot().Status, THallOfFameFetcher::TStatus::NotFetched);
  fetcher.Fetch();
  ASSERT_TRUE(fetcher.WaitIdle(10s));
  const THallOfFameFetcher::TSnapshot snapshot = fetcher.Snapshot();
  EXPECT_EQ(snapshot.Status, THallOfFameFetcher::TStatus::Fetched);
  ASSERT_EQ(snapshot.Lines.size(), size_t(kHallOfFameLines));
  EXPECT_EQ(snapshot.Lines[0].Rank, 1);
  EXPECT_EQ(snapshot.Lines[0].Name, "Zo\xEB");
  EXPECT_EQ(snapshot.Lines[0].Score, 1250);
  EXPECT_EQ(snapshot.Lines[0].Date, "2026-12-11");
  EXPECT_EQ(snapshot.Lines[9].Name, "N10");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_TRUE(server.Requests()[0].starts_with("GET /api/scores?limit=10 HTTP/1.1\r\n"));
}

// A server that is not there, never answers, fails or answers with something else: "unreachable",
// and a later fetch tries again.
TEST(HallOfFameFetcher, AnyFailureIsUnreachable) {
  const std::vector<std::string> replies = {
      HttpReply("[]", "", 503),
      HttpReply("<html>hello</html>"),
      HttpReply(R"({"rank":1})"),
      HttpReply(R"([{"rank":1,"name":5,"score":1,"date":"x"}])"),
      HttpReply(R"([{"rank":1,"name":"a","score":"many","date":"x"}])"),
      HttpReply(R"([{"rank":1,"name":"a","score":1}])"),
      HttpReply(R"([{"rank":1,"name":"a","score":1,"date":"x"})"),
  };
  for (const std::string& reply : replies) {
    TTestHttpServer server({reply, HttpReply("[]")});
    THallOfFameFetcher fetcher(Local(server), kQuick);
    fetcher.Fetch();
    ASSERT_TRUE(fetcher.WaitIdle(10s));
    EXPECT_EQ(fetcher.Snapshot().Status, THallOfFameFetcher::TStatus::Unreachable) << reply;
    fetcher.Fetch();
    ASSERT_TRUE(fetcher.WaitIdle(10s));
    EXPECT_EQ(fetcher.Snapshot().Status, THallOfFameFetcher::TStatus::Fetched) << reply;
    EXPECT_TRUE(fetcher.Snapshot().Lines.empty());
  }
  TTestHttpServer silent({}, true);
  THallOfFameFetcher waiting(Local(silent), kQuick);
  waiting.Fetch();
  EXPECT_EQ(waiting.Snapshot().Status, THallOfFameFetcher::TStatus::Fetching);
  ASSERT_TRUE(waiting.WaitIdle(10s));
  EXPECT_EQ(waiting.Snapshot().Status, THallOfFameFetcher::TStatus::Unreachable);
}

TEST(HallOfFameFetcher, WithoutAServerNothingIsFetched) {
  THallOfFameFetcher fetcher(TScoreServer{}, kQuick);
  fetcher.Fetch();
  EXPECT_TRUE(fetcher.WaitIdle(0ms));
  EXPECT_EQ(fetcher.Snapshot().Status, THallOfFameFetcher::TStatus::NoServer);
}

// Going away while the server keeps it waiting does not wait for the time-out.
TEST(HallOfFameFetcher, AFetchUnderWayIsAbandoned) {
  TTestHttpServer silent({}, true);
  const auto started = std::chrono::steady_clock::now();
  {
    THallOfFameFetcher fetcher(Local(silent), TWebTimeouts{60s, 60s});
    fetcher.Fetch();
  }
  EXPECT_LT(std::chrono::steady_clock::now() - started, 30s);
}

}  // namespace
