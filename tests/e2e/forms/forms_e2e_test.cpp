// The setup program's six forms, built by the Win32 backend inside the real
// MDI frame and read back through Win32 itself: caption bytes, client size,
// window styles, and each control's class, caption, rectangle, enabled state
// and tab order. Screenshots of the main window and of each page.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "setup/forms/forms.h"
#include "tests/e2e/forms/screenshot.h"
#include "tests/e2e/forms/shell_form.h"
#include "tests/support/bytes.h"
#include "toolkit/application.h"
#include "toolkit/bitmap.h"
#include "toolkit/win32/win32_backend.h"

namespace {

using e2e::ShellForm;

std::string WindowText(HWND window) {
  char text[512] = {};
  int length = GetWindowTextA(window, text, sizeof text);
  return std::string(text, length > 0 ? length : 0);
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

RECT RectIn(HWND window, HWND parent) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class FormsUnderWin32 : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    backend = new toolkit::win32::Win32Backend(GetModuleHandleA(nullptr));
    app = new toolkit::Application(*backend);
    app->Initialize();
    app->SetTitle("setup");
    frame = &app->CreateForm<ShellForm>(forms::MainView());
    frame->Show();
    e2e::Pump(300);
  }
  static void TearDownTestSuite() {
    delete app;
    delete backend;
  }

  static toolkit::win32::Win32Backend* backend;
  static toolkit::Application* app;
  static ShellForm* frame;
};

toolkit::win32::Win32Backend* FormsUnderWin32::backend = nullptr;
toolkit::Application* FormsUnderWin32::app = nullptr;
ShellForm* FormsUnderWin32::frame = nullptr;

TEST_F(FormsUnderWin32, MainWindowIsAMaximisedMdiFrameOverABlueWorkspace) {
  HWND window = frame->Handle();
  EXPECT_BYTES(WindowText(window), "Tessal\x81\x40\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5b\x83\x89\x81\x5b");
  EXPECT_BYTES(WindowText(window), "Tessal　インストーラー");
  EXPECT_TRUE(IsZoomed(window));
  // The title is the taskbar text: it is the caption of the application's
  // window, which owns the frame.
  EXPECT_EQ(GetWindow(window, GW_OWNER), app->Handle());
  EXPECT_BYTES(WindowText(app->Handle()), "setup");
  EXPECT_TRUE(IsWindowVisible(app->Handle()));
  EXPECT_TRUE(IsWindowVisible(window));

  LONG style = GetWindowLongA(window, GWL_STYLE);
  for (LONG flag : {WS_CAPTION, WS_SYSMENU, WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX}) {
    EXPECT_EQ(style & flag, flag) << std::hex << flag;
  }

  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  ASSERT_TRUE(GetWindowPlacement(window, &placement));
  EXPECT_EQ(placement.rcNormalPosition.left, 327);
  EXPECT_EQ(placement.rcNormalPosition.top, 114);
  EXPECT_EQ(placement.rcNormalPosition.right - placement.rcNormalPosition.left, 870);
  EXPECT_EQ(placement.rcNormalPosition.bottom - placement.rcNormalPosition.top, 640);

  HWND client = frame->ClientHandle();
  ASSERT_NE(client, nullptr);
  EXPECT_EQ(GetParent(client), window);
  EXPECT_STRCASEEQ(ClassOf(client).c_str(), "MDIClient");
  EXPECT_EQ(GetWindowLongA(client, GWL_STYLE) & MDIS_ALLCHILDSTYLES, MDIS_ALLCHILDSTYLES);
  RECT workspace;
  GetClientRect(client, &workspace);
  EXPECT_GT(workspace.right, 870) << "the workspace fills the maximised frame";
  EXPECT_EQ(GetMenu(window), nullptr);

  // The workspace is erased in pure blue.
  e2e::Pump(200);
  HDC dc = GetDC(client);
  COLORREF pixel = GetPixel(dc, workspace.right / 2, workspace.bottom / 2);
  ReleaseDC(client, dc);
  EXPECT_EQ(pixel, RGB(0, 0, 255));

  if (!e2e::ArtifactsFolder().empty()) {
    EXPECT_TRUE(e2e::TakeScreenshot(window, "main-window"));
  }
}

