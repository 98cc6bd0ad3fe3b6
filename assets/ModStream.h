#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

// The streaming buffer of one music module: two seconds of 22050 Hz 16-bit stereo in two halves
// of one second, played round and round. Whenever the play cursor reaches the start of a half, that
// half's notification is raised and the module's worker refills the half the cursor has just left,
// so the music is rendered one to two seconds ahead of what is heard.
//
// The audio thread drains it, the worker writes into it and the main thread starts and stops it;
// one lock guards the samples, the cursor and the notifications.
class TModStream {
 public:
  static constexpr int kRate = 22050;
  static constexpr int kChannels = 2;
  static constexpr int kHalfFrames = kRate;  // one second
  static constexpr int kFrames = 2 * kHalfFrames;
  static constexpr int kBytes = kFrames * kChannels * int(sizeof(int16_t));

  // What a worker's wait brought: the notifications raised (and now reset), the end of the music
  // having been played out, or a wake-up with nothing to do.
  struct TNotice {
    bool Reached[2] = {false, false};  // the cursor reached the start of half 0 / half 1
    bool Ended = false;
  };

  TModStream();

  // Main thread.
  void Clear();  // every sample silent
  void Start();  // play round and round from where the cursor stands
  void Halt();   // stop playing; the cursor stays
  bool IsPlaying() const;
  int Cursor() const;

  // Audio thread: copies up to frames playing frames to out, moves the cursor and raises
  // notifications; returns the frames copied (fewer once the stream stops).
  int Drain(int16_t* out, int frames);

  // Worker: waits at most timeout for a notification, an end or Wake.
  TNotice Wait(std::chrono::milliseconds timeout);
  // Worker: stores rendered frames at the start of a half and silence after them. Fewer frames than
  // a half mark where the music ends: the stream stops itself when the cursor gets there.
  void WriteHalf(int half, const int16_t* samples, int frames);
  // Ends a Wait at once (the worker is being told to finish).
  void Wake();

  // Blocks until the worker has refilled every half the cursor has left, or playing has stopped
  // (for callers that drain faster than real time: the tool and the tests).
  void WaitForRefills();

 private:
  void Raise(int half);
  void ReachEnd();

  mutable std::mutex Lock;
  std::condition_variable Changed;
  std::vector<int16_t> Samples;
  int Position = 0;  // play cursor, in frames
  bool Playing = false;
  bool Reached[2] = {false, false};
  int Outstanding = 0;  // notifications raised and not yet answered by a refill
  int EndAt = -1;       // frame where the music ends, or -1 while it goes on
  bool Ended = false;
  bool Woken = false;
};
