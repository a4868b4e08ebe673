#include "platform/win32/win32_message_box.h"

namespace platform {

int Win32MessageBox::MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  return ::MessageBoxA(owner, text, caption, type);
}

}  // namespace platform
