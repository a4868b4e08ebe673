// Driving the real programs from outside, as a user would: find windows by
// their exact code page 932 captions, click buttons, set and read edit
// texts, read and answer message boxes. Everything waits with a time-out,
// so that a program that never shows a window fails a test instead of
// hanging it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kDefaultWaitMs = 15000;

// Text of any window, also of another process's edit control.
std::string WindowText(HWND window);
std::string ClassName(HWND window);

// A visible top-level window whose caption is exactly this; nullptr when
// none appears within the time.
HWND WaitForTopLevel(const std::string& caption, DWORD timeoutMs = kDefaultWaitMs);
// The same for a child window at any depth below parent (MDI pages, controls).
HWND WaitForChild(HWND parent, const std::string& caption, DWORD timeoutMs = kDefaultWaitMs);
HWND FindChild(HWND parent, const std::string& caption, const char* className = nullptr);
std::vector<HWND> Children(HWND parent);  // direct children, in z-order
// True when the window is gone (or hidden) within the time.
bool WaitUntilGone(HWND window, DWORD timeoutMs = kDefaultWaitMs);

// Clicks without waiting for the handler: a modal message box inside the
// handler would otherwise block the driver.
void Click(HWND button);
void SetText(HWND edit, const std::string& text);
bool IsChecked(HWND checkBox);
void SetChecked(HWND checkBox, bool checked);

struct MessageBoxSeen {
  HWND window = nullptr;
  std::string caption;
  std::string text;
  std::vector<int> buttons;  // control ids present: IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7
  bool hasIcon = false;
};

// The next message box (a #32770 window with the message static 65535) of
// any process; window is nullptr when none appears within the time.
MessageBoxSeen WaitForMessageBox(DWORD timeoutMs = kDefaultWaitMs);
// Presses the button with this id and waits until the box has gone.
bool Answer(const MessageBoxSeen& box, int buttonId);

}  // namespace e2e

namespace e2e {

// Processes.
struct Started {
  HANDLE process = nullptr;
  DWORD id = 0;
  DWORD error = 0;  // CreateProcessA's, when it failed
  bool ok() const { return process != nullptr; }
};
// With an application name the command line reaches the program as given
// (without one, Wine quotes an unquoted program path that holds a blank).
Started Start(const std::string& commandLine, const std::string& currentDirectory = "",
              const std::string& applicationName = "");
// The exit code, or -1 when the process has not ended within the time.
long WaitForExit(const Started& started, DWORD timeoutMs = kDefaultWaitMs);
void Kill(const Started& started);

// The stand-in Java runtime (stand_in_java.exe /hold PATH) holding a file as
// the runtime holds tessal.jar while Tessal runs: open for reading, sharing
// only reading, and mapped. Holding() once it does; it lets go when ended.
class HeldFile {
 public:
  HeldFile(const std::string& standInJava, const std::string& path);
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  ~HeldFile() { End(); }
  bool Holding() const { return holding_; }
  void End();

 private:
  Started holder_;
  bool holding_ = false;
};

// The machine: registry and files, for set-up and for checks afterwards.
bool SetRegString(HKEY root, const std::string& keyPath, const std::string& name, const std::string& value);
bool SetRegDword(HKEY root, const std::string& keyPath, const std::string& name, DWORD value);
// The string value, or "<missing>" when the key or value is absent.
std::string RegString(HKEY root, const std::string& keyPath, const std::string& name);
bool RegKeyExists(HKEY root, const std::string& keyPath);
void DeleteRegTree(HKEY root, const std::string& keyPath);

bool WriteFile(const std::string& path, const std::string& content);
// The whole content, or "<missing>".
std::string ReadFile(const std::string& path);
DWORD Attributes(const std::string& path);
bool FileExists(const std::string& path);  // a file, not a folder
// Size and last write time, to tell whether a file changed; "<missing>".
std::string SizeAndTime(const std::string& path);
bool FolderExists(const std::string& path);
bool MakeFolders(const std::string& path);  // with every missing parent
void RemoveTree(const std::string& path);
// A Linux path (of the build tree) as Windows sees it through drive Z:.
std::string WindowsPath(const std::string& linuxPath);
// The folder of the running test program, without a trailing backslash.
std::string OwnFolder();
std::string Environment(const char* name);

// A shortcut file read back through the shell's own link object; both
// fields are "<unreadable>" when it cannot be loaded.
struct Shortcut {
  std::string target, workingDirectory;
};
Shortcut ReadShortcut(const std::string& path);

// A screenshot of the whole display into the artifacts folder as NAME.png,
// when the runner was given one (TESSAL_ARTIFACTS); false otherwise.
bool Screenshot(const std::string& name);

}  // namespace e2e

namespace e2e {

// Real key presses (SendInput) into the foreground window, which is made
// the given top-level window first: the system's key state is set as by a
// user, which the MDI accelerators read. keys are held down in order and
// let go in reverse, e.g. {VK_CONTROL, VK_F4}.
bool PressKeys(HWND topLevel, const std::vector<WORD>& keys);

// The windows of the thread that owns window: the system's foreground
// window, that thread's active window and the window with its focus.
struct Activation {
  HWND foreground = nullptr, active = nullptr, focus = nullptr;
};
Activation ActivationOf(HWND window);

// The visible direct children of parent with exactly this caption.
int CountVisibleChildren(HWND parent, const std::string& caption);

}  // namespace e2e