struct ControlRow {
  const char* name;
  const char* windowClass;  // "Button", "Edit", "Static"
  LONG typeStyle;           // BS_PUSHBUTTON, BS_AUTOCHECKBOX, SS_... ; -1: not checked
  const char* caption;
  RECT rect;  // left, top, right, bottom in the page's client area
  bool enabled;
  bool autoSized = false;  // then only the anchor point is fixed: left-top, or the middle of a centred label
};

struct PageRow {
  const char* screenshot;
  const toolkit::FormDescription& (*description)();
  const char* caption;
  int clientWidth, clientHeight;
  std::vector<ControlRow> controls;
  std::vector<const char*> tabOrder;
};

RECT At(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

std::vector<PageRow> Pages() {
  return {
      {"page-select-install-folder",
       forms::SelectInstallFolderView,
       "フォルダの選択",
       302,
       143,
       {{"Label1", "Static", SS_LEFTNOWORDWRAP, "インストール先を指定してください(&D)", At(16, 24, 183, 12), true,
         true},
        {"txtInstallFolder", "Edit", -1, "", At(16, 40, 241, 20), true},
        {"btnFolderDialog", "Button", BS_PUSHBUTTON, "...", At(256, 40, 25, 20), true},
        {"btnCancel", "Button", BS_PUSHBUTTON, "中止", At(112, 104, 81, 25), true},
        {"btnNext", "Button", BS_PUSHBUTTON, "次へ >", At(208, 104, 81, 25), false}},
       {"txtInstallFolder", "btnFolderDialog", "btnCancel"}},
      {"page-add-chain",
       forms::AddChainView,
       "ＸＭＬファイルの関連付け",
       302,
       143,
       {{"btnBack", "Button", BS_PUSHBUTTON, "< 戻る", At(16, 104, 81, 25), true},
        {"btnCancel", "Button", BS_PUSHBUTTON, "中止", At(112, 104, 81, 25), true},
        {"btnNext", "Button", BS_PUSHBUTTON, "次へ >", At(208, 104, 81, 25), true},
        {"chkAddSend", "Button", BS_AUTOCHECKBOX, "ファイルを送るに追加する", At(24, 24, 257, 17), true},
        {"chkChainXML", "Button", BS_AUTOCHECKBOX, "XMLファイルに関連付ける", At(24, 56, 265, 25), true}},
       {"btnBack", "btnCancel", "btnNext", "chkAddSend", "chkChainXML"}},
      {"page-create-shortcut",
       forms::CreateShortcutView,
       "ショートカットの作成",
       302,
       143,
       {{"chkStartMenu", "Button", BS_AUTOCHECKBOX, "スタートメニューにショートカットを追加する", At(16, 24, 249, 25),
         true},
        {"chkDesktop", "Button", BS_AUTOCHECKBOX, "デスクトップにショートカットを追加する", At(16, 64, 241, 25), true},
        {"btnFinish", "Button", BS_PUSHBUTTON, "開始", At(208, 104, 81, 25), true},
        {"btnBack", "Button", BS_PUSHBUTTON, "< 戻る", At(16, 104, 81, 25), true},
        {"btnCancel", "Button", BS_PUSHBUTTON, "中止", At(112, 104, 81, 25), true}},
       {"chkStartMenu", "chkDesktop", "btnFinish", "btnBack", "btnCancel"}},
      {"page-completed-install",
       forms::CompletedInstallView,
       "インストール完了",
       302,
       143,
       {{"Label1", "Static", SS_CENTER, "Tessalのインストールは正常に完了しました", At(40, 48, 206, 12), true, true},
        {"btnOK", "Button", BS_PUSHBUTTON, "OK", At(104, 104, 89, 25), true}},
       {"btnOK"}},
      {"page-install-progress",
       forms::InstallProgressView,
       "インストール実行中...",
       465,
       143,
       {{"btnCancel", "Button", BS_PUSHBUTTON, "中止", At(192, 104, 89, 25), true},
        {"lblProcessing", "Static", SS_LEFT, "", At(16, 16, 441, 25), true},
        {"lblDetails", "Static", SS_LEFTNOWORDWRAP, "", At(12, 56, 445, 25), true}},
       {"btnCancel"}},
  };
}

// The tab order as the dialog manager walks it: from the first tab stop on,
// until it comes round again. The disabled Next button is skipped by it.
std::vector<HWND> TabWalk(HWND page) {
  std::vector<HWND> walk;
  HWND first = GetNextDlgTabItem(page, nullptr, FALSE);
  for (HWND item = first; item && walk.size() < 20; item = GetNextDlgTabItem(page, item, FALSE)) {
    if (!walk.empty() && item == first) break;
    walk.push_back(item);
  }
  return walk;
}

TEST_F(FormsUnderWin32, EachPageMatchesItsTable) {
  for (const PageRow& row : Pages()) {
    SCOPED_TRACE(row.screenshot);
    ShellForm& page = app->CreateForm<ShellForm>(row.description());
    HWND window = page.Handle();
    ASSERT_NE(window, nullptr);

    EXPECT_BYTES(WindowText(window), row.caption);
    EXPECT_EQ(GetParent(window), frame->ClientHandle());
    EXPECT_TRUE(IsWindowVisible(window)) << "pages are visible from creation";
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_MDICHILD);
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION) << "single border with a caption";
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0) << std::hex << style;

    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, row.clientWidth);
    EXPECT_EQ(client.bottom, row.clientHeight);

    // Centred over the workspace.
    RECT workspace, outer = RectIn(window, frame->ClientHandle());
    GetClientRect(frame->ClientHandle(), &workspace);
    EXPECT_NEAR(outer.left, (workspace.right - (outer.right - outer.left)) / 2, 1);
    EXPECT_NEAR(outer.top, (workspace.bottom - (outer.bottom - outer.top)) / 2, 1);

    for (const ControlRow& expected : row.controls) {
      SCOPED_TRACE(expected.name);
      HWND control = page.Find<toolkit::Control>(expected.name).Handle();
      ASSERT_NE(control, nullptr);
      EXPECT_EQ(GetParent(control), window);
      EXPECT_STRCASEEQ(ClassOf(control).c_str(), expected.windowClass);
      if (expected.typeStyle >= 0) {
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & 0x0F, expected.typeStyle);
      }
      EXPECT_BYTES(WindowText(control), expected.caption);
      RECT rect = RectIn(control, window);
      EXPECT_EQ(rect.top, expected.rect.top);
      if (!expected.autoSized) {
        EXPECT_EQ(rect.left, expected.rect.left);
        EXPECT_EQ(rect.right, expected.rect.right);
        EXPECT_EQ(rect.bottom, expected.rect.bottom);
      } else if (expected.typeStyle == SS_CENTER) {
        EXPECT_NEAR(rect.left + rect.right, expected.rect.left + expected.rect.right, 1);
      } else {
        EXPECT_EQ(rect.left, expected.rect.left);
      }
      EXPECT_EQ(IsWindowEnabled(control) != FALSE, expected.enabled);
    }

    std::vector<HWND> tabs = TabWalk(window);
    ASSERT_EQ(tabs.size(), row.tabOrder.size());
    for (size_t i = 0; i < tabs.size(); ++i) {
      EXPECT_EQ(tabs[i], page.Find<toolkit::Control>(row.tabOrder[i]).Handle()) << "tab stop " << i;
    }

    if (!e2e::ArtifactsFolder().empty()) {
      EXPECT_TRUE(e2e::TakeScreenshot(frame->Handle(), row.screenshot));
    }

    page.Close();
    e2e::Pump(100);
    EXPECT_FALSE(IsWindow(window)) << "closing frees the page";
  }
}

