#include "launcher/launch/java_lookup.h"

#include <cstring>

#include "launcher/launch/file_exists.h"
#include "launcher/launch/launch_names.h"
#include "launcher/launch/launcher_strings.h"
#include "launcher/launch/path_entries.h"
#include "launcher/launch/read_environment.h"
#include "launcher/launch/read_machine_string.h"

namespace launcher {

namespace {

// JavaHome of the runtime that a key's CurrentVersion names, in one view.
std::optional<std::string> RegisteredHome(platform::Registry& registry, const std::string& key, REGSAM view,
                                          UINT& failure) {
  std::string version;
  if (!ReadMachineString(registry, key, kCurrentVersionValue, version, view)) {
    failure = IDS_NO_RUNTIME;
    return std::nullopt;
  }
  std::string home;
  if (!ReadMachineString(registry, key + "\\" + version, kJavaHomeValue, home, view)) {
    failure = IDS_NO_RUNTIME_HOME;
    return std::nullopt;
  }
  return home;
}

// The path when it fits the launcher's path buffers and the file is there.
std::optional<std::string> Present(platform::FileSystem& files, const std::string& javaw) {
  if (javaw.size() >= kJavaPathSize || !FileExists(files, javaw)) return std::nullopt;
  return javaw;
}

std::optional<std::string> BelowHome(platform::FileSystem& files, const std::string& home) {
  if (home.empty()) return std::nullopt;
  return Present(files, JoinPath(home, "bin\\" + std::string(kJavawName)));
}

// The runtimes that the launcher's first registry lookup does not see.
std::optional<std::string> FindOtherJava(JavaLookupPorts& ports) {
  const struct {
    const char* key;
    REGSAM view;
  } registered[] = {
      {kRuntimeKey, KEY_WOW64_64KEY}, {kJreKey, KEY_WOW64_64KEY}, {kJreKey, KEY_WOW64_32KEY},
      {kJdkKey, KEY_WOW64_64KEY},     {kJdkKey, KEY_WOW64_32KEY},
  };
  for (const auto& place : registered) {
    UINT ignored = 0;
    if (auto home = RegisteredHome(ports.registry, place.key, place.view, ignored))
      if (auto javaw = BelowHome(ports.files, *home)) return javaw;
  }

  std::string javaHome;
  if (ReadEnvironmentString(ports.environment, kJavaHomeVariable, javaHome))
    if (auto javaw = BelowHome(ports.files, javaHome)) return javaw;

  // Only the folders PATH lists, in order: not the launcher's folder nor the
  // current directory unless it lists them.
  std::string path;
  if (ReadEnvironmentString(ports.environment, kPathVariable, path))
    for (const std::string& entry : PathEntries(path))
      if (auto javaw = Present(ports.files, JoinPath(entry, kJavawName))) return javaw;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> FindJava(JavaLookupPorts ports, const std::string& archive, const std::string& folder,
                                    UINT& failure) {
  char associated[kAssociationSize] = {};
  HINSTANCE result = ports.shell.FindExecutableA(archive.c_str(), folder.c_str(), associated);
  if (reinterpret_cast<ULONG_PTR>(result) > platform::kShellErrorLimit) {
    // Whatever program it is; when it is missing, nothing else is looked at.
    const std::string program(associated, strnlen(associated, sizeof associated));
    if (FileExists(ports.files, program)) return program;
    failure = IDS_NO_JAVAW;
    return std::nullopt;
  }

  // The launcher's own view, exactly as it has always read it.
  if (auto home = RegisteredHome(ports.registry, kRuntimeKey, 0, failure)) {
    const std::string javaw = *home + kJavaBelowHome;
    if (FileExists(ports.files, javaw)) return javaw;
    failure = IDS_NO_JAVAW;
  }
  return FindOtherJava(ports);
}

}  // namespace launcher
