#include <exception>

#include "platform/fake/fake_process_exit.h"
#include "tests/contract/exit/exit_harness.h"

namespace contract {

ExitOutcome RunExit(UINT code) {
  platform::FakeProcessExit exit;
  ExitOutcome outcome;
  try {
    // A catch of std::exception on the way must not stop the exit.
    try {
      exit.ExitProcess(code);
    } catch (const std::exception&) {
    }
    outcome.ranPastExit = true;
  } catch (const platform::FakeExit& exited) {
    outcome.exitCode = exited.exitCode;
  }
  return outcome;
}

}  // namespace contract
