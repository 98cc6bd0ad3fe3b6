#include "ServiceFixture.h"

#include "web/ScoreSubmission.h"
#include "web/TextEncoding.h"

void ServiceTest::SetUp() {
  Database = std::make_unique<TTestDatabase>(GetParam());
  if (Database->Url().empty()) GTEST_SKIP() << Database->WhyNot();
  Store = OpenScoreStore(Database->Url(), 2);
  Service = std::make_unique<TScoreService>(*Store, TServiceSettings{0}, [this] { return Now; });
}

THttpReply ServiceTest::Get(const std::string& target, const std::string& address) {
  return Service->Handle({"GET", target, address});
}

std::string ServiceTest::Handshake() {
  const THttpReply reply = Get(std::string(ScoreRequest::Script) + "?" + ScoreRequest::Handshake);
  EXPECT_EQ(reply.Status, 200) << reply.Body;
  return HandshakeValue(reply.Body).value_or("");
}

THttpReply ServiceTest::Submit(const TScoreEntry& entry, const std::string& oneTimeValue) {
  return SubmitCode(EncodeText(ScoreRecord(entry, oneTimeValue)));
}

THttpReply ServiceTest::SubmitCode(const std::string& code) {
  return Get(SubmissionTarget(code));
}

std::string ServiceTest::BestJson(int limit) {
  const THttpReply reply = Get("/api/scores?limit=" + std::to_string(limit));
  EXPECT_EQ(reply.Status, 200);
  EXPECT_EQ(reply.ContentType, "application/json");
  return reply.Body;
}

std::string HandMadeRecord(const std::string& name, const std::string& score, const std::string& key,
                           const std::string& value, const std::string& text) {
  std::string record =
      "type=0|name=" + name + "|score=" + score + "|key=" + key + "|p=" + value + "|add=" + text + "|z=";
  record.append((5 - record.size() % 5) % 5, '0');
  return record;
}

std::string SubmissionTarget(const std::string& code) {
  return std::string(ScoreRequest::Script) + "?" + ScoreRequest::Submission + code;
}
