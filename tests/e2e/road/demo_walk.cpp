// The demonstration of `make demo` inside Wine: a machine with the stand-in
// Java runtime, then the setup program from the medium. Interactive (with
// --interactive) it waits for the user to finish the wizard; otherwise it
// walks the wizard itself with every option on, starts the installed
// launcher through the desktop shortcut with a sample document, and writes
// a screenshot of every step and a report into the artifacts folder.
#include <cstdio>
#include <string>

#include "tests/e2e/road/road.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: demo_walk MEDIUM_DIR STAND_IN_JAVA [--interactive]\n");
    return 2;
  }
  const std::string medium = e2e::WindowsPath(argv[1]);
  const bool interactive = argc > 3 && std::string(argv[3]) == "--interactive";
  if (!road::InstallJavaStandIn(e2e::WindowsPath(argv[2]))) return 1;

  if (interactive) {
    e2e::Started setup = e2e::Start("\"" + medium + "\\Setup.exe\"", medium);
    return setup.ok() ? static_cast<int>(e2e::WaitForExit(setup, INFINITE)) : 1;
  }

  std::string report;
  road::Step step = [&report](const std::string& name, const std::string& description) {
    e2e::Screenshot(name);
    report += name + ".png: " + description + "\r\n";
  };
  road::Installed installed = road::InstallFromMedium(medium, step);
  if (!installed.ok) report += "The installation failed: " + installed.failure + "\r\n";
  report += "\r\n" + road::DescribeInstallation(installed);

  if (installed.ok) {
    const std::string document = "C:\\road\\サンプル 文書.xml";
    e2e::WriteFile(document, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<memo>Tessal</memo>\r\n");
    road::Shortcut desktop = road::ReadShortcut(installed.links[1]);
    road::Launch launch = road::StartAsTheShellWould("\"" + desktop.target + "\" \"" + document + "\"",
                                                     desktop.workingDirectory, step, "7-launcher");
    report += "\r\nStarted the desktop shortcut's target with " + document + ":\r\n";
    if (launch.ok) {
      report += "  the runtime received: " + launch.commandLine + "\r\n";
      report += "  in the folder:        " + launch.currentDirectory + "\r\n";
      report += "  the launcher ended " + std::to_string(launch.splashToCloseMs) +
                " ms after the application's window came up\r\n";
    } else {
      report += "  failed: " + launch.failure + "\r\n";
    }
  }
  std::string artifacts = e2e::Environment("TESSAL_ARTIFACTS");
  if (!artifacts.empty()) e2e::WriteFile(e2e::WindowsPath(artifacts) + "\\report.txt", report);
  return installed.ok ? 0 : 1;
}
