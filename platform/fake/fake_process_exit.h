// Ending the program in tests: the exit is thrown as FakeExit, which is no
// std::exception, so that the program's own error guards let it through to
// the test, which catches it and reads the code.
#pragma once

#include "platform/process_exit.h"

namespace platform {

struct FakeExit {
  UINT exitCode;
};

class FakeProcessExit final : public ProcessExit {
 public:
  [[noreturn]] void ExitProcess(UINT exitCode) override {
    ++exits_;
    throw FakeExit{exitCode};
  }
  int ExitCount() const { return exits_; }

 private:
  int exits_ = 0;
};

}  // namespace platform
