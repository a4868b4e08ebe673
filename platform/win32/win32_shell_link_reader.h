// The reading shell-link port on COM and the shell's link object.
#pragma once

#include "platform/shell_link_reader.h"

namespace platform {

class Win32ShellLinkReader final : public ShellLinkReader {
 public:
  HRESULT CoInitialize(LPVOID reserved) override;
  void CoUninitialize() override;
  HRESULT CoCreateLinkReader(std::unique_ptr<LinkReader>* link) override;
  int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textLength, LPWSTR wide,
                          int wideLength) override;
};

}  // namespace platform
