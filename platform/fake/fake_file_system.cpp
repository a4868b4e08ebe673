#include "platform/fake/fake_file_system.h"

#include <cstring>
#include <utility>

#include "platform/fake/fold.h"

namespace platform {

namespace {

HANDLE const kFindHandle = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(0x4444));

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string Join(const std::string& drive, const std::vector<std::string>& parts) {
  std::string path = drive + "\\";
  for (std::size_t i = 0; i < parts.size(); ++i) path += (i ? "\\" : "") + parts[i];
  return path;
}

}  // namespace

FakeFileSystem::FakeFileSystem() { AddDrive('C'); }

std::optional<std::string> FakeFileSystem::FullPath(const std::string& rawPath) const {
  std::string path = rawPath;
  for (char& c : path)
    if (c == '/') c = '\\';  // '/' is never a trail byte in code page 932
  if (path.empty()) return std::nullopt;
  std::string drive;
  std::string rest;
  if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':') {
    drive = std::string(1, Upper(path[0])) + ":";
    rest = path.substr(2);
    if (rest.empty() || rest[0] != '\\') {
      // "C:name" is relative to the drive's current folder; ours is the root
      // unless the current directory lies on that drive.
      rest = (Upper(currentDirectory_[0]) == drive[0] ? currentDirectory_.substr(2) : std::string("\\")) + "\\" + rest;
    }
  } else if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    return std::nullopt;  // network names are not modelled
  } else if (path[0] == '\\') {
    drive = currentDirectory_.substr(0, 2);
    rest = path;
  } else {
    drive = currentDirectory_.substr(0, 2);
    rest = currentDirectory_.substr(2) + "\\" + path;
  }
  std::vector<std::string> parts;
  std::vector<std::string> split = fake::SplitAtBackslashes(rest);
  for (std::size_t i = 0; i < split.size(); ++i) {
    std::string part = split[i];
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    if (part.find_first_of(":*?\"<>|") != std::string::npos) return std::nullopt;
    parts.push_back(part);
  }
  // Windows drops trailing blanks and dots of the last name.
  if (!parts.empty()) {
    std::string& last = parts.back();
    while (!last.empty() && (last.back() == ' ' || last.back() == '.')) last.pop_back();
    if (last.empty()) parts.pop_back();
  }
  return Join(drive, parts);
}

std::string FakeFileSystem::Fold(const std::string& fullPath) { return fake::FoldCase(fullPath); }

bool FakeFileSystem::DriveExists(const std::string& fullPath) const { return drives_.count(fullPath[0]) != 0; }

FakeFileSystem::Node* FakeFileSystem::Find(const std::string& path, bool* trailingSeparator) {
  auto full = FullPath(path);
  if (!full || !DriveExists(*full)) return nullptr;
  if (trailingSeparator) {
    auto parts = fake::SplitAtBackslashes(path);
    *trailingSeparator = parts.size() > 1 && parts.back().empty();
  }
  auto node = nodes_.find(Fold(*full));
  return node == nodes_.end() ? nullptr : &node->second;
}

FakeFileSystem::Node* FakeFileSystem::ParentOf(const std::string& fullPath) {
  auto parts = fake::SplitAtBackslashes(fullPath.substr(3));
  parts.pop_back();
  auto node = nodes_.find(Fold(Join(fullPath.substr(0, 2), parts)));
  return node == nodes_.end() ? nullptr : &node->second;
}

DWORD FakeFileSystem::GetFileAttributesA(LPCSTR path) {
  bool trailing = false;
  Node* node = Find(path ? path : "", &trailing);
  if (!node || (trailing && !node->folder)) {
    lastError_ = node ? ERROR_INVALID_NAME : ERROR_FILE_NOT_FOUND;
    return INVALID_FILE_ATTRIBUTES;
  }
  return node->attributes ? node->attributes : FILE_ATTRIBUTE_NORMAL;
}

BOOL FakeFileSystem::SetFileAttributesA(LPCSTR path, DWORD attributes) {
  bool trailing = false;
  Node* node = Find(path ? path : "", &trailing);
  if (!node || (trailing && !node->folder)) return Fail(ERROR_FILE_NOT_FOUND);
  DWORD kept =
      attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
  node->attributes = node->folder ? (kept | FILE_ATTRIBUTE_DIRECTORY) : kept;
  return TRUE;
}

