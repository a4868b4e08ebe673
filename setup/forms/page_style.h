// What every wizard page shares: an MDI child with a fixed single border,
// no title-bar buttons, the button-face colour and the default Japanese
// user-interface font at 12 pixels, centred over the main window and
// visible from creation; its close event goes to OnClose.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "toolkit/form_description.h"

namespace forms {

inline toolkit::FormDescription WizardPage(std::string name, std::string caption,
                                           std::vector<toolkit::ControlDescription> controls, int clientWidth = 302,
                                           int clientHeight = 143) {
  toolkit::FormDescription page;
  page.kind = toolkit::FormKind::MdiChild;
  page.name = std::move(name);
  page.caption = std::move(caption);
  page.border = toolkit::BorderStyle::FixedSingle;
  page.titleBarButtons = false;
  page.clientWidth = clientWidth;
  page.clientHeight = clientHeight;
  page.colour = toolkit::Colour::System(toolkit::Colour::kButtonFace);
  page.font = {"ＭＳ Ｐゴシック", 12};
  page.visible = true;
  page.centreOverMainForm = true;
  page.events = {{toolkit::Event::Close, "OnClose"}};
  page.controls = std::move(controls);
  return page;
}

inline toolkit::ControlDescription PushButton(std::string name, std::string caption, toolkit::Rect bounds, int tabOrder,
                                              std::string onClick) {
  toolkit::ControlDescription button;
  button.kind = toolkit::ControlKind::Button;
  button.name = std::move(name);
  button.caption = std::move(caption);
  button.bounds = bounds;
  button.tabOrder = tabOrder;
  button.events = {{toolkit::Event::Click, std::move(onClick)}};
  return button;
}

inline toolkit::ControlDescription CheckBox(std::string name, std::string caption, toolkit::Rect bounds, int tabOrder) {
  toolkit::ControlDescription box;
  box.kind = toolkit::ControlKind::CheckBox;
  box.name = std::move(name);
  box.caption = std::move(caption);
  box.bounds = bounds;
  box.tabOrder = tabOrder;
  return box;
}

inline toolkit::ControlDescription Label(std::string name, std::string caption, toolkit::Rect bounds) {
  toolkit::ControlDescription label;
  label.kind = toolkit::ControlKind::Label;
  label.name = std::move(name);
  label.caption = std::move(caption);
  label.bounds = bounds;
  return label;
}

}  // namespace forms
