#include "setup/forms/forms.h"
#include "setup/forms/page_style.h"

namespace forms {

// The shortcut page; its start button begins the installation.
const toolkit::FormDescription& CreateShortcutView() {
  static const toolkit::FormDescription form =
      WizardPage("TCreateShortcutView", "ショートカットの作成",
                 {CheckBox("chkStartMenu", "スタートメニューにショートカットを追加する", {16, 24, 249, 25}, 0),
                  CheckBox("chkDesktop", "デスクトップにショートカットを追加する", {16, 64, 241, 25}, 1),
                  PushButton("btnFinish", "開始", {208, 104, 81, 25}, 2, "btnFinishClick"),
                  PushButton("btnBack", "< 戻る", {16, 104, 81, 25}, 3, "btnBackClick"),
                  PushButton("btnCancel", "中止", {112, 104, 81, 25}, 4, "btnCancelClick")});
  return form;
}

}  // namespace forms
