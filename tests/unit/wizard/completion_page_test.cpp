// The completion page: Notepad on the installed read-me, then the end.
#include <gtest/gtest.h>

#include "tests/support/bytes.h"
#include "tests/support/setup_fixture.h"

namespace {

#ifndef _WIN32
constexpr DWORD CREATE_NEW_CONSOLE = 0x00000010;
#endif

class CompletionPage : public testing_support::SetupProgram {
 protected:
  void Finish(const std::string& installFolder) {
    Start();
    mainView->FInstallFolder = installFolder;
    mainView->ShowCompletedInstall();
    auto* page = Page<TCompletedInstallView>();
    ASSERT_NE(page, nullptr);
    EXPECT_BYTES(page->Label1->Caption(), "Tessalのインストールは正常に完了しました");
    backend.ClickTwice(*page->btnOK);  // a double click opens the read-me once
  }
};

TEST_F(CompletionPage, OkOpensTheInstalledReadmeInNotepadAndEnds) {
  files.AddFile("C:\\Program Files\\tessal\\readme.txt", "read me");
  Finish("C:\\Program Files\\tessal");
  ASSERT_EQ(process.Starts().size(), 1u);
  const auto& start = process.Starts()[0];
  EXPECT_FALSE(start.hasApplicationName);
  EXPECT_BYTES(start.commandLine, "\"C:\\WINDOWS\\system32\\notepad.exe\" \"C:\\Program Files\\tessal\\readme.txt\"");
  EXPECT_EQ(start.creationFlags, CREATE_NEW_CONSOLE);
  EXPECT_EQ(start.inheritHandles, FALSE);
  EXPECT_EQ(start.currentDirectory, "");
  EXPECT_TRUE(backend.QuitPosted());
  EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(CompletionPage, ATrailingBackslashGivesADoubledOne) {
  files.AddFile("C:\\t\\readme.txt", "read me");
  Finish("C:\\t\\");
  ASSERT_EQ(process.Starts().size(), 1u);
  EXPECT_BYTES(process.Starts()[0].commandLine, "\"C:\\WINDOWS\\system32\\notepad.exe\" \"C:\\t\\\\readme.txt\"");
}

TEST_F(CompletionPage, NeverNotepadByItsBareNameEvenWhenTheSystemFolderIsNotToBeHad) {
  files.AddFile("C:\\t\\readme.txt", "read me");
  process.systemFolder = "C:\\" + std::string(MAX_PATH, 'w');
  Finish("C:\\t");
  EXPECT_TRUE(process.Starts().empty());
  EXPECT_TRUE(backend.QuitPosted());
}

TEST_F(CompletionPage, WithoutAReadmeOrWhenNotepadFailsTheProgramJustEnds) {
  files.AddFolder("C:\\t\\readme.txt");  // a folder of that name is no read-me
  Finish("C:\\t");
  EXPECT_TRUE(process.Starts().empty());
  EXPECT_TRUE(backend.QuitPosted());

  process.FailCreationWith(ERROR_FILE_NOT_FOUND);
  files.AddFile("C:\\u\\readme.txt", "x");
  toolkit::headless::HeadlessBackend other;
  toolkit::Application otherApp(other);
  auto& main = otherApp.CreateForm<TMainView>(ports);
  main.FInstallFolder = "C:\\u";
  auto& page = otherApp.CreateForm<TCompletedInstallView>(&main);
  other.Click(*page.btnOK);
  EXPECT_TRUE(other.QuitPosted());
  EXPECT_TRUE(other.MessageBoxes().empty());
}

}  // namespace
