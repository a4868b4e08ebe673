#include "setup/forms/forms.h"
#include "setup/forms/page_style.h"

namespace forms {

// The install-folder page: the folder, a browse button, Abort and Next.
const toolkit::FormDescription& SelectInstallFolderView() {
  static const toolkit::FormDescription form = [] {
    toolkit::ControlDescription prompt = Label("Label1", "インストール先を指定してください(&D)", {16, 24, 183, 12});
    prompt.focusControl = "txtInstallFolder";
    prompt.autoSize = true;

    toolkit::ControlDescription folder;
    folder.kind = toolkit::ControlKind::Edit;
    folder.name = "txtInstallFolder";
    folder.bounds = {16, 40, 241, 20};
    folder.tabOrder = 0;
    folder.events = {{toolkit::Event::Change, "OnChange"}};

    toolkit::ControlDescription next = PushButton("btnNext", "次へ >", {208, 104, 81, 25}, 3, "btnNextClick");
    next.enabled = false;

    return WizardPage(
        "TSelectInstallFolderView", "フォルダの選択",
        {prompt, folder, PushButton("btnFolderDialog", "...", {256, 40, 25, 20}, 1, "btnFolderDialogClick"),
         PushButton("btnCancel", "中止", {112, 104, 81, 25}, 2, "btnCancelClick"), next});
  }();
  return form;
}

}  // namespace forms
