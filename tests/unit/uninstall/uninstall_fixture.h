// A machine in memory with Tessal installed by the setup program's own shell
// integration, and the uninstaller's ports on it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/fake/fake_append_file.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_handover.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_process.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell_link_reader.h"
#include "platform/fake/fake_shell_links.h"
#include "platform/fake/fake_system_folders.h"
#include "platform/fake/fake_window_search.h"
#include "setup/engine/shell_integration.h"
#include "uninstall/finisher.h"
#include "uninstall/uninstaller.h"

namespace uninstall_test {

inline const std::string kShellFolders =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline const std::string kUninstallKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessal";
inline const std::string kXmlCommandKey = "HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\command";
inline const std::string kPrograms = "C:\\Users\\user\\Start Menu\\Programs";
inline const std::string kDesktop = "C:\\Users\\user\\Desktop";
inline const std::string kSendTo = "C:\\Users\\user\\SendTo";
inline const std::string kInstall = "C:\\Program Files\\tessal";
inline const std::string kProfile = "C:\\Users\\user";
inline const std::string kDocuments = "C:\\Users\\user\\Documents";
inline const std::string kJavaExt = "C:\\Java\\jre\\lib\\ext";
inline const std::string kOldCommand = "\"C:\\old\\viewer.exe\" \"%1\"";

class UninstallMachine : public ::testing::Test {
 public:
  platform::FakeRegistry registry;
  platform::FakeFileSystem files;
  platform::FakeShellLinks writer{files};
  platform::FakeShellLinkReader reader{files};
  platform::FakeMessageBox messages;
  platform::FakeProcess process;
  platform::FakeHandover handover{files};
  platform::FakeSystemFolders system;
  platform::FakeAppendFile appender{files};
  platform::FakeWindowSearch windows;
  uninstall::UninstallPorts ports{registry, files, reader, messages, process, handover, system, appender, windows};
  std::vector<std::string> filesBefore, registryBefore;

  void SetUp() override {
    for (const auto& [name, folder] : {std::pair{"Programs", kPrograms}, {"Desktop", kDesktop}, {"SendTo", kSendTo}}) {
      registry.SetString(kShellFolders, name, folder);
      files.AddFolder(folder);
    }
    files.AddFolder("C:\\TEMP");
    files.AddFolder(kDocuments);
    files.AddFile("C:\\windows\\win.ini", "[windows]");
    for (const auto& [csidl, folder] : {std::pair{CSIDL_PERSONAL, kDocuments},
                                        {CSIDL_PROFILE, kProfile},
                                        {CSIDL_WINDOWS, std::string("C:\\windows")},
                                        {CSIDL_SYSTEM, std::string("C:\\windows\\system32")},
                                        {CSIDL_PROGRAM_FILES, std::string("C:\\Program Files")}})
      system.SetFolder(csidl, folder);
    registry.CreateKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
    files.AddFolder(kJavaExt);
    files.AddFolder("C:\\Program Files");
    registry.SetString(kXmlCommandKey, "", kOldCommand);
    registry.SetString("HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\ddeexec", "", "[open(\"%1\")]");
    registry.SetString("HKEY_CLASSES_ROOT\\xmlfile\\shell\\edit\\command", "", "notepad.exe \"%1\"");
    filesBefore = files.Dump();
    registryBefore = registry.Dump();
  }

  // What the setup program leaves with every option: the product files (the
  // library in the Java runtime when one was found), the shortcuts, the XML
  // association and the uninstall entry.
  void Install(const std::string& folder = kInstall, bool javaFound = true) {
    for (const char* name : {"tessal.jar", "tessal.exe", "boot.ini", "readme.txt", "Uninstall.exe"})
      files.AddFile(folder + "\\" + name, std::string("file ") + name);
    files.AddFile((javaFound ? kJavaExt : folder) + "\\jh.jar", "file jh.jar");
    engine::ShellPorts shell{registry, files, writer};
    engine::CreateShortcuts(shell, folder, true, true, true);
    engine::AssociateXmlFiles(registry, folder);
    engine::RegisterUninstall(registry, folder);
    files.SetModulePath(folder + "\\Uninstall.exe");
  }

  // The program as Windows starts the uninstall entry (its path, unquoted,
  // as the command line), answered with the button given, and then its
  // finisher, when it started one; the last exit code.
  int RunAsWindowsDoes(int answer = IDOK, const std::string& switches = "") {
    messages.AnswerWith(answer);
    const auto startsBefore = process.Starts().size();
    char own[MAX_PATH] = {};
    files.GetModuleFileNameA(nullptr, own, MAX_PATH);
    int code = uninstall::RunUninstaller(ports, own + switches);
    if (process.Starts().size() == startsBefore || !process.Starts().back().process) return code;
    // The finisher runs from its copy, which its inherited delete-on-close
    // handle keeps until it ends (the original's own handle, the only one a
    // fake start leaves, deleted it); its command line names that handle.
    const std::string copy = process.Starts().back().applicationName;
    files.AddFile(copy, "file Uninstall.exe");
    HANDLE inherited = handover.CreateFileA(copy.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    const std::string line = process.Starts().back().commandLine;
    auto request = uninstall::ParseFinisherArguments(line.substr(copy.size() + 3));
    if (!request) return -1;
    // So is its folder, held by the inherited handle.
    HANDLE folder = handover.HoldFolder(copy.substr(0, copy.rfind('\\')));
    const std::string finisherLine =
        "\"" + copy + "\" " +
        uninstall::FinisherArguments(request->original, inherited, folder, request->originalPath, request->ownFileOnly);
    files.SetModulePath(copy);
    const auto openBefore = handover.OpenHandles();
    const int finished = uninstall::RunUninstaller(ports, finisherLine);
    files.SetModulePath(own);
    // Its end closes every handle it holds; the folder's it closed itself.
    handover.CloseHandle(inherited);
    std::vector<HANDLE> leftOpen;
    for (const auto& [handle, opened] : handover.OpenHandles())
      if (!openBefore.count(handle)) leftOpen.push_back(handle);
    for (HANDLE handle : leftOpen) handover.CloseHandle(handle);
    return switches.empty() ? finished : code;  // a silent run's code is the original's
  }

  std::string LastMessage() const { return messages.Messages().empty() ? "" : messages.Messages().back().text; }

  // Entries that are in one list and not in the other, marked - and +.
  static std::vector<std::string> Difference(const std::vector<std::string>& before,
                                             const std::vector<std::string>& after) {
    std::vector<std::string> out;
    for (const auto& entry : before)
      if (std::find(after.begin(), after.end(), entry) == after.end()) out.push_back("- " + entry);
    for (const auto& entry : after)
      if (std::find(before.begin(), before.end(), entry) == before.end()) out.push_back("+ " + entry);
    return out;
  }
};

}  // namespace uninstall_test
