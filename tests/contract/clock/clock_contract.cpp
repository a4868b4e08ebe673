// The clock port: readings never go backwards, and a wait shows as about
// its length (a timer tick of slack), in microseconds, not ticks or milliseconds.
#include <gtest/gtest.h>

#include "tests/contract/clock/clock_harness.h"

namespace {

TEST(ClockContract, NeverGoesBackAndAWaitShowsInMilliseconds) {
  platform::Clock& clock = contract::TheClock();
  long long last = clock.Microseconds();
  for (int i = 0; i < 1000; ++i) {
    long long now = clock.Microseconds();
    ASSERT_GE(now, last);
    last = now;
  }
  const long long before = clock.Microseconds();
  contract::Wait(50);
  const long long waited = clock.Microseconds() - before;
  EXPECT_GE(waited, 40000);
  EXPECT_LT(waited, 500000);
}

}  // namespace
