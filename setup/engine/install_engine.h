// The install run itself, shared by the wizard's install-run page and the
// unattended install: create the install folder, copy the product files,
// then the shortcuts, the XML association and the uninstall entry. The run
// tells its progress to whoever drives it (the page shows it and lets
// messages through; the unattended install shows nothing) and writes what
// it did into the log. Nothing is undone when it stops early.
#pragma once

#include <string>

#include "platform/clock.h"
#include "setup/engine/install_log.h"
#include "setup/engine/shell_integration.h"
#include "setup/wizard/java_check.h"

namespace engine {

struct InstallChoices {
  std::string installFolder;
  TJavaCheckResult javaCheck;
  bool addSend = false;
  bool chainXml = false;
  bool startMenu = false;
  bool desktop = false;
};

enum class InstallStage { CopyingFiles, CreatingShortcuts, Associating, Registering };

class InstallProgress {
 public:
  virtual ~InstallProgress() = default;
  virtual void StageStarted(InstallStage stage) = 0;
  // Before each file of the copy list, whether it is there or not.
  virtual void CopyStarting(const std::string& destination) = 0;
  virtual void CopiesEnded() = 0;
  // Before the first copy, when another program (a running Tessal) holds
  // this destination file open: true to look again, false to give up.
  virtual bool RetryWhenInUse(const std::string& destination) = 0;
};

enum class InstallOutcome {
  Installed,   // every step ran; shell-integration failures are only logged
  CopyFailed,  // a file that is on the medium could not be copied
  FileInUse,   // a destination file was held open and nobody waited: nothing was copied
  Failed,      // an error stopped the run (an empty install folder, for one)
};

// With a clock, the log also states how long the copy stage took (from
// its start to the last file's end) and how many bytes it copied.
InstallOutcome RunInstall(ShellPorts& ports, const InstallChoices& choices, InstallProgress& progress, InstallLog& log,
                          platform::Clock* clock = nullptr);

// The install folder as the folder page makes it: true when it exists
// afterwards. A bare relative name is a failure too.
bool MakeInstallFolder(platform::FileSystem& files, const std::string& folder, InstallLog& log);

// The Java check's outcome as the log states it: the status's name, and
// the extension folder with jcOK.
std::string JavaCheckLogLine(const TJavaCheckResult& result);

}  // namespace engine
