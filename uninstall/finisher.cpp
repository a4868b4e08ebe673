#include "uninstall/finisher.h"

#include <vector>

#include "platform/program_name.h"
#include "uninstall/copy_folder.h"
#include "uninstall/paths.h"

namespace uninstall {

// Why a copy that waits, and not removal at the next restart: removal at
// restart (MoveFileEx with MOVEFILE_DELAY_UNTIL_REBOOT) needs administrator
// rights and leaves the program and its folder on the disk until then. The
// copy is the well-known way that works at once for any user who may write
// the install folder. The copy removes itself too: the original opens it
// with FILE_FLAG_DELETE_ON_CLOSE in a handle that the copy inherits, so the
// system deletes the copy's file when the copy, the last holder of that
// handle, ends. The copy lies in a folder of its own (copy_folder.h), which
// it removes as its last act.

namespace {

constexpr const char* kFinishSwitch = "/finish";
constexpr const char* kOwnFileOnlySwitch = " /SILENT";
constexpr DWORD kMaxHandleDigits = 10;

using platform::IsBlank;
using platform::SkipBlanks;

}  // namespace

std::string FinisherArguments(HANDLE original, HANDLE copyFile, HANDLE copyFolder, const std::string& originalPath,
                              bool ownFileOnly) {
  return std::string(kFinishSwitch) + " " + std::to_string(reinterpret_cast<ULONG_PTR>(original)) + " " +
         std::to_string(reinterpret_cast<ULONG_PTR>(copyFile)) + " " +
         std::to_string(reinterpret_cast<ULONG_PTR>(copyFolder)) + " \"" + originalPath + "\"" +
         (ownFileOnly ? kOwnFileOnlySwitch : "");
}

namespace {

// A handle's value in decimal, followed by a blank; nullopt for anything else.
std::optional<HANDLE> ParseHandle(const std::string& arguments, std::string::size_type& at) {
  ULONG_PTR handle = 0;
  DWORD digits = 0;
  for (; at < arguments.size() && arguments[at] >= '0' && arguments[at] <= '9'; ++at) {
    if (++digits > kMaxHandleDigits) return std::nullopt;
    handle = handle * 10 + static_cast<ULONG_PTR>(arguments[at] - '0');
  }
  if (digits == 0 || handle == 0 || handle > 0xFFFFFFFFu) return std::nullopt;
  if (at >= arguments.size() || !IsBlank(arguments[at])) return std::nullopt;
  at = SkipBlanks(arguments, at);
  return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

std::optional<FinisherRequest> ParseFinisherArguments(const std::string& arguments) {
  std::string::size_type at = SkipBlanks(arguments, 0);
  const std::string finishSwitch = kFinishSwitch;
  if (arguments.compare(at, finishSwitch.size(), finishSwitch) != 0) return std::nullopt;
  at += finishSwitch.size();
  if (at >= arguments.size() || !IsBlank(arguments[at])) return std::nullopt;
  at = SkipBlanks(arguments, at);
  const std::optional<HANDLE> original = ParseHandle(arguments, at);
  if (!original) return std::nullopt;
  const std::optional<HANDLE> copyFile = ParseHandle(arguments, at);
  if (!copyFile) return std::nullopt;
  const std::optional<HANDLE> copyFolder = ParseHandle(arguments, at);
  if (!copyFolder) return std::nullopt;

  // A double quote is never the trail byte of a double-byte character, so
  // the path ends at the next one.
  if (at >= arguments.size() || arguments[at] != '"') return std::nullopt;
  std::string::size_type close = arguments.find('"', at + 1);
  if (close == std::string::npos) return std::nullopt;
  std::string path = arguments.substr(at + 1, close - at - 1);
  std::string rest = arguments.substr(close + 1);
  rest.erase(rest.find_last_not_of(" \t") + 1);
  const bool ownFileOnly = rest == kOwnFileOnlySwitch;
  if (!rest.empty() && !ownFileOnly) return std::nullopt;
  if (!IsFullPath(path) || !FitsMaxPath(path) || !SamePath(NameOf(path), "Uninstall.exe")) return std::nullopt;
  return FinisherRequest{*original, *copyFile, *copyFolder, path, ownFileOnly};
}

bool StartFinisher(UninstallPorts& ports, const std::string& ownPath, bool ownFileOnly) {
  char tempBuffer[MAX_PATH] = {};
  DWORD length = ports.handover.GetTempPathA(MAX_PATH, tempBuffer);
  if (length == 0 || length >= MAX_PATH) return false;
  const std::string tempFolder(tempBuffer, length);
  // The copy's current directory: a folder that is no one's to write and
  // never removed. Windows looks there for a DLL that its own folders lack,
  // and a folder that is some program's current directory cannot be removed.
  char systemFolder[MAX_PATH] = {};
  if (FAILED(ports.system.SHGetFolderPathA(nullptr, CSIDL_SYSTEM, nullptr, SHGFP_TYPE_CURRENT, systemFolder)))
    return false;
  const CopyFolder copyFolder = MakeCopyFolder(ports, tempFolder);
  if (copyFolder.path.empty()) return false;
  // Closed on every path; once the copy runs, its inherited handle holds
  // the folder on.
  const auto letGo = [&] {
    ports.handover.CloseHandle(copyFolder.handle);
    ports.files.RemoveDirectoryA(copyFolder.path.c_str());
  };
  const std::string copyPath = copyFolder.path + "\\Uninstall.exe";
  // Still this program's file byte for byte, so that a signed file stays signed.
  if (!FitsMaxPath(copyPath) || !ports.files.CopyFileA(ownPath.c_str(), copyPath.c_str(), TRUE)) {
    letGo();
    return false;
  }
  // The copy takes over a read-only mark, which would keep it from being
  // deleted at its last close.
  ports.files.SetFileAttributesA(copyPath.c_str(), FILE_ATTRIBUTE_NORMAL);

  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  // DELETE access lets the copy rename its file through this handle.
  HANDLE copyFile =
      ports.handover.CreateFileA(copyPath.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                 &inheritable, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (copyFile == INVALID_HANDLE_VALUE) {
    ports.files.DeleteFileA(copyPath.c_str());
    letGo();
    return false;
  }
  HANDLE self = ports.handover.OpenProcess(SYNCHRONIZE, TRUE, ports.handover.GetCurrentProcessId());
  bool started = false;
  if (self) {
    std::string commandLine =
        "\"" + copyPath + "\" " + FinisherArguments(self, copyFile, copyFolder.handle, ownPath, ownFileOnly);
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    started = ports.process.CreateProcessA(copyPath.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                           systemFolder, &startup, &info) != FALSE;
    if (started) {
      ports.process.CloseHandle(info.hThread);
      ports.process.CloseHandle(info.hProcess);
    }
    ports.handover.CloseHandle(self);
  }
  // The copy holds its own inherited handles; when no copy started, this
  // closing deletes the file, and the folder is empty again.
  ports.handover.CloseHandle(copyFile);
  if (started)
    ports.handover.CloseHandle(copyFolder.handle);
  else
    letGo();
  return started;
}

}  // namespace uninstall
