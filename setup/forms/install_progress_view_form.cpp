#include "setup/forms/forms.h"
#include "setup/forms/page_style.h"

namespace forms {

// The install-run page: a stage line, a detail line, Abort, and the timer
// that starts the run one second after the page appears.
const toolkit::FormDescription& InstallProgressView() {
  static const toolkit::FormDescription form = [] {
    toolkit::ControlDescription processing = Label("lblProcessing", "", {16, 16, 441, 25});
    processing.wordWrap = true;
    processing.autoSize = false;
    // A long path is clipped at the right edge rather than wrapped.
    toolkit::ControlDescription details = Label("lblDetails", "", {12, 56, 445, 25});
    details.wordWrap = false;
    details.autoSize = false;

    toolkit::ControlDescription timer;
    timer.kind = toolkit::ControlKind::Timer;
    timer.name = "Timer1";
    timer.enabled = true;
    timer.interval = 1000;
    timer.events = {{toolkit::Event::Timer, "Timer1Timer"}};

    return WizardPage(
        "TInstallProgressView", "インストール実行中...",
        {PushButton("btnCancel", "中止", {192, 104, 89, 25}, 0, "btnCancelClick"), processing, details, timer}, 465,
        143);
  }();
  return form;
}

}  // namespace forms
