// The handover port in memory: a temporary folder of the fake file system,
// files held open with or without deletion at their last close, process
// handles that remember whether they are inheritable,
// named mutexes that live while a handle to them is open, and pauses that
// only add up.
#pragma once

#include <map>
#include <string>

#include "platform/fake/fake_file_system.h"
#include "platform/handover.h"

namespace platform {

class FakeHandover final : public Handover {
 public:
  struct Opened {
    std::string path;  // "" for a process handle
    DWORD processId = 0;
    bool inheritable = false;
    bool deleteOnClose = false;
    std::string mutexName;  // "" unless a mutex handle
  };

  explicit FakeHandover(FakeFileSystem& files) : files_(files) {}

  DWORD GetTempPathA(DWORD size, LPSTR buffer) override;
  HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition,
                     DWORD flags, HANDLE templateFile) override;
  DWORD GetCurrentProcessId() override { return processId_; }
  HANDLE OpenProcess(DWORD access, BOOL inheritHandle, DWORD processId) override;
  BOOL CloseHandle(HANDLE handle) override;
  void Sleep(DWORD milliseconds) override { slept_ += milliseconds; }
  HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES security, BOOL initialOwner, LPCSTR name) override;
  DWORD GetLastError() override { return lastError_; }

  // Test set-up and inspection.
  void SetTempPath(const std::string& path) { tempPath_ = path; }
  const std::map<HANDLE, Opened>& OpenHandles() const { return open_; }
  DWORD Slept() const { return slept_; }

 private:
  HANDLE NewHandle(const Opened& opened);

  FakeFileSystem& files_;
  std::string tempPath_ = "C:\\TEMP\\";
  std::map<HANDLE, Opened> open_;
  DWORD processId_ = 0x1234;
  DWORD slept_ = 0;
  DWORD lastError_ = 0;
  ULONG_PTR nextHandle_ = 0x700;
};

}  // namespace platform
