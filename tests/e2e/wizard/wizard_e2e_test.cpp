// The real Setup.exe under Wine, driven through its windows as a user would.
#include <gtest/gtest.h>

#include "setup/forms/forms.h"
#include "tests/e2e/splash/splash_session.h"
#include "tests/e2e/wizard/setup_session.h"
#include "tests/support/bytes.h"
#include "toolkit/win32/win32_font.h"

namespace e2e {
namespace {

const std::string kWork = "C:\\wizard_e2e";
const std::string kJavaHome = "C:\\Java\\jre1.8";
const std::string kContinue = "\nインストールを続行しますか？";
const std::string kDesktop = "Control Panel\\Desktop";  // LogPixels: the text size, 96 DPI at 100 %

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
    SetRegDword(HKEY_CURRENT_USER, kDesktop, "LogPixels", 96);  // 100 % again after the 150 % scenario
  }

  // The first page, after the Java question (if any) was answered with answer.
  HWND FolderPage() { return setup.WaitForPage(kFolderPage); }
  HWND Button(HWND page, const std::string& caption) { return SetupSession::Control(page, caption, "Button"); }
  HWND Edit(HWND page) { return SetupSession::Control(page, "", "Edit"); }

  // The wizard is the active (and foreground) window with the focus on control.
  void ExpectActiveWithFocusOn(HWND control, const char* when) {
    SCOPED_TRACE(when);
    Activation seen;
    for (int waited = 0; waited < 2000; waited += 100) {  // the hand-over is posted
      seen = ActivationOf(setup.frame);
      if (seen.active == setup.frame && seen.focus == control) break;
      ::Sleep(100);
    }
    EXPECT_EQ(seen.foreground, setup.frame);
    EXPECT_EQ(seen.active, setup.frame) << "not the application's 0 x 0 window";
    EXPECT_EQ(seen.focus, control);
  }
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
  plain.End(0);

  // Tiny pictures: hundreds of thousands of tiles per erase, and still the
  // workspace is painted at once and the wizard answers.
  struct Row {
    int width, height;
    std::vector<std::pair<POINT, COLORREF>> pixels;  // workspace offsets
  } rows[] = {
      {1, 1, {{{0, 0}, RGB(255, 0, 0)}, {{7, 5}, RGB(255, 0, 0)}}},
      {2,
       3,
       {{{0, 0}, RGB(255, 0, 0)}, {{1, 0}, RGB(0, 0xC0, 0)}, {{2, 3}, RGB(255, 0, 0)}, {{3, 4}, RGB(0, 0xC0, 0)}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.width) + " x " + std::to_string(row.height));
    std::string folder = kWork + "\\tiny" + std::to_string(row.width);
    MakeFolders(folder);
    ASSERT_TRUE(WriteTestBitmap(folder + "\\Setup.bmp", row.width, row.height));
    SetupSession tiny;
    DWORD started = ::GetTickCount();
    ASSERT_TRUE(tiny.Launch(folder));
    ASSERT_NE(tiny.WaitForPage(kFolderPage, 5000), nullptr) << "the first page comes at once";
    EXPECT_LT(::GetTickCount() - started, 5000u);
    client = SetupSession::Control(tiny.frame, "", "MDIClient");
    origin = {0, 0};
    ::ClientToScreen(client, &origin);
    ::Sleep(300);
    screen = ::GetDC(nullptr);
    for (const auto& [at, colour] : row.pixels)
      EXPECT_EQ(::GetPixel(screen, origin.x + at.x, origin.y + at.y), colour) << at.x << "," << at.y;
    ::ReleaseDC(nullptr, screen);
    EXPECT_TRUE(Screenshot("wizard_tiles_" + std::to_string(row.width) + "x" + std::to_string(row.height)));
    ::PostMessageA(tiny.frame, WM_CLOSE, 0, 0);
    MessageBoxSeen quit = WaitForMessageBox(2000);
    ASSERT_NE(quit.window, nullptr) << "the close question comes at once";
    Answer(quit, IDOK);
    EXPECT_EQ(tiny.End(), 0);
  }
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
  ExpectActiveWithFocusOn(Button(page, "..."), "after Cancel");

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
  ExpectActiveWithFocusOn(Button(page, "..."), "after OK");
  EXPECT_TRUE(Screenshot("wizard_after_browse"));
  RemoveTree(apps);
}

