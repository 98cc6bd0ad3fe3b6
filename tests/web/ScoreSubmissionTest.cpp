#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "TestHttpServer.h"
#include "web/ScoreSubmission.h"
#include "web/ScoreSubmitter.h"
#include "web/TextEncoding.h"

namespace {

using namespace std::chrono_literals;

const TScoreEntry kEntry{"Ann", 1250, "hello"};

TScoreServer Local(const TTestHttpServer& server) {
  return {"127.0.0.1", server.Port()};
}

// Short time-outs, so that a server that never answers fails the request soon.
constexpr TWebTimeouts kQuick{1000ms, 300ms};

// The request line of a recorded request head.
std::string RequestLine(const std::string& head) {
  return head.substr(0, head.find("\r\n"));
}

// The value of a header line of a recorded request head, or "(none)".
std::string Header(const std::string& head, const std::string& name) {
  const size_t at = head.find("\r\n" + name + ": ");
  if (at == std::string::npos) return "(none)";
  const size_t start = at + name.size() + 4;
  return head.substr(start, head.find("\r\n", start) - start);
}

std::string SubmittedCode(const std::string& head) {
  const std::string line = RequestLine(head);
  const std::string marker = "inf=";
  const size_t start = line.find(marker) + marker.size();
  return line.substr(start, line.find(' ', start) - start);
}

TEST(ScoreSubmission, HandshakeThenEncodedRecordWithTheGameHeadersAndTheCookie) {
  TTestHttpServer server(
      {HttpReply("OK|a|b|c|once42|e", "Set-Cookie: session=abc123; Path=/\r\n"), HttpReply("thanks")});
  TWebClient client(Local(server));
  EXPECT_EQ(SubmitScore(client, kEntry), std::nullopt);

  const std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(RequestLine(requests[0]), "GET /cgi/version.pl?version&prg=MorvelRacing HTTP/1.1");
  const std::string code = EncodeText(ScoreRecord(kEntry, "once42"));
  EXPECT_EQ(RequestLine(requests[1]), "GET /cgi/version.pl?hs&prg=MorvelRacing&inf=" + code + " HTTP/1.1");
  EXPECT_EQ(DecodeText(SubmittedCode(requests[1])), ScoreRecord(kEntry, "once42"));
  for (const std::string& head : requests) {
    EXPECT_EQ(Header(head, "Accept"), "text/html, */*");
    EXPECT_EQ(Header(head, "Content-Type"), "text/html");
    EXPECT_EQ(Header(head, "User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(Header(head, "Content-Length"), "(none)");
  }
  EXPECT_EQ(Header(requests[0], "Cookie"), "(none)");
  EXPECT_EQ(Header(requests[1], "Cookie"), "session=abc123");
}

TEST(ScoreSubmission, CookiesLastFromOneSubmissionToTheNext) {
  TTestHttpServer server(
      {HttpReply("OK|||||", "Set-Cookie: player=7\r\n"), HttpReply(""), HttpReply("OK|||||"), HttpReply("")});
  TWebClient client(Local(server));
  SubmitScore(client, kEntry);
  SubmitScore(client, kEntry);
  const std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(Header(requests[2], "Cookie"), "player=7");
  EXPECT_EQ(Header(requests[3], "Cookie"), "player=7");
}

// Replies that carry no one-time value: the player is told, and nothing is sent.
TEST(ScoreSubmission, HandshakeWithoutOkSendsNothing) {
  const std::string replies[] = {
      HttpReply("ok|a|b|c|d|e"),
      HttpReply("NO"),
      HttpReply(""),
      HttpReply(std::string("\0\xFF\x13garbage|||||", 15)),
      HttpReply("OK|a|b|c|d|e", "", 500),
      HttpReply("OK|a|b|c|d|e", "", 404),
      "garbage that is not HTTP at all\r\n\r\n",
      "HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\nOK|cut short",
  };
  for (const std::string& reply : replies) {
    TTestHttpServer server({reply});
    TWebClient client(Local(server), kQuick);
    EXPECT_EQ(SubmitScore(client, kEntry), std::string(kCannotConnect)) << reply;
    EXPECT_EQ(server.Requests().size(), 1u) << reply;
  }
}

TEST(ScoreSubmission, TooFewCutsStillSendTheRecordWithAnEmptyValue) {
  for (const char* body : {"OK", "OK|a|b|c|d"}) {
    TTestHttpServer server({HttpReply(body), HttpReply("")});
    TWebClient client(Local(server));
    EXPECT_EQ(SubmitScore(client, kEntry), std::nullopt) << body;
    const std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u) << body;
    EXPECT_EQ(DecodeText(SubmittedCode(requests[1])), ScoreRecord(kEntry, "")) << body;
  }
}

TEST(ScoreSubmission, FailedSubmissionIsSilent) {
  TTestHttpServer server({HttpReply("OK|a|b|c|d|e"), HttpReply("broken", "", 503)});
  TWebClient client(Local(server));
  EXPECT_EQ(SubmitScore(client, kEntry), std::nullopt);
  EXPECT_EQ(server.Requests().size(), 2u);
}

TEST(ScoreSubmission, ServerThatNeverAnswersTimesOut) {
  TTestHttpServer server({}, true);
  TWebClient client(Local(server), kQuick);
  EXPECT_EQ(SubmitScore(client, kEntry), std::string(kCannotConnect));
  EXPECT_EQ(server.Requests().size(), 1u);
}

TEST(ScoreSubmission, NoServerListeningFails) {
  int port = 0;
  {
    TTestHttpServer closed({});
    port = closed.Port();
  }
  TWebClient client({"127.0.0.1", port}, kQuick);
  EXPECT_EQ(SubmitScore(client, kEntry), std::string(kCannotConnect));
}

TEST(ScoreSubmitter, RunsOffTheCallersThreadAndHandsBackTheMessageOnce) {
  TTestHttpServer server({HttpReply("OK|a|b|c|d|e"), HttpReply(""), HttpReply("DOWN")});
  TScoreSubmitter submitter(Local(server), kQuick);
  submitter.SubmitScore(kEntry);
  ASSERT_TRUE(submitter.WaitIdle(30s));
  EXPECT_EQ(submitter.TakeMessage(), std::nullopt);
  EXPECT_EQ(server.Requests().size(), 2u);

  submitter.SubmitScore(kEntry);
  ASSERT_TRUE(submitter.WaitIdle(30s));
  EXPECT_EQ(submitter.TakeMessage(), std::string(kCannotConnect));
  EXPECT_EQ(submitter.TakeMessage(), std::nullopt);
  EXPECT_EQ(server.Requests().size(), 3u);
}

TEST(ScoreSubmitter, EndingTheGameAbandonsARequestUnderWay) {
  TTestHttpServer server({}, true);
  {
    // With an hour to wait, only the abandoning lets the submitter end before the test's time runs out.
    TScoreSubmitter submitter(Local(server), {1000ms, std::chrono::hours(1)});
    submitter.SubmitScore(kEntry);
    submitter.SubmitScore(kEntry);
    while (server.Requests().empty()) std::this_thread::sleep_for(5ms);
    EXPECT_FALSE(submitter.WaitIdle(0ms));
  }
  EXPECT_EQ(server.Requests().size(), 1u);  // the queued second submission was dropped
}

}  // namespace
