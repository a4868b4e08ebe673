#include "setup/forms/forms.h"
#include "setup/forms/page_style.h"

namespace forms {

// The SendTo/XML options page.
const toolkit::FormDescription& AddChainView() {
  static const toolkit::FormDescription form =
      WizardPage("TAddChainView", "ＸＭＬファイルの関連付け",
                 {PushButton("btnBack", "< 戻る", {16, 104, 81, 25}, 0, "btnBackClick"),
                  PushButton("btnCancel", "中止", {112, 104, 81, 25}, 1, "btnCancelClick"),
                  PushButton("btnNext", "次へ >", {208, 104, 81, 25}, 2, "btnNextClick"),
                  CheckBox("chkAddSend", "ファイルを送るに追加する", {24, 24, 257, 17}, 3),
                  CheckBox("chkChainXML", "XMLファイルに関連付ける", {24, 56, 265, 25}, 4)});
  return form;
}

}  // namespace forms
