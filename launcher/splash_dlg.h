// The splash window: the product's picture in a captionless, top-most popup
// that the launcher shows while the Java runtime starts the application. It
// closes at the first tick of its timer (every 2,000 ms) that finds a
// top-level window whose title begins with the product name, or finds the
// Java process ended, and at once on a click.
#pragma once

#include "launcher/framework/dialog.h"
#include "launcher/framework/static_control.h"
#include "launcher/splash/splash_watch.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_window_search.h"

class CSplashDlg final : public framework::CDialog, private launcher::SplashWatch::Splash {
 public:
  explicit CSplashDlg(framework::CWnd* parent = nullptr);

  framework::CStatic m_picture;  // control 1000, showing bitmap 133
  HICON m_hIcon;                 // a shared resource icon: never destroyed
  // The Java process, set before the modal run; waited on, never closed.
  HANDLE m_hProcess = nullptr;

 protected:
  void DoDataExchange(framework::CDataExchange* exchange) override;
  BOOL OnInitDialog() override;

  void OnPaint() override;
  HCURSOR OnQueryDragIcon() override;
  void OnDestroy() override;
  int OnCreate(LPCREATESTRUCTA create) override;
  void OnTimer(UINT_PTR id) override;
  void OnLButtonDown(UINT flags, POINT point) override;

 private:
  void Close() override;  // destroys the window; nothing when it is gone

  platform::Win32WindowSearch windows_;
  platform::Win32Process process_;
  launcher::SplashWatch watch_;
};
