// A form with no logic of its own: every handler its description names is
// wired to a recorder, and closing does what closeAction says (free by
// default). Enough to build any of the setup program's forms and watch its
// events, under Wine and natively.
#pragma once

#include <string>
#include <vector>

#include "toolkit/form.h"

namespace e2e {

class ShellForm : public toolkit::Form {
 public:
  ShellForm(toolkit::Application& app, const toolkit::FormDescription& description, Form* owner = nullptr)
      : Form(app, owner, description) {
    WireAll(Description().events);
    for (const toolkit::ControlDescription& control : Description().controls) WireAll(control.events);
  }

  std::vector<std::string> fired;
  // Also records "NAME:HANDLER" here when set: outlives the form.
  std::vector<std::string>* log = nullptr;
  toolkit::CloseAction closeAction = toolkit::CloseAction::Free;

 private:
  void WireAll(const std::vector<toolkit::EventBinding>& events) {
    for (const toolkit::EventBinding& binding : events) {
      const std::string name = binding.handler;
      if (binding.event == toolkit::Event::Close)
        Wire(name, toolkit::CloseEvent([this, name](toolkit::Object&, toolkit::CloseAction& action) {
               Record(name);
               action = closeAction;
             }));
      else
        Wire(name, toolkit::NotifyEvent([this, name](toolkit::Object&) { Record(name); }));
    }
  }
  void Record(const std::string& handler) {
    fired.push_back(handler);
    if (log) log->push_back(Name() + ":" + handler);
  }
};

}  // namespace e2e
