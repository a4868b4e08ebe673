// A form with no logic of its own: every handler its description names is
// wired to a recorder, and closing frees it. Enough to build any of the
// setup program's forms and watch its events.
#pragma once

#include <string>
#include <vector>

#include "toolkit/form.h"

namespace e2e {

class ShellForm : public toolkit::Form {
 public:
  ShellForm(toolkit::Application& app, const toolkit::FormDescription& description)
      : Form(app, nullptr, description) {
    WireAll(Description().events);
    for (const toolkit::ControlDescription& control : Description().controls) WireAll(control.events);
  }

  std::vector<std::string> fired;

 private:
  void WireAll(const std::vector<toolkit::EventBinding>& events) {
    for (const toolkit::EventBinding& binding : events) {
      const std::string name = binding.handler;
      if (binding.event == toolkit::Event::Close)
        Wire(name, toolkit::CloseEvent([this, name](toolkit::Object&, toolkit::CloseAction& action) {
               fired.push_back(name);
               action = toolkit::CloseAction::Free;
             }));
      else
        Wire(name, toolkit::NotifyEvent([this, name](toolkit::Object&) { fired.push_back(name); }));
    }
  }
};

}  // namespace e2e
