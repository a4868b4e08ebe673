#include "platform/win32/win32_shell_association.h"

#include <shellapi.h>

namespace platform {

HINSTANCE Win32ShellAssociation::FindExecutableA(LPCSTR file, LPCSTR directory, LPSTR result) {
  return ::FindExecutableA(file, directory, result);
}

}  // namespace platform
