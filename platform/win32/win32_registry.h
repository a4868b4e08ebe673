// The registry port on the real Win32 registry.
#pragma once

#include "platform/registry.h"

namespace platform {

class Win32Registry final : public Registry {
 public:
  LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result) override;
  LONG RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options, REGSAM access,
                       LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition) override;
  LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                        LPDWORD dataSize) override;
  LONG RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                      DWORD dataSize) override;
  LONG RegDeleteKeyA(HKEY key, LPCSTR subKey) override;
  LONG RegDeleteValueA(HKEY key, LPCSTR valueName) override;
  LONG RegEnumKeyExA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved, LPSTR keyClass,
                     LPDWORD classSize, FILETIME* lastWrite) override;
  LONG RegQueryInfoKeyA(HKEY key, LPSTR keyClass, LPDWORD classSize, LPDWORD reserved, LPDWORD subKeys,
                        LPDWORD maxSubKeyLen, LPDWORD maxClassLen, LPDWORD values, LPDWORD maxValueNameLen,
                        LPDWORD maxValueLen, LPDWORD securityDescriptor, FILETIME* lastWrite) override;
  LONG RegCloseKey(HKEY key) override;
};

}  // namespace platform
