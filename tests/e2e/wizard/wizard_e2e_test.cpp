// The real Setup.exe under Wine, driven through its windows as a user would.
#include <gtest/gtest.h>

#include "tests/e2e/wizard/setup_session.h"
#include "tests/support/bytes.h"

namespace e2e {
namespace {

const std::string kWork = "C:\\wizard_e2e";
const std::string kJavaHome = "C:\\Java\\jre1.8";
const std::string kContinue = "\nインストールを続行しますか？";

class WizardE2E : public ::testing::Test {
 protected:
  SetupSession setup;

  void SetUp() override {
    MakeFolders(kWork);
    ASSERT_TRUE(WriteTestBitmap(kWork + "\\Setup.bmp", 160, 120));
    RegisterJava("1.8", kJavaHome, true);
  }
  void TearDown() override {
    setup.End(0);
    RemoveTree(kWork);
  }

  // The first page, after the Java question (if any) was answered with answer.
  HWND FolderPage() { return setup.WaitForPage(kFolderPage); }
  HWND Button(HWND page, const std::string& caption) { return SetupSession::Control(page, caption, "Button"); }
  HWND Edit(HWND page) { return SetupSession::Control(page, "", "Edit"); }
};

TEST_F(WizardE2E, EachKindOfMachineGetsItsJavaQuestionOrNone) {
  struct Row {
    const char* name;
    void (*arrange)();
    std::string message;  // "" for no question
  } rows[] = {
      {"Java 1.8 complete", [] { RegisterJava("1.8", kJavaHome, true); }, ""},
      {"no Java", [] { RemoveJava(); }, "Java Runtime Environment 1.4がインストールされていません。"},
      {"Java 1.3", [] { RegisterJava("1.3", "C:\\Java\\jre1.3", true); },
       "Java Runtime Environment は1.4以降がインストールされていません。"},
      {"home without lib\\ext", [] { RegisterJava("1.6", "C:\\Java\\bare", false); },
       "Java Runtime Environmentの拡張ライブラリ格納フォルダがみつかりません。"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    row.arrange();
    SetupSession session;
    ASSERT_TRUE(session.Launch(kWork));
    if (row.message.empty()) {
      EXPECT_NE(session.WaitForPage(kFolderPage), nullptr);
      EXPECT_EQ(WaitForMessageBox(500).window, nullptr) << "no question before the first page";
    } else {
      MessageBoxSeen box = WaitForMessageBox();
      ASSERT_NE(box.window, nullptr);
      EXPECT_BYTES(box.text, row.message + kContinue);
      EXPECT_BYTES(box.caption, kSetupCaption);
      EXPECT_EQ(box.buttons, (std::vector<int>{IDYES, IDNO}));
      EXPECT_FALSE(box.hasIcon);
      EXPECT_EQ(::GetWindow(box.window, GW_OWNER), session.frame) << "owned by the main window";
      ASSERT_TRUE(Answer(box, IDYES));
      EXPECT_NE(session.WaitForPage(kFolderPage), nullptr) << "Yes goes on to the folder page";
    }
    ::PostMessageA(session.frame, WM_CLOSE, 0, 0);
    MessageBoxSeen quit = WaitForMessageBox();
    ASSERT_NE(quit.window, nullptr);
    EXPECT_BYTES(quit.text, "Tessalのインストールを中止しますか？");
    Answer(quit, IDOK);
    EXPECT_EQ(session.End(), 0);
  }
}

TEST_F(WizardE2E, NoToTheJavaQuestionEndsTheProgram) {
  RemoveJava();
  ASSERT_TRUE(setup.Launch(kWork));
  MessageBoxSeen box = WaitForMessageBox();
  ASSERT_NE(box.window, nullptr);
  Answer(box, IDNO);
  EXPECT_EQ(setup.End(), 0);
  EXPECT_EQ(WaitForMessageBox(300).window, nullptr) << "no close question on the way out";
}

TEST_F(WizardE2E, AVersionStoredAsANumberIsShownAsAnErrorAndTheWindowStays) {
  RemoveJava();
  SetRegDword(HKEY_LOCAL_MACHINE, kJavaKey, "CurrentVersion", 0x108);
  ASSERT_TRUE(setup.Launch(kWork));
  MessageBoxSeen box = WaitForMessageBox();
  ASSERT_NE(box.window, nullptr);
  EXPECT_BYTES(box.text, "'CurrentVersion' のデータ型が不正です.");
  EXPECT_BYTES(box.caption, "setup");
  EXPECT_TRUE(box.hasIcon);
  Answer(box, IDOK);
  EXPECT_EQ(setup.WaitForPage(kFolderPage, 1000), nullptr) << "no page follows";
  EXPECT_TRUE(::IsWindowVisible(setup.frame));
  ::PostMessageA(setup.frame, WM_CLOSE, 0, 0);
  MessageBoxSeen quit = WaitForMessageBox();
  Answer(quit, IDOK);
  EXPECT_EQ(setup.End(), 0);
}

TEST_F(WizardE2E, TheWorkspaceShowsThePictureOrPlainBlue) {
  ASSERT_TRUE(setup.Launch(kWork));
  ASSERT_NE(FolderPage(), nullptr);
  HWND client = SetupSession::Control(setup.frame, "", "MDIClient");
  ASSERT_NE(client, nullptr);
  EXPECT_TRUE(Screenshot("wizard_folder_page"));
  POINT origin{0, 0};
  ::ClientToScreen(client, &origin);
  HDC screen = ::GetDC(nullptr);
  EXPECT_EQ(::GetPixel(screen, origin.x, origin.y), RGB(255, 0, 0)) << "the picture's top-left pixel";
  EXPECT_EQ(::GetPixel(screen, origin.x + 160, origin.y + 120), RGB(255, 0, 0)) << "tiled again";
  EXPECT_EQ(::GetPixel(screen, origin.x + 161, origin.y + 1), RGB(0, 0xC0, 0));
  ::ReleaseDC(nullptr, screen);
  setup.End(0);

  // From a folder without the picture: plain blue, and the wizard works.
  std::string bare = kWork + "\\bare";
  MakeFolders(bare);
  SetupSession plain;
  ASSERT_TRUE(plain.Launch(bare));
  HWND page = plain.WaitForPage(kFolderPage);
  ASSERT_NE(page, nullptr);
  client = SetupSession::Control(plain.frame, "", "MDIClient");
  origin = {0, 0};
  ::ClientToScreen(client, &origin);
  ::Sleep(300);
  screen = ::GetDC(nullptr);
  EXPECT_EQ(::GetPixel(screen, origin.x + 5, origin.y + 5), RGB(0, 0, 255));
  ::ReleaseDC(nullptr, screen);
  EXPECT_TRUE(Screenshot("wizard_plain_blue"));
  EXPECT_NE(Button(page, "次へ >"), nullptr);
}

TEST_F(WizardE2E, TheFolderPageCreatesWhatIsMissingAndRefusesWhatCannotBe) {
  ASSERT_TRUE(setup.Launch(kWork));
  HWND page = FolderPage();
  ASSERT_NE(page, nullptr);
  HWND edit = Edit(page);
  ASSERT_NE(edit, nullptr);
  std::string programFiles =
      RegString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
  EXPECT_BYTES(WindowText(edit), programFiles + "\\tessal");

  // A missing drive: the question, then the failure; the page stays.
  SetText(edit, "Q:\\tessal");
  Click(Button(page, "次へ >"));
  MessageBoxSeen question = WaitForMessageBox();
  EXPECT_BYTES(question.text, "新規フォルダを作成しますか？");
  EXPECT_EQ(question.buttons, (std::vector<int>{IDOK, IDCANCEL}));
  Answer(question, IDOK);
  MessageBoxSeen failure = WaitForMessageBox();
  EXPECT_BYTES(failure.text, "フォルダの作成に失敗しました。");
  EXPECT_EQ(failure.buttons, (std::vector<int>{IDOK}));
  Answer(failure, IDOK);
  EXPECT_BYTES(WindowText(edit), "Q:\\tessal");

  // A missing folder of several levels, created after OK.
  std::string target = kWork + "\\新しい\\表\\tessal";
  SetText(edit, target);
  Click(Button(page, "次へ >"));
  Answer(WaitForMessageBox(), IDOK);
  HWND chain = setup.WaitForPage(kChainPage);
  ASSERT_NE(chain, nullptr);
  EXPECT_TRUE(FolderExists(target));
  EXPECT_TRUE(Screenshot("wizard_chain_page"));

  // Back shows the folder accepted before; an existing folder is accepted at once.
  Click(Button(chain, "< 戻る"));
  page = setup.WaitForPage(kFolderPage);
  ASSERT_NE(page, nullptr);
  EXPECT_BYTES(WindowText(Edit(page)), target);
  Click(Button(page, "次へ >"));
  EXPECT_NE(setup.WaitForPage(kChainPage), nullptr);
  EXPECT_EQ(WaitForMessageBox(300).window, nullptr);
}

TEST_F(WizardE2E, OptionPagesKeepTheirChoicesAcrossBackAndNext) {
  ASSERT_TRUE(setup.Launch(kWork));
  HWND page = FolderPage();
  ASSERT_NE(page, nullptr);
  SetText(Edit(page), kWork);
  Click(Button(page, "次へ >"));
  HWND chain = setup.WaitForPage(kChainPage);
  ASSERT_NE(chain, nullptr);
  HWND addSend = SetupSession::Control(chain, "ファイルを送るに追加する", "Button");
  HWND chainXml = SetupSession::Control(chain, "XMLファイルに関連付ける", "Button");
  ASSERT_NE(addSend, nullptr);
  ASSERT_NE(chainXml, nullptr);
  EXPECT_FALSE(IsChecked(addSend));
  EXPECT_FALSE(IsChecked(chainXml));
  Click(chainXml);
  ::Sleep(200);
  Click(Button(chain, "次へ >"));

  HWND shortcuts = setup.WaitForPage(kShortcutPage);
  ASSERT_NE(shortcuts, nullptr);
  HWND desktop = SetupSession::Control(shortcuts, "デスクトップにショートカットを追加する", "Button");
  ASSERT_NE(desktop, nullptr);
  Click(desktop);
  ::Sleep(200);
  EXPECT_TRUE(Screenshot("wizard_shortcut_page"));
  Click(Button(shortcuts, "< 戻る"));

  chain = setup.WaitForPage(kChainPage);
  ASSERT_NE(chain, nullptr);
  EXPECT_TRUE(IsChecked(SetupSession::Control(chain, "XMLファイルに関連付ける", "Button")));
  EXPECT_FALSE(IsChecked(SetupSession::Control(chain, "ファイルを送るに追加する", "Button")));
  Click(Button(chain, "次へ >"));
  shortcuts = setup.WaitForPage(kShortcutPage);
  ASSERT_NE(shortcuts, nullptr);
  EXPECT_TRUE(IsChecked(SetupSession::Control(shortcuts, "デスクトップにショートカットを追加する", "Button")));
  EXPECT_FALSE(IsChecked(SetupSession::Control(shortcuts, "スタートメニューにショートカットを追加する", "Button")));
  EXPECT_NE(Button(shortcuts, "開始"), nullptr);

  // Abort answered Cancel keeps the page; OK ends the program.
  Click(Button(shortcuts, "中止"));
  Answer(WaitForMessageBox(), IDCANCEL);
  EXPECT_TRUE(::IsWindowVisible(shortcuts));
  Click(Button(shortcuts, "中止"));
  Answer(WaitForMessageBox(), IDOK);
  EXPECT_EQ(setup.End(), 0);
}

TEST_F(WizardE2E, TheBrowserOpensOnTheTypedFolderAndPutsTheChoiceAsItIs) {
  const std::string apps = "C:\\Apps";
  MakeFolders(apps);
  ASSERT_TRUE(setup.Launch(kWork));
  HWND page = FolderPage();
  ASSERT_NE(page, nullptr);
  HWND edit = Edit(page);
  SetText(edit, apps);

  Click(Button(page, "..."));
  HWND browser = WaitForTopLevel("フォルダーの参照");
  ASSERT_NE(browser, nullptr);
  EXPECT_FALSE(::IsWindowEnabled(setup.frame)) << "modal to the whole wizard";
  EXPECT_TRUE(Screenshot("wizard_browse"));
  Click(::GetDlgItem(browser, IDCANCEL));
  ASSERT_TRUE(WaitUntilGone(browser));
  EXPECT_BYTES(WindowText(edit), apps) << "cancel leaves the text";

  // Typed with a trailing backslash; the shell hands back the folder without one.
  SetText(edit, apps + "\\");
  Click(Button(page, "..."));
  browser = WaitForTopLevel("フォルダーの参照");
  ASSERT_NE(browser, nullptr);
  ::Sleep(500);
  Click(::GetDlgItem(browser, IDOK));
  ASSERT_TRUE(WaitUntilGone(browser));
  ::Sleep(200);
  EXPECT_BYTES(WindowText(edit), apps) << "exactly the chosen folder, nothing appended";
  EXPECT_TRUE(::IsWindowEnabled(setup.frame));
  RemoveTree(apps);
}

TEST_F(WizardE2E, ClosingTheMainWindowAnsweredCancelLeavesThePageAsItWas) {
  ASSERT_TRUE(setup.Launch(kWork));
  HWND page = FolderPage();
  ASSERT_NE(page, nullptr);
  SetText(Edit(page), "D:\\typed");
  ::PostMessageA(setup.frame, WM_CLOSE, 0, 0);
  MessageBoxSeen quit = WaitForMessageBox();
  EXPECT_BYTES(quit.caption, kSetupCaption);
  EXPECT_EQ(quit.buttons, (std::vector<int>{IDOK, IDCANCEL}));
  Answer(quit, IDCANCEL);
  EXPECT_TRUE(::IsWindowVisible(page));
  EXPECT_BYTES(WindowText(Edit(page)), "D:\\typed");
  EXPECT_EQ(WaitForExit(setup.process, 300), -1) << "still running";
}

}  // namespace
}  // namespace e2e
