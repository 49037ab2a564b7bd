// When the pending-message pump looks at the queue.
#include "toolkit/queue_look_policy.h"

#include <gtest/gtest.h>

namespace vm::toolkit {
namespace {

constexpr int kCalls = QueueLookPolicy::kCallsPerClockReading;

// Calls until the policy allows a look; the count includes the allowed call.
int CallsUntilLook(QueueLookPolicy& policy, int limit) {
  for (int call = 1; call <= limit; ++call) {
    if (policy.TimeToLook()) return call;
  }
  return -1;
}

TEST(QueueLookPolicy, LooksAtOnceOnTheFirstCall) {
  QueueLookPolicy policy;
  EXPECT_TRUE(policy.TimeToLook());
}

TEST(QueueLookPolicy, DoesNotLookAgainWithinTheInterval) {
  QueueLookPolicy policy(60 * 1000 * 1000);  // a minute: no second look in this test
  ASSERT_TRUE(policy.TimeToLook());
  EXPECT_EQ(CallsUntilLook(policy, 100 * kCalls), -1);
}

TEST(QueueLookPolicy, LooksAgainWithinOneReadingOnceTheIntervalHasPassed) {
  QueueLookPolicy policy(1000);
  ASSERT_TRUE(policy.TimeToLook());
  Sleep(20);  // well past the interval
  const int calls = CallsUntilLook(policy, 10 * kCalls);
  EXPECT_GE(calls, 1);
  EXPECT_LE(calls, kCalls);
}

TEST(QueueLookPolicy, ZeroIntervalLooksOnEveryClockReading) {
  QueueLookPolicy policy(0);
  ASSERT_TRUE(policy.TimeToLook());
  for (int look = 0; look < 5; ++look) EXPECT_EQ(CallsUntilLook(policy, kCalls), kCalls);
}

}  // namespace
}  // namespace vm::toolkit
