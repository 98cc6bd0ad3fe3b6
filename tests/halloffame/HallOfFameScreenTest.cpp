#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "menus/MenuForm.h"
#include "server/ServerProcess.h"
#include "shell/HallOfFameScreen.h"
#include "shell/KeyCodes.h"
#include "web/ScoreSubmission.h"

namespace {

using TStatus = THallOfFameFetcher::TStatus;

// A port of 127.0.0.1 held for the test: a listening one takes connections and never answers (a
// request waits for its time-out), any other refuses them. No other program can take it meanwhile.
class TLocalPort {
 public:
  explicit TLocalPort(bool listening) {
    Socket = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    bind(Socket, reinterpret_cast<sockaddr*>(&address), size);
    if (listening) listen(Socket, 4);
    getsockname(Socket, reinterpret_cast<sockaddr*>(&address), &size);
    Port = ntohs(address.sin_port);
  }
  ~TLocalPort() { close(Socket); }
  TLocalPort(const TLocalPort&) = delete;
  TLocalPort& operator=(const TLocalPort&) = delete;

  int Socket = -1;
  int Port = 0;
};

// The main menu of a game whose score server is the one given ("" for none).
class HallOfFameScreenTest : public MenuForm {
 protected:
  ~HallOfFameScreenTest() override { unsetenv("MORVEL_SCORE_SERVER"); }

  void StartWithServer(const std::string& server) {
    if (server.empty())
      unsetenv("MORVEL_SCORE_SERVER");
    else
      setenv("MORVEL_SCORE_SERVER", server.c_str(), 1);
    Start();
    ReachMainMenu();
    RunFrames(40);  // every button in place
  }

  const THallOfFameScreen& Screen() const { return *Form->HallOfFame; }

  // Frames until the fetch is over (it runs on a thread of its own, in real time).
  void RunUntilFetched() {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < limit) {
      RunFrames(1);
      const TStatus status = Screen().Shown().Status;
      if (status != TStatus::Fetching && status != TStatus::NotFetched) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

  static std::string Local(int port) { return "127.0.0.1:" + std::to_string(port); }

  TTempFolder DatabaseFolder;
};

// The scores sent to a real server come back in order on the screen, with their ranks and dates;
// BACK, Escape and Enter all return to the main menu, and the screen's pictures go with it.
TEST_F(HallOfFameScreenTest, ShowsTheServersBestScoresAndGoesBack) {
  TServerProcess server({"--db", (DatabaseFolder.Folder() / "scores.sqlite").string()});
  TWebClient client({"127.0.0.1", server.Port()});
  const TScoreEntry sent[] = {{"Bob", 900, ""}, {"Ann", 1250, "team"}, {"Cid", 40, ""}};
  for (const TScoreEntry& entry : sent)
    ASSERT_EQ(SubmitScore(client, entry), std::nullopt) << entry.PlayerName;

  StartWithServer(Local(server.Port()));
  ASSERT_TRUE(Button("b_halloffame")->Enabled);
  EXPECT_EQ(Button("b_halloffame")->States[GUIState::Normal].Color, 0xFFFFFFFFu);
  struct TWayBack {
    const char* Way;
    const char* Sound;
  };
  for (const TWayBack& back : {TWayBack{"b_back", "check"}, {"escape", "check2"}, {"enter", "check"}}) {
    Click("b_halloffame");
    ASSERT_EQ(Form->State.CurrentScreen, gsHallOfFame) << back.Way;
    EXPECT_NE(SpriteNamed("scr_HallOfFame"), nullptr);
    RunUntilFetched();
    const THallOfFameFetcher::TSnapshot& shown = Screen().Shown();
    ASSERT_EQ(shown.Status, TStatus::Fetched);
    EXPECT_EQ(Screen().StatusLine(), "");
    ASSERT_EQ(shown.Lines.size(), 3u);
    const struct {
      int Rank;
      const char* Name;
      int64_t Score;
    } expected[] = {{1, "Ann", 1250}, {2, "Bob", 900}, {3, "Cid", 40}};
    for (size_t i = 0; i < std::size(expected); ++i) {
      EXPECT_EQ(shown.Lines[i].Rank, expected[i].Rank);
      EXPECT_EQ(shown.Lines[i].Name, expected[i].Name);
      EXPECT_EQ(shown.Lines[i].Score, expected[i].Score);
      EXPECT_EQ(shown.Lines[i].Date.size(), 10u) << shown.Lines[i].Date;  // YYYY-MM-DD
    }
    RunFrames(10);
    EXPECT_EQ(Button("b_back")->Top, 520);
    Hush();
    if (back.Way == std::string("b_back")) {
      Click("b_back");
    } else {
      Press(back.Way == std::string("escape") ? VK_ESCAPE : VK_RETURN);
      RunFrames(1);
    }
    EXPECT_EQ(Form->State.CurrentScreen, gsMainMenu) << back.Way;
    EXPECT_EQ(LastSound(), back.Sound) << back.Way;
    EXPECT_EQ(SpriteNamed("scr_HallOfFame"), nullptr) << back.Way;
    RunFrames(40);
  }
}

// A server that cannot be reached says so; one that does not answer leaves the screen saying it is
// connecting, and the player can leave meanwhile.
TEST_F(HallOfFameScreenTest, SaysWhenTheServerCannotBeReached) {
  TLocalPort refusing(false);
  StartWithServer(Local(refusing.Port));
  Click("b_halloffame");
  ASSERT_EQ(Form->State.CurrentScreen, gsHallOfFame);
  RunUntilFetched();
  EXPECT_EQ(Screen().Shown().Status, TStatus::Unreachable);
  EXPECT_TRUE(Screen().Shown().Lines.empty());
  EXPECT_EQ(Screen().StatusLine(), "Can't connect to server!");
  Press(VK_ESCAPE);
  RunFrames(1);
  EXPECT_EQ(Form->State.CurrentScreen, gsMainMenu);
}

TEST_F(HallOfFameScreenTest, SaysItIsConnectingWhileTheServerIsSilent) {
  TLocalPort silent(true);
  StartWithServer(Local(silent.Port));
  Click("b_halloffame");
  for (int frame = 0; frame < 20; ++frame) {
    RunFrames(1);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ(Screen().Shown().Status, TStatus::Fetching);
  EXPECT_EQ(Screen().StatusLine(), "Connecting to server...");
  Press(VK_ESCAPE);
  RunFrames(1);
  EXPECT_EQ(Form->State.CurrentScreen, gsMainMenu);
}

// Without a score server the entry is dimmed like MORE GAMES without its address, and a click on it
// does nothing at all.
TEST_F(HallOfFameScreenTest, TheEntryIsDimmedAndTakesNoClickWithoutAServer) {
  StartWithServer("");
  TOmegaButton* entry = Button("b_halloffame");
  ASSERT_NE(entry, nullptr);
  EXPECT_FALSE(entry->Enabled);
  EXPECT_LT(entry->States[GUIState::Normal].Color >> 24, 0xFFu);
  EXPECT_EQ(entry->Top, 450);
  Hush();
  Click("b_halloffame");
  EXPECT_EQ(Form->State.CurrentScreen, gsMainMenu);
  EXPECT_EQ(LastSound(), "");
}

}  // namespace