TEST_F(FormsUnderWin32, OnlyTheFolderPromptReadsAnAccessKey) {
  ShellForm& page = app->CreateForm<ShellForm>(forms::SelectInstallFolderView());
  HWND label = page.Find<toolkit::Control>("Label1").Handle();
  EXPECT_EQ(GetWindow(label, GW_HWNDNEXT), page.Find<toolkit::Control>("txtInstallFolder").Handle())
      << "the dialog manager moves an access key's focus to the next control";
  EXPECT_EQ(GetWindowLongA(label, GWL_STYLE) & SS_NOPREFIX, 0);
  page.Close();

  // Labels without an access key show "&" as it is, e.g. in a path.
  ShellForm& progress = app->CreateForm<ShellForm>(forms::InstallProgressView());
  auto& details = progress.Find<toolkit::Label>("lblDetails");
  EXPECT_EQ(GetWindowLongA(details.Handle(), GWL_STYLE) & SS_NOPREFIX, SS_NOPREFIX);
  details.SetCaption("C:\\Tools & Data\\tessal\\tessal.jar");
  EXPECT_BYTES(details.Caption(), "C:\\Tools & Data\\tessal\\tessal.jar");
  progress.Find<toolkit::Timer>("Timer1").SetEnabled(false);
  progress.Close();
  e2e::Pump(50);
}

