// The shell's document associations over the fake file system: a document
// that does not exist gives 2, an extension without a program 31 and an
// empty result, an associated one 33 and the program's path, taken from the
// open command as the shell takes it (inside quotes, or up to the first
// blank). Whether the program exists is not checked.
#pragma once

#include <map>
#include <string>

#include "platform/fake/fake_file_system.h"
#include "platform/shell_association.h"

namespace platform {

class FakeShellAssociation final : public ShellAssociation {
 public:
  explicit FakeShellAssociation(const FakeFileSystem& files) : files_(files) {}

  HINSTANCE FindExecutableA(LPCSTR file, LPCSTR directory, LPSTR result) override;

  // extension with its dot, e.g. ".jar"; openCommand as in the registry's
  // shell\open\command, e.g. "\"C:\\Java\\bin\\javaw.exe\" -jar \"%1\"".
  void Associate(const std::string& extension, const std::string& openCommand);
  int CallCount() const { return calls_; }

 private:
  const FakeFileSystem& files_;
  std::map<std::string, std::string> commands_;  // by folded extension
  int calls_ = 0;
};

}  // namespace platform
