#include <gtest/gtest.h>

#include <signal.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "ServerProcess.h"
#include "TestDatabases.h"
#include "web/ScoreSubmission.h"
#include "web/WebClient.h"

namespace {

std::string Browser() {
  for (const char* path : {"/usr/bin/chromium", "/usr/bin/chromium-browser"})
    if (std::filesystem::exists(path)) return path;
  return {};
}

// The page as a headless browser builds it: its document after parsing, as HTML.
std::string DumpedDom(const std::string& browser, const std::string& url) {
  const std::filesystem::path profile = MakeTempFolder("morvel-chromium");
  const std::string command = browser +
                              " --headless --no-sandbox --disable-gpu --disable-background-networking"
                              " --disable-component-update --disable-sync --no-first-run --user-data-dir=" +
                              profile.string() + " --dump-dom " + url + " 2>/dev/null";
  std::string dom;
  if (std::FILE* output = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (size_t got; (got = fread(buffer, 1, sizeof buffer, output)) > 0;) dom.append(buffer, got);
    pclose(output);
  }
  std::error_code ignored;
  std::filesystem::remove_all(profile, ignored);
  return dom;
}

// A real browser shows the scores sent by the game's own client in order, and a name that is HTML
// stays text: no script element, no bold element, the characters shown as typed.
TEST(HallOfFamePage, ABrowserShowsTheScoresAndHostileNamesAsText) {
  const std::string browser = Browser();
  if (browser.empty()) GTEST_SKIP() << "chromium is not installed; tools/bootstrap installs it";
  TTestDatabase database(TBackend::Sqlite);
  TServerProcess server({"--db", database.Url()});
  TWebClient game({"127.0.0.1", server.Port()});
  for (const TScoreEntry& entry : {TScoreEntry{"<script>", 900, ""}, TScoreEntry{"Ann", 1250, ""},
                                   TScoreEntry{"<b>x</b>", 5, ""}, TScoreEntry{"Zo\xEB", 300, ""}})
    ASSERT_EQ(SubmitScore(game, entry), std::nullopt);

  const std::string dom = DumpedDom(browser, "http://127.0.0.1:" + std::to_string(server.Port()) + "/");
  ASSERT_NE(dom.find("<h1>Hall of Fame</h1>"), std::string::npos) << dom;
  EXPECT_EQ(dom.find("<script"), std::string::npos) << dom;
  EXPECT_EQ(dom.find("<b>"), std::string::npos) << dom;
  const size_t ann = dom.find("<td class=\"name\">Ann</td>");
  const size_t script = dom.find("<td class=\"name\">&lt;script&gt;</td>");
  const size_t zoe = dom.find("<td class=\"name\">Zo\xC3\xAB</td>");
  const size_t bold = dom.find("<td class=\"name\">&lt;b&gt;x&lt;/b&gt;</td>");
  ASSERT_NE(ann, std::string::npos) << dom;
  ASSERT_NE(script, std::string::npos) << dom;
  ASSERT_NE(zoe, std::string::npos) << dom;
  ASSERT_NE(bold, std::string::npos) << dom;
  EXPECT_LT(ann, script);
  EXPECT_LT(script, zoe);
  EXPECT_LT(zoe, bold);
  EXPECT_NE(dom.find("<td class=\"rank\">1</td><td class=\"name\">Ann</td><td class=\"score\">1250</td>"),
            std::string::npos)
      << dom;
  EXPECT_EQ(server.Stop(SIGTERM), 0);
}

}  // namespace
