#pragma once
// When the pending-message pump may look at the queue. The scan calls the
// pump after every pixel; under Wine every look at the queue is a call into
// the server costing tens of microseconds, far more than the pixel itself.
// So the pump looks at most once per interval of a cheap monotonic clock:
// an event then waits at most one interval, well within what a user notices.
#include <windows.h>

#include <cstdint>

namespace vm::toolkit {

class QueueLookPolicy {
 public:
  // The default interval: about one millisecond.
  QueueLookPolicy() : QueueLookPolicy(1000) {}
  explicit QueueLookPolicy(std::int64_t intervalMicroseconds);

  // True when the interval since the last look that it allowed has passed;
  // the caller then looks. Costs one reading of the performance counter: no
  // system call on Windows, a vDSO clock read under Wine.
  bool TimeToLook() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    if (now.QuadPart - lastLook_ < intervalTicks_) return false;
    lastLook_ = now.QuadPart;
    return true;
  }

 private:
  std::int64_t intervalTicks_;
  std::int64_t lastLook_ = 0;
};

}  // namespace vm::toolkit
