// A form: a window built from its form description, with its controls and
// timers. A form class derives from Form, finds its controls by name and
// binds the handler names of the description to its methods, all in its
// constructor:
//
//   TAddChainView::TAddChainView(Application& app, TMainView& owner)
//       : Form(app, &owner, forms::AddChainView) {
//     Bind(btnNext, "btnNext");
//     Wire("btnNextClick", &TAddChainView::btnNextClick);
//   }
//
// Every handler that the description names must be wired; the application
// checks that before OnCreate runs.
#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/backend.h"
#include "toolkit/controls.h"
#include "toolkit/events.h"
#include "toolkit/form_description.h"
#include "toolkit/timer.h"

namespace toolkit {

class Form : public Object {
 public:
  Form(Application& app, Form* owner, const FormDescription& description);
  // Destroys the windows without raising events; owned forms go first.
  ~Form() override;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  NotifyEvent OnCreate;
  NotifyEvent OnShow;
  CloseEvent OnClose;
  NotifyEvent OnDestroy;

  Application& App() const { return app_; }
  Form* Owner() const { return owner_; }
  const FormDescription& Description() const { return description_; }

  std::string Caption() const { return peer_->Text(); }
  void SetCaption(const std::string& caption) { peer_->SetText(caption); }
  int ClientWidth() const { return peer_->ClientWidth(); }
  int ClientHeight() const { return peer_->ClientHeight(); }
  HWND Handle() const { return peer_ ? peer_->Handle() : nullptr; }

  bool Visible() const { return peer_->Visible(); }
  // Shows the form (a frame in its window state); OnShow runs when the form
  // becomes visible, and an error it raises goes to the exception display.
  void Show();
  void Hide();
  // The close protocol: OnClose may change the action (default: hide).
  // None refuses the close; Free frees the form once the current event is
  // over. Closing the main form in any other way terminates the program.
  void Close();
  // Frees the form once the current event is over.
  void Release();

  // The form's lifecycle, one rule for every way in: a form takes input
  // (clicks, timer events, a close request from the window system) only
  // while it is open, that is not after its close went through (its result
  // is handed over) nor once the application is ending; a click waits for
  // no other click of the same form (a second click queued behind the first
  // is dropped, also when it arrives inside the first one's message box);
  // the window system may close only a form that the user has a means to
  // close (a frame, a page with title-bar buttons). And a form is freed only
  // when none of its handlers is on the stack.
  enum class HandlerKind { Click, Timer, Change };
  bool TakesInput() const;
  // Runs one of this form's event handlers under that rule; a change event
  // (also raised by code setting a text) always runs.
  void RunHandler(HandlerKind kind, const std::function<void()>& handler);

  // A message box owned by this form; the button pressed (IDOK, ...).
  int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);

  // MDI frames: the MDI client window, the replacement of its window
  // procedure (the previous one is returned) and the call of a previous
  // procedure, and the MDI children, oldest first.
  HWND ClientHandle() const { return peer_->ClientHandle(); }
  WindowProcedure SubclassClient(ClientHandler handler) { return peer_->SubclassClient(std::move(handler)); }
  LResult CallClientProcedure(WindowProcedure procedure, HWND window, UINT message, WParam wParam, LParam lParam);
  std::vector<Form*> MdiChildren() const { return mdiChildren_; }
  // The part of a device context that is being painted.
  Rect PaintedArea(DeviceContext dc) const { return app_.WindowSystem().PaintedArea(dc); }

  // The control or timer of that name and class; raises Exception when
  // there is none.
  template <class T>
  T& Find(const std::string& name) const {
    T* found = dynamic_cast<T*>(FindObject(name));
    if (found == nullptr) throw Exception("'" + Name() + "' has no control '" + name + "' of the expected kind");
    return *found;
  }
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  const std::vector<std::unique_ptr<Timer>>& Timers() const { return timers_; }

  // Called once by Application::CreateForm after the constructor.
  void AfterConstruction();
  // Called by the application: OnDestroy, then the owned forms and windows.
  void Destroy();
  // Called by the backends when the user asks to close the window.
  void HandleCloseRequest();
  // Called by the backends when the deferred free has come due: frees the
  // form, or, while one of its handlers is still running, posts the free
  // again once the last of them has returned.
  void ReleaseDue();

 protected:
  template <class T>
  void Bind(T*& field, const std::string& name) {
    field = &Find<T>(name);
  }
  // Binds every event that the description wires to handler.
  void Wire(const std::string& handler, NotifyEvent method);
  void Wire(const std::string& handler, CloseEvent method);
  template <class F>
  void Wire(const std::string& handler, void (F::*method)(Object&)) {
    F* self = static_cast<F*>(this);
    Wire(handler, NotifyEvent([self, method](Object& sender) { (self->*method)(sender); }));
  }
  template <class F>
  void Wire(const std::string& handler, void (F::*method)(Object&, CloseAction&)) {
    F* self = static_cast<F*>(this);
    Wire(handler, CloseEvent([self, method](Object& sender, CloseAction& action) { (self->*method)(sender, action); }));
  }

 private:
  Object* FindObject(const std::string& name) const;
  void TearDown();

  Application& app_;
  Form* owner_;
  FormDescription description_;
  Form* frame_ = nullptr;  // MDI children: the frame that hosts them
  std::unique_ptr<FormPeer> peer_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::unique_ptr<Timer>> timers_;
  std::vector<Form*> owned_;
  std::vector<Form*> mdiChildren_;
  std::set<std::string> wired_;
  bool destroyed_ = false;
  bool releasing_ = false;
  bool closed_ = false;        // its close went through: no further input
  bool clickRunning_ = false;  // a click handler is on the stack
  int handlersRunning_ = 0;    // handlers of this form on the stack
  bool freeWhenIdle_ = false;  // the free came due while handlers ran
};

}  // namespace toolkit
