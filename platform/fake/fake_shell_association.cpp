#include "platform/fake/fake_shell_association.h"

#include <cstring>

#include "platform/fake/fold.h"

namespace platform {

namespace {

HINSTANCE Result(ULONG_PTR code) { return reinterpret_cast<HINSTANCE>(code); }

std::string Extension(const std::string& path) {
  auto dot = path.rfind('.');
  auto slash = path.rfind('\\');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return path.substr(dot);
}

std::string ProgramOf(const std::string& command) {
  if (!command.empty() && command[0] == '"') return command.substr(1, command.find('"', 1) - 1);
  return command.substr(0, command.find(' '));
}

}  // namespace

HINSTANCE FakeShellAssociation::FindExecutableA(LPCSTR file, LPCSTR directory, LPSTR result) {
  ++calls_;
  result[0] = 0;
  std::string path = file ? file : "";
  bool absolute = path.size() >= 2 && (path[1] == ':' || path[0] == '\\');
  if (!absolute && directory && *directory) path = std::string(directory) + "\\" + path;
  if (!files_.FileExists(path)) return Result(2);
  auto command = commands_.find(fake::FoldCase(Extension(path)));
  if (command == commands_.end()) return Result(31);
  std::string program = ProgramOf(command->second);
  std::strncpy(result, program.c_str(), MAX_PATH - 1);
  result[MAX_PATH - 1] = 0;
  return Result(33);
}

void FakeShellAssociation::Associate(const std::string& extension, const std::string& openCommand) {
  commands_[fake::FoldCase(extension)] = openCommand;
}

}  // namespace platform
