#include "platform/fake/fake_registry.h"

#include <algorithm>
#include <cstring>

#include "platform/fake/fold.h"

namespace platform {

namespace {

constexpr REGSAM kWriteRights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | DELETE | WRITE_DAC | WRITE_OWNER;
constexpr LONG kErrorBadPathname = 161;
constexpr LONG kErrorKeyDeleted = 1018;

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

const std::pair<const char*, HKEY> kRootNames[] = {
    {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {"HKEY_USERS", HKEY_USERS},
};

}  // namespace

FakeRegistry::FakeRegistry() {
  for (const auto& [name, hkey] : kRootNames) {
    auto root = std::make_shared<Key>();
    root->name = name;
    roots_[hkey] = root;
  }
}

std::shared_ptr<FakeRegistry::Key> FakeRegistry::Resolve(HKEY key, REGSAM* access) const {
  if (auto root = roots_.find(key); root != roots_.end()) {
    if (access) *access = root->second->denyWrite ? (KEY_ALL_ACCESS & ~kWriteRights) : KEY_ALL_ACCESS;
    return root->second;
  }
  if (auto handle = handles_.find(key); handle != handles_.end()) {
    if (access) *access = handle->second.access;
    return handle->second.key;
  }
  return nullptr;
}

std::shared_ptr<FakeRegistry::Key> FakeRegistry::Walk(const std::shared_ptr<Key>& from, const std::string& subKey,
                                                      bool create, bool* created, LONG* error) {
  if (!subKey.empty() && subKey[0] == '\\') {
    *error = kErrorBadPathname;
    return nullptr;
  }
  std::shared_ptr<Key> key = from;
  for (const std::string& part : fake::SplitAtBackslashes(subKey)) {
    if (part.empty()) continue;
    std::string folded = fake::FoldCase(part);
    auto next = key->subkeys.find(folded);
    if (next == key->subkeys.end()) {
      if (!create) {
        *error = ERROR_FILE_NOT_FOUND;
        return nullptr;
      }
      if (key->denyWrite) {
        *error = ERROR_ACCESS_DENIED;
        return nullptr;
      }
      auto child = std::make_shared<Key>();
      child->name = part;
      next = key->subkeys.emplace(folded, child).first;
      if (created) *created = true;
    }
    key = next->second;
  }
  *error = ERROR_SUCCESS;
  return key;
}

std::string FakeRegistry::InView(HKEY key, const std::string& subKey, REGSAM access) const {
  if (!sixtyFourBit_ || key != HKEY_LOCAL_MACHINE || (access & KEY_WOW64_64KEY)) return subKey;
  std::vector<std::string> parts = fake::SplitAtBackslashes(subKey);
  if (fake::FoldCase(parts[0]) != "SOFTWARE") return subKey;
  if (parts.size() > 1 && fake::FoldCase(parts[1]) == "WOW6432NODE") return subKey;
  return parts[0] + "\\Wow6432Node" + subKey.substr(parts[0].size());
}

HKEY FakeRegistry::NewHandle(const std::shared_ptr<Key>& key, REGSAM access) {
  HKEY handle = reinterpret_cast<HKEY>(nextHandle_);
  nextHandle_ += 4;
  handles_[handle] = Handle{key, access & ~(KEY_WOW64_32KEY | KEY_WOW64_64KEY)};
  return handle;
}

LONG FakeRegistry::RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM access, PHKEY result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  auto from = Resolve(key, nullptr);
  if (!from) return ERROR_INVALID_HANDLE;
  if (from->deleted) return kErrorKeyDeleted;
  LONG error = ERROR_SUCCESS;
  auto target = Walk(from, InView(key, subKey ? subKey : "", access), false, nullptr, &error);
  if (!target) return error;
  if (target->denyWrite && (access & kWriteRights)) return ERROR_ACCESS_DENIED;
  *result = NewHandle(target, access);
  return ERROR_SUCCESS;
}

LONG FakeRegistry::RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM access, LPSECURITY_ATTRIBUTES,
                                   PHKEY result, LPDWORD disposition) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  auto from = Resolve(key, nullptr);
  if (!from) return ERROR_INVALID_HANDLE;
  if (from->deleted) return kErrorKeyDeleted;
  bool created = false;
  LONG error = ERROR_SUCCESS;
  auto target = Walk(from, InView(key, subKey ? subKey : "", access), true, &created, &error);
  if (!target) return error;
  if (target->denyWrite && (access & kWriteRights)) return ERROR_ACCESS_DENIED;
  if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  *result = NewHandle(target, access);
  return ERROR_SUCCESS;
}

