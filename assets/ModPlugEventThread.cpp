#include "assets/ModPlugEventThread.h"

#include <utility>

TModPlugEventThread::TModPlugEventThread(TCallback callback)
    : Callback(std::move(callback)), Thread(&TModPlugEventThread::Run, this) {}

TModPlugEventThread::~TModPlugEventThread() {
  Terminate();
  Thread.join();
}

void TModPlugEventThread::Resume() {
  std::lock_guard lock(Lock);
  Suspended = false;
  Changed.notify_all();
}

void TModPlugEventThread::Suspend() {
  std::lock_guard lock(Lock);
  Suspended = true;
}

bool TModPlugEventThread::IsSuspended() const {
  std::lock_guard lock(Lock);
  return Suspended;
}

void TModPlugEventThread::Terminate() {
  std::lock_guard lock(Lock);
  Terminated = true;
  Changed.notify_all();
}

void TModPlugEventThread::Run() {
  if (!Callback) return;
  for (;;) {
    {
      std::unique_lock lock(Lock);
      Changed.wait(lock, [this] { return !Suspended || Terminated; });
      if (Terminated) return;
    }
    if (!Callback()) Suspend();
  }
}
