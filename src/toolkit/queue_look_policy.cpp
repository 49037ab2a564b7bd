#include "toolkit/queue_look_policy.h"

namespace vm::toolkit {

QueueLookPolicy::QueueLookPolicy(std::int64_t intervalMicroseconds) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  intervalTicks_ = frequency.QuadPart * intervalMicroseconds / 1000000;
}

}  // namespace vm::toolkit