BOOL FakeFileSystem::CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES security) {
  auto full = FullPath(path ? path : "");
  if (!full) return Fail(ERROR_INVALID_NAME);
  if (!DriveExists(*full)) return Fail(ERROR_PATH_NOT_FOUND);
  if (nodes_.count(Fold(*full))) return Fail(ERROR_ALREADY_EXISTS);
  Node* parent = ParentOf(*full);
  if (!parent || !parent->folder) return Fail(ERROR_PATH_NOT_FOUND);
  if (parent->denyWrite) return Fail(ERROR_ACCESS_DENIED);
  nodes_[Fold(*full)] = Node{*full, true, FILE_ATTRIBUTE_DIRECTORY, false, {}};
  if (security && security->lpSecurityDescriptor) madeWithSecurity_.insert(Fold(*full));
  return TRUE;
}

bool FakeFileSystem::MadeWithSecurity(const std::string& folder) const {
  auto full = FullPath(folder);
  return full && madeWithSecurity_.count(Fold(*full)) > 0;
}

BOOL FakeFileSystem::RemoveDirectoryA(LPCSTR path) {
  auto full = FullPath(path ? path : "");
  if (!full || !DriveExists(*full)) return Fail(ERROR_PATH_NOT_FOUND);
  auto node = nodes_.find(Fold(*full));
  if (node == nodes_.end()) return Fail(ERROR_FILE_NOT_FOUND);
  if (!node->second.folder || full->size() <= 3) return Fail(ERROR_ACCESS_DENIED);
  std::string prefix = node->first + "\\";
  auto next = nodes_.lower_bound(prefix);
  if (next != nodes_.end() && next->first.compare(0, prefix.size(), prefix) == 0) return Fail(145);  // not empty
  Node* parent = ParentOf(*full);
  if ((parent && parent->denyWrite) || (node->second.attributes & FILE_ATTRIBUTE_READONLY))
    return Fail(ERROR_ACCESS_DENIED);
  if (heldFolders_.count(node->first)) return Fail(ERROR_SHARING_VIOLATION);
  madeWithSecurity_.erase(node->first);
  nodes_.erase(node);
  return TRUE;
}

BOOL FakeFileSystem::DeleteFileA(LPCSTR path) {
  auto full = FullPath(path ? path : "");
  if (!full || !DriveExists(*full)) return Fail(ERROR_PATH_NOT_FOUND);
  auto node = nodes_.find(Fold(*full));
  if (node == nodes_.end()) return Fail(ERROR_FILE_NOT_FOUND);
  Node* parent = ParentOf(*full);
  if (node->second.folder || (node->second.attributes & FILE_ATTRIBUTE_READONLY) || (parent && parent->denyWrite))
    return Fail(ERROR_ACCESS_DENIED);
  auto busy = busy_.find(Fold(*full));
  if (busy != busy_.end() && busy->second > 0) {
    --busy->second;
    return Fail(ERROR_SHARING_VIOLATION);
  }
  if (HeldOpen(*full)) return Fail(ERROR_SHARING_VIOLATION);
  nodes_.erase(node);
  return TRUE;
}

void FakeFileSystem::HoldBusy(const std::string& path, int attempts) {
  auto full = FullPath(path);
  if (full) busy_[Fold(*full)] = attempts;
}

void FakeFileSystem::HoldOpen(const std::string& path, bool held) {
  auto full = FullPath(path);
  if (!full) return;
  if (held)
    heldOpen_.insert(Fold(*full));
  else
    heldOpen_.erase(Fold(*full));
}

void FakeFileSystem::SetFreeSpace(char drive, std::optional<unsigned long long> bytes) {
  freeSpace_[Upper(drive)] = bytes;
}

void FakeFileSystem::HoldFolder(const std::string& path) {
  auto full = FullPath(path);
  if (full) heldFolders_.insert(Fold(*full));
}

void FakeFileSystem::ReleaseFolder(const std::string& path) {
  auto full = FullPath(path);
  auto held = full ? heldFolders_.find(Fold(*full)) : heldFolders_.end();
  if (held != heldFolders_.end()) heldFolders_.erase(held);
}

