#pragma once
// When the pending-message pump may look at the queue. The scan calls the
// pump after every pixel; under Wine 8 a look at an empty queue costs about
// 80 µs (a call into the server), far more than the pixel itself. So the
// pump looks at most once per interval (1 ms) of the performance counter,
// and reads that counter only on every 16th call: under Wine a reading
// costs about 130 ns, a count about 1 ns. GetTickCount64 is cheaper still
// (3 ns) but moves in steps of 16 ms, under Wine as on Windows, which would
// hold an event back too long. Measured with Wine 8 on x86_64.
#include <windows.h>

#include <cstdint>

namespace vm::toolkit {

class QueueLookPolicy {
 public:
  static constexpr std::int64_t kDefaultIntervalMicroseconds = 1000;
  static constexpr int kCallsPerClockReading = 16;

  QueueLookPolicy() : QueueLookPolicy(kDefaultIntervalMicroseconds) {}
  explicit QueueLookPolicy(std::int64_t intervalMicroseconds) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    intervalTicks_ = frequency.QuadPart * intervalMicroseconds / 1000000;
  }

  // True when the caller should look at the queue now. An event waits at
  // most the interval plus 16 calls.
  bool TimeToLook() {
    if (--callsUntilReading_ > 0) return false;
    callsUntilReading_ = kCallsPerClockReading;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    if (now.QuadPart - lastLook_ < intervalTicks_) return false;
    lastLook_ = now.QuadPart;
    return true;
  }

 private:
  std::int64_t intervalTicks_;
  std::int64_t lastLook_ = 0;
  int callsUntilReading_ = 1;  // the first call reads the clock
};

}  // namespace vm::toolkit
