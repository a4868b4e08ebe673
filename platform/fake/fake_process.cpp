#include "platform/fake/fake_process.h"

#include "platform/fake/system_folder.h"

#include <cstring>

namespace platform {

namespace {

bool AllZeroAfterSize(const STARTUPINFOA& info) {
  STARTUPINFOA zero;
  std::memset(&zero, 0, sizeof zero);
  zero.cb = info.cb;
  return std::memcmp(&zero, &info, sizeof info) == 0;
}

}  // namespace

BOOL FakeProcess::CreateProcessA(LPCSTR applicationName, LPSTR commandLine, LPSECURITY_ATTRIBUTES processAttributes,
                                 LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                                 LPVOID environment, LPCSTR currentDirectory, LPSTARTUPINFOA startupInfo,
                                 LPPROCESS_INFORMATION processInformation) {
  if (!startupInfo || !processInformation || (!applicationName && !commandLine)) {
    lastError_ = ERROR_INVALID_PARAMETER;
    return FALSE;
  }
  Start start;
  start.hasApplicationName = applicationName != nullptr;
  start.applicationName = applicationName ? applicationName : "";
  start.commandLine = commandLine ? commandLine : "";
  start.processAttributes = processAttributes != nullptr;
  start.threadAttributes = threadAttributes != nullptr;
  start.inheritHandles = inheritHandles;
  start.creationFlags = creationFlags;
  start.environment = environment != nullptr;
  start.currentDirectory = currentDirectory ? currentDirectory : "";
  start.startupInfoSize = startupInfo->cb;
  start.startupInfoOtherwiseZero = AllZeroAfterSize(*startupInfo);
  if (failWith_) {
    starts_.push_back(start);
    lastError_ = failWith_;
    return FALSE;
  }
  HANDLE process = reinterpret_cast<HANDLE>(nextHandle_);
  HANDLE thread = reinterpret_cast<HANDLE>(nextHandle_ + 4);
  nextHandle_ += 8;
  open_.insert(process);
  open_.insert(thread);
  start.process = process;
  starts_.push_back(start);
  processInformation->hProcess = process;
  processInformation->hThread = thread;
  processInformation->dwProcessId = static_cast<DWORD>(nextHandle_);
  processInformation->dwThreadId = static_cast<DWORD>(nextHandle_ + 1);
  return TRUE;
}

void FakeProcess::GetStartupInfoA(LPSTARTUPINFOA startupInfo) {
  std::memset(startupInfo, 0, sizeof *startupInfo);
  startupInfo->cb = sizeof *startupInfo;
}

UINT FakeProcess::GetSystemDirectoryA(LPSTR buffer, UINT size) { return CopySystemFolder(systemFolder, buffer, size); }

DWORD FakeProcess::WaitForSingleObject(HANDLE handle, DWORD) {
  if (!open_.count(handle)) {
    lastError_ = ERROR_INVALID_HANDLE;
    return WAIT_FAILED;
  }
  return ended_.count(handle) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

BOOL FakeProcess::CloseHandle(HANDLE handle) {
  if (!open_.erase(handle)) {
    lastError_ = ERROR_INVALID_HANDLE;
    return FALSE;
  }
  return TRUE;
}

}  // namespace platform
