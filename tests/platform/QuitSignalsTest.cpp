// The signals that end the game, each case in a child process of its own (the handlers are the
// process's). The child's exit code says what it saw; a signal that ended it shows as such.
#include "platform/QuitSignals.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace {

// Runs the case in a child: its exit code is 0 when every expectation held, else the number of
// the first one that failed; -signal when a signal ended it.
int InChild(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(body());
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

}  // namespace

TEST(QuitSignals, EachSignalRaisesTheFlagOnceTakenOver) {
  for (int signal : TQuitSignals::kSignals) {
    EXPECT_EQ(InChild([signal] {
                const TQuitSignals signals;
                if (signals.Received()) return 1;
                ::raise(signal);
                return signals.Received() ? 0 : 2;
              }),
              0)
        << signal;
  }
}

// A signal that comes in the program's first moments, before main has taken the signals over,
// waits for it and is taken then.
TEST(QuitSignals, ASignalHeldBackAtTheStartIsTakenLater) {
  for (int signal : TQuitSignals::kSignals) {
    EXPECT_EQ(InChild([signal] {
                TQuitSignals::HoldUntilTakenOver();
                ::raise(signal);
                const TQuitSignals signals;
                return signals.Received() ? 0 : 1;
              }),
              0)
        << signal;
  }
}

// Under nohup the end of the session is ignored before the game starts: it stays so, and the
// other signals still end the game.
TEST(QuitSignals, AnIgnoredSignalStaysIgnored) {
  EXPECT_EQ(InChild([] {
              ::signal(SIGHUP, SIG_IGN);
              const TQuitSignals signals;
              ::raise(SIGHUP);
              if (signals.Received()) return 1;
              ::raise(SIGTERM);
              return signals.Received() ? 0 : 2;
            }),
            0);
}

// More signals while the game saves and ends change nothing; a game that has not ended long
// after the first one is ended by the next as the system ends a program.
TEST(QuitSignals, ALaterSignalEndsAGameThatDidNotEnd) {
  EXPECT_EQ(InChild([] {
              const TQuitSignals signals;
              ::raise(SIGTERM);
              ::raise(SIGTERM);
              ::raise(SIGINT);
              return signals.Received() ? 0 : 1;
            }),
            0);
  EXPECT_EQ(InChild([] {
              const TQuitSignals signals;
              ::raise(SIGTERM);
              ::sleep(TQuitSignals::kGraceSeconds + 1);
              ::raise(SIGTERM);
              return 3;  // not reached: the second signal ends the process
            }),
            -SIGTERM);
}
