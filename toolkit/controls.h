// The controls a form description can hold: push button, check box,
// single-line edit and label. Each is made by the form from its description
// and lives as long as the form.
#pragma once

#include <memory>
#include <string>

#include "toolkit/backend.h"
#include "toolkit/events.h"
#include "toolkit/form_description.h"

namespace toolkit {

class Form;

class Control : public Object {
 public:
  Control(Form& parent, const ControlDescription& description);
  ~Control() override;

  Form& Parent() const { return parent_; }
  const ControlDescription& Description() const { return description_; }
  HWND Handle() const { return peer_ ? peer_->Handle() : nullptr; }

  std::string Caption() const { return peer_->Text(); }
  void SetCaption(const std::string& caption) { peer_->SetText(caption); }
  bool Enabled() const { return peer_->Enabled(); }
  void SetEnabled(bool enabled) { peer_->SetEnabled(enabled); }
  bool Visible() const { return peer_->Visible(); }

  // Called by the backends when the user clicks the control or its text
  // changes; not handled: nothing happens.
  virtual void HandleClick() {}
  virtual void HandleChange() {}
  // Binds an event of the description; raises Exception for an event the
  // control does not have.
  virtual void BindEvent(Event event, NotifyEvent handler);

 protected:
  WindowPeer& Peer() const { return *peer_; }

 private:
  Form& parent_;
  const ControlDescription& description_;
  std::unique_ptr<WindowPeer> peer_;
};

class Button : public Control {
 public:
  using Control::Control;
  NotifyEvent OnClick;
  void HandleClick() override;
  void BindEvent(Event event, NotifyEvent handler) override;
};

class CheckBox : public Control {
 public:
  using Control::Control;
  NotifyEvent OnClick;
  bool Checked() const { return Peer().Checked(); }
  void SetChecked(bool checked) { Peer().SetChecked(checked); }
  void HandleClick() override;
  void BindEvent(Event event, NotifyEvent handler) override;
};

// Setting the text, by the user or by code, raises OnChange.
class Edit : public Control {
 public:
  using Control::Control;
  NotifyEvent OnChange;
  std::string Text() const { return Caption(); }
  void SetText(const std::string& text) { SetCaption(text); }
  void HandleChange() override;
  void BindEvent(Event event, NotifyEvent handler) override;
};

class Label : public Control {
 public:
  using Control::Control;
};

// The control of the description's kind.
std::unique_ptr<Control> MakeControl(Form& parent, const ControlDescription& description);

}  // namespace toolkit
