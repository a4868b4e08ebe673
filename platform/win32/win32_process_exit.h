#pragma once

#include "platform/process_exit.h"

namespace platform {

class Win32ProcessExit final : public ProcessExit {
 public:
  [[noreturn]] void ExitProcess(UINT exitCode) override;
};

}  // namespace platform
