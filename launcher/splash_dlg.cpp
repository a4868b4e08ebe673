#include "launcher/splash_dlg.h"

#include <string>

#include "launcher/framework/paint_dc.h"
#include "launcher/framework/win_app.h"
#include "launcher/resource.h"
#include "platform/win32/win32_string_resource.h"

namespace {

// The splash picture is drawn for the standard text size.
constexpr int kPictureDpi = 96;

// String 1 of the launcher's string table: the title prefix looked for.
std::string ProductName() {
  framework::CWinApp* app = framework::CWinApp::Current();
  char name[256] = {};
  int length = platform::Win32StringResource().LoadStringA(app ? app->m_hInstance : nullptr, IDS_PRODUCT_NAME, name,
                                                           sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

}  // namespace

CSplashDlg::CSplashDlg(framework::CWnd* parent)
    : CDialog(IDD_SPLASH, parent),
      m_hIcon(framework::CWinApp::Current() ? framework::CWinApp::Current()->LoadIcon(IDR_MAINFRAME) : nullptr),
      watch_(windows_, process_, ProductName()) {}

void CSplashDlg::DoDataExchange(framework::CDataExchange* exchange) {
  CDialog::DoDataExchange(exchange);
  framework::DDX_Control(exchange, IDC_PICTURE, m_picture);
}

BOOL CSplashDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);

  m_picture.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  RECT picture;
  m_picture.GetWindowRect(&picture);
  // At a larger text size the picture grows with the system DPI, smoothed,
  // so that it covers the same share of the screen as at 96 DPI.
  if (const int dpi = framework::GetSystemDpi(); dpi != kPictureDpi) {
    m_picture.StretchBitmap(framework::MulDiv(picture.right - picture.left, dpi, kPictureDpi),
                            framework::MulDiv(picture.bottom - picture.top, dpi, kPictureDpi));
    m_picture.GetWindowRect(&picture);
  }
  // The outer size is the picture's, frame included: the frame hides a few
  // pixels at the picture's right and bottom. The splash is not moved here,
  // so the framework centres it on the work area afterwards.
  SetWindowPos(HWND_TOPMOST, 0, 0, picture.right - picture.left, picture.bottom - picture.top, SWP_NOMOVE);
  return TRUE;
}

// void OnPaint(): the icon, centred, while minimised; otherwise the default.
void CSplashDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  framework::CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
  RECT client;
  GetClientRect(&client);
  int x = (client.right - client.left - framework::GetSystemMetrics(SM_CXICON) + 1) / 2;
  int y = (client.bottom - client.top - framework::GetSystemMetrics(SM_CYICON) + 1) / 2;
  dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CSplashDlg::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_hIcon); }

void CSplashDlg::OnDestroy() {
  CDialog::OnDestroy();
  KillTimer(launcher::kSplashTimerId);
}

int CSplashDlg::OnCreate(LPCREATESTRUCTA create) {
  if (CDialog::OnCreate(create) == -1) return -1;
  // No timer procedure: the ticks arrive as WM_TIMER.
  SetTimer(launcher::kSplashTimerId, launcher::kSplashTickMs, nullptr);
  return 0;
}

void CSplashDlg::OnTimer(UINT_PTR id) {
  watch_.Tick(m_hProcess, *this);
  // A tick that closed the splash leaves no window to pass the message to.
  if (m_hWnd) CDialog::OnTimer(id);
}

void CSplashDlg::OnLButtonDown(UINT flags, POINT point) {
  Close();
  if (m_hWnd) CDialog::OnLButtonDown(flags, point);
}

// The splash is the application's main window: its end ends the modal run
// and with it the launcher.
void CSplashDlg::Close() { DestroyWindow(); }
