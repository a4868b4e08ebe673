// Runs "call ExitProcess(code), then carry on" on one side and reports what
// happened: the exit code seen, and whether anything after the call ran.
#pragma once

#include "platform/win_types.h"

namespace contract {

struct ExitOutcome {
  long exitCode = -1;
  bool ranPastExit = false;
};

ExitOutcome RunExit(UINT code);

}  // namespace contract
