// The launcher's dialog framework on the real window manager: the order of
// the handlers, the data exchange, centring, and the ways a modal run ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/framework/dialog.h"
#include "launcher/framework/static_control.h"
#include "launcher/framework/win_app.h"

namespace {

constexpr UINT kProbeTemplate = 200;
constexpr int kPicture = 1000;

framework::CWinApp application;

// How the probe ends its modal run once its first timer tick has come.
enum class Ending { DestroyOnClick, OkCommand };

class ProbeDialog : public framework::CDialog {
 public:
  explicit ProbeDialog(Ending ending, bool refuseCreation = false)
      : CDialog(kProbeTemplate), ending_(ending), refuseCreation_(refuseCreation) {}

  std::vector<std::string> events;
  RECT rectAtTick{};
  framework::CStatic m_picture;

 protected:
  void DoDataExchange(framework::CDataExchange* exchange) override {
    CDialog::DoDataExchange(exchange);
    framework::DDX_Control(exchange, kPicture, m_picture);
  }
  int OnCreate(LPCREATESTRUCTA create) override {
    events.push_back("create");
    if (refuseCreation_) return -1;
    return CDialog::OnCreate(create);
  }
  BOOL OnInitDialog() override {
    BOOL result = CDialog::OnInitDialog();
    events.push_back(m_picture.m_hWnd && m_picture.m_hWnd == GetDlgItem(kPicture) ? "init, picture bound"
                                                                                  : "init, picture not bound");
    SetTimer(7, 10, nullptr);
    return result;
  }
  void OnTimer(UINT_PTR id) override {
    events.push_back("timer " + std::to_string(id));
    KillTimer(id);
    GetWindowRect(&rectAtTick);
    if (ending_ == Ending::DestroyOnClick)
      ::PostMessageA(m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    else
      ::PostMessageA(m_hWnd, WM_COMMAND, IDOK, 0);
  }
  void OnLButtonDown(UINT, POINT point) override {
    events.push_back("click " + std::to_string(point.x) + "," + std::to_string(point.y));
    DestroyWindow();
  }
  void OnDestroy() override {
    events.push_back("destroy");
    CDialog::OnDestroy();
  }

 private:
  Ending ending_;
  bool refuseCreation_;
};

TEST(Framework, DestroyingTheMainWindowEndsTheModalRun) {
  ProbeDialog probe(Ending::DestroyOnClick);
  application.m_pMainWnd = &probe;
  EXPECT_EQ(probe.DoModal(), -1);
  EXPECT_EQ(probe.events,
            (std::vector<std::string>{"create", "init, picture bound", "timer 7", "click 5,6", "destroy"}));
  EXPECT_EQ(probe.m_hWnd, nullptr);
  EXPECT_EQ(application.m_pMainWnd, nullptr) << "the gone window is no longer the main window";
}

TEST(Framework, OkCommandEndsTheModalRunWithIdOk) {
  ProbeDialog probe(Ending::OkCommand);
  EXPECT_EQ(probe.DoModal(), IDOK);
  EXPECT_EQ(probe.events, (std::vector<std::string>{"create", "init, picture bound", "timer 7", "destroy"}));
  EXPECT_EQ(probe.m_hWnd, nullptr);
}

TEST(Framework, AnUnmovedDialogIsCentredOnTheWorkArea) {
  ProbeDialog probe(Ending::OkCommand);
  probe.DoModal();
  RECT work;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const RECT& at = probe.rectAtTick;
  EXPECT_NEAR((at.left + at.right) / 2, (work.left + work.right) / 2, 1);
  EXPECT_NEAR((at.top + at.bottom) / 2, (work.top + work.bottom) / 2, 1);
  EXPECT_GT(at.right - at.left, 0);
}

TEST(Framework, CreationRefusedInOnCreateEndsAtOnce) {
  ProbeDialog probe(Ending::OkCommand, true);
  EXPECT_EQ(probe.DoModal(), -1);
  EXPECT_EQ(probe.events, std::vector<std::string>{"create"});
}

// Japanese Windows may create an input-method window for a thread's first
// window; here one is made on the thread while the dialog is being created.
struct InputMethodCase {
  const char* name;
  const char* className;
  UINT classStyle;
};

class ProbeAfterInputMethodWindow : public ProbeDialog {
 public:
  explicit ProbeAfterInputMethodWindow(const InputMethodCase& row) : ProbeDialog(Ending::OkCommand), row_(row) {}
  ~ProbeAfterInputMethodWindow() override {
    ::KillTimer(nullptr, giveUp_);
    running_ = nullptr;
    if (inputMethodWindow) ::DestroyWindow(inputMethodWindow);
  }

  HWND inputMethodWindow = nullptr;
  bool boundBeforeDialog = false;

 protected:
  HWND CreateDialogWindow(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate, HWND parent) override {
    WNDCLASSA windowClass = {};
    windowClass.style = row_.classStyle;
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = row_.className;
    ::RegisterClassA(&windowClass);
    inputMethodWindow =
        ::CreateWindowExA(0, row_.className, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    boundBeforeDialog = m_hWnd != nullptr;
    // Bound to the wrong window, the dialog would never end its run.
    running_ = this;
    giveUp_ = ::SetTimer(nullptr, 0, 5000, GiveUp);
    return ProbeDialog::CreateDialogWindow(instance, dialogTemplate, parent);
  }

 private:
  static void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) {
    if (running_) running_->EndDialog(-2);
  }
  static inline ProbeAfterInputMethodWindow* running_ = nullptr;
  UINT_PTR giveUp_ = 0;
  InputMethodCase row_;
};

class FrameworkInputMethod : public ::testing::TestWithParam<InputMethodCase> {};

TEST_P(FrameworkInputMethod, WindowIsNotBoundTheDialogIs) {
  ProbeAfterInputMethodWindow probe(GetParam());
  EXPECT_EQ(probe.DoModal(), IDOK);
  ASSERT_NE(probe.inputMethodWindow, nullptr);
  EXPECT_FALSE(probe.boundBeforeDialog) << "bound to the input-method window";
  EXPECT_EQ(framework::CWnd::FromHandle(probe.inputMethodWindow), nullptr);
  EXPECT_EQ(probe.events, (std::vector<std::string>{"create", "init, picture bound", "timer 7", "destroy"}));
}

INSTANTIATE_TEST_SUITE_P(Framework, FrameworkInputMethod,
                         ::testing::Values(InputMethodCase{"ClassIme", "IME", 0},
                                           InputMethodCase{"ClassStyleCsIme", "TessalProbeInputMethod", CS_IME}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
