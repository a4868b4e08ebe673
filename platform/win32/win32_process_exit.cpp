#include "platform/win32/win32_process_exit.h"

#include <cstdlib>

namespace platform {

// The C library's exit: it runs the registered exit handlers and flushes
// files, then ends the process with ExitProcess.
void Win32ProcessExit::ExitProcess(UINT exitCode) { std::exit(static_cast<int>(exitCode)); }

}  // namespace platform
