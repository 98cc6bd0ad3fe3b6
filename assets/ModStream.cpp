#include "assets/ModStream.h"

#include <algorithm>
#include <cstring>

TModStream::TModStream() : Samples(size_t(kFrames) * kChannels, 0) {}

void TModStream::Clear() {
  std::lock_guard lock(Lock);
  std::fill(Samples.begin(), Samples.end(), int16_t(0));
}

void TModStream::Start() {
  std::lock_guard lock(Lock);
  Playing = true;
  EndAt = -1;
  Ended = false;
}

void TModStream::Halt() {
  std::lock_guard lock(Lock);
  Playing = false;
  Changed.notify_all();
}

bool TModStream::IsPlaying() const {
  std::lock_guard lock(Lock);
  return Playing;
}

int TModStream::Cursor() const {
  std::lock_guard lock(Lock);
  return Position;
}

int TModStream::Drain(int16_t* out, int frames) {
  std::lock_guard lock(Lock);
  int done = 0;
  while (done < frames && Playing) {
    const int boundary = Position < kHalfFrames ? kHalfFrames : kFrames;
    const int stop = EndAt > Position ? EndAt : boundary;
    const int count = std::min(frames - done, stop - Position);
    std::memcpy(out + size_t(done) * kChannels, &Samples[size_t(Position) * kChannels],
                size_t(count) * kChannels * sizeof(int16_t));
    done += count;
    Position = (Position + count) % kFrames;
    if (Position == EndAt) {
      ReachEnd();
    } else if (Position == 0 || Position == kHalfFrames) {
      Raise(Position == 0 ? 0 : 1);
    }
  }
  return done;
}

void TModStream::Raise(int half) {
  if (!Reached[half]) ++Outstanding;
  Reached[half] = true;
  Changed.notify_all();
}

void TModStream::ReachEnd() {
  Playing = false;
  EndAt = -1;
  Ended = true;
  Changed.notify_all();
}

TModStream::TNotice TModStream::Wait(std::chrono::milliseconds timeout) {
  std::unique_lock lock(Lock);
  Changed.wait_for(lock, timeout, [this] { return Reached[0] || Reached[1] || Ended || Woken; });
  TNotice notice;
  for (int half = 0; half < 2; ++half) {
    notice.Reached[half] = Reached[half];
    Reached[half] = false;
  }
  notice.Ended = Ended;
  Ended = false;
  Woken = false;
  return notice;
}

void TModStream::WriteHalf(int half, const int16_t* samples, int frames) {
  std::lock_guard lock(Lock);
  const size_t start = size_t(half) * kHalfFrames * kChannels;
  const size_t count = size_t(std::clamp(frames, 0, kHalfFrames)) * kChannels;
  std::copy(samples, samples + count, Samples.begin() + ptrdiff_t(start));
  std::fill(Samples.begin() + ptrdiff_t(start + count),
            Samples.begin() + ptrdiff_t(start + size_t(kHalfFrames) * kChannels), int16_t(0));
  if (frames < kHalfFrames && EndAt < 0) EndAt = half * kHalfFrames + frames;
  Outstanding = std::max(0, Outstanding - 1);
  Changed.notify_all();
}

void TModStream::Wake() {
  std::lock_guard lock(Lock);
  Woken = true;
  Changed.notify_all();
}

void TModStream::WaitForRefills() {
  std::unique_lock lock(Lock);
  Changed.wait(lock, [this] { return Outstanding == 0 || !Playing; });
}
