// Message boxes in a real window, on a virtual X server of the test's own: SDL shows them in a
// child process, which must belong to the game alone. However the game ends with a box open, no
// process of it stays behind, the folder's lock goes with it, and a signal saves and ends it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>
#include <vector>

#include "e2e/GameRun.h"
#include "shell/SettingsFiles.h"
#include "shell/SettingsLock.h"

namespace fs = std::filesystem;

namespace {

// Whether ready() came true within the limit.
bool WaitFor(const std::function<bool()>& ready, std::chrono::seconds limit = std::chrono::seconds(60)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!ready()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

std::string FileText(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The processes whose parent is the given one, from /proc.
std::vector<pid_t> ChildrenOf(pid_t parent) {
  std::vector<pid_t> children;
  for (const fs::directory_entry& entry : fs::directory_iterator("/proc")) {
    const std::string stat = FileText(entry.path() / "stat");
    const size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos) continue;
    std::istringstream fields(stat.substr(nameEnd + 1));
    char state = 0;
    pid_t ppid = 0;
    fields >> state >> ppid;
    if (ppid == parent && state != 'Z')
      children.push_back(pid_t(std::stol(entry.path().filename().string())));
  }
  return children;
}

// A virtual X server for as long as the object lives.
class TVirtualDisplay {
 public:
  TVirtualDisplay() {
    int ready[2];
    if (::pipe(ready) != 0) return;
    Server = ::fork();
    if (Server == 0) {
      ::close(ready[0]);
      const std::string descriptor = std::to_string(ready[1]);
      ::execlp("Xvfb", "Xvfb", "-displayfd", descriptor.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(ready[1]);
    char c = 0;
    std::string number;
    while (::read(ready[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(ready[0]);
    if (!number.empty()) Name = ":" + number;
  }
  ~TVirtualDisplay() {
    if (Server <= 0) return;
    ::kill(Server, SIGTERM);
    ::waitpid(Server, nullptr, 0);
  }
  TVirtualDisplay(const TVirtualDisplay&) = delete;
  TVirtualDisplay& operator=(const TVirtualDisplay&) = delete;

  std::string Name;  // ":N", empty when the server did not start
  pid_t Server = -1;
};

// Orphans of the game come to this process instead of init while the object lives, so that the
// test sees them; the destructor ends and collects whatever is left.
class TOrphanCatcher {
 public:
  explicit TOrphanCatcher(pid_t keep) : Keep(keep) { ::prctl(PR_SET_CHILD_SUBREAPER, 1); }
  ~TOrphanCatcher() {
    for (pid_t orphan : Orphans()) ::kill(orphan, SIGKILL);
    while (::waitpid(-1, nullptr, WNOHANG) > 0) {
    }
    ::prctl(PR_SET_CHILD_SUBREAPER, 0);
  }
  TOrphanCatcher(const TOrphanCatcher&) = delete;
  TOrphanCatcher& operator=(const TOrphanCatcher&) = delete;

  std::vector<pid_t> Orphans() const {
    std::vector<pid_t> orphans = ChildrenOf(::getpid());
    std::erase(orphans, Keep);
    return orphans;
  }

 private:
  pid_t Keep;
};

// The name, Z on the main menu (10 points), then through the menus to the car selection's race
// button: the race pictures cannot be read, and the box saying so stays open.
constexpr const char* kToTheBox =
    "500 text Ann\n560 down 13\n561 up 13\n600 wait 4\n10 down 90\n11 up 90\n"
    "60 click 400 272\n70 wait 14\n60 down 13\n61 up 13\n70 wait 15\n60 down 13\n61 up 13\n";

}  // namespace

TEST(DialogRun, AGameEndedWithABoxOpenLeavesNothingBehind) {
  TVirtualDisplay display;
  ASSERT_FALSE(display.Name.empty()) << "Xvfb did not start: run tools/bootstrap";
  const struct {
    const char* What;
    std::vector<int> Signals;
    bool Saves;
  } cases[] = {
      {"SIGTERM", {SIGTERM}, true},
      {"SIGINT", {SIGINT}, true},
      {"two SIGTERMs", {SIGTERM, SIGTERM}, true},
      {"SIGKILL", {SIGKILL}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    TOrphanCatcher catcher(display.Server);
    TGameRun game;
    fs::resize_file(game.Folder() / "Data" / "data2.oil", 7);
    const fs::path script = game.Folder() / "input.txt";
    std::ofstream(script) << kToTheBox;
    const pid_t pid = game.Start({"--seed", "1", "--script", script.string()}, "env DISPLAY=" + display.Name);
    ASSERT_GT(pid, 0);
    const bool boxShown = WaitFor(
        [&] { return FileText(game.Folder() / "stderr.txt").find("data2.oil") != std::string::npos; });
    // The box's own process, as SDL shows boxes on X.
    const bool boxProcess = WaitFor([&] { return !ChildrenOf(pid).empty(); }, std::chrono::seconds(10));
    for (int signal : c.Signals) ASSERT_EQ(::kill(pid, signal), 0);
    const int exitCode = game.Wait(pid, std::chrono::seconds(20));
    ASSERT_TRUE(boxShown) << game.Stderr();
    EXPECT_TRUE(boxProcess) << "no box was shown in a process of its own";
    EXPECT_EQ(exitCode, c.Saves ? 0 : -1) << game.Stderr();
    EXPECT_TRUE(WaitFor([&] { return catcher.Orphans().empty(); }, std::chrono::seconds(5)))
        << "a process of the game outlived it";
    TSettingsLock next;
    EXPECT_EQ(next.Acquire(game.Folder()), TSettingsLock::TState::Held) << "the next copy could not save";
    if (!c.Saves) continue;
    TGameState saved;
    ASSERT_TRUE(LoadProgress(saved, game.Folder() / kProgressFileName));
    EXPECT_EQ(saved.TotalScore, 10);
  }
}
