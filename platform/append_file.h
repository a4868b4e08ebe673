// The append port: adds bytes at the end of a file, creating the file when
// it is missing, as the setup program's log needs. One call is one
// CreateFileA (FILE_APPEND_DATA, shared for reading and writing,
// OPEN_ALWAYS), one WriteFile and one CloseHandle, so that nothing stays
// open and every line is on disk when the call returns.
#pragma once

#include "platform/win_types.h"

namespace platform {

class AppendFile {
 public:
  virtual ~AppendFile() = default;

  // TRUE when all size bytes were written at the end of the file.
  virtual BOOL AppendToFileA(LPCSTR path, LPCVOID data, DWORD size) = 0;
  virtual DWORD GetLastError() = 0;
};

}  // namespace platform
