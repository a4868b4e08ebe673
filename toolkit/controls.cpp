#include "toolkit/controls.h"

#include "toolkit/form.h"

namespace toolkit {

namespace {

void Fire(Control& control, Form::HandlerKind kind, const NotifyEvent& handler) {
  if (handler) control.Parent().RunHandler(kind, [&] { handler(control); });
}

}  // namespace

Control::Control(Form& parent, const ControlDescription& description)
    : Object(description.name), parent_(parent), description_(description) {
  peer_ = parent.App().WindowSystem().CreateControlWindow(*this, parent);
}

Control::~Control() = default;

void Control::BindEvent(Event, NotifyEvent) { throw Exception("control '" + Name() + "' has no such event"); }

void Button::HandleClick() { Fire(*this, Form::HandlerKind::Click, OnClick); }

void Button::BindEvent(Event event, NotifyEvent handler) {
  if (event != Event::Click) return Control::BindEvent(event, handler);
  OnClick = std::move(handler);
}

void CheckBox::HandleClick() { Fire(*this, Form::HandlerKind::Click, OnClick); }

void CheckBox::BindEvent(Event event, NotifyEvent handler) {
  if (event != Event::Click) return Control::BindEvent(event, handler);
  OnClick = std::move(handler);
}

void Edit::HandleChange() { Fire(*this, Form::HandlerKind::Change, OnChange); }

void Edit::BindEvent(Event event, NotifyEvent handler) {
  if (event != Event::Change) return Control::BindEvent(event, handler);
  OnChange = std::move(handler);
}

std::unique_ptr<Control> MakeControl(Form& parent, const ControlDescription& description) {
  switch (description.kind) {
    case ControlKind::Button:
      return std::make_unique<Button>(parent, description);
    case ControlKind::CheckBox:
      return std::make_unique<CheckBox>(parent, description);
    case ControlKind::Edit:
      return std::make_unique<Edit>(parent, description);
    case ControlKind::Label:
      return std::make_unique<Label>(parent, description);
    case ControlKind::Timer:
      break;
  }
  throw Exception("'" + description.name + "' is not a window control");
}

}  // namespace toolkit