BOOL FakeFileSystem::CopyFileA(LPCSTR existing, LPCSTR target, BOOL failIfExists) {
  if (beforeNextCopy_) std::exchange(beforeNextCopy_, nullptr)();
  bool trailing = false;
  Node* source = Find(existing ? existing : "", &trailing);
  if (!source || trailing) return Fail(ERROR_FILE_NOT_FOUND);
  if (source->folder) return Fail(ERROR_ACCESS_DENIED);
  auto full = FullPath(target ? target : "");
  if (!full) return Fail(ERROR_INVALID_NAME);
  if (!DriveExists(*full)) return Fail(ERROR_PATH_NOT_FOUND);
  Node* parent = ParentOf(*full);
  if (!parent || !parent->folder) return Fail(ERROR_PATH_NOT_FOUND);
  if (parent->denyWrite) return Fail(ERROR_ACCESS_DENIED);
  auto existingTarget = nodes_.find(Fold(*full));
  if (existingTarget != nodes_.end()) {
    if (failIfExists) return Fail(ERROR_FILE_EXISTS);
    if (existingTarget->second.folder || (existingTarget->second.attributes & FILE_ATTRIBUTE_READONLY))
      return Fail(ERROR_ACCESS_DENIED);
    if (HeldOpen(*full)) return Fail(ERROR_SHARING_VIOLATION);
  }
  Node copy = *source;
  copy.path = existingTarget != nodes_.end() ? existingTarget->second.path : *full;
  copy.denyWrite = false;
  nodes_[Fold(*full)] = copy;
  return TRUE;
}

BOOL FakeFileSystem::AppendToFile(const std::string& path, const std::string& bytes, DWORD* error) {
  auto fail = [error](DWORD code) {
    *error = code;
    return FALSE;
  };
  bool trailing = false;
  if (Node* node = Find(path, &trailing)) {
    if (trailing || node->folder || (node->attributes & FILE_ATTRIBUTE_READONLY)) return fail(ERROR_ACCESS_DENIED);
    Node* parent = ParentOf(node->path);
    if (parent && parent->denyWrite) return fail(ERROR_ACCESS_DENIED);
    node->content += bytes;
    return TRUE;
  }
  auto full = FullPath(path);
  if (!full) return fail(ERROR_INVALID_NAME);
  if (!DriveExists(*full)) return fail(ERROR_PATH_NOT_FOUND);
  Node* parent = ParentOf(*full);
  if (!parent || !parent->folder) return fail(ERROR_PATH_NOT_FOUND);
  if (parent->denyWrite) return fail(ERROR_ACCESS_DENIED);
  nodes_[Fold(*full)] = Node{*full, false, FILE_ATTRIBUTE_ARCHIVE, false, bytes};
  return TRUE;
}

HANDLE FakeFileSystem::FindFirstFileA(LPCSTR path, LPWIN32_FIND_DATAA data) {
  std::string text = path ? path : "";
  if (text.find_first_of("*?") != std::string::npos) {
    lastError_ = ERROR_INVALID_PARAMETER;  // patterns are not modelled
    return INVALID_HANDLE_VALUE;
  }
  bool trailing = false;
  Node* node = Find(text, &trailing);
  if (!node || trailing || node->path.size() <= 3) {
    lastError_ = ERROR_FILE_NOT_FOUND;
    return INVALID_HANDLE_VALUE;
  }
  std::memset(data, 0, sizeof *data);
  data->dwFileAttributes = node->attributes ? node->attributes : FILE_ATTRIBUTE_NORMAL;
  data->nFileSizeLow = static_cast<DWORD>(node->content.size());
  std::string name = fake::SplitAtBackslashes(node->path).back();
  std::strncpy(data->cFileName, name.c_str(), MAX_PATH - 1);
  ++openFinds_;
  return kFindHandle;
}

BOOL FakeFileSystem::FindClose(HANDLE find) {
  if (find != kFindHandle || openFinds_ == 0) return Fail(ERROR_INVALID_HANDLE);
  --openFinds_;
  return TRUE;
}

HANDLE FakeFileSystem::CreateFileA(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES, DWORD disposition,
                                   DWORD, HANDLE) {
  auto fail = [this](DWORD error) {
    lastError_ = error;
    return INVALID_HANDLE_VALUE;
  };
  if (disposition != OPEN_EXISTING) return fail(ERROR_INVALID_PARAMETER);  // only opening is modelled
  auto full = FullPath(path ? path : "");
  if (!full) return fail(ERROR_INVALID_NAME);
  if (!DriveExists(*full)) return fail(ERROR_PATH_NOT_FOUND);
  auto node = nodes_.find(Fold(*full));
  if (node == nodes_.end()) return fail(ParentOf(*full) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND);
  const bool writes = (access & (GENERIC_WRITE | DELETE)) != 0;
  if (node->second.folder || (writes && (node->second.attributes & FILE_ATTRIBUTE_READONLY)))
    return fail(ERROR_ACCESS_DENIED);
  if (HeldOpen(*full) && (writes || !(share & FILE_SHARE_READ))) return fail(ERROR_SHARING_VIOLATION);
  HANDLE handle = reinterpret_cast<HANDLE>(nextFileHandle_ += 4);
  openFiles_.insert(handle);
  return handle;
}

