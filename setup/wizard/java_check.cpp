#include "setup/wizard/java_check.h"

#include "common/paths.h"
#include "toolkit/registry_accessor.h"

namespace {

// The leading separator makes the path start at HKEY_LOCAL_MACHINE itself.
const std::string JavaRuntimeKey = "\\SOFTWARE\\JavaSoft\\Java Runtime Environment";

}  // namespace

void CheckJavaRuntime(TJavaCheckResult& result, platform::Registry& registry, platform::FileSystem& files) {
  // Full access on purpose: a key that refuses it counts as missing.
  toolkit::RegistryAccessor reg(registry, HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS);
  if (!reg.KeyExists(JavaRuntimeKey)) {
    result.Status = jcNotInstalled;
    return;
  }
  if (!reg.OpenKey(JavaRuntimeKey)) {
    result.Status = jcSystemError;
    return;
  }
  const std::string version = reg.ReadString("CurrentVersion");
  if (!IsSupportedJavaVersion(version)) {
    result.Status = jcVersionTooOld;
    return;
  }
  reg.CloseKey();
  if (!reg.OpenKey(JavaRuntimeKey + "\\" + version)) {
    result.Status = jcSystemError;
    return;
  }
  const std::string home = reg.ReadString("JavaHome");
  if (!common::FolderExists(files, home)) {
    result.Status = jcHomeNotFound;
    return;
  }
  const std::string extFolder = home + "\\lib\\ext";
  if (!common::FolderExists(files, extFolder)) {
    result.Status = jcExtFolderNotFound;
    return;
  }
  result.ExtFolder = extFolder;
  result.Status = jcOK;
}
