// What a window system gives the toolkit. The toolkit's classes keep the
// logic (events, the close protocol, ownership); a backend makes and answers
// the windows: real ones (win32/) or windows in memory (headless/).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "toolkit/form_description.h"
#include "toolkit/gui_types.h"

namespace toolkit {

class Application;
class Control;
class Form;
class Timer;

// A window of a form or a control.
class WindowPeer {
 public:
  virtual ~WindowPeer() = default;
  virtual HWND Handle() const = 0;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  // Check boxes only.
  virtual bool Checked() const { return false; }
  virtual void SetChecked(bool) {}
};

// The MDI client's window procedure as the workspace sees it.
using ClientHandler = std::function<LResult(HWND, UINT, WParam, LParam)>;

class FormPeer : public WindowPeer {
 public:
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
  // Frames: the MDI client window, and its subclassing. Returns the
  // procedure that the handler replaces.
  virtual HWND ClientHandle() const = 0;
  virtual WindowProcedure SubclassClient(ClientHandler handler) = 0;
  // Frees the form once the event being handled is over.
  virtual void PostRelease() = 0;
};

class TimerPeer {
 public:
  virtual ~TimerPeer() = default;
  // Starts (enabled) or stops the timer with the interval in milliseconds.
  virtual void Update(bool enabled, unsigned interval) = 0;
};

// Copies of one picture onto one device context, through one memory device
// context for all of them (tiling a small picture makes many copies).
class BitmapDrawing {
 public:
  virtual ~BitmapDrawing() = default;
  // Copies the whole picture to (x, y) (SRCCOPY).
  virtual void Draw(int x, int y) = 0;
  // The picture repeated from (0, 0) in both directions over bounds (its
  // right and bottom edges clipped by the window): every copy that meets
  // bounds, column by column, each top to bottom. A backend may paint the
  // same pixels in one operation.
  virtual void Tile(int width, int height, const Rect& bounds) {
    if (width <= 0 || height <= 0) return;
    const int right = bounds.left + bounds.width, bottom = bounds.top + bounds.height;
    for (int x = bounds.left / width * width; x < right; x += width)
      for (int y = bounds.top / height * height; y < bottom; y += height) Draw(x, y);
  }
};

class BitmapPeer {
 public:
  virtual ~BitmapPeer() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual std::unique_ptr<BitmapDrawing> DrawingOn(DeviceContext dc) const = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;

  // The form's window, hidden, with the description's styles; an MDI child
  // is placed centred over the frame's workspace.
  virtual std::unique_ptr<FormPeer> CreateFormWindow(Form& form, Form* frame) = 0;
  virtual std::unique_ptr<WindowPeer> CreateControlWindow(Control& control, Form& parent) = 0;
  virtual std::unique_ptr<TimerPeer> CreateTimer(Timer& timer, Form& parent) = 0;
  // The picture of a file; a bare name is looked up in the current
  // directory. nullptr when it cannot be loaded.
  virtual std::unique_ptr<BitmapPeer> LoadBitmapFile(const std::string& fileName) = 0;

  // Every message box of the program passes here. owner may be null.
  virtual int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) = 0;
  virtual LResult CallPreviousProcedure(WindowProcedure procedure, HWND window, UINT message, WParam wParam,
                                        LParam lParam) = 0;
  // The part of a device context that is being painted (its clip box).
  virtual Rect PaintedArea(DeviceContext dc) = 0;

  virtual void SetTitle(const std::string& title) = 0;
  virtual HWND ApplicationHandle() const = 0;
  // Dispatches messages until the application has been asked to terminate.
  virtual void RunLoop(Application& application) = 0;
  // Handles every pending message and returns.
  virtual void ProcessMessages(Application& application) = 0;
  virtual void PostQuit() = 0;
};

}  // namespace toolkit
