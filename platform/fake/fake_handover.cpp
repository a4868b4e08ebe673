#include "platform/fake/fake_handover.h"

#include <cstring>

namespace platform {

DWORD FakeHandover::GetTempPathA(DWORD size, LPSTR buffer) {
  DWORD length = static_cast<DWORD>(tempPath_.size());
  if (!buffer || size < length + 1) return length + 1;
  std::memcpy(buffer, tempPath_.c_str(), length + 1);
  return length;
}

HANDLE FakeHandover::CreateFileA(LPCSTR path, DWORD access, DWORD, LPSECURITY_ATTRIBUTES security, DWORD disposition,
                                 DWORD flags, HANDLE) {
  // Opening an existing file, and opening or making one to append to.
  if (!path || (disposition != OPEN_EXISTING && disposition != OPEN_ALWAYS)) return INVALID_HANDLE_VALUE;
  if (!files_.FileExists(path)) {
    DWORD attributes = files_.GetFileAttributesA(path);
    if (disposition != OPEN_ALWAYS || attributes != INVALID_FILE_ATTRIBUTES) {
      lastError_ = attributes == INVALID_FILE_ATTRIBUTES ? ERROR_FILE_NOT_FOUND : ERROR_ACCESS_DENIED;
      return INVALID_HANDLE_VALUE;
    }
    // Made the way CreateDirectoryA checks its place: the folder must be there.
    if (!files_.CreateDirectoryA(path, nullptr)) {
      lastError_ = ERROR_PATH_NOT_FOUND;
      return INVALID_HANDLE_VALUE;
    }
    files_.RemoveDirectoryA(path);
    files_.AddFile(path, "");
  }
  Opened opened{path, 0, security && security->bInheritHandle, (flags & FILE_FLAG_DELETE_ON_CLOSE) != 0, "", false};
  opened.append = (access & FILE_APPEND_DATA) != 0;
  return NewHandle(opened);
}

HANDLE FakeHandover::CreateMutexA(LPSECURITY_ATTRIBUTES security, BOOL, LPCSTR name) {
  bool existed = false;
  for (const auto& [handle, opened] : open_) existed = existed || (name && opened.mutexName == name);
  lastError_ = existed ? ERROR_ALREADY_EXISTS : 0;
  Opened opened{"", 0, security && security->bInheritHandle, false, "", false};
  opened.mutexName = name ? name : "";
  return NewHandle(opened);
}

BOOL FakeHandover::WriteFile(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED) {
  auto opened = open_.find(file);
  if (opened == open_.end() || !opened->second.append) return FALSE;
  auto content = files_.FileContent(opened->second.path);
  if (!content) return FALSE;
  files_.AddFile(opened->second.path, *content + std::string(static_cast<const char*>(data), size));
  if (written) *written = size;
  return TRUE;
}

HANDLE FakeHandover::OpenProcess(DWORD, BOOL inheritHandle, DWORD processId) {
  return NewHandle(Opened{"", processId, inheritHandle != FALSE, false, "", false});
}

BOOL FakeHandover::CloseHandle(HANDLE handle) {
  auto opened = open_.find(handle);
  if (opened == open_.end()) return FALSE;
  if (opened->second.deleteOnClose) files_.DeleteFileA(opened->second.path.c_str());
  open_.erase(opened);
  return TRUE;
}

HANDLE FakeHandover::NewHandle(const Opened& opened) {
  HANDLE handle = reinterpret_cast<HANDLE>(nextHandle_);
  nextHandle_ += 4;
  open_[handle] = opened;
  return handle;
}

}  // namespace platform
