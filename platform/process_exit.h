// Ending the program at once with an exit code, from wherever it is: no
// window is closed first and no event loop is returned to; handlers
// registered with atexit still run.
#pragma once

#include "platform/win_types.h"

namespace platform {

class ProcessExit {
 public:
  virtual ~ProcessExit() = default;
  [[noreturn]] virtual void ExitProcess(UINT exitCode) = 0;
};

}  // namespace platform
