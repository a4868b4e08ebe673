// The message-box port on the real message box.
#pragma once

#include "platform/message_box.h"

namespace platform {

class Win32MessageBox final : public MessageBoxPort {
 public:
  int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) override;
};

}  // namespace platform
