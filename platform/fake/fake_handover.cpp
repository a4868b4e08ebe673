#include "platform/fake/fake_handover.h"

#include <cstring>

namespace platform {

DWORD FakeHandover::GetTempPathA(DWORD size, LPSTR buffer) {
  DWORD length = static_cast<DWORD>(tempPath_.size());
  if (!buffer || size < length + 1) return length + 1;
  std::memcpy(buffer, tempPath_.c_str(), length + 1);
  return length;
}

HANDLE FakeHandover::CreateFileA(LPCSTR path, DWORD, DWORD, LPSECURITY_ATTRIBUTES security, DWORD disposition,
                                 DWORD flags, HANDLE) {
  // Only opening an existing file is modelled.
  if (!path || disposition != OPEN_EXISTING || !files_.FileExists(path)) {
    lastError_ = ERROR_FILE_NOT_FOUND;
    return INVALID_HANDLE_VALUE;
  }
  return NewHandle(Opened{path, 0, security && security->bInheritHandle, (flags & FILE_FLAG_DELETE_ON_CLOSE) != 0, ""});
}

HANDLE FakeHandover::CreateMutexA(LPSECURITY_ATTRIBUTES security, BOOL, LPCSTR name) {
  bool existed = false;
  for (const auto& [handle, opened] : open_) existed = existed || (name && opened.mutexName == name);
  lastError_ = existed ? ERROR_ALREADY_EXISTS : 0;
  Opened opened{"", 0, security && security->bInheritHandle, false, ""};
  opened.mutexName = name ? name : "";
  return NewHandle(opened);
}

HANDLE FakeHandover::OpenProcess(DWORD, BOOL inheritHandle, DWORD processId) {
  return NewHandle(Opened{"", processId, inheritHandle != FALSE, false, ""});
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