LONG FakeRegistry::RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
  REGSAM access = 0;
  auto target = Resolve(key, &access);
  if (!target) return ERROR_INVALID_HANDLE;
  if (target->deleted) return kErrorKeyDeleted;
  if (!(access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
  if (data && !dataSize) return ERROR_INVALID_PARAMETER;
  auto found = target->values.find(fake::FoldCase(valueName ? valueName : ""));
  if (found == target->values.end()) return ERROR_FILE_NOT_FOUND;
  const Value& value = found->second;
  if (type) *type = value.type;
  if (!dataSize) return ERROR_SUCCESS;
  // A string stored without its terminator is handed out with one, and the
  // size asked for and reported counts it.
  std::string out = value.data;
  if (IsStringType(value.type) && (out.empty() || out.back() != '\0')) out.push_back('\0');
  DWORD needed = static_cast<DWORD>(out.size());
  if (data) {
    if (*dataSize < needed) {
      *dataSize = needed;
      return ERROR_MORE_DATA;
    }
    std::memcpy(data, out.data(), needed);
  }
  *dataSize = needed;
  return ERROR_SUCCESS;
}

LONG FakeRegistry::RegSetValueExA(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD dataSize) {
  REGSAM access = 0;
  auto target = Resolve(key, &access);
  if (!target) return ERROR_INVALID_HANDLE;
  if (target->deleted) return kErrorKeyDeleted;
  if (!(access & KEY_SET_VALUE) || target->denyWrite) return ERROR_ACCESS_DENIED;
  std::string name = valueName ? valueName : "";
  Value& value = target->values[fake::FoldCase(name)];
  value.name = name;
  value.type = type;
  value.data.assign(reinterpret_cast<const char*>(data), data ? dataSize : 0);
  return ERROR_SUCCESS;
}

LONG FakeRegistry::RegDeleteKeyA(HKEY key, LPCSTR subKey) {
  auto from = Resolve(key, nullptr);
  if (!from) return ERROR_INVALID_HANDLE;
  if (!subKey || !*subKey) return ERROR_ACCESS_DENIED;
  LONG error = ERROR_SUCCESS;
  auto target = Walk(from, subKey, false, nullptr, &error);
  if (!target) return error;
  if (!target->subkeys.empty() || target->denyWrite) return ERROR_ACCESS_DENIED;
  std::vector<std::string> parts = fake::SplitAtBackslashes(subKey);
  while (!parts.empty() && parts.back().empty()) parts.pop_back();
  std::string leaf = parts.back();
  parts.pop_back();
  std::string parentPath;
  for (const std::string& part : parts) parentPath += part + "\\";
  auto parent = Walk(from, parentPath, false, nullptr, &error);
  if (!parent) return error;
  if (parent->denyWrite) return ERROR_ACCESS_DENIED;
  target->deleted = true;
  parent->subkeys.erase(fake::FoldCase(leaf));
  return ERROR_SUCCESS;
}

LONG FakeRegistry::RegDeleteValueA(HKEY key, LPCSTR valueName) {
  REGSAM access = 0;
  auto target = Resolve(key, &access);
  if (!target) return ERROR_INVALID_HANDLE;
  if (!(access & KEY_SET_VALUE) || target->denyWrite) return ERROR_ACCESS_DENIED;
  return target->values.erase(fake::FoldCase(valueName ? valueName : "")) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LONG FakeRegistry::RegEnumKeyExA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD, LPSTR, LPDWORD classSize,
                                 FILETIME* lastWrite) {
  REGSAM access = 0;
  auto target = Resolve(key, &access);
  if (!target) return ERROR_INVALID_HANDLE;
  if (target->deleted) return kErrorKeyDeleted;
  if (!(access & KEY_ENUMERATE_SUB_KEYS)) return ERROR_ACCESS_DENIED;
  if (!name || !nameSize) return ERROR_INVALID_PARAMETER;
  if (index >= target->subkeys.size()) return ERROR_NO_MORE_ITEMS;
  auto it = target->subkeys.begin();
  std::advance(it, index);
  const std::string& subName = it->second->name;
  if (subName.size() + 1 > *nameSize) return ERROR_MORE_DATA;
  std::memcpy(name, subName.c_str(), subName.size() + 1);
  *nameSize = static_cast<DWORD>(subName.size());
  if (classSize) *classSize = 0;
  if (lastWrite) *lastWrite = FILETIME{0, 0};
  return ERROR_SUCCESS;
}

LONG FakeRegistry::RegQueryInfoKeyA(HKEY key, LPSTR keyClass, LPDWORD classSize, LPDWORD, LPDWORD subKeys,
                                    LPDWORD maxSubKeyLen, LPDWORD maxClassLen, LPDWORD values, LPDWORD maxValueNameLen,
                                    LPDWORD maxValueLen, LPDWORD securityDescriptor, FILETIME* lastWrite) {
  auto target = Resolve(key, nullptr);
  if (!target) return ERROR_INVALID_HANDLE;
  if (target->deleted) return kErrorKeyDeleted;
  DWORD longestKey = 0, longestName = 0, longestData = 0;
  for (const auto& [folded, sub] : target->subkeys) longestKey = std::max<DWORD>(longestKey, sub->name.size());
  for (const auto& [folded, value] : target->values) {
    longestName = std::max<DWORD>(longestName, value.name.size());
    longestData = std::max<DWORD>(longestData, value.data.size());
  }
  if (keyClass && classSize && *classSize > 0) keyClass[0] = 0;
  if (classSize) *classSize = 0;
  if (subKeys) *subKeys = static_cast<DWORD>(target->subkeys.size());
  if (maxSubKeyLen) *maxSubKeyLen = longestKey;
  if (maxClassLen) *maxClassLen = 0;
  if (values) *values = static_cast<DWORD>(target->values.size());
  if (maxValueNameLen) *maxValueNameLen = longestName;
  if (maxValueLen) *maxValueLen = longestData;
  if (securityDescriptor) *securityDescriptor = 0;
  if (lastWrite) *lastWrite = FILETIME{0, 0};
  return ERROR_SUCCESS;
}

LONG FakeRegistry::RegCloseKey(HKEY key) {
  if (roots_.count(key)) return ERROR_SUCCESS;
  return handles_.erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

std::shared_ptr<FakeRegistry::Key> FakeRegistry::KeyAt(const std::string& keyPath, bool create) const {
  auto cut = keyPath.find('\\');
  std::string rootName = keyPath.substr(0, cut);
  std::string rest = cut == std::string::npos ? std::string() : keyPath.substr(cut + 1);
  for (const auto& [name, hkey] : kRootNames) {
    if (rootName != name) continue;
    LONG error = ERROR_SUCCESS;
    // Set-up may create below keys that refuse writing to the programs.
    auto self = const_cast<FakeRegistry*>(this);
    auto root = roots_.at(hkey);
    if (!create) return self->Walk(root, rest, false, nullptr, &error);
    std::shared_ptr<Key> key = root;
    for (const std::string& part : fake::SplitAtBackslashes(rest)) {
      if (part.empty()) continue;
      auto& slot = key->subkeys[fake::FoldCase(part)];
      if (!slot) {
        slot = std::make_shared<Key>();
        slot->name = part;
      }
      key = slot;
    }
    return key;
  }
  return nullptr;
}

void FakeRegistry::SetRaw(const std::string& keyPath, const std::string& valueName, DWORD type,
                          const std::string& bytes) {
  auto key = KeyAt(keyPath, true);
  Value& value = key->values[fake::FoldCase(valueName)];
  value.name = valueName;
  value.type = type;
  value.data = bytes;
}

void FakeRegistry::SetString(const std::string& keyPath, const std::string& valueName, const std::string& text,
                             DWORD type) {
  SetRaw(keyPath, valueName, type, std::string(text.c_str(), text.size() + 1));
}

void FakeRegistry::SetDword(const std::string& keyPath, const std::string& valueName, DWORD value) {
  SetRaw(keyPath, valueName, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value));
}

void FakeRegistry::CreateKey(const std::string& keyPath) { KeyAt(keyPath, true); }

void FakeRegistry::DenyWrite(const std::string& keyPath) { KeyAt(keyPath, true)->denyWrite = true; }

bool FakeRegistry::KeyExists(const std::string& keyPath) const { return KeyAt(keyPath, false) != nullptr; }

std::string FakeRegistry::ValueData(const std::string& keyPath, const std::string& valueName, DWORD* type,
                                    bool* found) const {
  if (found) *found = false;
  auto key = KeyAt(keyPath, false);
  if (!key) return "";
  auto value = key->values.find(fake::FoldCase(valueName));
  if (value == key->values.end()) return "";
  if (found) *found = true;
  if (type) *type = value->second.type;
  return value->second.data;
}

void FakeRegistry::DumpKey(const Key& key, const std::string& path, std::vector<std::string>& out) const {
  out.push_back(path);
  for (const auto& [folded, value] : key.values) out.push_back(path + " [" + value.name + "]=" + value.data);
  for (const auto& [folded, sub] : key.subkeys) DumpKey(*sub, path + "\\" + sub->name, out);
}

std::vector<std::string> FakeRegistry::Dump() const {
  std::vector<std::string> out;
  for (const auto& [name, hkey] : kRootNames) DumpKey(*roots_.at(hkey), name, out);
  return out;
}

}  // namespace platform
