#pragma once

#include <cstdint>

// A source of time in ticks. The game reads time only through this, so a run can be driven
// by the real monotonic clock or by a virtual one that advances exactly one frame at a time.
class TClock {
 public:
  virtual ~TClock() = default;
  virtual int64_t Now() const = 0;
  virtual int64_t Frequency() const = 0;  // ticks per second
};

class TMonotonicClock final : public TClock {
 public:
  int64_t Now() const override;
  int64_t Frequency() const override { return 1'000'000'000; }
};

// Virtual time: only Advance moves it. 90000 ticks a second divide evenly into a frame at
// 90 frames per second (1000 ticks) and into the race clock's 10 ms (900 ticks).
class TVirtualClock final : public TClock {
 public:
  static constexpr int64_t kFrequency = 90'000;
  int64_t Now() const override { return Ticks; }
  int64_t Frequency() const override { return kFrequency; }
  void Advance(int64_t ticks) { Ticks += ticks; }

 private:
  int64_t Ticks = 0;
};
