#include "launcher/launch/launch_sequence.h"

#include <cstring>
#include <optional>

#include "launcher/launch/file_exists.h"
#include "launcher/launch/java_command_line.h"
#include "launcher/launch/java_lookup.h"
#include "launcher/launch/launch_names.h"
#include "launcher/launch/launcher_strings.h"
#include "platform/lead_byte.h"

namespace launcher {

namespace {

std::string LoadText(LaunchPorts& ports, UINT id) {
  char text[512] = {};
  ports.strings.LoadStringA(ports.instance, id, text, sizeof text);
  return std::string(text, strnlen(text, sizeof text));
}

void Report(LaunchPorts& ports, const std::string& caption, UINT messageId) {
  ports.messages.MessageBoxA(nullptr, LoadText(ports, messageId).c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

// The folder of the running launcher, without a trailing backslash; nothing
// when the path does not fit kOwnPathSize whole or has no backslash.
std::optional<std::string> LauncherFolder(platform::FileSystem& files) {
  char path[kOwnPathQuerySize] = {};
  DWORD length = files.GetModuleFileNameA(nullptr, path, sizeof path);
  // A cut path names some other folder: never act on one.
  if (length == 0 || length >= kOwnPathSize) return std::nullopt;
  std::optional<std::size_t> lastSeparator;
  for (std::size_t i = 0; i < length && path[i]; ++i) {
    if (platform::IsLeadByte(path[i]) && i + 1 < length) {
      ++i;  // the trail byte may be 0x5C and is no separator
    } else if (path[i] == '\\') {
      lastSeparator = i;
    }
  }
  if (!lastSeparator) return std::nullopt;
  return std::string(path, *lastSeparator);
}

// The folder as a current directory: "C:" alone would mean the current
// folder of drive C, so a bare drive gets its root's backslash back.
std::string AsCurrentDirectory(const std::string& folder) {
  return folder.size() == 2 && folder[1] == ':' ? folder + "\\" : folder;
}

std::string ReadOptions(platform::Profile& profile, const std::string& folder) {
  char options[kOptionSize] = {};
  std::string file = folder + "\\" + kOptionFileName;
  DWORD copied =
      profile.GetPrivateProfileStringA(kOptionSection, kOptionKey, "", options, sizeof options, file.c_str());
  if (copied == 0) return "";
  // Not the count: a reader that cut a double-byte character may count one
  // byte more than it wrote. The buffer always holds its terminator.
  return std::string(options, strnlen(options, sizeof options));
}

}  // namespace

void RunLaunchSequence(LaunchPorts& ports, const std::vector<std::string>& documents, SplashHandOver& splash) {
  const std::string caption = LoadText(ports, IDS_PRODUCT_NAME);

  std::optional<std::string> folder = LauncherFolder(ports.files);
  if (!folder) return;

  const std::string archive = *folder + "\\" + kArchiveName;
  if (!FileExists(ports.files, archive)) return Report(ports, caption, IDS_NO_ARCHIVE);

  UINT failure = 0;
  std::optional<std::string> java =
      FindJava({ports.files, ports.shell, ports.registry, ports.environment}, archive, *folder, failure);
  if (!java) return Report(ports, caption, failure);

  const std::string options = ReadOptions(ports.profile, *folder);
  std::string line = JavaCommandLine(*java, options, archive, documents);

  std::vector<char> writableLine(line.begin(), line.end());
  writableLine.push_back(0);
  STARTUPINFOA startup;
  std::memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started;
  std::memset(&started, 0, sizeof started);
  const std::string currentDirectory = AsCurrentDirectory(*folder);
  if (!ports.process.CreateProcessA(nullptr, writableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                    currentDirectory.c_str(), &startup, &started))
    return Report(ports, caption, IDS_START_FAILED);

  // The thread handle is of no use here; the process handle stays open for
  // the splash, which waits on it, and is never closed by the launcher.
  ports.process.CloseHandle(started.hThread);
  splash.ShowSplash(started.hProcess);
}

}  // namespace launcher
