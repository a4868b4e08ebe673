#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/win32/win32_process_exit.h"
#include "tests/contract/exit/exit_harness.h"

namespace contract {

namespace {

std::string Marker() {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "exit_contract_" + std::to_string(::GetCurrentProcessId()) + ".txt";
}

// The child: exits through the port inside a std::exception guard, and
// would leave a marker if it carried on.
struct ChildMode {
  ChildMode() {
    const char* code = std::getenv("EXIT_CONTRACT_CODE");
    const char* marker = std::getenv("EXIT_CONTRACT_MARKER");
    if (!code || !marker) return;
    platform::Win32ProcessExit exit;
    try {
      exit.ExitProcess(static_cast<UINT>(std::atoi(code)));
    } catch (const std::exception&) {
    }
    HANDLE file = ::CreateFileA(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ::CloseHandle(file);
    ::ExitProcess(99);
  }
} childMode;

}  // namespace

ExitOutcome RunExit(UINT code) {
  std::string marker = Marker();
  ::DeleteFileA(marker.c_str());
  ::SetEnvironmentVariableA("EXIT_CONTRACT_CODE", std::to_string(code).c_str());
  ::SetEnvironmentVariableA("EXIT_CONTRACT_MARKER", marker.c_str());
  char self[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string commandLine = "\"" + std::string(self) + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  ExitOutcome outcome;
  if (::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    ::WaitForSingleObject(info.hProcess, 30000);
    DWORD exitCode = 0;
    ::GetExitCodeProcess(info.hProcess, &exitCode);
    outcome.exitCode = static_cast<long>(exitCode);
    ::CloseHandle(info.hProcess);
    ::CloseHandle(info.hThread);
  }
  ::SetEnvironmentVariableA("EXIT_CONTRACT_CODE", nullptr);
  outcome.ranPastExit = ::GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
  ::DeleteFileA(marker.c_str());
  return outcome;
}

}  // namespace contract
