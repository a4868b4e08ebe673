// The lock that makes one uninstall run at a time: a named mutex, held by
// the program from its start and, through an inheritable handle, by its
// finisher until the finisher ends, so that the hand-over leaves no moment
// in which a second uninstaller could start. Its existence is the lock: a
// second program finds it already there and changes nothing.
#pragma once

#include "platform/handover.h"

namespace uninstall {

class UninstallLock {
 public:
  explicit UninstallLock(platform::Handover& handover);
  ~UninstallLock();
  UninstallLock(const UninstallLock&) = delete;
  UninstallLock& operator=(const UninstallLock&) = delete;

  bool Held() const { return held_; }

 private:
  platform::Handover& handover_;
  HANDLE mutex_ = nullptr;
  bool held_ = false;
};

}  // namespace uninstall
