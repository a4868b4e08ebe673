#include "toolkit/form.h"

#include <algorithm>

namespace toolkit {

namespace {

// The order in which controls are made, which is also their z-order: by tab
// order, each label just before the control its access key focuses (that is
// where the dialog manager looks for it), other controls first.
std::vector<const ControlDescription*> CreationOrder(const std::vector<ControlDescription>& controls) {
  auto key = [&controls](const ControlDescription& control) {
    if (control.tabOrder >= 0) return control.tabOrder * 2 + 1;
    for (const ControlDescription& target : controls)
      if (!control.focusControl.empty() && target.name == control.focusControl && target.tabOrder >= 0)
        return target.tabOrder * 2;
    return -1;
  };
  std::vector<const ControlDescription*> order;
  for (const ControlDescription& control : controls) order.push_back(&control);
  std::stable_sort(order.begin(), order.end(),
                   [&key](const ControlDescription* a, const ControlDescription* b) { return key(*a) < key(*b); });
  return order;
}

template <class T>
void Erase(std::vector<T*>& list, T* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

Form::Form(Application& app, Form* owner, const FormDescription& description)
    : Object(description.name), app_(app), owner_(owner), description_(description) {
  if (description_.kind == FormKind::MdiChild) {
    frame_ = app_.MainForm();
    if (frame_ == nullptr || frame_->description_.kind != FormKind::MdiFrame)
      throw Exception("'" + Name() + "' is an MDI child and needs an MDI frame as the main form");
  }
  peer_ = app_.WindowSystem().CreateFormWindow(*this, frame_);
  for (const ControlDescription* control : CreationOrder(description_.controls)) {
    if (control->kind == ControlKind::Timer)
      timers_.push_back(std::make_unique<Timer>(*this, *control));
    else
      controls_.push_back(MakeControl(*this, *control));
  }
  // Registered last: a constructor that throws leaves nothing behind.
  (owner_ ? owner_->owned_ : app_.forms_).push_back(this);
  if (frame_) frame_->mdiChildren_.push_back(this);
}

Form::~Form() {
  TearDown();
  Erase(owner_ ? owner_->owned_ : app_.forms_, this);
}

void Form::TearDown() {
  while (!owned_.empty()) app_.FreeForm(*owned_.back());
  if (frame_) Erase(frame_->mdiChildren_, this);
  frame_ = nullptr;
  for (Form* child : mdiChildren_) child->frame_ = nullptr;
  mdiChildren_.clear();
  timers_.clear();
  controls_.clear();
  peer_.reset();
}

void Form::AfterConstruction() {
  auto requireWired = [this](const std::vector<EventBinding>& events) {
    for (const EventBinding& binding : events)
      if (!wired_.count(binding.handler))
        throw Exception("'" + Name() + "' does not wire its handler '" + binding.handler + "'");
  };
  requireWired(description_.events);
  for (const ControlDescription& control : description_.controls) requireWired(control.events);

  if (OnCreate) OnCreate(*this);
  if (description_.kind == FormKind::MdiChild && description_.visible) Show();
}

void Form::Destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (OnDestroy) app_.Guard([this] { OnDestroy(*this); });
  TearDown();
}

void Form::Show() {
  if (!releasing_) closed_ = false;
  if (peer_->Visible()) return;
  peer_->SetVisible(true);
  if (OnShow) app_.Guard([this] { OnShow(*this); });
}

void Form::Hide() { peer_->SetVisible(false); }

void Form::Close() {
  CloseAction action = CloseAction::Hide;
  if (OnClose) OnClose(*this, action);
  if (action == CloseAction::None) return;
  if (this != app_.MainForm()) closed_ = true;
  if (this == app_.MainForm()) {
    app_.Terminate();
  } else if (action == CloseAction::Free) {
    Release();
  } else {
    Hide();
  }
}

void Form::Release() {
  if (releasing_) return;
  releasing_ = true;
  peer_->PostRelease();
}

void Form::HandleCloseRequest() {
  // A page without title-bar buttons has no close box and no system menu:
  // such a close (Ctrl+F4, a stray WM_CLOSE) is not the user's, and a page
  // ends only the ways its own flow gives.
  if (description_.kind == FormKind::MdiChild && !description_.titleBarButtons) return;
  if (!TakesInput()) return;
  app_.Guard([this] { Close(); });
}

bool Form::TakesInput() const { return !closed_ && !releasing_ && !destroyed_ && !app_.Terminated(); }

void Form::RunHandler(HandlerKind kind, const std::function<void()>& handler) {
  if (kind != HandlerKind::Change && !TakesInput()) return;
  if (kind == HandlerKind::Click && clickRunning_) return;
  struct OnStack {
    Form& form;
    bool click;
    OnStack(Form& f, bool c) : form(f), click(c) {
      ++form.handlersRunning_;
      if (click) form.clickRunning_ = true;
    }
    ~OnStack() {
      if (click) form.clickRunning_ = false;
      if (--form.handlersRunning_ == 0 && form.freeWhenIdle_) {
        form.freeWhenIdle_ = false;
        form.peer_->PostRelease();  // the caller still stands in this form's control or timer
      }
    }
  } onStack(*this, kind == HandlerKind::Click);
  app_.Guard(handler);
}

void Form::ReleaseDue() {
  if (handlersRunning_ > 0) {
    freeWhenIdle_ = true;
    return;
  }
  app_.FreeForm(*this);
}

int Form::ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
  return app_.WindowSystem().ShowMessageBox(Handle(), text, caption, flags);
}

LResult Form::CallClientProcedure(WindowProcedure procedure, HWND window, UINT message, WParam wParam, LParam lParam) {
  return app_.WindowSystem().CallPreviousProcedure(procedure, window, message, wParam, lParam);
}

Object* Form::FindObject(const std::string& name) const {
  for (const auto& control : controls_)
    if (control->Name() == name) return control.get();
  for (const auto& timer : timers_)
    if (timer->Name() == name) return timer.get();
  return nullptr;
}

void Form::Wire(const std::string& handler, NotifyEvent method) {
  bool found = false;
  for (const EventBinding& binding : description_.events) {
    if (binding.handler != handler) continue;
    found = true;
    switch (binding.event) {
      case Event::Create:
        OnCreate = method;
        break;
      case Event::Show:
        OnShow = method;
        break;
      case Event::Destroy:
        OnDestroy = method;
        break;
      default:
        throw Exception("'" + handler + "' has the wrong signature for its event");
    }
  }
  for (const auto& control : controls_) {
    for (const EventBinding& binding : control->Description().events) {
      if (binding.handler != handler) continue;
      found = true;
      control->BindEvent(binding.event, method);
    }
  }
  for (const auto& timer : timers_) {
    for (const EventBinding& binding : timer->Description().events) {
      if (binding.handler != handler) continue;
      if (binding.event != Event::Timer) throw Exception("'" + handler + "' is bound to an event timers lack");
      found = true;
      timer->OnTimer = method;
    }
  }
  if (!found) throw Exception("no event of '" + Name() + "' names the handler '" + handler + "'");
  wired_.insert(handler);
}

void Form::Wire(const std::string& handler, CloseEvent method) {
  bool found = false;
  for (const EventBinding& binding : description_.events) {
    if (binding.handler != handler) continue;
    if (binding.event != Event::Close) throw Exception("'" + handler + "' has the wrong signature for its event");
    found = true;
    OnClose = method;
  }
  if (!found) throw Exception("no event of '" + Name() + "' names the handler '" + handler + "'");
  wired_.insert(handler);
}

}  // namespace toolkit
