#include "platform/win32/win32_environment.h"

namespace platform {

DWORD Win32Environment::GetEnvironmentVariableW(LPCWSTR name, LPWSTR buffer, DWORD size) {
  return ::GetEnvironmentVariableW(name, buffer, size);
}

int Win32Environment::WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR bytes,
                                          int byteLength, LPCSTR defaultChar, LPBOOL usedDefaultChar) {
  return ::WideCharToMultiByte(codePage, flags, wide, wideLength, bytes, byteLength, defaultChar, usedDefaultChar);
}

}  // namespace platform
