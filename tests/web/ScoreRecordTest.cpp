#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "web/Latin1.h"
#include "web/ScoreRecord.h"
#include "web/ScoreServer.h"
#include "web/TextEncoding.h"
#include "web/WebClient.h"

namespace {

TEST(ScoreRecord, HandshakeValueIsTheFifthFieldOfAnOkReply) {
  struct TCase {
    const char* Reply;
    std::optional<std::string> Value;
  };
  const TCase cases[] = {
      {"OK|a|b|c|d|e", "d"},
      {"OK|a|b|c|d|", "d"},
      {"OK|1|2|3|4|5|6|7", "4"},
      {"OK||||token|", "token"},
      {"OKAY|a|b|c|value|rest", "value"},
      {"OK|a|b|c|d", ""},  // four bars: the fifth cut finds none
      {"OK", ""},
      {"OK\n", ""},
      {"ok|a|b|c|d|e", std::nullopt},
      {" OK|a|b|c|d|e", std::nullopt},
      {"O", std::nullopt},
      {"", std::nullopt},
      {"<html>Internal error</html>", std::nullopt},
  };
  for (const TCase& c : cases) EXPECT_EQ(HandshakeValue(c.Reply), c.Value) << c.Reply;
}

TEST(ScoreRecord, FieldsInOrderFilledToAMultipleOfFive) {
  const std::string record = ScoreRecord({"Ann", 1250, "hi"}, "777");
  EXPECT_EQ(record, "type=0|name=Ann|score=1250|key=M|p=777|add=hi|z=00");
  EXPECT_EQ(record.size() % 5, 0u);

  // An empty name, a negative score and bytes above 127 go in as they stand.
  EXPECT_TRUE(ScoreRecord({"", -40, ""}, "").starts_with("type=0|name=|score=-40|key="));
  EXPECT_NE(ScoreRecord({"\xC8\xE2\xE0\xED", 0, ""}, "").find("name=\xC8\xE2\xE0\xED|"), std::string::npos);
}

// A "|" in the name or the text would add fields: it never reaches the record.
TEST(ScoreRecord, ANameOrTextNeverAddsFields) {
  const std::string record = ScoreRecord({"x|score=9999", 5, "|a|"}, "777");
  EXPECT_EQ(record, "type=0|name=xscore=9999|score=5|key=M|p=777|add=a|z=000");
  EXPECT_EQ(std::count(record.begin(), record.end(), '|'), 6);
  EXPECT_EQ(WithoutRecordSeparators("||a|b||"), "ab");
}

TEST(ScoreRecord, FillingMakesTheRecordDecodeExactly) {
  // The bare record with a one-character key is 45 characters; each name character adds one.
  const std::string bare = "type=0|name=|score=0|key=M|p=|add=|z=";
  for (size_t extra = 0; extra < 10; ++extra) {
    const TScoreEntry entry{std::string(extra + 8, 'x'), 0, ""};
    const std::string record = ScoreRecord(entry, "");
    const size_t unfilled = bare.size() + entry.PlayerName.size();
    EXPECT_EQ(record.size(), (unfilled + 4) / 5 * 5) << unfilled;
    EXPECT_EQ(record.find_first_not_of('0', unfilled), std::string::npos);
    EXPECT_EQ(DecodeText(EncodeText(record)), record);
  }
  EXPECT_EQ(ScoreRecord({"12345678", 0, ""}, "").size(), 45u);   // 45: nothing added
  EXPECT_EQ(ScoreRecord({"123456789", 0, ""}, "").size(), 50u);  // 46: four added
}

TEST(ScoreServer, SettingIsAHostOrHostAndPort) {
  struct TCase {
    const char* Text;
    std::optional<std::string> Host;
    int Port;
  };
  const TCase cases[] = {
      {"scores.example.org", "scores.example.org", 80},
      {"127.0.0.1:8080", "127.0.0.1", 8080},
      {"localhost:1", "localhost", 1},
      {"[::1]", "[::1]", 80},
      {"[::1]:9000", "[::1]", 9000},
      {"host:0", std::nullopt, 0},
      {"host:65536", std::nullopt, 0},
      {"host:", std::nullopt, 0},
      {"host:80x", std::nullopt, 0},
      {":80", std::nullopt, 0},
      {"", std::nullopt, 0},
      {"::1", std::nullopt, 0},
      {"evil.example/path?x=1", std::nullopt, 0},
      {"user@host", std::nullopt, 0},
      {"host name", std::nullopt, 0},
      {"-opt", std::nullopt, 0},
      {"host\r\nX: 1", std::nullopt, 0},
  };
  for (const TCase& c : cases) {
    const std::optional<TScoreServer> server = ParseScoreServer(c.Text);
    ASSERT_EQ(server.has_value(), c.Host.has_value()) << c.Text;
    if (!server) continue;
    EXPECT_EQ(server->Host, *c.Host) << c.Text;
    EXPECT_EQ(server->Port, c.Port) << c.Text;
  }
}

// The environment names the server when it is well formed; otherwise the build's, if any.
TEST(ScoreServer, EnvironmentOverridesTheBuiltInServerOnlyWhenWellFormed) {
  struct TCase {
    const char* Environment;
    const char* BuiltIn;
    const char* Url;  // nullptr: no server
  };
  const TCase cases[] = {
      {nullptr, "", nullptr},
      {"", "", nullptr},
      {"bad/host", "", nullptr},
      {"127.0.0.1:8123", "", "http://127.0.0.1:8123/x"},
      {nullptr, "scores.example.org", "http://scores.example.org:80/x"},
      {"", "scores.example.org:8080", "http://scores.example.org:8080/x"},
      {"bad/host", "scores.example.org", "http://scores.example.org:80/x"},
      {"[::1]:9000", "scores.example.org", "http://[::1]:9000/x"},
      {nullptr, "not a host", nullptr},
  };
  for (const TCase& c : cases) {
    const TScoreServer server = ScoreServerSetting(c.Environment, c.BuiltIn);
    EXPECT_EQ(server.IsSet(), c.Url != nullptr) << c.BuiltIn;
    if (c.Url) {
      EXPECT_EQ(server.Url("/x"), c.Url) << c.BuiltIn;
    }
  }
}

TEST(WebClient, QueryIsPercentEncodedWhereNeeded) {
  EXPECT_EQ(PercentEncodeQuery("hs&prg=MorvelRacing&inf=GC2VD"), "hs&prg=MorvelRacing&inf=GC2VD");
  EXPECT_EQ(PercentEncodeQuery("a b|c#d%e\xC8/?+"), "a%20b%7Cc%23d%25e%C8%2F%3F%2B");
  EXPECT_EQ(PercentEncodeQuery(std::string("\0\r\n", 3)), "%00%0D%0A");
}

}  // namespace

