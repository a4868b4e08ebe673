// The application object: one per program. It creates forms, runs the event
// loop until termination is requested, and shows errors that escape event
// handlers with the standard exception display.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/exception.h"
#include "toolkit/backend.h"

namespace toolkit {

class Form;

class Application {
 public:
  explicit Application(Backend& backend);
  // Destroys every form that is left (their OnDestroy runs), newest first.
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  void Initialize();
  const std::string& Title() const { return title_; }
  // The text of the program's taskbar button and the caption of the
  // standard exception display.
  void SetTitle(const std::string& title);

  // Builds a form of class T with T(Application&, args...); then its
  // OnCreate runs and a visible MDI child is shown. The first form created
  // becomes the main form. The form belongs to its owner, or to the
  // application when it has none. An error while building is passed on.
  template <class T, class... Args>
  T& CreateForm(Args&&... args) {
    T* form = new T(*this, std::forward<Args>(args)...);
    try {
      form->AfterConstruction();
    } catch (...) {
      FreeForm(*form);  // a form that could not be built leaves nothing behind
      throw;
    }
    if (mainForm_ == nullptr) mainForm_ = form;
    return *form;
  }
  Form* MainForm() const { return mainForm_; }

  // Shows the main form (its OnShow runs) and dispatches messages until
  // termination is requested.
  void Run();
  // The termination request: posts the quit message. The event loop ends
  // when control comes back to it; no close question is asked.
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles every pending message, then returns.
  void ProcessMessages();

  // The error's message, with a full stop appended when its last character
  // sorts above ".", captioned with the title, OK and the error icon.
  void ShowException(const Exception& error);
  // Runs an event handler; an error it raises goes to ShowException, so
  // that nothing is thrown through the window system.
  void Guard(const std::function<void()>& handler);

  Backend& WindowSystem() const { return backend_; }
  HWND Handle() const { return backend_.ApplicationHandle(); }

  // Called by the backends.
  void FreeForm(Form& form);  // a form's deferred free has come due
  void QuitReceived() { terminated_ = true; }

 private:
  friend class Form;

  Backend& backend_;
  std::string title_;
  Form* mainForm_ = nullptr;
  bool terminated_ = false;
  std::vector<Form*> forms_;  // the forms without owner, oldest first
};

}  // namespace toolkit