BOOL FakeFileSystem::CloseHandle(HANDLE handle) { return openFiles_.erase(handle) ? TRUE : Fail(ERROR_INVALID_HANDLE); }

BOOL FakeFileSystem::GetDiskFreeSpaceExA(LPCSTR folder, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER total,
                                         PULARGE_INTEGER totalFree) {
  auto full = FullPath(folder ? folder : "");
  if (!full || !DriveExists(*full)) return Fail(ERROR_PATH_NOT_FOUND);
  auto node = nodes_.find(Fold(*full));
  if (node == nodes_.end() || !node->second.folder) return Fail(ERROR_FILE_NOT_FOUND);
  auto space = freeSpace_.find((*full)[0]);
  const std::optional<unsigned long long> bytes = space == freeSpace_.end() ? 100000000000ull : space->second;
  if (!bytes) return Fail(ERROR_NOT_READY);
  if (freeToCaller) freeToCaller->QuadPart = *bytes;
  if (totalFree) totalFree->QuadPart = *bytes;
  if (total) total->QuadPart = *bytes + 1000000000ull;
  return TRUE;
}

DWORD FakeFileSystem::GetModuleFileNameA(HMODULE, LPSTR buffer, DWORD size) {
  if (size == 0) return Fail(ERROR_INSUFFICIENT_BUFFER);
  if (modulePath_.size() >= size) {
    // Cut to whole characters, as Windows converts the name: when the cut
    // fills the buffer it is terminated in the last byte and says so; when a
    // double-byte character did not fit, the shorter name comes back as if
    // it were whole.
    std::size_t length = 0;
    while (length < modulePath_.size()) {
      std::size_t step = IsCp932LeadByte(modulePath_[length]) && length + 1 < modulePath_.size() ? 2 : 1;
      if (length + step > size) break;
      length += step;
    }
    if (length == size) {
      std::memcpy(buffer, modulePath_.data(), size - 1);
      buffer[size - 1] = 0;
      lastError_ = ERROR_INSUFFICIENT_BUFFER;
      return size;
    }
    std::memcpy(buffer, modulePath_.data(), length);
    buffer[length] = 0;
    return static_cast<DWORD>(length);
  }
  std::memcpy(buffer, modulePath_.c_str(), modulePath_.size() + 1);
  return static_cast<DWORD>(modulePath_.size());
}

void FakeFileSystem::AddDrive(char letter) {
  letter = Upper(letter);
  drives_.insert(letter);
  std::string root = std::string(1, letter) + ":\\";
  nodes_[Fold(root)] = Node{root, true, FILE_ATTRIBUTE_DIRECTORY, false, {}};
}

void FakeFileSystem::AddFolder(const std::string& path) {
  auto full = FullPath(path);
  if (!full) return;
  std::vector<std::string> parts = fake::SplitAtBackslashes(full->substr(3));
  std::vector<std::string> sofar;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    sofar.push_back(part);
    std::string at = Join(full->substr(0, 2), sofar);
    if (!nodes_.count(Fold(at))) nodes_[Fold(at)] = Node{at, true, FILE_ATTRIBUTE_DIRECTORY, false, {}};
  }
}

void FakeFileSystem::AddFile(const std::string& path, const std::string& content, DWORD attributes) {
  auto full = FullPath(path);
  if (!full) return;
  auto parts = fake::SplitAtBackslashes(*full);
  parts.pop_back();
  std::string folder;
  for (const std::string& part : parts) folder += part + "\\";
  AddFolder(folder);
  nodes_[Fold(*full)] = Node{*full, false, attributes, false, content};
}

void FakeFileSystem::DenyWrite(const std::string& folder) {
  AddFolder(folder);
  if (auto full = FullPath(folder)) nodes_[Fold(*full)].denyWrite = true;
}

bool FakeFileSystem::FileExists(const std::string& path) const {
  auto full = FullPath(path);
  if (!full) return false;
  auto node = nodes_.find(Fold(*full));
  return node != nodes_.end() && !node->second.folder;
}

std::optional<std::string> FakeFileSystem::FileContent(const std::string& path) const {
  auto full = FullPath(path);
  if (!full) return std::nullopt;
  auto node = nodes_.find(Fold(*full));
  if (node == nodes_.end() || node->second.folder) return std::nullopt;
  return node->second.content;
}

std::vector<std::string> FakeFileSystem::Dump() const {
  std::vector<std::string> out;
  for (const auto& [folded, node] : nodes_) out.push_back(node.folder ? node.path : node.path + "=" + node.content);
  return out;
}

}  // namespace platform
