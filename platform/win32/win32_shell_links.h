// The shell-link port on COM and the shell's link object.
#pragma once

#include "platform/shell_links.h"

namespace platform {

class Win32ShellLinks final : public ShellLinks {
 public:
  HRESULT CoInitialize(LPVOID reserved) override;
  void CoUninitialize() override;
  HRESULT CoCreateShellLink(std::unique_ptr<ShellLink>* link) override;
  int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textLength, LPWSTR wide,
                          int wideLength) override;
};

}  // namespace platform
