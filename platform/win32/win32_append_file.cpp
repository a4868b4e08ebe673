#include "platform/win32/win32_append_file.h"

namespace platform {

BOOL Win32AppendFile::AppendToFileA(LPCSTR path, LPCVOID data, DWORD size) {
  // FILE_APPEND_DATA without FILE_WRITE_DATA: every write goes to the end of
  // the file, also when another program appends to it at the same time.
  HANDLE file = ::CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    lastError_ = ::GetLastError();
    return FALSE;
  }
  DWORD written = 0;
  BOOL ok = ::WriteFile(file, data, size, &written, nullptr) && written == size;
  if (!ok) lastError_ = ::GetLastError();
  ::CloseHandle(file);
  return ok;
}

}  // namespace platform
