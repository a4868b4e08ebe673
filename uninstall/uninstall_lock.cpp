#include "uninstall/uninstall_lock.h"

namespace uninstall {

namespace {

// In the global namespace: the installation is the machine's, and another
// user's session may run its uninstaller at the same time.
constexpr const char* kLockName = "Global\\TessalUninstall";

}  // namespace

UninstallLock::UninstallLock(platform::Handover& handover) : handover_(handover) {
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  mutex_ = handover_.CreateMutexA(&inheritable, FALSE, kLockName);
  // A mutex that cannot be made at all (no rights on another session's
  // object, say) is someone else's uninstall as well.
  held_ = mutex_ != nullptr && handover_.GetLastError() != ERROR_ALREADY_EXISTS;
}

UninstallLock::~UninstallLock() {
  if (mutex_) handover_.CloseHandle(mutex_);
}

}  // namespace uninstall
