// The whole road of a user: a machine with a Java runtime (the recording
// stand-in), the setup program from the medium walked with the default
// folder and every option on, and the installed launcher started the ways
// the shell starts it. Shared by the whole-road test and `make demo`.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/driver/driver.h"

namespace road {

inline const std::string kJavaHome = "C:\\Program Files\\Java\\jre1.8";
inline const std::string kRecord = "C:\\road\\javaw-command-line.txt";

// Installs the stand-in as the runtime's javaw.exe, registers it as Java
// 1.8 with lib\ext, and has every program started from here on record its
// command line in kRecord and show a "Tessal" window.
bool InstallJavaStandIn(const std::string& standInExe);

// A step of the walk, for the report and the screenshots.
using Step = std::function<void(const std::string& name, const std::string& description)>;

struct Installed {
  bool ok = false;
  std::string failure;  // what went wrong, when not ok
  std::string installFolder;
  std::vector<std::string> links;  // the shortcut files the install wrote
  long exitCode = -1;
};

// Runs Setup.exe of the medium (the medium as current directory) and walks
// the wizard: the default folder, every option on, Start, the completion
// page's OK. Each visible step is reported to step.
Installed InstallFromMedium(const std::string& mediumFolder, const Step& step);

struct Launch {
  bool ok = false;
  std::string failure;
  std::string commandLine;       // as the runtime received it
  std::string currentDirectory;  // likewise
  long launcherExitCode = -1;
  DWORD splashToCloseMs = 0;  // from the application's window to the launcher's end
};

// Starts a command line as the shell would and waits for the runtime's
// record, the application's window and the launcher's end.
Launch StartAsTheShellWould(const std::string& commandLine, const std::string& currentDirectory, const Step& step,
                            const std::string& name);

// The shell's ways in: a shortcut's target and working directory; the XML
// open command with %1 replaced; SendTo's target with the documents.
using e2e::ReadShortcut;
using e2e::Shortcut;
std::string XmlOpenCommandFor(const std::string& document);

// A listing of what the installation left: files, shortcuts, registry.
std::string DescribeInstallation(const Installed& installed);

}  // namespace road
