#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>

#include "ServiceFixture.h"
#include "server/OneTimeValue.h"
#include "server/ScoreRules.h"
#include "web/TextEncoding.h"

namespace {

TEST_P(ServiceTest, TheGamesRecordIsStoredOnceAndItsReplayRefused) {
  const std::string value = Handshake();
  ASSERT_EQ(value.size(), 32u);
  const THttpReply first = Submit({"Ann", 1250, "hi"}, value);
  EXPECT_EQ(first.Status, 200);
  EXPECT_EQ(first.Body, "OK\n");

  const THttpReply replay = Submit({"Ann", 1250, "hi"}, value);
  EXPECT_EQ(replay.Status, 403);
  EXPECT_EQ(replay.Body, "unknown or used one-time value\n");
  EXPECT_EQ(Store->ScoreCount(), 1);
  EXPECT_EQ(BestJson(), R"([{"date":"2027-01-15","name":"Ann","rank":1,"score":1250}])");
}

TEST_P(ServiceTest, EveryHandshakeGivesANewValue) {
  const std::string first = Handshake();
  const std::string second = Handshake();
  EXPECT_NE(first, second);
  EXPECT_EQ(Submit({"Ann", 1, ""}, second).Status, 200);
  EXPECT_EQ(Submit({"Ann", 2, ""}, first).Status, 200);
}

TEST_P(ServiceTest, AOneTimeValueLastsTenMinutes) {
  const std::string kept = Handshake();
  const std::string late = Handshake();
  Now += kOneTimeValueLifetime;
  EXPECT_EQ(Submit({"Ann", 10, ""}, kept).Status, 200);
  Now += 1;
  const THttpReply expired = Submit({"Bob", 20, ""}, late);
  EXPECT_EQ(expired.Status, 403);
  EXPECT_EQ(expired.Body, "expired one-time value\n");
  EXPECT_EQ(Submit({"Bob", 20, ""}, late).Status, 403);  // spent by the attempt
  EXPECT_EQ(Store->ScoreCount(), 1);
}

TEST_P(ServiceTest, AValueTheServerNeverIssuedIsRefused) {
  Handshake();
  const THttpReply reply = Submit({"Ann", 10, ""}, NewOneTimeValue());
  EXPECT_EQ(reply.Status, 403);
  EXPECT_EQ(Store->ScoreCount(), 0);
}

// The limits themselves count; names and texts are the game's Latin-1 bytes and come back as UTF-8.
TEST_P(ServiceTest, WhatTheGameCanSendIsAccepted) {
  struct TCase {
    TScoreEntry Entry;
    const char* ShownName;
  };
  const TCase cases[] = {
      {{"", 5, ""}, ""},
      {{"TwelveLetter", int(ScoreLimits::Ceiling - 1), "twelve chars"}, "TwelveLetter"},
      {{"Zo\xEB", 0, "%%%"}, "Zo\xC3\xAB"},
      {{"<b>&\"'", 7, "<script>"}, "<b>&\"'"},
  };
  for (const TCase& c : cases) {
    const THttpReply reply = Submit(c.Entry, Handshake());
    EXPECT_EQ(reply.Status, 200) << c.Entry.PlayerName << ": " << reply.Body;
    const nlohmann::json best = nlohmann::json::parse(BestJson());
    EXPECT_TRUE(std::ranges::any_of(best, [&](const nlohmann::json& line) {
      return line["name"] == c.ShownName;
    })) << c.ShownName;
  }
  EXPECT_EQ(Store->ScoreCount(), int64_t(std::size(cases)));
}

TEST_P(ServiceTest, TheHallOfFameShowsTheBestOfEachName) {
  const struct {
    const char* Name;
    int Score;
  } submissions[] = {{"Ann", 100}, {"Bob", 300}, {"Ann", 250}, {"Cid", 300}, {"Ann", 50}};
  for (const auto& submission : submissions) {
    ASSERT_EQ(Submit({submission.Name, submission.Score, ""}, Handshake()).Status, 200);
    Now += 86400;
  }
  EXPECT_EQ(Store->ScoreCount(), 5);
  EXPECT_EQ(BestJson(), R"([{"date":"2027-01-16","name":"Bob","rank":1,"score":300},)"
                        R"({"date":"2027-01-18","name":"Cid","rank":2,"score":300},)"
                        R"({"date":"2027-01-17","name":"Ann","rank":3,"score":250}])");
  EXPECT_EQ(BestJson(1), R"([{"date":"2027-01-16","name":"Bob","rank":1,"score":300}])");

  const THttpReply page = Get("/");
  EXPECT_EQ(page.Status, 200);
  EXPECT_EQ(page.ContentType, "text/html; charset=utf-8");
  const size_t bob = page.Body.find(">Bob<"), cid = page.Body.find(">Cid<"), ann = page.Body.find(">Ann<");
  ASSERT_NE(ann, std::string::npos);
  EXPECT_LT(bob, cid);
  EXPECT_LT(cid, ann);
  EXPECT_NE(page.Body.find("name=\"viewport\""), std::string::npos);

  for (const char* bad : {"0", "-1", "x", "", "5x"})
    EXPECT_EQ(Get(std::string("/api/scores?limit=") + bad).Status, 400) << bad;
  EXPECT_EQ(Get("/api/scores?limit=100000").Status, 200);
}

// Nothing that matters is in a server's memory: a value issued through one store is spent through
// another on the same database, once.
TEST_P(ServiceTest, TwoServersShareOneDatabase) {
  const std::unique_ptr<TScoreStore> other = OpenScoreStore(Database->Url(), 2);
  TScoreService otherService(*other, TServiceSettings{0}, [this] { return Now; });
  const std::string value = Handshake();
  const std::string code = EncodeText(ScoreRecord({"Ann", 42, ""}, value));
  EXPECT_EQ(otherService.Handle({"GET", SubmissionTarget(code), "192.0.2.8"}).Status, 200);
  EXPECT_EQ(SubmitCode(code).Status, 403);
  EXPECT_EQ(Store->ScoreCount(), 1);
  EXPECT_EQ(other->ScoreCount(), 1);
}

TEST_P(ServiceTest, ADatabaseFromANewerServerIsNotTouched) {
  Store.reset();
  ExecuteOn(Database->Url(), "INSERT INTO schema_version (version, applied_at) VALUES (99, 0)");
  EXPECT_THROW(OpenScoreStore(Database->Url(), 1), TStoreError);
  ExecuteOn(Database->Url(), "DELETE FROM schema_version WHERE version = 99");
  EXPECT_NO_THROW(OpenScoreStore(Database->Url(), 1));
}

TEST_P(ServiceTest, TheHealthCheckAnswers) {
  const THttpReply reply = Get("/healthz");
  EXPECT_EQ(reply.Status, 200);
  EXPECT_EQ(reply.Body, "OK\n");
  EXPECT_EQ(Get("/nothing").Status, 404);
  EXPECT_EQ(Service->Handle({"POST", "/", "192.0.2.7"}).Status, 405);
}

INSTANTIATE_TEST_SUITE_P(Databases, ServiceTest, testing::Values(TBackend::Sqlite, TBackend::Postgres),
                         [](const testing::TestParamInfo<TBackend>& info) {
                           return BackendName(info.param);
                         });

}  // namespace
