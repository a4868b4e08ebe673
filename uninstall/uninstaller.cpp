#include "uninstall/uninstaller.h"

#include "uninstall/command_line.h"
#include "uninstall/copy_folder.h"
#include "uninstall/finisher.h"
#include "uninstall/install_files.h"
#include "uninstall/log.h"
#include "uninstall/other_uninstaller.h"
#include "uninstall/ownership.h"
#include "uninstall/paths.h"
#include "uninstall/protected_folders.h"
#include "uninstall/registry_entries.h"
#include "uninstall/removal.h"
#include "uninstall/texts.h"
#include "uninstall/uninstall_lock.h"

namespace uninstall {

namespace {

// How long the finisher waits for the original to end. A wait that fails or
// runs out goes on: deleting a program that still runs then fails, and the
// report says so.
constexpr DWORD kOriginalEndWaitMs = 30000;

// Messages in the setup program's style: no owner, no icon.
int Say(UninstallPorts& ports, const std::string& text, UINT buttons = MB_OK) {
  return ports.messages.MessageBoxA(nullptr, text.c_str(), kCaption, buttons);
}

struct Run {
  UninstallPorts& ports;
  bool silent;
  Log& log;

  // A refusal: nothing was changed. Shown, or only logged when silent.
  int Refuse(const char* text, int silentCode) {
    log.Line(std::string(kLogRefused) + text);
    if (silent) return silentCode;
    Say(ports, text);
    return kExitInteractiveFailure;
  }
  int Report(const Outcome& outcome) {
    log.Record(outcome);
    if (silent) return outcome.Complete() ? kExitDone : kExitSomethingLeft;
    Say(ports, ReportText(outcome));
    return outcome.Complete() ? kExitDone : kExitInteractiveFailure;
  }
};

// Before anything is removed: none of the product files may be held by a
// running Tessal, or the removal would stop halfway. Silent, that ends the
// run; otherwise the user may close Tessal and retry. True when none is.
bool NoneInUse(Run& run, const std::string& installFolder) {
  while (const std::optional<std::string> busy = FirstProductFileInUse(run.ports.files, installFolder)) {
    run.log.Line(kLogInUse + *busy);
    if (run.silent) return false;
    const std::string text = std::string(kInUseBefore) + "\n" + *busy + "\n\n" + kInUseAfter;
    if (Say(run.ports, text, MB_RETRYCANCEL) != IDRETRY) return false;
  }
  return true;
}

// Silent: everything but this program's file goes now, so that the exit
// code can say how it went; the finisher removes the file and the folder
// once this program has ended (a running program's file cannot be deleted
// on Windows), which is the one step after the exit code.
int RemoveSilently(Run& run, const std::string& ownPath, const std::string& installFolder) {
  Outcome outcome = RemoveAllButTheUninstaller(run.ports, installFolder);
  if (RemoveEntryUnlessTheUninstallerMustStay(run.ports, installFolder, outcome)) {
    if (StartFinisher(run.ports, ownPath, true)) {
      run.log.Line(kLogAfterExit + ownPath);
      if (!IsProtected(FoldersNeverRemoved(run.ports), installFolder)) run.log.Line(kLogAfterExit + installFolder);
    } else {
      outcome.failed.push_back(ownPath);  // no copy to remove it once this program has ended
    }
  }
  return run.Report(outcome);
}

int RunFromInstallFolder(Run& run, const std::optional<std::string>& ownPath) {
  if (!ownPath) return run.Refuse(kPathTooLong, kExitSomethingLeft);
  // Only folders on a drive: the setup program installs nowhere else.
  if (!IsFullPath(*ownPath)) return run.Refuse(kUnsupportedPlace, kExitSomethingLeft);
  UninstallLock lock(run.ports.handover);
  if (!lock.Held()) {
    // No message box of its own: one that waits for OK would keep this
    // program, and so Uninstall.exe, busy while the other one removes it.
    // The user is shown the other one's question or report instead.
    run.log.Line(std::string(kLogRefused) + kAlreadyRunning);
    if (run.silent) return kExitSomethingLeft;
    BringOtherUninstallerToFront(run.ports.windows, run.ports.handover.GetCurrentProcessId());
    return kExitInteractiveFailure;
  }
  const std::string installFolder = FolderOf(*ownPath);
  if (!HoldsInstallation(run.ports, installFolder)) return run.Refuse(kNoInstallation, kExitNoInstallation);
  if (run.silent) return NoneInUse(run, installFolder) ? RemoveSilently(run, *ownPath, installFolder) : kExitFileInUse;
  if (Say(run.ports, kQuestion, MB_OKCANCEL) != IDOK) return kExitDone;
  if (!NoneInUse(run, installFolder)) return kExitDone;  // Cancel: nothing was removed
  if (StartFinisher(run.ports, *ownPath)) return kExitDone;
  // No copy could run: remove what can go while this program runs. Its own
  // file, and so the folder, stay, and the report names them.
  return run.Report(RemoveInstallationButOwnFile(run.ports, installFolder));
}

int FinishInstallation(UninstallPorts& ports, const FinisherRequest& request) {
  ports.process.WaitForSingleObject(request.original, kOriginalEndWaitMs);
  ports.process.CloseHandle(request.original);
  const std::string installFolder = FolderOf(request.originalPath);
  if (request.ownFileOnly) {
    // What is left of a silent run: nobody to tell, and the exit code was the original's.
    Outcome outcome;
    RemoveUninstaller(ports, installFolder, outcome);
    if (outcome.failed.empty()) RemoveInstallFolder(ports.files, FoldersNeverRemoved(ports), installFolder, outcome);
    return outcome.Complete() ? kExitDone : kExitSomethingLeft;
  }
  if (!HoldsInstallation(ports, installFolder)) {
    Say(ports, kNoInstallation);
    return kExitInteractiveFailure;
  }
  Outcome outcome = RemoveInstallation(ports, installFolder);
  Say(ports, ReportText(outcome));
  return outcome.Complete() ? kExitDone : kExitInteractiveFailure;
}

// The copy's folder goes after the last message box, when nothing more is loaded.
int Finish(UninstallPorts& ports, const FinisherRequest& request, const std::optional<std::string>& ownPath) {
  const int code = FinishInstallation(ports, request);
  if (ownPath) LeaveCopyFolder(ports, *ownPath, request.copyFile, request.copyFolder);
  return code;
}

bool IsFinisherStart(const std::string& arguments) { return arguments.rfind("/finish", 0) == 0; }

}  // namespace

int RunUninstaller(UninstallPorts& ports, const std::string& commandLine) {
  const std::optional<std::string> ownPath = OwnPath(ports.files);
  const std::string arguments = ArgumentsAfterProgramName(commandLine, ownPath.value_or(""));
  if (IsFinisherStart(arguments)) {
    auto request = ParseFinisherArguments(arguments);
    if (!request) {
      Say(ports, kBadStart);
      return kExitBadCommandLine;
    }
    return Finish(ports, *request, ownPath);
  }
  const SwitchesParse parse = ParseSwitches(arguments);
  if (!parse.switches) {
    // Nothing is changed, and nothing is logged: the log's name is not to be trusted.
    if (!parse.silentSeen) Say(ports, kBadStart);
    return kExitBadCommandLine;
  }
  Log log(ports.log, parse.switches->log);
  log.Line(kLogStart + commandLine);
  Run run{ports, parse.switches->silent, log};
  const int code = RunFromInstallFolder(run, ownPath);
  log.Line(kLogExitCode + std::to_string(code));
  return code;
}

}  // namespace uninstall