TEST_F(FormsUnderWin32, RealClicksTextChangesAndTheOneSecondTimerReachTheHandlers) {
  ShellForm& folder = app->CreateForm<ShellForm>(forms::SelectInstallFolderView());
  auto& edit = folder.Find<toolkit::Edit>("txtInstallFolder");
  edit.SetText("C:\\Program Files\\tessal");
  SendMessageA(folder.Find<toolkit::Control>("btnCancel").Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(folder.fired, (std::vector<std::string>{"OnChange", "btnCancelClick"}));
  EXPECT_BYTES(edit.Text(), "C:\\Program Files\\tessal");
  folder.Close();

  ShellForm& progress = app->CreateForm<ShellForm>(forms::InstallProgressView());
  DWORD start = GetTickCount();
  while (progress.fired.empty() && GetTickCount() - start < 3000) e2e::Pump(20);
  DWORD elapsed = GetTickCount() - start;
  ASSERT_EQ(progress.fired, (std::vector<std::string>{"Timer1Timer"}));
  EXPECT_GE(elapsed, 900u);
  EXPECT_LE(elapsed, 2000u);
  progress.Find<toolkit::Timer>("Timer1").SetEnabled(false);
  e2e::Pump(1300);
  EXPECT_EQ(progress.fired.size(), 1u) << "a disabled timer stays silent";
  progress.Close();
  e2e::Pump(50);
}

}  // namespace

namespace {

// Answers the next message box from a second thread, as a user would:
// reads its text, caption and owner, then presses the button.
struct MessageBoxAnswer {
  std::string text, caption;
  HWND owner = nullptr;
  bool hasErrorIcon = false;
};

DWORD WINAPI AnswerMessageBox(LPVOID parameter) {
  auto* answer = static_cast<std::pair<MessageBoxAnswer*, int>*>(parameter);
  for (int i = 0; i < 200; ++i) {
    HWND box = FindWindowA("#32770", nullptr);
    if (box && IsWindowVisible(box)) {
      answer->first->caption = WindowText(box);
      answer->first->text = WindowText(GetDlgItem(box, 0xFFFF));
      answer->first->owner = GetWindow(box, GW_OWNER);
      // The icon's static: id 20 on Windows, 1088 under Wine; without an icon it holds none.
      for (int id : {20, 1088}) {
        HWND icon = GetDlgItem(box, id);
        if (icon && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0)) answer->first->hasErrorIcon = true;
      }
      PostMessageA(GetDlgItem(box, answer->second), BM_CLICK, 0, 0);
      return 0;
    }
    Sleep(25);
  }
  return 1;
}

int ShowAndAnswer(const std::function<int()>& show, int button, MessageBoxAnswer& seen) {
  std::pair<MessageBoxAnswer*, int> parameter{&seen, button};
  HANDLE thread = CreateThread(nullptr, 0, &AnswerMessageBox, &parameter, 0, nullptr);
  int result = show();
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  return result;
}

