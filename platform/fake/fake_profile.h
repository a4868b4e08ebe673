// The profile reader over the fake file system: sections and keys matched
// without regard to case, blanks around a value dropped, one pair of
// enclosing quotes removed, values cut to the buffer, a bare file name
// looked for in C:\windows, the default for anything missing.
#pragma once

#include "platform/fake/fake_file_system.h"
#include "platform/profile.h"

namespace platform {

class FakeProfile final : public Profile {
 public:
  explicit FakeProfile(const FakeFileSystem& files) : files_(files) {}

  DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size,
                                 LPCSTR fileName) override;

 private:
  const FakeFileSystem& files_;
};

}  // namespace platform
