// The backend for native tests: windows in memory. A test drives forms the
// way a user would (click, type, toggle, close, fire a timer), scripts the
// answers to message boxes and reads what was shown, and sees termination
// requests, freed forms and what was painted on a frame's workspace.
//
// Like the real event loop, every driven event finishes with the work that
// was posted during it: forms that asked to be freed are freed then.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/timer.h"

namespace toolkit::headless {

class HeadlessFormWindow;

class HeadlessBackend final : public Backend {
 public:
  struct MessageBoxShown {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT flags = 0;
    int answer = 0;
  };
  // One copy of a picture onto a device context.
  struct Blit {
    DeviceContext dc = nullptr;
    int x = 0, y = 0, width = 0, height = 0;
  };

  HeadlessBackend();
  ~HeadlessBackend() override;

  // Driving. Each returns false, doing nothing, where a user could not act:
  // a disabled or hidden control, a hidden form, a disabled timer.
  bool Click(Button& button);
  bool Toggle(CheckBox& box);
  bool Type(Edit& edit, const std::string& text);
  bool FireTimer(Timer& timer);
  // Two clicks queued at once (a double click, or two on a slow machine):
  // the second is delivered after the first one's handler, before the work
  // that handler posted. False when the first could not be delivered.
  bool ClickTwice(Button& button);
  // The close box of the form's window (or Alt+F4).
  void CloseByUser(Form& form);
  // Sends a message to the MDI client of a frame through its current window
  // procedure; a device context for WM_ERASEBKGND can be any value.
  LResult SendToClient(Form& frame, UINT message, WParam wParam, LParam lParam);

  // Message boxes: the next one is answered with button; without a scripted
  // answer a box is answered with its first button (OK or Yes).
  void AnswerNextMessageBox(int button) { answers_.push_back(button); }
  const std::vector<MessageBoxShown>& MessageBoxes() const { return shown_; }
  // Runs while the next message box is up, as its modal loop dispatches
  // what was queued (a second click), followed by the posted work (frees).
  void DuringNextMessageBox(std::function<void()> action) { duringMessageBox_ = std::move(action); }
  int PendingAnswers() const { return static_cast<int>(answers_.size()); }

  // Runs at every pass of message processing that the program asks for
  // (Application::ProcessMessages): a test acts there as a user would while
  // the program is busy, e.g. clicks Abort during a long run. Not again
  // while the hook itself runs; the posted work follows it.
  void OnProcessMessages(std::function<void()> hook) { processMessagesHook_ = std::move(hook); }

  bool QuitPosted() const { return quitPosted_; }
  // Whether the form still has its window (false once it was freed).
  bool WindowExists(const Form* form) const { return alive_.count(form) != 0; }
  // The names of the forms freed so far, in order.
  const std::vector<std::string>& FreedForms() const { return freed_; }

  // Bitmap files that LoadBitmapFile finds, by name as given.
  void AddBitmapFile(const std::string& fileName, int width, int height);
  const std::vector<Blit>& Blits() const { return blits_; }
  // How many drawings (each one memory device context) were begun.
  int Drawings() const { return drawings_; }
  // The part of every device context that is being painted; the whole
  // surface unless a test sets a smaller one.
  void SetPaintedArea(Rect area) { paintedArea_ = area; }
  // The colour fills of workspaces erased by the toolkit's own procedure.
  int WorkspaceFills() const { return workspaceFills_; }
  void SetScreenSize(int width, int height);

  // Backend
  std::unique_ptr<FormPeer> CreateFormWindow(Form& form, Form* frame) override;
  std::unique_ptr<WindowPeer> CreateControlWindow(Control& control, Form& parent) override;
  std::unique_ptr<TimerPeer> CreateTimer(Timer& timer, Form& parent) override;
  std::unique_ptr<BitmapPeer> LoadBitmapFile(const std::string& fileName) override;
  int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;
  LResult CallPreviousProcedure(WindowProcedure procedure, HWND window, UINT message, WParam wParam,
                                LParam lParam) override;
  Rect PaintedArea(DeviceContext) override { return paintedArea_; }
  void SetTitle(const std::string& title) override { title_ = title; }
  const std::string& Title() const { return title_; }
  HWND ApplicationHandle() const override { return applicationHandle_; }
  void RunLoop(Application& application) override;
  void ProcessMessages(Application& application) override;
  void PostQuit() override { quitPosted_ = true; }

  // Used by the in-memory windows.
  HWND NewHandle();
  void Created(const Form* form) { alive_.insert(form); }
  void Destroyed(const Form* form, HeadlessFormWindow* window);
  // The in-memory window of a form that still has one, or nullptr.
  HeadlessFormWindow* WindowOf(const Form& form) const;
  void QueueRelease(HeadlessFormWindow* window) { releases_.push_back(window); }
  void RecordBlit(const Blit& blit) { blits_.push_back(blit); }
  void RecordDrawing() { ++drawings_; }
  void RecordWorkspaceFill() { ++workspaceFills_; }
  int ScreenWidth() const { return screenWidth_; }
  int ScreenHeight() const { return screenHeight_; }

 private:
  // Frees the forms that asked for it, as the event loop would next.
  void RunPosted();

  std::deque<int> answers_;
  std::vector<MessageBoxShown> shown_;
  std::vector<Blit> blits_;
  std::map<std::string, std::pair<int, int>> bitmapFiles_;
  std::set<const Form*> alive_;
  std::vector<std::string> freed_;
  std::vector<HeadlessFormWindow*> releases_;
  std::vector<HeadlessFormWindow*> windows_;
  std::function<void()> processMessagesHook_;
  std::function<void()> duringMessageBox_;
  bool inProcessMessagesHook_ = false;
  std::string title_;
  HWND applicationHandle_;
  ULONG_PTR nextHandle_ = 0x10000;
  int workspaceFills_ = 0;
  int drawings_ = 0;
  Rect paintedArea_{0, 0, 0x7FFF, 0x7FFF};
  int screenWidth_ = 1280, screenHeight_ = 1024;
  bool quitPosted_ = false;
};

}  // namespace toolkit::headless
