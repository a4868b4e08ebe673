// The six form descriptions carry the values of the setup program's window
// tables: one table per form, a row per control.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/forms/forms.h"
#include "tests/support/bytes.h"

namespace {

using toolkit::ControlKind;
using toolkit::Event;
using toolkit::FormDescription;

struct ControlRow {
  const char* name;
  ControlKind kind;
  const char* caption;
  int left, top, width, height;
  int tabOrder;
  bool enabled;
  const char* clickOrChange;  // the handler of its click/change event, "" for none
};

struct FormRow {
  const FormDescription& (*description)();
  const char* name;
  const char* caption;
  int clientWidth, clientHeight;
  std::vector<ControlRow> controls;
};

const Event kClick = Event::Click;

std::vector<FormRow> Pages() {
  return {
      {forms::SelectInstallFolderView,
       "TSelectInstallFolderView",
       "フォルダの選択",
       302,
       143,
       {{"Label1", ControlKind::Label, "インストール先を指定してください(&D)", 16, 24, 183, 12, -1, true, ""},
        {"txtInstallFolder", ControlKind::Edit, "", 16, 40, 241, 20, 0, true, "OnChange"},
        {"btnFolderDialog", ControlKind::Button, "...", 256, 40, 25, 20, 1, true, "btnFolderDialogClick"},
        {"btnCancel", ControlKind::Button, "中止", 112, 104, 81, 25, 2, true, "btnCancelClick"},
        {"btnNext", ControlKind::Button, "次へ >", 208, 104, 81, 25, 3, false, "btnNextClick"}}},
      {forms::AddChainView,
       "TAddChainView",
       "ＸＭＬファイルの関連付け",
       302,
       143,
       {{"btnBack", ControlKind::Button, "< 戻る", 16, 104, 81, 25, 0, true, "btnBackClick"},
        {"btnCancel", ControlKind::Button, "中止", 112, 104, 81, 25, 1, true, "btnCancelClick"},
        {"btnNext", ControlKind::Button, "次へ >", 208, 104, 81, 25, 2, true, "btnNextClick"},
        {"chkAddSend", ControlKind::CheckBox, "ファイルを送るに追加する", 24, 24, 257, 17, 3, true, ""},
        {"chkChainXML", ControlKind::CheckBox, "XMLファイルに関連付ける", 24, 56, 265, 25, 4, true, ""}}},
      {forms::CreateShortcutView,
       "TCreateShortcutView",
       "ショートカットの作成",
       302,
       143,
       {{"chkStartMenu", ControlKind::CheckBox, "スタートメニューにショートカットを追加する", 16, 24, 249, 25, 0, true,
         ""},
        {"chkDesktop", ControlKind::CheckBox, "デスクトップにショートカットを追加する", 16, 64, 241, 25, 1, true, ""},
        {"btnFinish", ControlKind::Button, "開始", 208, 104, 81, 25, 2, true, "btnFinishClick"},
        {"btnBack", ControlKind::Button, "< 戻る", 16, 104, 81, 25, 3, true, "btnBackClick"},
        {"btnCancel", ControlKind::Button, "中止", 112, 104, 81, 25, 4, true, "btnCancelClick"}}},
      {forms::CompletedInstallView,
       "TCompletedInstallView",
       "インストール完了",
       302,
       143,
       {{"Label1", ControlKind::Label, "Tessalのインストールは正常に完了しました", 40, 48, 206, 12, -1, true, ""},
        {"btnOK", ControlKind::Button, "OK", 104, 104, 89, 25, 0, true, "btnOKClick"}}},
      {forms::InstallProgressView,
       "TInstallProgressView",
       "インストール実行中...",
       465,
       143,
       {{"btnCancel", ControlKind::Button, "中止", 192, 104, 89, 25, 0, true, "btnCancelClick"},
        {"lblProcessing", ControlKind::Label, "", 16, 16, 441, 25, -1, true, ""},
        {"lblDetails", ControlKind::Label, "", 12, 56, 445, 25, -1, true, ""},
        {"Timer1", ControlKind::Timer, "", 0, 0, 0, 0, -1, true, ""}}},
  };
}

TEST(FormDescriptions, EachPageCarriesItsTable) {
  for (const FormRow& row : Pages()) {
    const FormDescription& form = row.description();
    SCOPED_TRACE(row.name);
    EXPECT_EQ(form.name, row.name);
    EXPECT_BYTES(form.caption, row.caption);
    EXPECT_EQ(form.clientWidth, row.clientWidth);
    EXPECT_EQ(form.clientHeight, row.clientHeight);
    ASSERT_EQ(form.controls.size(), row.controls.size());
    for (const ControlRow& expected : row.controls) {
      SCOPED_TRACE(expected.name);
      const toolkit::ControlDescription* control = form.Find(expected.name);
      ASSERT_NE(control, nullptr);
      EXPECT_EQ(control->kind, expected.kind);
      EXPECT_BYTES(control->caption, expected.caption);
      if (expected.kind != ControlKind::Timer) {
        EXPECT_EQ(control->bounds.left, expected.left);
        EXPECT_EQ(control->bounds.top, expected.top);
        EXPECT_EQ(control->bounds.width, expected.width);
        EXPECT_EQ(control->bounds.height, expected.height);
      }
      EXPECT_EQ(control->tabOrder, expected.tabOrder);
      EXPECT_EQ(control->enabled, expected.enabled);
      std::string handler = expected.clickOrChange;
      if (handler.empty() && expected.kind != ControlKind::Timer) {
        EXPECT_TRUE(control->events.empty());
      } else if (!handler.empty()) {
        ASSERT_EQ(control->events.size(), 1u);
        EXPECT_EQ(control->events[0].event, expected.kind == ControlKind::Edit ? Event::Change : kClick);
        EXPECT_EQ(control->events[0].handler, handler);
      }
    }
  }
}

TEST(FormDescriptions, EveryPageHasTheWizardPageStyle) {
  for (const FormRow& row : Pages()) {
    const FormDescription& form = row.description();
    SCOPED_TRACE(row.name);
    EXPECT_EQ(form.kind, toolkit::FormKind::MdiChild);
    EXPECT_EQ(form.border, toolkit::BorderStyle::FixedSingle);
    EXPECT_FALSE(form.titleBarButtons);
    EXPECT_TRUE(form.colour.system);
    EXPECT_EQ(form.colour.systemIndex, toolkit::Colour::kButtonFace);
    EXPECT_BYTES(form.font.name, "ＭＳ Ｐゴシック");
    EXPECT_EQ(form.font.pixelHeight, 12);
    EXPECT_TRUE(form.visible);
    EXPECT_TRUE(form.centreOverMainForm);
    ASSERT_EQ(form.events.size(), 1u);
    EXPECT_EQ(form.events[0].event, Event::Close);
    EXPECT_EQ(form.events[0].handler, "OnClose");
    // The buttons sit on one row.
    for (const toolkit::ControlDescription& control : form.controls) {
      if (control.kind == ControlKind::Button && control.name != "btnFolderDialog") {
        EXPECT_EQ(control.bounds.top, 104) << control.name;
      }
    }
  }
}

TEST(FormDescriptions, LabelsAndTimerOfTheInstallRunAndCompletion) {
  const FormDescription& progress = forms::InstallProgressView();
  EXPECT_TRUE(progress.Find("lblProcessing")->wordWrap);
  EXPECT_FALSE(progress.Find("lblProcessing")->autoSize);
  EXPECT_FALSE(progress.Find("lblDetails")->wordWrap) << "a long path is clipped, not wrapped";
  EXPECT_FALSE(progress.Find("lblDetails")->autoSize);
  const toolkit::ControlDescription& timer = *progress.Find("Timer1");
  EXPECT_TRUE(timer.enabled);
  EXPECT_EQ(timer.interval, 1000u);
  ASSERT_EQ(timer.events.size(), 1u);
  EXPECT_EQ(timer.events[0].event, Event::Timer);
  EXPECT_EQ(timer.events[0].handler, "Timer1Timer");

  const toolkit::ControlDescription& done = *forms::CompletedInstallView().Find("Label1");
  EXPECT_EQ(done.alignment, toolkit::Alignment::Centre);
  EXPECT_EQ(done.anchors, toolkit::AnchorLeft | toolkit::AnchorTop | toolkit::AnchorRight | toolkit::AnchorBottom);
  EXPECT_EQ(forms::SelectInstallFolderView().Find("Label1")->focusControl, "txtInstallFolder");
}

TEST(FormDescriptions, TheMainWindowIsAMaximisedBlueMdiFrame) {
  const FormDescription& frame = forms::MainView();
  EXPECT_EQ(frame.kind, toolkit::FormKind::MdiFrame);
  EXPECT_EQ(frame.name, "TMainView");
  EXPECT_BYTES(frame.caption, "Tessal\x81\x40\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5b\x83\x89\x81\x5b");
  EXPECT_EQ(frame.state, toolkit::WindowState::Maximized);
  EXPECT_EQ(frame.border, toolkit::BorderStyle::Sizeable);
  EXPECT_TRUE(frame.titleBarButtons);
  EXPECT_EQ(frame.bounds.left, 327);
  EXPECT_EQ(frame.bounds.top, 114);
  EXPECT_EQ(frame.bounds.width, 870);
  EXPECT_EQ(frame.bounds.height, 640);
  EXPECT_FALSE(frame.colour.system);
  EXPECT_EQ(frame.colour.red, 0);
  EXPECT_EQ(frame.colour.green, 0);
  EXPECT_EQ(frame.colour.blue, 255);
  EXPECT_TRUE(frame.controls.empty());
  std::vector<std::pair<Event, std::string>> events;
  for (const toolkit::EventBinding& binding : frame.events) events.emplace_back(binding.event, binding.handler);
  EXPECT_EQ(events, (std::vector<std::pair<Event, std::string>>{{Event::Create, "OnCreate"},
                                                                {Event::Show, "OnShow"},
                                                                {Event::Close, "OnClose"},
                                                                {Event::Destroy, "OnDestroy"}}));
}

}  // namespace