TEST_F(WizardE2E, MinimisedThroughTheApplicationAndRestoredAsTheTaskbarDoes) {
  ASSERT_TRUE(setup.Launch(kWork));
  HWND page = FolderPage();
  ASSERT_NE(page, nullptr);
  HWND application = ::GetWindow(setup.frame, GW_OWNER);
  ASSERT_NE(application, nullptr);
  EXPECT_BYTES(WindowText(application), "setup");
  HWND edit = Edit(page);

  ::PostMessageA(setup.frame, WM_SYSCOMMAND, SC_MINIMIZE, 0);  // the frame's minimise button
  ::Sleep(700);
  EXPECT_TRUE(::IsIconic(application)) << "the taskbar button's window is minimised";
  EXPECT_FALSE(::IsWindowVisible(setup.frame)) << "no iconic title bar left on the desktop";
  EXPECT_TRUE(Screenshot("wizard_minimised"));

  ::PostMessageA(application, WM_SYSCOMMAND, SC_RESTORE, 0);  // the taskbar button
  ::Sleep(700);
  EXPECT_FALSE(::IsIconic(application));
  EXPECT_TRUE(::IsWindowVisible(setup.frame));
  EXPECT_TRUE(::IsZoomed(setup.frame)) << "maximised as before";
  EXPECT_TRUE(::IsWindowVisible(page));
  ExpectActiveWithFocusOn(edit, "after restore");
  EXPECT_TRUE(Screenshot("wizard_restored"));
}

