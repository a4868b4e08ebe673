#include "setup/engine/silent_install.h"

#include <exception>

#include "setup/engine/install_engine.h"
#include "setup/wizard/java_check.h"
#include "setup/wizard/program_files_dir.h"

namespace engine {

namespace {

class NoProgress final : public InstallProgress {
 public:
  void StageStarted(InstallStage) override {}
  void CopyStarting(const std::string&) override {}
  void CopiesEnded() override {}
};

int ExitCodeOf(InstallOutcome outcome) {
  switch (outcome) {
    case InstallOutcome::Installed:
      return kExitInstalled;
    case InstallOutcome::CopyFailed:
      return kExitCopyFailed;
    case InstallOutcome::Failed:
      return kExitOtherFailure;
  }
  return kExitOtherFailure;
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