TEST_F(FormsUnderWin32, MessageBoxesAreRealAndOwnedByTheAskingForm) {
  ShellForm& page = app->CreateForm<ShellForm>(forms::AddChainView());
  MessageBoxAnswer seen;
  int result = ShowAndAnswer(
      [&] { return page.ShowMessageBox("Tessalのインストールを中止しますか？", "Tessal　セットアップ", MB_OKCANCEL); },
      IDCANCEL, seen);
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_BYTES(seen.text, "Tessalのインストールを中止しますか？");
  EXPECT_BYTES(seen.caption, "Tessal　セットアップ");
  EXPECT_EQ(seen.owner, frame->Handle()) << "a page's box is owned by the window it sits in";
  EXPECT_FALSE(seen.hasErrorIcon);

  MessageBoxAnswer error;
  ShowAndAnswer(
      [&] {
        app->ShowException(Exception("'CurrentVersion' のデータ型が不正です"));
        return 0;
      },
      IDOK, error);
  EXPECT_BYTES(error.text, "'CurrentVersion' のデータ型が不正です.");
  EXPECT_BYTES(error.caption, "setup");
  EXPECT_TRUE(error.hasErrorIcon);
  page.Close();
  e2e::Pump(50);
}

TEST_F(FormsUnderWin32, AWorkspaceHandlerPaintsAndThePreviousProcedureStillFillsBlue) {
  HWND client = frame->ClientHandle();
  auto pixel = [client] {
    InvalidateRect(client, nullptr, TRUE);
    e2e::Pump(200);
    HDC dc = GetDC(client);
    COLORREF colour = GetPixel(dc, 10, 10);
    ReleaseDC(client, dc);
    return colour;
  };
  EXPECT_EQ(pixel(), RGB(0, 0, 255));

  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  int erases = 0;
  toolkit::WindowProcedure previous = nullptr;
  previous = frame->SubclassClient([&](HWND window, UINT message, toolkit::WParam w, toolkit::LParam l) {
    if (message != WM_ERASEBKGND) return frame->CallClientProcedure(previous, window, message, w, l);
    ++erases;
    RECT area;
    GetClientRect(window, &area);
    FillRect(reinterpret_cast<HDC>(w), &area, red);
    return static_cast<toolkit::LResult>(1);
  });
  ASSERT_NE(previous, nullptr);
  EXPECT_EQ(pixel(), RGB(255, 0, 0));
  EXPECT_GT(erases, 0);

  // A handler that hands everything on: the toolkit's own blue again.
  frame->SubclassClient([&](HWND window, UINT message, toolkit::WParam w, toolkit::LParam l) {
    return frame->CallClientProcedure(previous, window, message, w, l);
  });
  EXPECT_EQ(pixel(), RGB(0, 0, 255));
  DeleteObject(red);
}

// A 2 x 3 picture, 24 bits, as a bitmap file.
std::string TinyBitmap() {
  const int width = 2, height = 3, stride = 8;
  std::string file(54 + stride * height, '\0');
  auto put32 = [&file](size_t at, DWORD value) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<DWORD>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, width);
  put32(22, height);
  file[26] = 1;
  file[28] = 24;
  return file;
}

void WriteFile(const std::string& path, const std::string& content) {
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  std::fwrite(content.data(), 1, content.size(), file);
  std::fclose(file);
}

TEST_F(FormsUnderWin32, ABareBitmapNameIsLookedUpInTheCurrentDirectoryOnly) {
  char temp[MAX_PATH] = {}, program[MAX_PATH] = {}, previous[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  std::string folder = std::string(temp) + "forms_bitmap";
  CreateDirectoryA(folder.c_str(), nullptr);
  GetModuleFileNameA(nullptr, program, sizeof program);
  std::string beside(program);
  beside = beside.substr(0, beside.rfind('\\') + 1) + "OnlyBesideTheProgram.bmp";
  WriteFile(folder + "\\Setup.bmp", TinyBitmap());
  WriteFile(beside, TinyBitmap());
  GetCurrentDirectoryA(sizeof previous, previous);
  SetCurrentDirectoryA(folder.c_str());

  toolkit::Bitmap picture(*app);
  EXPECT_NO_THROW(picture.LoadFromFile("Setup.bmp"));
  EXPECT_EQ(picture.Width(), 2);
  EXPECT_EQ(picture.Height(), 3);
  toolkit::Bitmap elsewhere(*app);
  EXPECT_THROW(elsewhere.LoadFromFile("OnlyBesideTheProgram.bmp"), Exception);
  EXPECT_EQ(elsewhere.Width(), 0);

  SetCurrentDirectoryA(previous);
  DeleteFileA(beside.c_str());
  DeleteFileA((folder + "\\Setup.bmp").c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
