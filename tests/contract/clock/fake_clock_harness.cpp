#include "platform/fake/fake_clock.h"
#include "tests/contract/clock/clock_harness.h"

namespace contract {

namespace {
platform::FakeClock clock(1);
}

platform::Clock& TheClock() { return clock; }

void Wait(int milliseconds) { clock.Advance(1000LL * milliseconds); }

}  // namespace contract
