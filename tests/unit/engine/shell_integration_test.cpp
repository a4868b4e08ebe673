#include "setup/engine/shell_integration.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell_links.h"
#include "tests/support/bytes.h"

namespace {

const std::string kShellFolders =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const std::string kPrograms = "C:\\Users\\user\\Start Menu\\Programs";
const std::string kDesktop = "C:\\Users\\user\\Desktop";
const std::string kSendTo = "C:\\Users\\user\\SendTo";
const std::string kInstall = "C:\\Program Files\\tessal";

class ShellIntegration : public ::testing::Test {
 protected:
  platform::FakeRegistry registry;
  platform::FakeFileSystem files;
  platform::FakeShellLinks links{files};
  engine::ShellPorts ports{registry, files, links};

  void SetUp() override {
    for (const auto& [name, folder] : {std::pair{"Programs", kPrograms}, {"Desktop", kDesktop}, {"SendTo", kSendTo}}) {
      registry.SetString(kShellFolders, name, folder);
      files.AddFolder(folder);
    }
    files.AddFile(kInstall + "\\tessal.exe", "MZ");
  }

  void ExpectLink(const std::string& path) {
    auto link = links.LinkAt(path);
    ASSERT_TRUE(link.has_value()) << path;
    EXPECT_BYTES(link->target, kInstall + "\\tessal.exe");
    EXPECT_BYTES(link->workingDirectory, kInstall);
  }
};

TEST_F(ShellIntegration, EveryRequestedShortcutPointsAtTheLauncher) {
  engine::CreateShortcuts(ports, kInstall, true, true, true);
  ExpectLink(kPrograms + "\\Tessal\\Tessal.lnk");
  ExpectLink(kDesktop + "\\Tessal.lnk");
  ExpectLink(kSendTo + "\\Tessal.lnk");
  EXPECT_EQ(links.SavedCount(), 3);
  EXPECT_EQ(links.ComDepth(), 0) << "COM is ended after each shortcut";
  EXPECT_EQ(registry.OpenHandleCount(), 0);
}

TEST_F(ShellIntegration, NothingRequestedWritesNothing) {
  auto before = files.Dump();
  engine::CreateShortcuts(ports, kInstall, false, false, false);
  EXPECT_EQ(files.Dump(), before);
  EXPECT_EQ(links.SavedCount(), 0);
  EXPECT_EQ(registry.OpenHandleCount(), 0);
}

TEST_F(ShellIntegration, AMissingShellFolderValueEndsTheWholeOperation) {
  platform::FakeRegistry bare;
  bare.SetString(kShellFolders, "Desktop", kDesktop);
  bare.SetString(kShellFolders, "SendTo", kSendTo);
  engine::ShellPorts barePorts{bare, files, links};
  engine::CreateShortcuts(barePorts, kInstall, true, true, true);
  EXPECT_EQ(links.SavedCount(), 0) << "not even the desktop shortcut";
  EXPECT_EQ(bare.OpenHandleCount(), 0);

  // A missing SendTo keeps the shortcuts made before it.
  platform::FakeRegistry partial;
  partial.SetString(kShellFolders, "Programs", kPrograms);
  partial.SetString(kShellFolders, "Desktop", kDesktop);
  engine::ShellPorts partialPorts{partial, files, links};
  engine::CreateShortcuts(partialPorts, kInstall, true, true, true);
  EXPECT_EQ(links.SavedCount(), 2);
  EXPECT_EQ(partial.OpenHandleCount(), 0);
}

TEST_F(ShellIntegration, NoShellFoldersKeyMeansNoShortcut) {
  platform::FakeRegistry empty;
  engine::ShellPorts emptyPorts{empty, files, links};
  engine::CreateShortcuts(emptyPorts, kInstall, true, true, true);
  EXPECT_EQ(links.SavedCount(), 0);
}

TEST_F(ShellIntegration, AnExistingProgramGroupIsReusedAndItsLinkReplaced) {
  files.AddFolder(kPrograms + "\\Tessal");
  files.AddFile(kPrograms + "\\Tessal\\Tessal.lnk", "old link");
  engine::CreateShortcuts(ports, kInstall, true, false, false);
  ExpectLink(kPrograms + "\\Tessal\\Tessal.lnk");
  EXPECT_NE(files.FileContent(kPrograms + "\\Tessal\\Tessal.lnk"), "old link");
}

TEST_F(ShellIntegration, AFailedShortcutDoesNotStopTheNext) {
  files.DenyWrite(kPrograms);  // the group cannot be made, so its link cannot be saved
  engine::CreateShortcuts(ports, kInstall, true, true, false);
  EXPECT_FALSE(links.LinkAt(kPrograms + "\\Tessal\\Tessal.lnk").has_value());
  ExpectLink(kDesktop + "\\Tessal.lnk");

  links.FailCreation(true);
  EXPECT_NE(engine::CreateShellLink(links, "C:\\a.exe", kDesktop + "\\x.lnk", "C:\\"), S_OK);
}

TEST_F(ShellIntegration, AShellFolderTooLongForThePathBufferIsSkipped) {
  // 245 bytes of folder: the group fits (252 + terminator), its link (263) does not.
  std::string longFolder = "C:\\" + std::string(242, 'p');
  registry.SetString(kShellFolders, "Programs", longFolder);
  files.AddFolder(longFolder);
  // A value that fills the 260-byte buffer without a terminator must not be read past.
  registry.SetRaw(kShellFolders, "Desktop", REG_BINARY, "C:\\" + std::string(257, 'd'));
  engine::CreateShortcuts(ports, kInstall, true, true, true);
  EXPECT_EQ(links.SavedCount(), 1);
  ExpectLink(kSendTo + "\\Tessal.lnk");
}

TEST_F(ShellIntegration, XmlAssociationQuotesBothPathsAndRemovesDde) {
  registry.SetString("HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\command", "", "old.exe %1");
  registry.CreateKey("HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\ddeexec\\Application");
  registry.CreateKey("HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\ddeexec\\Topic\\Deeper");
  registry.SetString("HKEY_CLASSES_ROOT\\xmlfile\\shell\\edit\\command", "", "edit.exe %1");

  engine::AssociateXmlFiles(registry, kInstall);

  DWORD type = 0;
  EXPECT_BYTES(registry.ValueData("HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\command", "", &type),
               std::string("\"C:\\Program Files\\tessal\\tessal.exe\" \"%1\"") + '\0');
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_FALSE(registry.KeyExists("HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\ddeexec"));
  EXPECT_TRUE(registry.KeyExists("HKEY_CLASSES_ROOT\\xmlfile\\shell\\edit\\command")) << "other verbs stay";
  EXPECT_EQ(registry.OpenHandleCount(), 0);
}

TEST_F(ShellIntegration, XmlAssociationCreatesAMissingTypeAndStopsWhenItCannotWrite) {
  engine::AssociateXmlFiles(registry, kInstall);
  EXPECT_TRUE(registry.KeyExists("HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\command"));

  platform::FakeRegistry locked;
  locked.CreateKey("HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\ddeexec");
  locked.DenyWrite("HKEY_CLASSES_ROOT\\xmlfile\\shell\\open");
  engine::AssociateXmlFiles(locked, kInstall);
  EXPECT_FALSE(locked.KeyExists("HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\command"));
  EXPECT_TRUE(locked.KeyExists("HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\ddeexec"))
      << "no association, so DDE is left as it was";
}

TEST_F(ShellIntegration, DeleteKeyTreeHandlesDoubleByteNamesAndMissingKeys) {
  registry.CreateKey("HKEY_CURRENT_USER\\Tree\\表示\\ソ\\leaf");
  registry.CreateKey("HKEY_CURRENT_USER\\Tree\\a");
  engine::DeleteKeyTree(registry, HKEY_CURRENT_USER, "Tree");
  EXPECT_FALSE(registry.KeyExists("HKEY_CURRENT_USER\\Tree"));
  engine::DeleteKeyTree(registry, HKEY_CURRENT_USER, "Missing");
  EXPECT_EQ(registry.OpenHandleCount(), 0);
}

TEST_F(ShellIntegration, UninstallEntryHoldsTheUnquotedUninstallerPath) {
  engine::RegisterUninstall(registry, kInstall);
  const std::string key = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessal";
  EXPECT_BYTES(registry.ValueData(key, "DisplayName"), std::string("Tessal") + '\0');
  EXPECT_BYTES(registry.ValueData(key, "UninstallString"),
               std::string("C:\\Program Files\\tessal\\Uninstall.exe") + '\0');

  platform::FakeRegistry locked;
  locked.DenyWrite("HKEY_LOCAL_MACHINE");
  engine::RegisterUninstall(locked, kInstall);
  EXPECT_FALSE(locked.KeyExists(key));
  EXPECT_EQ(locked.OpenHandleCount(), 0);
}

}  // namespace
