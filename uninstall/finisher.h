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
  HANDLE original = nullptr;  // inherited from the original program, to wait on
  std::string originalPath;   // the original's Uninstall.exe
};

// The finisher's arguments: /finish <handle> "<original path>".
std::string FinisherArguments(HANDLE original, const std::string& originalPath);
// nullopt for anything but exactly that form with a full path to an
// Uninstall.exe that fits MAX_PATH.
std::optional<FinisherRequest> ParseFinisherArguments(const std::string& arguments);
// Copies this program into the temporary folder and starts the copy; true
// when the copy runs and will finish the removal.
bool StartFinisher(UninstallPorts& ports, const std::string& ownPath);

}  // namespace uninstall
