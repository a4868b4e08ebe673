#include "platform/win32/win32_registry.h"

namespace platform {

LONG Win32Registry::RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result) {
  return ::RegOpenKeyExA(key, subKey, options, access, result);
}

LONG Win32Registry::RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                                    REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition) {
  return ::RegCreateKeyExA(key, subKey, reserved, keyClass, options, access, security, result, disposition);
}

LONG Win32Registry::RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                     LPDWORD dataSize) {
  return ::RegQueryValueExA(key, valueName, reserved, type, data, dataSize);
}

LONG Win32Registry::RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                                   DWORD dataSize) {
  return ::RegSetValueExA(key, valueName, reserved, type, data, dataSize);
}

LONG Win32Registry::RegDeleteKeyA(HKEY key, LPCSTR subKey) { return ::RegDeleteKeyA(key, subKey); }

LONG Win32Registry::RegDeleteValueA(HKEY key, LPCSTR valueName) { return ::RegDeleteValueA(key, valueName); }

LONG Win32Registry::RegEnumKeyExA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved, LPSTR keyClass,
                                  LPDWORD classSize, FILETIME* lastWrite) {
  return ::RegEnumKeyExA(key, index, name, nameSize, reserved, keyClass, classSize, lastWrite);
}

LONG Win32Registry::RegQueryInfoKeyA(HKEY key, LPSTR keyClass, LPDWORD classSize, LPDWORD reserved, LPDWORD subKeys,
                                     LPDWORD maxSubKeyLen, LPDWORD maxClassLen, LPDWORD values, LPDWORD maxValueNameLen,
                                     LPDWORD maxValueLen, LPDWORD securityDescriptor, FILETIME* lastWrite) {
  return ::RegQueryInfoKeyA(key, keyClass, classSize, reserved, subKeys, maxSubKeyLen, maxClassLen, values,
                            maxValueNameLen, maxValueLen, securityDescriptor, lastWrite);
}

LONG Win32Registry::RegCloseKey(HKEY key) { return ::RegCloseKey(key); }

}  // namespace platform
