// The exit port: the program ends with the code given, and nothing after the
// call runs, not even past a guard that catches std::exception.
#include <gtest/gtest.h>

#include "tests/contract/exit/exit_harness.h"

namespace {

TEST(ProcessExitContract, EndsAtOnceWithTheCodeGiven) {
  for (UINT code : {0u, 7u}) {
    contract::ExitOutcome outcome = contract::RunExit(code);
    EXPECT_EQ(outcome.exitCode, static_cast<long>(code));
    EXPECT_FALSE(outcome.ranPastExit);
  }
}

}  // namespace
