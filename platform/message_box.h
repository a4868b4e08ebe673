// The message-box port: every message the programs show goes through it, so
// that tests can read text, caption and flags and give the answer.
#pragma once

#include "platform/win_types.h"

namespace platform {

class MessageBoxPort {
 public:
  virtual ~MessageBoxPort() = default;

  virtual int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) = 0;
};

}  // namespace platform
