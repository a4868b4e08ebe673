// An in-memory registry with the semantics the programs rely on: the roots
// HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT and HKEY_USERS,
// case-insensitive names, typed values with the default value, short buffers
// answered with ERROR_MORE_DATA, keys that refuse write access, and keys that
// cannot be deleted while they have subkeys. It is the registry a 32-bit
// program sees: on 32-bit Windows (the default) the view flags are ignored;
// on 64-bit Windows HKEY_LOCAL_MACHINE\SOFTWARE opens as
// SOFTWARE\Wow6432Node unless KEY_WOW64_64KEY asks for the 64-bit view.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace platform {

class FakeRegistry final : public Registry {
 public:
  FakeRegistry();

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

  // Test set-up and inspection, by full path such as
  // "HKEY_LOCAL_MACHINE\SOFTWARE\JavaSoft" (in the 64-bit view on 64-bit
  // Windows; the 32-bit view's keys lie below SOFTWARE\Wow6432Node).
  void SetSixtyFourBitWindows(bool sixtyFourBit) { sixtyFourBit_ = sixtyFourBit; }
  void SetString(const std::string& keyPath, const std::string& valueName, const std::string& text,
                 DWORD type = REG_SZ);
  void SetDword(const std::string& keyPath, const std::string& valueName, DWORD value);
  void SetRaw(const std::string& keyPath, const std::string& valueName, DWORD type, const std::string& bytes);
  void CreateKey(const std::string& keyPath);
  // A key that refuses every open or create that asks for write rights.
  void DenyWrite(const std::string& keyPath);
  bool KeyExists(const std::string& keyPath) const;
  // The value's data as stored, or "" with found = false.
  std::string ValueData(const std::string& keyPath, const std::string& valueName, DWORD* type = nullptr,
                        bool* found = nullptr) const;
  // Every key path below (and including) the roots, in order; for comparing
  // before and after.
  std::vector<std::string> Dump() const;
  // Number of handles opened and not yet closed.
  int OpenHandleCount() const { return static_cast<int>(handles_.size()); }

 private:
  struct Value {
    std::string name;
    DWORD type = REG_NONE;
    std::string data;
  };
  struct Key {
    std::string name;
    bool denyWrite = false;
    bool deleted = false;
    std::map<std::string, std::shared_ptr<Key>> subkeys;  // by folded name
    std::map<std::string, Value> values;                  // by folded name
  };
  struct Handle {
    std::shared_ptr<Key> key;
    REGSAM access = 0;
  };

  std::string InView(HKEY key, const std::string& subKey, REGSAM access) const;
  std::shared_ptr<Key> Resolve(HKEY key, REGSAM* access) const;
  std::shared_ptr<Key> Walk(const std::shared_ptr<Key>& from, const std::string& subKey, bool create, bool* created,
                            LONG* error);
  std::shared_ptr<Key> KeyAt(const std::string& keyPath, bool create) const;
  HKEY NewHandle(const std::shared_ptr<Key>& key, REGSAM access);
  void DumpKey(const Key& key, const std::string& path, std::vector<std::string>& out) const;

  std::map<HKEY, std::shared_ptr<Key>> roots_;
  std::map<HKEY, Handle> handles_;
  ULONG_PTR nextHandle_ = 0x1000;
  bool sixtyFourBit_ = false;
};

}  // namespace platform
