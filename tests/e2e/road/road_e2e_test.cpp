// The whole road under Wine: install from the distribution medium, then
// start the installed launcher three ways, as the shell would.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/e2e/road/road.h"
#include "tests/support/bytes.h"

namespace road {
namespace {

const std::string kJavaw = "\"" + kJavaHome + "\\bin\\javaw.exe\"";

// The medium of the build, or another one (the signed medium) named by TESSAL_MEDIUM.
std::string Medium() {
  const char* other = std::getenv("TESSAL_MEDIUM");
  return e2e::WindowsPath(other && *other ? other : MEDIUM_DIR);
}

TEST(WholeRoad, InstallThenStartFromTheShortcutTheAssociationAndSendTo) {
  ASSERT_TRUE(InstallJavaStandIn(e2e::WindowsPath(STAND_IN_JAVA)));
  Step shot = [](const std::string& name, const std::string&) { e2e::Screenshot("road_" + name); };

  Installed installed = InstallFromMedium(Medium(), shot);
  ASSERT_TRUE(installed.ok) << installed.failure;
  EXPECT_EQ(installed.exitCode, 0);
  const std::string folder = installed.installFolder;
  const std::string archive = "\"" + folder + "\\tessal.jar\"";
  EXPECT_EQ(e2e::ReadFile(folder + "\\boot.ini"), "[BOOT]\r\nOption=-Xmx256m\r\n") << "the shipped boot.ini";

  // 1. The desktop shortcut: its target, from the working directory it names.
  Shortcut desktop = ReadShortcut(installed.links[1]);
  EXPECT_BYTES(desktop.target, folder + "\\tessal.exe");
  Launch fromShortcut =
      StartAsTheShellWould("\"" + desktop.target + "\"", desktop.workingDirectory, shot, "7-shortcut");
  ASSERT_TRUE(fromShortcut.ok) << fromShortcut.failure;
  EXPECT_BYTES(fromShortcut.commandLine, kJavaw + " -Xmx256m -jar " + archive + " ");
  EXPECT_BYTES(fromShortcut.currentDirectory, folder);

  // 2. The XML association, for a document whose path has blanks and Japanese.
  const std::string document = "C:\\road\\文書 フォルダ\\会議 資料.xml";
  e2e::MakeFolders("C:\\road\\文書 フォルダ");
  e2e::WriteFile(document, "<?xml version=\"1.0\"?><memo/>");
  Launch fromAssociation = StartAsTheShellWould(XmlOpenCommandFor(document), "C:\\", shot, "8-association");
  ASSERT_TRUE(fromAssociation.ok) << fromAssociation.failure;
  EXPECT_BYTES(fromAssociation.commandLine, kJavaw + " -Xmx256m -jar " + archive + " \"" + document + "\"");
  EXPECT_BYTES(fromAssociation.currentDirectory, folder) << "the launcher's folder, wherever it was started from";

  // 3. Send To with three documents.
  Shortcut sendTo = ReadShortcut(installed.links[2]);
  const std::string documents = "\"C:\\road\\a b.xml\" \"C:\\road\\表.xml\" \"C:\\road\\c.xml\"";
  Launch fromSendTo = StartAsTheShellWould("\"" + sendTo.target + "\" " + documents, "C:\\road", shot, "9-sendto");
  ASSERT_TRUE(fromSendTo.ok) << fromSendTo.failure;
  EXPECT_BYTES(fromSendTo.commandLine, kJavaw + " -Xmx256m -jar " + archive + " " + documents);

  // Under WoW64 the 32-bit programs saw Program Files (x86) and wrote the
  // machine's entries into the registry's 32-bit view.
  BOOL wow64 = FALSE;
  ::IsWow64Process(::GetCurrentProcess(), &wow64);
  if (wow64) {
    EXPECT_BYTES(folder, "C:\\Program Files (x86)\\tessal");
    HKEY key = nullptr;
    EXPECT_EQ(::RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                              "SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessal", 0,
                              KEY_READ | KEY_WOW64_64KEY, &key),
              ERROR_SUCCESS);
    if (key) ::RegCloseKey(key);
    std::printf("Under WoW64: installed in %s, uninstall entry in the 32-bit view\n", folder.c_str());
  }

  // The splash closed at its first tick after the application's window came up.
  for (const Launch* launch : {&fromShortcut, &fromAssociation, &fromSendTo})
    EXPECT_LE(launch->splashToCloseMs, 2600u) << "ms from the window to the launcher's end";
  std::printf("%s", DescribeInstallation(installed).c_str());
  for (const Launch* launch : {&fromShortcut, &fromAssociation, &fromSendTo})
    std::printf("The runtime received: %s\n  in %s; the launcher ended %lu ms after the window came up\n",
                launch->commandLine.c_str(), launch->currentDirectory.c_str(),
                static_cast<unsigned long>(launch->splashToCloseMs));

  // 4. The registered uninstaller, unattended: it removes everything but its
  // own file, which its temporary copy (a copy of the file, signature and
  // all) removes with the folder once it has ended.
  e2e::Started uninstall = e2e::Start("\"" + folder + "\\Uninstall.exe\" /SILENT", "C:\\");
  ASSERT_TRUE(uninstall.ok());
  EXPECT_EQ(e2e::WaitForExit(uninstall, 60000), 0);
  ::CloseHandle(uninstall.process);
  for (int waited = 0; waited < 200 && e2e::FolderExists(folder); ++waited) ::Sleep(50);
  EXPECT_FALSE(e2e::FolderExists(folder)) << "the install folder, after the uninstaller's copy ended";
}

}  // namespace
}  // namespace road
