#include "setup/engine/install_engine.h"

#include <exception>

#include "common/exception.h"
#include "common/paths.h"
#include "platform/file_in_use.h"
#include "setup/engine/product_files.h"

namespace engine {

namespace {

// Whole KiB, rounded up, as the list of installed programs shows them.
DWORD KiB(unsigned long long bytes) {
  unsigned long long kib = (bytes + 1023) / 1024;
  return kib > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<DWORD>(kib);
}

}  // namespace

namespace {

std::string JavaStatusName(TJavaCheckStatus status) {
  switch (status) {
    case jcOK:
      return "jcOK";
    case jcNotInstalled:
      return "jcNotInstalled";
    case jcVersionTooOld:
      return "jcVersionTooOld";
    case jcHomeNotFound:
      return "jcHomeNotFound";
    case jcExtFolderNotFound:
      return "jcExtFolderNotFound";
    case jcSystemError:
      return "jcSystemError";
  }
  return "status " + std::to_string(static_cast<int>(status));
}

}  // namespace

std::string JavaCheckLogLine(const TJavaCheckResult& result) {
  std::string line = "Java check: " + JavaStatusName(result.Status);
  if (result.Status == jcOK) return line + " (extension folder " + result.ExtFolder + ")";
  return line;
}

bool MakeInstallFolder(platform::FileSystem& files, const std::string& folder, InstallLog& log) {
  if (common::FolderExists(files, folder)) {
    log.Line("Install folder exists: " + folder);
    return true;
  }
  bool created = false;
  try {
    // A drive root on a missing drive counts as done but is not there.
    created = common::CreateFolderPath(files, folder) && common::FolderExists(files, folder);
  } catch (const Exception&) {
    // A bare relative name runs out into an empty parent: a failure like any other.
  }
  log.Line((created ? "Install folder created: " : "Install folder could not be created: ") + folder);
  return created;
}

InstallOutcome RunInstall(ShellPorts& ports, const InstallChoices& choices, InstallProgress& progress, InstallLog& log,
                          platform::Clock* clock) {
  const std::string& folder = choices.installFolder;
  try {
    const bool existed = common::FolderExists(ports.files, folder);
    common::CreateFolderPath(ports.files, folder);  // a folder not made fails the first copy
    if (!existed)
      log.Line((common::FolderExists(ports.files, folder) ? "Install folder created: "
                                                          : "Install folder could not be created: ") +
               folder);
    progress.StageStarted(InstallStage::CopyingFiles);
    const long long copyStart = clock ? clock->Microseconds() : 0;
    const std::string setupFolder = SetupFolder(ports.files);
    const std::vector<CopyItem> list = CopyList(setupFolder, folder, choices.javaCheck);
    // A running Tessal holds its files: found now, before anything is
    // replaced, rather than by a copy that fails halfway.
    while (const std::optional<std::string> busy = platform::FirstFileInUse(ports.files, Destinations(list))) {
      log.Line("In use by another program: " + *busy);
      if (!progress.RetryWhenInUse(*busy)) return InstallOutcome::FileInUse;
    }
    unsigned long long installedBytes = 0;
    for (const CopyItem& item : list) {
      progress.CopyStarting(item.destination);
      const bool present = IsFile(ports.files, item.source);
      const unsigned long long size = present ? FileSize(ports.files, item.source) : 0;
      if (!CopyProductFile(ports.files, item.source, item.destination)) {
        log.Line("Copy failed (error " + std::to_string(ports.files.GetLastError()) + "): " + item.source + " -> " +
                 item.destination);
        return InstallOutcome::CopyFailed;
      }
      if (!present) {
        log.Line("Skipped, not on the medium: " + item.source);
        continue;
      }
      installedBytes += size;
      log.Line("Copied: " + item.source + " -> " + item.destination + " (" + std::to_string(size) + " bytes)");
    }
    if (clock) {
      const long long micro = clock->Microseconds() - copyStart;
      log.Line("Copy stage: " + std::to_string(micro / 1000) + "." + std::to_string(micro % 1000 / 100) + " ms for " +
               std::to_string(installedBytes) + " bytes");
    }
    progress.CopiesEnded();
    progress.StageStarted(InstallStage::CreatingShortcuts);
    CreateShortcuts(ports, folder, choices.startMenu, choices.desktop, choices.addSend, log);
    progress.StageStarted(InstallStage::Associating);
    if (choices.chainXml) AssociateXmlFiles(ports.registry, folder, log);
    progress.StageStarted(InstallStage::Registering);
    RegisterUninstall(ports.registry, folder, KiB(installedBytes), log);
    return InstallOutcome::Installed;
  } catch (const std::exception& error) {
    log.Line(std::string("Installation stopped by an error: ") + error.what());
    return InstallOutcome::Failed;
  }
}

}  // namespace engine
