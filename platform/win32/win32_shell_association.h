// The shell-association port on the real shell.
#pragma once

#include "platform/shell_association.h"

namespace platform {

class Win32ShellAssociation final : public ShellAssociation {
 public:
  HINSTANCE FindExecutableA(LPCSTR file, LPCSTR directory, LPSTR result) override;
};

}  // namespace platform
