#include <gtest/gtest.h>

#include <functional>

#include "ServiceFixture.h"
#include "server/ScoreRules.h"
#include "web/TextEncoding.h"

namespace {

struct THostileCase {
  const char* What;
  // The request target, given a one-time value just issued.
  std::function<std::string(const std::string& value)> Target;
  int Status;
};

std::string Encoded(const std::string& name, const std::string& score, const std::string& key,
                    const std::string& value, const std::string& text) {
  return SubmissionTarget(EncodeText(HandMadeRecord(name, score, key, value, text)));
}

std::string ValidCode(const std::string& value) {
  return EncodeText(HandMadeRecord("Ann", "10", "M", value, ""));
}

const THostileCase kHostileCases[] = {
    {"wrong key", [](auto& v) { return Encoded("Ann", "10", "X", v, ""); }, 403},
    {"empty key", [](auto& v) { return Encoded("Ann", "10", "", v, ""); }, 403},
    {"one-time value of another shape", [](auto&) { return Encoded("Ann", "10", "M", "12345", ""); }, 403},
    {"truncated by a group",
     [](auto& v) {
       const std::string c = ValidCode(v);
       return SubmissionTarget(c.substr(0, c.size() - 8));
     },
     400},
    {"truncated by a character",
     [](auto& v) {
       const std::string c = ValidCode(v);
       return SubmissionTarget(c.substr(0, c.size() - 1));
     },
     400},
    {"over-long", [](auto& v) { return Encoded("Ann", "10", "M", v, std::string(300, 'x')); }, 400},
    {"empty inf", [](auto&) { return SubmissionTarget(""); }, 400},
    {"no inf", [](auto&) { return std::string("/cgi/version.pl?hs&prg=MorvelRacing"); }, 400},
    {"lower case",
     [](auto& v) {
       std::string c = ValidCode(v);
       c[3] = 'a';
       return SubmissionTarget(c);
     },
     400},
    {"a zero digit",
     [](auto& v) {
       std::string c = ValidCode(v);
       c[3] = '0';
       return SubmissionTarget(c);
     },
     400},
    {"percent-escaped junk",
     [](auto& v) { return SubmissionTarget(ValidCode(v).substr(8) + "%00%FF%7C%7C%7C%7C%7C"); }, 400},
    {"broken percent escape", [](auto& v) { return SubmissionTarget(ValidCode(v) + "%G1"); }, 400},
    {"a bar smuggled into the name", [](auto& v) { return Encoded("Ann|score=99", "10", "M", v, ""); }, 400},
    {"a bar smuggled into the text", [](auto& v) { return Encoded("Ann", "10", "M", v, "x|key=M"); }, 400},
    {"fields out of order",
     [](auto& v) {
       return SubmissionTarget(EncodeText("type=0|score=10|name=Ann|key=M|p=" + v + "|add=|z=0"));
     },
     400},
    {"another type",
     [](auto& v) {
       return SubmissionTarget(EncodeText("type=1|name=Ann|score=10|key=M|p=" + v + "|add=|z=0"));
     },
     400},
    {"junk after z",
     [](auto& v) {
       return SubmissionTarget(EncodeText("type=0|name=Ann|score=10|key=M|p=" + v + "|add=|z=01"));
     },
     400},
    {"negative score", [](auto& v) { return Encoded("Ann", "-5", "M", v, ""); }, 400},
    {"minus zero", [](auto& v) { return Encoded("Ann", "-0", "M", v, ""); }, 400},
    {"score at the ceiling",
     [](auto& v) { return Encoded("Ann", std::to_string(ScoreLimits::Ceiling), "M", v, ""); }, 400},
    {"score beyond 64 bits", [](auto& v) { return Encoded("Ann", "99999999999999999999999", "M", v, ""); },
     400},
    {"score with a plus", [](auto& v) { return Encoded("Ann", "+5", "M", v, ""); }, 400},
    {"score with an exponent", [](auto& v) { return Encoded("Ann", "1e5", "M", v, ""); }, 400},
    {"empty score", [](auto& v) { return Encoded("Ann", "", "M", v, ""); }, 400},
    {"name of 13 bytes", [](auto& v) { return Encoded(std::string(13, 'n'), "10", "M", v, ""); }, 400},
    {"text of 13 bytes", [](auto& v) { return Encoded("Ann", "10", "M", v, std::string(13, 't')); }, 400},
    {"control character in the name", [](auto& v) { return Encoded("A\x01nn", "10", "M", v, ""); }, 400},
    {"new line in the name", [](auto& v) { return Encoded("Ann\n", "10", "M", v, ""); }, 400},
    {"DEL in the text", [](auto& v) { return Encoded("Ann", "10", "M", v, "\x7F"); }, 400},
    {"C1 control in the name", [](auto& v) { return Encoded("Ann\x85", "10", "M", v, ""); }, 400},
    {"a second inf", [](auto& v) { return SubmissionTarget(ValidCode(v)) + "&inf=" + ValidCode(v); }, 400},
    {"another program", [](auto& v) { return "/cgi/version.pl?hs&prg=Other&inf=" + ValidCode(v); }, 400},
    {"handshake and submission at once",
     [](auto& v) { return "/cgi/version.pl?hs&version&prg=MorvelRacing&inf=" + ValidCode(v); }, 400},
    {"1 MB query string", [](auto& v) { return SubmissionTarget(ValidCode(v) + std::string(1 << 20, 'A')); },
     400},
    {"1 MB of parameters",
     [](auto& v) {
       std::string t = SubmissionTarget(ValidCode(v));
       while (t.size() < (1 << 20)) t += "&a";
       return t;
     },
     400},
};

// Every hostile submission is refused with a reason and stores nothing; the value it carried can still
// be used by the real submission (refusals before the database never spend it).
TEST_P(ServiceTest, HostileSubmissionsAreRefusedAndStoreNothing) {
  for (const THostileCase& c : kHostileCases) {
    const std::string value = Handshake();
    const THttpReply reply = Get(c.Target(value));
    EXPECT_EQ(reply.Status, c.Status) << c.What << ": " << reply.Body;
    EXPECT_GT(reply.Body.size(), 1u) << c.What;
    EXPECT_LT(reply.Body.size(), 50u) << c.What;
    EXPECT_EQ(Store->ScoreCount(), 0) << c.What;
  }
  EXPECT_EQ(BestJson(), "[]");
}

TEST(RateLimit, TooManyRequestsFromOneAddressGet429) {
  TTestDatabase database(TBackend::Sqlite);
  const std::unique_ptr<TScoreStore> store = OpenScoreStore(database.Url(), 1);
  int64_t now = 1'800'000'020;
  TScoreService service(*store, TServiceSettings{3}, [&] { return now; });
  const auto handshake = [&](const std::string& address) {
    return service.Handle({"GET", "/cgi/version.pl?version&prg=MorvelRacing", address}).Status;
  };
  for (int i = 0; i < 3; ++i) EXPECT_EQ(handshake("192.0.2.1"), 200);
  EXPECT_EQ(handshake("192.0.2.1"), 429);
  const THttpReply submission =
      service.Handle({"GET", SubmissionTarget(ValidCode(std::string(32, 'a'))), "192.0.2.1"});
  EXPECT_EQ(submission.Status, 429);
  EXPECT_EQ(submission.Body, "too many requests\n");
  EXPECT_EQ(handshake("192.0.2.2"), 200);                            // another address counts on its own
  EXPECT_EQ(service.Handle({"GET", "/", "192.0.2.1"}).Status, 200);  // the page is not limited
  now += 60;
  EXPECT_EQ(handshake("192.0.2.1"), 200);  // a new minute
}

}  // namespace
