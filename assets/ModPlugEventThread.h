#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// The worker thread of one music module: runs its callback again and again while resumed, until
// terminated. It starts suspended; Suspend takes effect once the running round has returned. A
// round that returns false suspends its own thread.
class TModPlugEventThread {
 public:
  using TCallback = std::function<bool()>;

  explicit TModPlugEventThread(TCallback callback);
  ~TModPlugEventThread();  // terminates and waits for the thread to end
  TModPlugEventThread(const TModPlugEventThread&) = delete;
  TModPlugEventThread& operator=(const TModPlugEventThread&) = delete;

  void Resume();
  void Suspend();
  bool IsSuspended() const;
  // Asks the thread to end after the running round; the destructor waits for it.
  void Terminate();

 private:
  void Run();

  TCallback Callback;
  mutable std::mutex Lock;
  std::condition_variable Changed;
  bool Suspended = true;
  bool Terminated = false;
  std::thread Thread;  // last: starts once everything above is ready
};
