#include "platform/MessageBox.h"

#include <SDL.h>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <new>
#include <optional>
#include <thread>

#include "platform/Cp1251.h"
#include "platform/QuitSignals.h"

namespace {

// What the game and the process of a box it shows know of each other: the game's id, and the
// box process's id as that process writes it. It lies on a page both share across the fork.
struct TBoxProcess {
  pid_t Game = 0;
  std::atomic<pid_t> Box{0};
};
static_assert(std::atomic<pid_t>::is_always_lock_free);

// Set on the thread that shows a box while it does: a process forked from that thread then is
// the box's (a thread's variables go into the child of a fork that thread makes).
thread_local TBoxProcess* BoxBeingShown = nullptr;

// In every child of a fork: a child forked to show a box dies with the game, says who it is,
// and does not live on when the game has already gone.
extern "C" void BoxProcessStarted() {
  TBoxProcess* box = BoxBeingShown;
  if (box == nullptr) return;
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != box->Game) _exit(1);
  box->Box = getpid();
}

// The shared page of one box, made before and unmapped after the box.
class TSharedBoxProcess {
 public:
  TSharedBoxProcess() {
    static const bool registered = pthread_atfork(nullptr, nullptr, BoxProcessStarted) == 0;
    (void)registered;
    void* page =
        mmap(nullptr, sizeof(TBoxProcess), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (page != MAP_FAILED) Process = new (page) TBoxProcess;
    if (Process) Process->Game = getpid();
    BoxBeingShown = Process;
  }
  ~TSharedBoxProcess() {
    BoxBeingShown = nullptr;
    if (Process) munmap(Process, sizeof(TBoxProcess));
  }
  TSharedBoxProcess(const TSharedBoxProcess&) = delete;
  TSharedBoxProcess& operator=(const TSharedBoxProcess&) = delete;

  // Closes the box by ending its process, once, if it has one yet.
  void End() {
    if (Ended || !Process) return;
    const pid_t box = Process->Box;
    if (box <= 0) return;
    ::kill(box, SIGKILL);  // a handler of the game's own came with the fork: only this ends it
    Ended = true;
  }

 private:
  TBoxProcess* Process = nullptr;
  bool Ended = false;
};

// While the box is up the game's own loop stands still: this thread looks for a signal to end
// in its place and then closes the box, so that the game goes on to save and end.
class TBoxWatch {
 public:
  TBoxWatch(const TQuitSignals& signals, TSharedBoxProcess& box)
      : Watcher([this, &signals, &box] {
          while (!Done) {
            if (signals.Received()) box.End();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
          }
        }) {}
  ~TBoxWatch() {
    Done = true;
    Watcher.join();
  }
  TBoxWatch(const TBoxWatch&) = delete;
  TBoxWatch& operator=(const TBoxWatch&) = delete;

 private:
  std::atomic<bool> Done{false};
  std::thread Watcher;
};

}  // namespace

void TMessageBoxes::Show(const std::string& caption, const std::string& text, bool okCancel) {
  std::string utf8Caption = Cp1251ToUtf8(caption), utf8Text = Cp1251ToUtf8(text);
  std::fprintf(stderr, "[%s] %s\n", utf8Caption.c_str(), utf8Text.c_str());
  Texts.push_back(text);
  if (Headless || (Signals && Signals->Received())) return;

  const std::array<SDL_MessageBoxButtonData, 2> buttons{{
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "OK"},
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "Cancel"},
  }};
  SDL_MessageBoxData box{};
  box.flags = SDL_MESSAGEBOX_ERROR;
  box.title = utf8Caption.c_str();
  box.message = utf8Text.c_str();
  box.numbuttons = okCancel ? 2 : 1;
  box.buttons = buttons.data();
  int pressed = 0;
  TSharedBoxProcess process;
  std::optional<TBoxWatch> watch;
  if (Signals) watch.emplace(*Signals, process);
  SDL_ShowMessageBox(&box, &pressed);  // without a display the stderr line above is all there is
}
