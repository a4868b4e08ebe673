#include "toolkit/registry_accessor.h"

#include <vector>

#include "toolkit/exceptions.h"

namespace toolkit {

RegistryAccessor::RegistryAccessor(platform::Registry& registry, HKEY root, REGSAM access)
    : registry_(registry), root_(root), access_(access) {}

RegistryAccessor::~RegistryAccessor() { CloseKey(); }

HKEY RegistryAccessor::BaseFor(const std::string& path, std::string& relative) const {
  bool fromRoot = !path.empty() && path[0] == '\\';
  relative = fromRoot ? path.substr(1) : path;
  return fromRoot || current_ == nullptr ? root_ : current_;
}

bool RegistryAccessor::OpenKey(const std::string& path) {
  std::string relative;
  HKEY base = BaseFor(path, relative);
  HKEY opened = nullptr;
  if (registry_.RegOpenKeyExA(base, relative.c_str(), 0, access_, &opened) != ERROR_SUCCESS) return false;
  CloseKey();
  current_ = opened;
  return true;
}

bool RegistryAccessor::KeyExists(const std::string& path) {
  std::string relative;
  HKEY base = BaseFor(path, relative);
  HKEY opened = nullptr;
  if (registry_.RegOpenKeyExA(base, relative.c_str(), 0, access_, &opened) != ERROR_SUCCESS) return false;
  registry_.RegCloseKey(opened);
  return true;
}

std::string RegistryAccessor::ReadString(const std::string& name) {
  HKEY key = current_ ? current_ : root_;
  DWORD type = REG_NONE;
  DWORD size = 0;
  if (registry_.RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return "";
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw ERegistryException("'" + name + "' のデータ型が不正です");
  if (size == 0) return "";
  std::vector<char> data(size);
  // The value may have grown between the two queries; then it reads as missing.
  if (registry_.RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<LPBYTE>(data.data()), &size) !=
      ERROR_SUCCESS)
    return "";
  std::string text(data.data(), size < data.size() ? size : data.size());
  return text.substr(0, text.find('\0'));
}

void RegistryAccessor::CloseKey() {
  if (current_ == nullptr) return;
  registry_.RegCloseKey(current_);
  current_ = nullptr;
}

}  // namespace toolkit
