// The folders that belong to Windows or to the user's profile and so are
// never removed, even when an installation made them empty: drive roots,
// the shell folders of the user and of all users, Windows, System, Program
// Files and Common Files in both views, the temporary folder and the
// profile. Their product files go as elsewhere; only the folder stays, and
// that is no failure.
#pragma once

#include <string>
#include <vector>

#include "uninstall/ports.h"

namespace uninstall {

struct ProtectedFolders {
  std::vector<std::string> folders;  // as the system gives them; drive roots are not listed but always protected
};

ProtectedFolders ReadProtectedFolders(UninstallPorts& ports);
// Compared as Windows names are (paths.h), with or without a trailing backslash.
bool IsProtected(const ProtectedFolders& protectedFolders, const std::string& folder);

}  // namespace uninstall
