// The append port on CreateFileA, WriteFile and CloseHandle.
#pragma once

#include "platform/append_file.h"

namespace platform {

class Win32AppendFile final : public AppendFile {
 public:
  BOOL AppendToFileA(LPCSTR path, LPCVOID data, DWORD size) override;
  DWORD GetLastError() override { return lastError_; }

 private:
  DWORD lastError_ = 0;
};

}  // namespace platform
