// Processes that are started only on paper: every CreateProcessA call is
// recorded with all its arguments, may be made to fail, and hands out
// process handles whose end a test decides.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/process.h"

namespace platform {

class FakeProcess final : public Process {
 public:
  struct Start {
    bool hasApplicationName = false;
    std::string applicationName;
    std::string commandLine;
    bool processAttributes = false;  // whether any were given
    bool threadAttributes = false;
    BOOL inheritHandles = FALSE;
    DWORD creationFlags = 0;
    bool environment = false;
    std::string currentDirectory;  // "" for none
    DWORD startupInfoSize = 0;
    bool startupInfoOtherwiseZero = false;
    HANDLE process = nullptr;
  };

  BOOL CreateProcessA(LPCSTR applicationName, LPSTR commandLine, LPSECURITY_ATTRIBUTES processAttributes,
                      LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                      LPVOID environment, LPCSTR currentDirectory, LPSTARTUPINFOA startupInfo,
                      LPPROCESS_INFORMATION processInformation) override;
  void GetStartupInfoA(LPSTARTUPINFOA startupInfo) override;
  UINT GetSystemDirectoryA(LPSTR buffer, UINT size) override;
  DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) override;
  BOOL CloseHandle(HANDLE handle) override;
  DWORD GetLastError() override { return lastError_; }

  // Test set-up and inspection.
  std::string systemFolder = "C:\\WINDOWS\\system32";
  void FailCreationWith(DWORD error) { failWith_ = error; }
  void EndProcess(HANDLE process) { ended_.insert(process); }
  const std::vector<Start>& Starts() const { return starts_; }
  bool IsOpen(HANDLE handle) const { return open_.count(handle) != 0; }

 private:
  std::vector<Start> starts_;
  std::set<HANDLE> open_;
  std::set<HANDLE> ended_;
  DWORD failWith_ = 0;
  DWORD lastError_ = 0;
  ULONG_PTR nextHandle_ = 0x100;
};

}  // namespace platform
