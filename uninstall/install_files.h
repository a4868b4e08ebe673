// The files the setup program copies into the install folder, the
// uninstaller itself, and the folder.
#pragma once

#include <optional>
#include <string>

#include "uninstall/outcome.h"
#include "uninstall/ports.h"
#include "uninstall/protected_folders.h"

namespace uninstall {

// True when a product file lies in the folder.
bool HoldsProductFiles(platform::FileSystem& files, const std::string& installFolder);
// True when Setup.exe lies in the folder: a distribution medium holds the
// same files beside it, and they are no installation.
bool IsDistributionMedium(platform::FileSystem& files, const std::string& folder);
// The first product file that another program (a running Tessal) holds
// open, or nullopt; Uninstall.exe, which runs, is not asked.
std::optional<std::string> FirstProductFileInUse(platform::FileSystem& files, const std::string& installFolder);
// "tessal.jar", "tessal.exe", "boot.ini", "readme.txt" and "jh.jar" (which
// lies here only when no Java runtime took it). Nothing else in the folder
// is looked at.
void RemoveProductFiles(platform::FileSystem& files, const std::string& installFolder, Outcome& outcome);
// Uninstall.exe, after the program that ran from it has ended.
void RemoveUninstaller(UninstallPorts& ports, const std::string& installFolder, Outcome& outcome);
// The folder when it is then empty; a protected folder is never tried.
void RemoveInstallFolder(platform::FileSystem& files, const ProtectedFolders& protectedFolders,
                         const std::string& installFolder, Outcome& outcome);

}  // namespace uninstall