// A page ends only the ways its flow gives: the MDI keys, pressed for real,
// neither close nor switch any page (the install run's in the middle of a
// long copy included), and two clicks at once make one step, one question,
// one install run. The install then completes normally.
TEST_F(WizardE2E, MdiKeysAndDoubleClicksOnEveryPageEndInOneNormalInstall) {
  const std::string medium = kWork + "\\medium";
  const std::string target = kWork + "\\target\\tessal";
  MakeFolders(medium);
  ASSERT_TRUE(::CopyFileA(SetupExe().c_str(), (medium + "\\Setup.exe").c_str(), FALSE));
  for (const char* name : {"tessal.exe", "boot.ini", "readme.txt", "Uninstall.exe", "jh.jar"})
    ASSERT_TRUE(WriteFile(medium + "\\" + name, name));
  ASSERT_TRUE(WriteFile(medium + "\\tessal.jar", std::string(400u << 20, 'J')));  // a long copy
  ASSERT_TRUE(setup.Launch(medium, medium + "\\Setup.exe"));
  HWND client = SetupSession::Control(setup.frame, "", "MDIClient");
  ASSERT_NE(client, nullptr);

  auto keysLeave = [&](HWND page, const char* name) {
    for (WORD key : {VK_F4, VK_F6, VK_TAB}) {
      SCOPED_TRACE(std::string(name) + ", Ctrl+key " + std::to_string(key));
      ASSERT_TRUE(PressKeys(setup.frame, {VK_CONTROL, key}));
      EXPECT_TRUE(::IsWindow(page) && ::IsWindowVisible(page)) << "the page stays";
      EXPECT_EQ(Children(client).size(), 1u) << "no other page";
    }
  };
  auto clickTwice = [](HWND button) {
    Click(button);
    Click(button);
  };
  // The one page left after a step: exactly one of next, none of the others.
  auto onlyPage = [&](const std::string& next) {
    HWND page = setup.WaitForPage(next);
    ::Sleep(500);
    EXPECT_EQ(CountVisibleChildren(client, next), 1) << next;
    EXPECT_EQ(Children(client).size(), 1u) << next;
    EXPECT_EQ(WaitForMessageBox(300).window, nullptr) << "no question after " << next;
    return page;
  };

  HWND page = FolderPage();
  ASSERT_NE(page, nullptr);
  keysLeave(page, "folder page");
  SetText(Edit(page), target);
  clickTwice(Button(page, "次へ >"));
  MessageBoxSeen question = WaitForMessageBox();
  EXPECT_BYTES(question.text, "新規フォルダを作成しますか？");
  Answer(question, IDOK);
  HWND chain = onlyPage(kChainPage);
  ASSERT_NE(chain, nullptr);
  keysLeave(chain, "SendTo/XML page");
  clickTwice(Button(chain, "< 戻る"));
  page = onlyPage(kFolderPage);
  ASSERT_NE(page, nullptr);
  clickTwice(Button(page, "次へ >"));
  chain = onlyPage(kChainPage);
  ASSERT_NE(chain, nullptr);
  clickTwice(Button(chain, "次へ >"));
  HWND shortcuts = onlyPage(kShortcutPage);
  ASSERT_NE(shortcuts, nullptr);
  keysLeave(shortcuts, "shortcut page");
  clickTwice(Button(shortcuts, "中止"));
  Answer(WaitForMessageBox(), IDCANCEL);
  EXPECT_EQ(WaitForMessageBox(500).window, nullptr) << "one abort question";
  clickTwice(Button(shortcuts, "開始"));

  HWND progress = setup.WaitForPage(kProgressPage);
  ASSERT_NE(progress, nullptr);
  ::Sleep(1100);  // the run starts after a second
  EXPECT_TRUE(Screenshot("wizard_copy_stage"));
  // Ctrl+F4 in the middle of the copy; the run goes on. The copy may end
  // soon after, so the other keys meet this page or the completion page.
  ASSERT_TRUE(PressKeys(setup.frame, {VK_CONTROL, VK_F4}));
  EXPECT_TRUE((::IsWindow(progress) && ::IsWindowVisible(progress)) ||
              CountVisibleChildren(client, kCompletedPage) == 1)
      << "the install-run page stays until its run hands over";
  for (WORD key : {VK_F6, VK_TAB}) ASSERT_TRUE(PressKeys(setup.frame, {VK_CONTROL, key}));
  HWND completed = setup.WaitForPage(kCompletedPage, 120000);
  ASSERT_NE(completed, nullptr) << "the run goes on to its completion page";
  ::Sleep(500);
  EXPECT_EQ(CountVisibleChildren(client, kCompletedPage), 1) << "one install run";
  EXPECT_EQ(Children(client).size(), 1u);
  EXPECT_EQ(ReadFile(target + "\\boot.ini"), "boot.ini");
  keysLeave(completed, "completion page");
  EXPECT_TRUE(Screenshot("wizard_completed_after_keys"));
  clickTwice(Button(completed, "OK"));
  EXPECT_EQ(setup.End(), 0);

  // Notepad on the read-me, once.
  ::Sleep(2000);
  struct Notepads {
    std::vector<HWND> found;
    static BOOL CALLBACK Visit(HWND window, LPARAM param) {
      char title[256] = {};
      ::GetWindowTextA(window, title, sizeof title);
      if (::IsWindowVisible(window) && std::string(title).find("readme.txt") != std::string::npos)
        reinterpret_cast<Notepads*>(param)->found.push_back(window);
      return TRUE;
    }
  } notepads;
  ::EnumWindows(Notepads::Visit, reinterpret_cast<LPARAM>(&notepads));
  EXPECT_EQ(notepads.found.size(), 1u) << "one double click, one Notepad";
  for (HWND notepad : notepads.found) ::PostMessageA(notepad, WM_CLOSE, 0, 0);
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

// At 150 % (LogPixels 144 before the programs start): the folder page and
// its controls at 1.5 times their description, every caption of the pages
// walked within its control, and the splash at 1.5 times its picture.
TEST_F(WizardE2E, At150PercentThePagesAndTheSplashAreScaledByOneAndAHalf) {
  ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kDesktop, "LogPixels", 144));
  ASSERT_TRUE(setup.Launch(kWork));
  HWND page = FolderPage();
  ASSERT_NE(page, nullptr);
  const toolkit::FormDescription& form = forms::SelectInstallFolderView();
  RECT client;
  ::GetClientRect(page, &client);
  EXPECT_NEAR(client.right, form.clientWidth * 1.5, 1);
  EXPECT_NEAR(client.bottom, form.clientHeight * 1.5, 1);
  std::vector<HWND> controls = Children(page);  // made in the description's order
  ASSERT_EQ(controls.size(), form.controls.size());
  for (size_t i = 0; i < controls.size(); ++i) {
    const toolkit::Rect& described = form.controls[i].bounds;
    RECT rect;
    ::GetWindowRect(controls[i], &rect);
    ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_NEAR(rect.left, described.left * 1.5, 1) << i;
    EXPECT_NEAR(rect.top, described.top * 1.5, 1) << i;
    if (form.controls[i].autoSize) continue;  // sized to its text, below
    EXPECT_NEAR(rect.right, (described.left + described.width) * 1.5, 1) << i;
    EXPECT_NEAR(rect.bottom, (described.top + described.height) * 1.5, 1) << i;
  }

  // The page's font, made as the page makes it at 18 pixels.
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ before = ::SelectObject(dc, toolkit::win32::CreateFormFont(form.font.name, 18));
  auto text = [dc](HWND control) {
    RECT extent = {};
    ::DrawTextA(dc, WindowText(control).c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE);
    return extent;
  };
  // The prompt takes the size of its text in the page's own font: the 18-pixel one.
  RECT prompt, promptText = text(controls[0]);
  ::GetWindowRect(controls[0], &prompt);
  EXPECT_EQ(prompt.right - prompt.left, promptText.right);
  EXPECT_EQ(prompt.bottom - prompt.top, promptText.bottom);
  // A check box's text starts after its box and a gap: 16 pixels at 100 %.
  auto captionsFit = [&text](HWND page) {
    for (HWND control : Children(page)) {
      if (ClassName(control) != "Button") continue;
      RECT rect;
      ::GetClientRect(control, &rect);
      bool box = (::GetWindowLongA(control, GWL_STYLE) & 0x0F) == BS_AUTOCHECKBOX;
      EXPECT_LE(text(control).right, rect.right - (box ? 24 : 0)) << WindowText(control);
    }
  };
  captionsFit(page);
  EXPECT_TRUE(Screenshot("wizard_folder_page_150"));
  SetText(Edit(page), kWork);
  Click(Button(page, "次へ >"));
  HWND chain = setup.WaitForPage(kChainPage);
  ASSERT_NE(chain, nullptr);
  captionsFit(chain);
  Click(Button(chain, "次へ >"));
  HWND shortcuts = setup.WaitForPage(kShortcutPage);
  ASSERT_NE(shortcuts, nullptr);
  captionsFit(shortcuts);
  EXPECT_TRUE(Screenshot("wizard_shortcut_page_150"));
  ::DeleteObject(::SelectObject(dc, before));
  ::ReleaseDC(nullptr, dc);
  setup.End(0);

  splash_e2e::SplashSession launcher;
  ASSERT_TRUE(launcher.StartLauncher(splash_e2e::StandIn{"", 0, 60000}));
  HWND splash = launcher.WaitForSplash();
  ASSERT_NE(splash, nullptr);
  splash_e2e::ExpectSizeCentredOnWorkArea(splash, 600, 195);
  EXPECT_TRUE(Screenshot("splash_150"));
}

}  // namespace
}  // namespace e2e
