#include "platform/QuitSignals.h"

#include <SDL.h>

namespace {

// A signal handler can reach nothing but a flag of static storage: the one such flag of the
// program, owned by the TQuitSignals that installed the handler.
volatile std::sig_atomic_t Raised = 0;

extern "C" void RaiseQuitFlag(int) {
  Raised = 1;
}

}  // namespace

TQuitSignals::TQuitSignals() {
  Raised = 0;
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  struct sigaction action {};
  action.sa_handler = RaiseQuitFlag;
  sigemptyset(&action.sa_mask);
  // Interrupted system calls go on; the next signal of the kind is the system's again.
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  for (size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &action, &Previous[i]);
}

TQuitSignals::~TQuitSignals() {
  for (size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &Previous[i], nullptr);
}

bool TQuitSignals::Received() const {
  return Raised != 0;
}