namespace {

// The server reads back exactly what the game builds, and nothing else.
TEST(ScoreRecord, ParsingGivesBackTheGamesFields) {
  const std::optional<TScoreRecordFields> fields =
      ParseScoreRecord(ScoreRecord({"Zo\xEB", -40, "hi"}, "777"));
  ASSERT_TRUE(fields);
  EXPECT_EQ(fields->Name, "Zo\xEB");
  EXPECT_EQ(fields->Score, "-40");
  EXPECT_EQ(fields->Key, kScoreKey);
  EXPECT_EQ(fields->OneTimeValue, "777");
  EXPECT_EQ(fields->AddText, "hi");
  for (const char* broken :
       {"", "type=0|name=|score=0|key=M|p=|add=|z=", "type=0|name=|score=0|key=M|p=|add=|z=000X0",
        "type=0|name=a|b|score=0|key=M|p=|add=|z=0", "type=0|name=|score=0|key=M|p=|add=|zz=0",
        "type=0|nam=a|score=0|key=M|p=|add=|z=00", "Xtype=0|name|score=0|key=M|p=|add=|z="})
    EXPECT_FALSE(ParseScoreRecord(broken)) << broken;
}

TEST(ScoreRecord, Latin1TextsTravelAsUtf8) {
  EXPECT_EQ(Latin1ToUtf8("Zo\xEB \xA0\xFF"), "Zo\xC3\xAB \xC2\xA0\xC3\xBF");
  EXPECT_EQ(Utf8ToLatin1("Zo\xC3\xAB \xC2\xA0\xC3\xBF"), "Zo\xEB \xA0\xFF");
  // Beyond Latin-1, broken and cut sequences: one "?" each.
  EXPECT_EQ(Utf8ToLatin1("a\xE2\x82\xAC"
                         "b\xF0\x9F\x98\x80"
                         "c\xC3"
                         "d\x80"
                         "e\xE2\x82"),
            "a?b?c?d?e?");
}

}  // namespace
