// Reads registry keys below one root key through the registry port. Keys are
// opened with the access the caller chose and never created. A path that
// begins with "\" starts at the root key; any other path starts at the key
// that is open, or at the root key when none is. Whatever key is still open
// is closed when the accessor goes away.
#pragma once

#include <string>

#include "platform/registry.h"

namespace toolkit {

class RegistryAccessor {
 public:
  RegistryAccessor(platform::Registry& registry, HKEY root, REGSAM access);
  ~RegistryAccessor();
  RegistryAccessor(const RegistryAccessor&) = delete;
  RegistryAccessor& operator=(const RegistryAccessor&) = delete;

  // Opens the key and makes it the current key, closing the previous one.
  // False when the key does not exist or refuses the access.
  bool OpenKey(const std::string& path);
  // True when the key can be opened with the accessor's access; the test
  // opens it and closes it at once, the current key stays as it was.
  bool KeyExists(const std::string& path);
  // The string value of the current key, cut at its first NUL; "" when the
  // value is missing. A value of another type than REG_SZ or REG_EXPAND_SZ
  // raises ERegistryException("'NAME' のデータ型が不正です").
  std::string ReadString(const std::string& name);
  void CloseKey();

  HKEY CurrentKey() const { return current_; }

 private:
  // The key a path starts from and the path without its leading "\".
  HKEY BaseFor(const std::string& path, std::string& relative) const;

  platform::Registry& registry_;
  HKEY root_;
  REGSAM access_;
  HKEY current_ = nullptr;
};

}  // namespace toolkit
