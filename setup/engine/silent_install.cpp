#include "setup/engine/silent_install.h"

#include <exception>
#include <optional>

#include "common/exception.h"
#include "platform/file_in_use.h"
#include "setup/engine/free_space.h"
#include "setup/engine/install_engine.h"
#include "setup/engine/product_files.h"
#include "setup/wizard/java_check.h"
#include "setup/wizard/program_files_dir.h"

namespace engine {

namespace {

class NoProgress final : public InstallProgress {
 public:
  void StageStarted(InstallStage) override {}
  void CopyStarting(const std::string&) override {}
  void CopiesEnded() override {}
  bool RetryWhenInUse(const std::string&) override { return false; }
};

int ExitCodeOf(InstallOutcome outcome) {
  switch (outcome) {
    case InstallOutcome::Installed:
      return kExitInstalled;
    case InstallOutcome::CopyFailed:
      return kExitCopyFailed;
    case InstallOutcome::FileInUse:
      return kExitFileInUse;
    case InstallOutcome::Failed:
      return kExitOtherFailure;
  }
  return kExitOtherFailure;
}

// What ends the run before anything changes: too little room on the
// install folder's disk, or a destination file that a running Tessal holds.
std::optional<int> RefusalBeforeChanges(platform::FileSystem& files, const InstallChoices& choices, InstallLog& log) {
  std::string setupFolder;
  try {
    setupFolder = SetupFolder(files);
  } catch (const Exception&) {
    return std::nullopt;  // the install run fails on it, and says so
  }
  const FreeSpace space = CheckFreeSpace(files, setupFolder, choices.installFolder, choices.javaCheck);
  if (space.Short()) {
    log.Line("Not enough free space for the install folder: " + std::to_string(space.needed) + " bytes needed, " +
             std::to_string(*space.available) + " bytes free");
    return kExitNotEnoughSpace;
  }
  const auto busy =
      platform::FirstFileInUse(files, Destinations(CopyList(setupFolder, choices.installFolder, choices.javaCheck)));
  if (busy) {
    log.Line("In use by another program: " + *busy);
    return kExitFileInUse;
  }
  return std::nullopt;
}

int Install(ShellPorts& ports, const SetupCommandLine& line, InstallLog& log, platform::Clock* clock) {
  if (!line.valid) {
    log.Line("Command line not valid: " + line.error);
    return kExitBadCommandLine;
  }
  InstallChoices choices;
  try {
    CheckJavaRuntime(choices.javaCheck, ports.registry, ports.files);
  } catch (const std::exception&) {
    // A runtime key of the wrong type: no usable runtime.
    choices.javaCheck = {jcSystemError, ""};
  }
  log.Line(JavaCheckLogLine(choices.javaCheck));
  // As the wizard's Yes to its question.
  if (choices.javaCheck.Status != jcOK)
    log.Line("Going on without a usable Java runtime: jh.jar into the install folder");
  choices.installFolder = line.folder ? *line.folder : DefaultInstallFolder(ports.registry);
  if (const std::optional<int> refusal = RefusalBeforeChanges(ports.files, choices, log)) return *refusal;
  if (!MakeInstallFolder(ports.files, choices.installFolder, log)) return kExitFolderNotCreated;
  choices.addSend = line.sendTo;
  choices.chainXml = line.xml;
  choices.startMenu = line.startMenu;
  choices.desktop = line.desktop;
  NoProgress progress;
  return ExitCodeOf(RunInstall(ports, choices, progress, log, clock));
}

}  // namespace

int RunSilentSetup(ShellPorts& ports, const SetupCommandLine& line, const std::string& commandLine, FileLog* log,
                   platform::Clock* clock) {
  InstallLog& sink = log ? static_cast<InstallLog&>(*log) : NoLog();
  sink.Line("Setup started: " + commandLine);
  int code = kExitOtherFailure;
  if (log && log->Failed()) return code;  // nowhere to say so; nothing was changed
  try {
    code = Install(ports, line, sink, clock);
  } catch (...) {
    // Only running out of memory gets here.
  }
  sink.Line("Exit code: " + std::to_string(code));
  return code;
}

}  // namespace engine
