// Removing the uninstaller's own file. A running program cannot delete its
// own file on Windows, so the program hands the removal to a copy of itself
// in the temporary folder (the "finisher"), which waits for the original to
// end and then does all the removing and reporting.
#pragma once

#include <optional>
#include <string>

#include "uninstall/ports.h"

namespace uninstall {

struct FinisherRequest {
  HANDLE original = nullptr;    // inherited from the original program, to wait on
  HANDLE copyFile = nullptr;    // inherited too: the copy's own file, deleted when the copy ends
  HANDLE copyFolder = nullptr;  // inherited too: holds the copy's folder until the copy leaves it
  std::string originalPath;     // the original's Uninstall.exe
  bool ownFileOnly = false;     // the original removed the rest: only its file and the folder are left
};

// The finisher's arguments: /finish <process handle> <file handle> <folder
// handle> "<original path>", followed by " /SILENT" for a finisher that
// removes only the original's file and folder.
std::string FinisherArguments(HANDLE original, HANDLE copyFile, HANDLE copyFolder, const std::string& originalPath,
                              bool ownFileOnly = false);
// nullopt for anything but exactly that form with a full path to an
// Uninstall.exe that fits MAX_PATH.
std::optional<FinisherRequest> ParseFinisherArguments(const std::string& arguments);
// Copies this program into a new folder of its own in the temporary folder
// and starts the copy; true
// when the copy runs and will finish the removal. The copy inherits every
// inheritable handle, the uninstall lock among them.
bool StartFinisher(UninstallPorts& ports, const std::string& ownPath, bool ownFileOnly = false);

}  // namespace uninstall
