#include "launcher/launch/launch_sequence.h"

#include <cstring>
#include <optional>

#include "launcher/launch/java_command_line.h"
#include "launcher/launch/launch_names.h"
#include "launcher/launch/launcher_strings.h"
#include "launcher/launch/read_machine_string.h"
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

// A folder of that name counts as present too.
bool Exists(platform::FileSystem& files, const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE find = files.FindFirstFileA(path.c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return false;
  files.FindClose(find);
  return true;
}

// The associated program, or else the runtime named by the registry; the
// message id explains a failure.
std::optional<std::string> FindJava(LaunchPorts& ports, const std::string& archive, const std::string& folder,
                                    UINT& failure) {
  char associated[kAssociationSize] = {};
  HINSTANCE result = ports.shell.FindExecutableA(archive.c_str(), folder.c_str(), associated);
  if (reinterpret_cast<ULONG_PTR>(result) > platform::kShellErrorLimit)
    return std::string(associated, strnlen(associated, sizeof associated));

  std::string version;
  if (!ReadMachineString(ports.registry, kRuntimeKey, kCurrentVersionValue, version)) {
    failure = IDS_NO_RUNTIME;
    return std::nullopt;
  }
  std::string home;
  if (!ReadMachineString(ports.registry, std::string(kRuntimeKey) + "\\" + version, kJavaHomeValue, home)) {
    failure = IDS_NO_RUNTIME_HOME;
    return std::nullopt;
  }
  return home + kJavaBelowHome;
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
  if (!Exists(ports.files, archive)) return Report(ports, caption, IDS_NO_ARCHIVE);

  UINT failure = 0;
  std::optional<std::string> java = FindJava(ports, archive, *folder, failure);
  if (!java) return Report(ports, caption, failure);
  if (!Exists(ports.files, *java)) return Report(ports, caption, IDS_NO_JAVAW);

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
