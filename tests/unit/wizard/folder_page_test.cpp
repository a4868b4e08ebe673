// The install-folder page and the folder browser.
#include <gtest/gtest.h>

#include "setup/wizard/Shgetfldr.h"
#include "tests/support/bytes.h"
#include "tests/support/setup_fixture.h"

namespace {

using testing_support::kCurrentVersionKey;
using testing_support::kSetupCaptionText;

class FolderPage : public testing_support::SetupProgram {
 protected:
  TSelectInstallFolderView* page = nullptr;
  void Open() {
    Start();
    page = Page<TSelectInstallFolderView>();
    ASSERT_NE(page, nullptr);
  }
  // Next with the text typed; the message boxes answered in order.
  void NextWith(const std::string& text, std::initializer_list<int> answers = {}) {
    backend.Type(*page->txtInstallFolder, text);
    for (int answer : answers) backend.AnswerNextMessageBox(answer);
    backend.Click(*page->btnNext);
  }
  bool MovedOn() const { return Page<TAddChainView>() != nullptr; }
};

TEST_F(FolderPage, NextFollowsTheTrimmedText) {
  Open();
  struct Row {
    const char* name;
    std::string text;
    bool enabled;
  } rows[] = {
      {"empty", "", false},
      {"blanks and controls", " \t\r\n ", false},
      {"ideographic space", "\x81\x40", true},
      {"padded folder", "  D:\\a  ", true},
  };
  for (const Row& row : rows) {
    backend.Type(*page->txtInstallFolder, row.text);
    EXPECT_EQ(page->btnNext->Enabled(), row.enabled) << row.name;
    EXPECT_BYTES(page->txtInstallFolder->Text(), row.text) << "the text itself is never trimmed";
  }
}

TEST_F(FolderPage, AnExistingFolderIsAcceptedAtOnceExactlyAsTyped) {
  files.AddFolder("D:\\Apps");
  Open();
  NextWith("D:\\Apps\\");
  EXPECT_TRUE(backend.MessageBoxes().empty());
  EXPECT_TRUE(MovedOn());
  EXPECT_BYTES(mainView->FInstallFolder, "D:\\Apps\\") << "the trailing backslash stays";
}

TEST_F(FolderPage, AMissingFolderIsCreatedLevelByLevelAfterOneQuestion) {
  Open();
  HWND pageWindow = page->Handle();
  NextWith("D:\\a\\b\\c", {IDOK});
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_BYTES(backend.MessageBoxes()[0].text, "新規フォルダを作成しますか？");
  EXPECT_BYTES(backend.MessageBoxes()[0].caption, kSetupCaptionText);
  EXPECT_EQ(backend.MessageBoxes()[0].flags, static_cast<UINT>(MB_OKCANCEL));
  EXPECT_EQ(backend.MessageBoxes()[0].owner, pageWindow);
  EXPECT_TRUE(files.GetFileAttributesA("D:\\a\\b\\c") & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_TRUE(MovedOn());
}

TEST_F(FolderPage, DecliningTheQuestionCreatesNothing) {
  Open();
  auto before = files.Dump();
  NextWith("D:\\new", {IDCANCEL});
  EXPECT_EQ(files.Dump(), before);
  EXPECT_FALSE(MovedOn());
  EXPECT_EQ(backend.MessageBoxes().size(), 1u);
}

TEST_F(FolderPage, EachFailedCreationSaysSoAndStays) {
  files.AddFile("D:\\file.txt", "x");
  files.DenyWrite("D:\\locked");
  Open();
  struct Row {
    const char* name;
    std::string text;
  } rows[] = {
      {"missing drive, counted as done but not there", "Q:\\"},
      {"folder on a missing drive", "Q:\\tessal"},
      {"bare relative name", "tessal"},
      {"name of an existing file", "D:\\file.txt"},
      {"level that cannot be made", "D:\\locked\\sub"},
  };
  for (const Row& row : rows) {
    size_t shown = backend.MessageBoxes().size();
    NextWith(row.text, {IDOK});
    ASSERT_EQ(backend.MessageBoxes().size(), shown + 2) << row.name;
    const auto& failure = backend.MessageBoxes().back();
    EXPECT_BYTES(failure.text, "フォルダの作成に失敗しました。") << row.name;
    EXPECT_EQ(failure.flags, static_cast<UINT>(MB_OK)) << row.name;
    EXPECT_FALSE(MovedOn()) << row.name;
    EXPECT_BYTES(page->txtInstallFolder->Text(), row.text) << row.name;
  }
}

// The medium's archive is 12.3 MB; the library (4.8 MB) goes to the Java
// runtime on C: and so is not counted for D:.
TEST_F(FolderPage, NextChecksTheFreeSpaceBeforeTheFolderIsMade) {
  files.AddFile("C:\\setup\\tessal.jar", std::string(12897000, 'j'));
  files.AddFile("C:\\setup\\jh.jar", std::string(5000000, 'l'));
  files.AddFile("D:\\replaced\\tessal.jar", std::string(12600000, 'o'));
  Open();
  const struct {
    const char* name;
    std::string folder;
    std::optional<unsigned long long> freeOnD;
    const char* message;  // nullptr: the page moves on
  } rows[] = {
      {"enough", "D:\\enough", 100u << 20, nullptr},
      {"short", "D:\\short", 4718592,
       "インストール先のディスクの空き容量が不足しています。\n必要な容量：12.3 MB\n空き容量：4.5 MB"},
      {"unreadable", "D:\\unreadable", std::nullopt, nullptr},
      {"a replaced file counts by what it grows", "D:\\replaced", 300000, nullptr},
  };
  for (const auto& row : rows) {
    files.SetFreeSpace('D', row.freeOnD);
    const size_t shown = backend.MessageBoxes().size();
    NextWith(row.folder, {IDOK});
    EXPECT_EQ(MovedOn(), row.message == nullptr) << row.name;
    EXPECT_EQ(files.GetFileAttributesA(row.folder.c_str()) != INVALID_FILE_ATTRIBUTES, row.message == nullptr)
        << row.name << ": made only when there is room";
    if (row.message) {
      ASSERT_GT(backend.MessageBoxes().size(), shown) << row.name;
      EXPECT_BYTES(backend.MessageBoxes().back().text, row.message) << row.name;
      EXPECT_EQ(backend.MessageBoxes().back().flags, static_cast<UINT>(MB_OK)) << row.name;
      continue;
    }
    Page<TAddChainView>()->Close();
    mainView->ShowSelectInstallFolder();
    page = Page<TSelectInstallFolderView>();
  }
}

TEST_F(FolderPage, WithoutProgramFilesDirTheDefaultIsTheBareName) {
  platform::FakeRegistry bare;
  SetupPorts barePorts{bare, files, links, process, exit, browser};
  toolkit::Application bareApp(backend);
  bareApp.CreateForm<TMainView>(barePorts);
  auto& barePage = bareApp.CreateForm<TSelectInstallFolderView>(nullptr, barePorts);
  EXPECT_BYTES(barePage.txtInstallFolder->Text(), "tessal");
  EXPECT_TRUE(barePage.btnNext->Enabled());
}

TEST_F(FolderPage, ProgramFilesDirFillingTheWholeBufferIsNotReadPast) {
  std::string raw(MAX_PATH, 'P');  // binary data, no terminator anywhere
  raw[0] = 'C', raw[1] = ':', raw[2] = '\\';
  registry.SetRaw(kCurrentVersionKey, "ProgramFilesDir", REG_BINARY, raw);
  Open();
  EXPECT_BYTES(page->GetProgramFilesDir(), raw + "\\");
  registry.SetRaw(kCurrentVersionKey, "ProgramFilesDir", REG_BINARY, raw + "X");
  EXPECT_BYTES(page->GetProgramFilesDir(), "") << "longer than the buffer: unreadable";
  EXPECT_EQ(registry.OpenHandleCount(), 0);
}

TEST_F(FolderPage, BrowsingPutsTheChosenPathAsItIsAndCancelKeepsTheText) {
  files.AddFolder("D:\\Apps");
  Open();
  browser.ChooseNext("D:\\Apps");
  backend.Click(*page->btnFolderDialog);
  EXPECT_BYTES(page->txtInstallFolder->Text(), "D:\\Apps");
  ASSERT_EQ(browser.Browses().size(), 1u);
  EXPECT_BYTES(browser.Browses()[0].title, "インストールフォルダを選択してください。");
  EXPECT_EQ(browser.Browses()[0].flags, static_cast<UINT>(BIF_RETURNONLYFSDIRS));
  EXPECT_EQ(browser.Browses()[0].owner, app->Handle()) << "owned by the application window, not the page";
  EXPECT_FALSE(browser.Browses()[0].hasRoot);
  EXPECT_EQ(browser.OutstandingAllocations(), 0);

  browser.ChooseNext(std::nullopt);
  backend.Click(*page->btnFolderDialog);
  EXPECT_BYTES(page->txtInstallFolder->Text(), "D:\\Apps");
  EXPECT_TRUE(backend.MessageBoxes().empty());
  EXPECT_EQ(browser.OutstandingAllocations(), 0);
}

TEST_F(FolderPage, TheBrowserOpensOnTheBestExistingFolder) {
  files.AddFolder("D:\\Typed");
  Open();
  struct Row {
    std::string typed;
    std::string selected;
  } rows[] = {
      {"D:\\Typed", "D:\\Typed"}, {"D:\\Missing", "C:\\Program Files\\"},  // the default folder does not exist yet
  };
  for (const Row& row : rows) {
    backend.Type(*page->txtInstallFolder, row.typed);
    browser.ChooseNext(std::nullopt);
    size_t before = browser.Messages().size();
    backend.Click(*page->btnFolderDialog);
    ASSERT_EQ(browser.Messages().size(), before + 1) << row.typed;
    EXPECT_EQ(browser.Messages().back().message, static_cast<UINT>(BFFM_SETSELECTIONA));
    EXPECT_BYTES(browser.Messages().back().text, row.selected);
  }
}

TEST(BrowseFolder, IsModalToTheProgramsWindowsAndReenablesExactlyThose) {
  platform::FakeFolderBrowser shell;
  HWND active = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x10));
  HWND alreadyDisabled = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x20));
  shell.SetThreadWindows({{active, true}, {alreadyDisabled, false}});
  shell.ChooseNext("C:\\x");
  std::string folder = "stale";
  EXPECT_TRUE(BrowseFolder(shell, nullptr, "t", L"C:\\", folder));
  EXPECT_BYTES(folder, "C:\\x");
  ASSERT_EQ(shell.Browses().size(), 1u);
  EXPECT_EQ(shell.Browses()[0].disabledDuring.size(), 2u);
  EXPECT_TRUE(shell.Browses()[0].hasRoot);
  EXPECT_TRUE(shell.WindowEnabled(active));
  EXPECT_FALSE(shell.WindowEnabled(alreadyDisabled));
  EXPECT_EQ(shell.Browses()[0].enabledOnClose, std::vector<HWND>{active})
      << "enabled as the dialog closes, before it is gone, so that activation comes back";
  EXPECT_EQ(shell.OutstandingAllocations(), 0) << "buffer, item list and root are all freed";
  EXPECT_TRUE(shell.Browses()[0].comInitialised) << "the dialog needs COM (an apartment)";
  EXPECT_EQ(shell.ComDepth(), 0) << "and COM is uninitialised after it";

  shell.FailMalloc(true);
  EXPECT_FALSE(BrowseFolder(shell, nullptr, "t", L"", folder));
  EXPECT_EQ(folder, "");
  EXPECT_EQ(shell.Browses().size(), 1u) << "no allocator, no dialog";
  EXPECT_EQ(shell.ComDepth(), 0);
}

}  // namespace
