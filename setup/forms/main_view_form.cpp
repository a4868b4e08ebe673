#include "setup/forms/forms.h"

namespace forms {

// The main window: an MDI frame that opens maximised over a blue workspace.
const toolkit::FormDescription& MainView() {
  static const toolkit::FormDescription form = [] {
    toolkit::FormDescription frame;
    frame.kind = toolkit::FormKind::MdiFrame;
    frame.name = "TMainView";
    frame.caption = "Tessal　インストーラー";
    frame.border = toolkit::BorderStyle::Sizeable;
    frame.titleBarButtons = true;
    frame.state = toolkit::WindowState::Maximized;
    frame.bounds = {327, 114, 870, 640};
    frame.colour = toolkit::Colour::Rgb(0, 0, 255);
    frame.font = {"ＭＳ Ｐゴシック", 12};
    frame.visible = false;  // the event loop shows the main window
    frame.centreOverMainForm = false;
    frame.events = {{toolkit::Event::Create, "OnCreate"},
                    {toolkit::Event::Show, "OnShow"},
                    {toolkit::Event::Close, "OnClose"},
                    {toolkit::Event::Destroy, "OnDestroy"}};
    return frame;
  }();
  return form;
}

}  // namespace forms
