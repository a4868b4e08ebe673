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

  // A message box owned by this form; the button pressed (IDOK, ...).
  int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);

  // MDI frames: the MDI client window, the replacement of its window
  // procedure (the previous one is returned) and the call of a previous
  // procedure, and the MDI children, oldest first.
  HWND ClientHandle() const { return peer_->ClientHandle(); }
  WindowProcedure SubclassClient(ClientHandler handler) { return peer_->SubclassClient(std::move(handler)); }
  LResult CallClientProcedure(WindowProcedure procedure, HWND window, UINT message, WParam wParam, LParam lParam);
  std::vector<Form*> MdiChildren() const { return mdiChildren_; }

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
};

}  // namespace toolkit
