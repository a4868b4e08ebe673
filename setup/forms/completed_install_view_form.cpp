#include "setup/forms/forms.h"
#include "setup/forms/page_style.h"

namespace forms {

// The completion page.
const toolkit::FormDescription& CompletedInstallView() {
  static const toolkit::FormDescription form = [] {
    toolkit::ControlDescription done = Label("Label1", "Tessalのインストールは正常に完了しました", {40, 48, 206, 12});
    done.alignment = toolkit::Alignment::Centre;
    done.autoSize = true;  // takes the width of its text, centred where the table puts it
    done.anchors = toolkit::AnchorLeft | toolkit::AnchorTop | toolkit::AnchorRight | toolkit::AnchorBottom;
    return WizardPage("TCompletedInstallView", "インストール完了",
                      {done, PushButton("btnOK", "OK", {104, 104, 89, 25}, 0, "btnOKClick")});
  }();
  return form;
}

}  // namespace forms
