#include "uninstall/uninstaller.h"

#include "uninstall/finisher.h"
#include "uninstall/paths.h"
#include "uninstall/removal.h"
#include "uninstall/texts.h"

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

int RemoveAndReport(UninstallPorts& ports, const std::string& installFolder, bool ownFileInUse) {
  Outcome outcome = RemoveInstallation(ports, installFolder, ownFileInUse);
  Say(ports, ReportText(outcome));
  return outcome.Complete() ? 0 : 1;
}

int RunFromInstallFolder(UninstallPorts& ports) {
  auto ownPath = OwnPath(ports.files);
  if (!ownPath) {
    Say(ports, kPathTooLong);
    return 1;
  }
  // Only folders on a drive: the setup program installs nowhere else.
  if (!IsFullPath(*ownPath)) {
    Say(ports, kUnsupportedPlace);
    return 1;
  }
  const std::string installFolder = FolderOf(*ownPath);
  if (!HoldsInstallation(ports, installFolder)) {
    Say(ports, kNoInstallation);
    return 1;
  }
  if (Say(ports, kQuestion, MB_OKCANCEL) != IDOK) return 0;
  if (StartFinisher(ports, *ownPath)) return 0;
  // No copy could run: remove what can go while this program runs. Its own
  // file, and so the folder, stay, and the report names them.
  return RemoveAndReport(ports, installFolder, true);
}

int Finish(UninstallPorts& ports, const FinisherRequest& request) {
  ports.process.WaitForSingleObject(request.original, kOriginalEndWaitMs);
  ports.process.CloseHandle(request.original);
  const std::string installFolder = FolderOf(request.originalPath);
  if (!HoldsInstallation(ports, installFolder)) {
    Say(ports, kNoInstallation);
    return 1;
  }
  return RemoveAndReport(ports, installFolder, false);
}

}  // namespace

int RunUninstaller(UninstallPorts& ports, const std::string& arguments) {
  if (arguments.find_first_not_of(" \t") == std::string::npos) return RunFromInstallFolder(ports);
  auto request = ParseFinisherArguments(arguments);
  if (!request) {
    Say(ports, kBadStart);
    return 1;
  }
  return Finish(ports, *request);
}

}  // namespace uninstall
