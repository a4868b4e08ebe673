#include <vector>

#include "tests/e2e/driver/driver.h"

namespace e2e {

Started Start(const std::string& commandLine, const std::string& currentDirectory, const std::string& applicationName) {
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!::CreateProcessA(applicationName.empty() ? nullptr : applicationName.c_str(), line.data(), nullptr, nullptr,
                        FALSE, 0, nullptr, currentDirectory.empty() ? nullptr : currentDirectory.c_str(), &startup,
                        &info))
    return {nullptr, 0, ::GetLastError()};
  ::CloseHandle(info.hThread);
  return {info.hProcess, info.dwProcessId};
}

long WaitForExit(const Started& started, DWORD timeoutMs) {
  if (::WaitForSingleObject(started.process, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  ::GetExitCodeProcess(started.process, &code);
  return static_cast<long>(code);
}

void Kill(const Started& started) {
  if (started.process) ::TerminateProcess(started.process, 1);
}

HeldFile::HeldFile(const std::string& standInJava, const std::string& path)
    : holder_(Start("\"" + standInJava + "\" /hold \"" + path + "\"")) {
  // Its window appears once the file is held; without the file it ends at once.
  holding_ = holder_.ok() && WaitForTopLevel("Tessal - stand-in") != nullptr;
}

void HeldFile::End() {
  if (!holder_.ok()) return;
  Kill(holder_);
  WaitForExit(holder_);
  ::CloseHandle(holder_.process);
  holder_ = {};
  holding_ = false;
}

}  // namespace e2e
