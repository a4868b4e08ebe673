// One run of the real Setup.exe, and the machine around it: a Java runtime
// registered (or not) in HKLM, a picture for the workspace, and the wizard's
// windows found by their captions.
#pragma once

#include <string>

#include "tests/e2e/driver/driver.h"

namespace e2e {

inline const std::string kFrameCaption = "Tessal　インストーラー";
inline const std::string kSetupCaption = "Tessal　セットアップ";
inline const std::string kFolderPage = "フォルダの選択";
inline const std::string kChainPage = "ＸＭＬファイルの関連付け";
inline const std::string kShortcutPage = "ショートカットの作成";
inline const std::string kProgressPage = "インストール実行中...";
inline const std::string kCompletedPage = "インストール完了";
inline const std::string kJavaKey = "SOFTWARE\\JavaSoft\\Java Runtime Environment";

// Setup.exe of the build tree, as a Windows path.
std::string SetupExe();

// Registers a runtime: CurrentVersion and the version key's JavaHome; the
// home folder gets lib\ext when complete is true.
void RegisterJava(const std::string& version, const std::string& home, bool complete);
void RemoveJava();

// A 24-bit bottom-up BMP of width × height whose top-left pixel is red
// and whose other pixels are green.
bool WriteTestBitmap(const std::string& path, int width, int height);

struct SetupSession {
  Started process;
  HWND frame = nullptr;

  // Starts Setup.exe (the build's, or the one given) with the current
  // directory given and waits for its main window.
  bool Launch(const std::string& currentDirectory, const std::string& exe = SetupExe());
  // The page (MDI child) of this caption, once it is visible.
  HWND WaitForPage(const std::string& caption, DWORD timeoutMs = kDefaultWaitMs) const;
  // The page's child control with this caption, or of this class when caption is empty.
  static HWND Control(HWND page, const std::string& caption, const char* className = nullptr);
  // Ends the run, by force if it is still going; returns its exit code or -1.
  long End(DWORD timeoutMs = kDefaultWaitMs);
  ~SetupSession();
};

}  // namespace e2e
