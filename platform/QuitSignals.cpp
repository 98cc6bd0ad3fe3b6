#include "platform/QuitSignals.h"

#include <SDL.h>

#include <csignal>
#include <ctime>

namespace {

// A signal handler can reach nothing but flags of static storage: the flags of the program, owned
// by the TQuitSignals that installed the handler. The second of the monotonic clock at which the
// first signal came tells a game still saving from one that has stopped getting anywhere.
volatile std::sig_atomic_t Raised = 0;
volatile std::sig_atomic_t RaisedAtSecond = 0;

std::sig_atomic_t MonotonicSecond() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);  // safe in a signal handler
  return std::sig_atomic_t(now.tv_sec);
}

extern "C" void RaiseQuitFlag(int signal) {
  if (!Raised) {
    RaisedAtSecond = MonotonicSecond();
    Raised = 1;
    return;
  }
  if (MonotonicSecond() - RaisedAtSecond < TQuitSignals::kGraceSeconds) return;
  // The game has not ended since the first signal: this one takes the system's way. The signal
  // is blocked while its handler runs, so it arrives as soon as the handler returns.
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(signal, &fallback, nullptr);
  raise(signal);
}

}  // namespace

TQuitSignals::TQuitSignals() {
  Raised = 0;
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  struct sigaction action {};
  action.sa_handler = RaiseQuitFlag;
  action.sa_mask = SignalSet();
  action.sa_flags = SA_RESTART;  // interrupted system calls go on
  for (size_t i = 0; i < kSignals.size(); ++i) {
    sigaction(kSignals[i], nullptr, &Previous[i]);
    Installed[i] = Previous[i].sa_handler != SIG_IGN;
    if (Installed[i]) sigaction(kSignals[i], &action, nullptr);
  }
  // A signal held back since the start arrives now, at the handler.
  const sigset_t held = SignalSet();
  sigprocmask(SIG_UNBLOCK, &held, nullptr);
}

TQuitSignals::~TQuitSignals() {
  for (size_t i = 0; i < kSignals.size(); ++i)
    if (Installed[i]) sigaction(kSignals[i], &Previous[i], nullptr);
}

bool TQuitSignals::Received() const {
  return Raised != 0;
}
