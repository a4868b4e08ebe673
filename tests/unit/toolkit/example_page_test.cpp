// A wizard page written on the toolkit the way the setup program's pages
// are, driven entirely from a native test: the page reads its check boxes,
// reports to its controller, closes and is freed; its abort question is
// answered by script.
#include <gtest/gtest.h>

#include <vector>

#include "setup/forms/forms.h"
#include "tests/e2e/forms/shell_form.h"
#include "tests/support/bytes.h"
#include "toolkit/headless/headless_backend.h"

namespace {

using toolkit::CloseAction;
using toolkit::Object;

struct OptionsController {
  struct Call {
    bool forward, addSend, chainXML;
  };
  std::vector<Call> calls;
  void SetChainOptions(bool forward, bool addSend, bool chainXML) { calls.push_back({forward, addSend, chainXML}); }
};

class TExampleChainView : public toolkit::Form {
 public:
  TExampleChainView(toolkit::Application& app, toolkit::Form& owner, OptionsController& controller)
      : Form(app, &owner, forms::AddChainView()), FMainView(controller) {
    Bind(btnCancel, "btnCancel");
    Bind(btnNext, "btnNext");
    Bind(btnBack, "btnBack");
    Bind(chkAddSend, "chkAddSend");
    Bind(chkChainXML, "chkChainXML");
    Wire("btnNextClick", &TExampleChainView::btnNextClick);
    Wire("btnBackClick", &TExampleChainView::btnBackClick);
    Wire("btnCancelClick", &TExampleChainView::btnCancelClick);
    Wire("OnClose", &TExampleChainView::OnClose);
  }
  void LoadOptions(bool addSend, bool chainXML) {
    chkAddSend->SetChecked(addSend);
    chkChainXML->SetChecked(chainXML);
  }

  toolkit::Button* btnCancel = nullptr;
  toolkit::Button* btnNext = nullptr;
  toolkit::Button* btnBack = nullptr;
  toolkit::CheckBox* chkAddSend = nullptr;
  toolkit::CheckBox* chkChainXML = nullptr;

 private:
  void btnNextClick(Object&) {
    FMainView.SetChainOptions(true, chkAddSend->Checked(), chkChainXML->Checked());
    Close();
  }
  void btnBackClick(Object&) {
    FMainView.SetChainOptions(false, chkAddSend->Checked(), chkChainXML->Checked());
    Close();
  }
  void btnCancelClick(Object&) {
    if (ShowMessageBox("Tessalのインストールを中止しますか？", "Tessal　セットアップ", MB_OKCANCEL) == IDOK)
      App().Terminate();
  }
  void OnClose(Object&, CloseAction& action) { action = CloseAction::Free; }

  OptionsController& FMainView;
};

class ExamplePage : public ::testing::Test {
 protected:
  ExamplePage() {
    frame = &app.CreateForm<e2e::ShellForm>(forms::MainView());
    page = &app.CreateForm<TExampleChainView>(*frame, controller);
    page->LoadOptions(true, false);
  }
  toolkit::headless::HeadlessBackend backend;
  toolkit::Application app{backend};
  OptionsController controller;
  e2e::ShellForm* frame = nullptr;
  TExampleChainView* page = nullptr;
};

TEST_F(ExamplePage, NextAndBackReportTheCheckBoxesThenFreeThePage) {
  struct Row {
    const char* name;
    bool next;
  } rows[] = {{"next", true}, {"back", false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    controller.calls.clear();
    page = &app.CreateForm<TExampleChainView>(*frame, controller);
    page->LoadOptions(true, false);
    backend.Toggle(*page->chkChainXML);
    ASSERT_TRUE(backend.Click(row.next ? *page->btnNext : *page->btnBack));
    ASSERT_EQ(controller.calls.size(), 1u);
    EXPECT_EQ(controller.calls[0].forward, row.next);
    EXPECT_TRUE(controller.calls[0].addSend);
    EXPECT_TRUE(controller.calls[0].chainXML);
    EXPECT_FALSE(backend.WindowExists(page));
  }
  EXPECT_EQ(frame->MdiChildren().size(), 1u) << "only the page of the fixture is left";
}

TEST_F(ExamplePage, TheAbortQuestionEndsTheProgramOnlyOnOk) {
  backend.AnswerNextMessageBox(IDCANCEL);
  backend.Click(*page->btnCancel);
  EXPECT_FALSE(backend.QuitPosted());
  EXPECT_TRUE(backend.WindowExists(page));
  EXPECT_TRUE(page->chkAddSend->Checked()) << "the page stays as it was";

  backend.AnswerNextMessageBox(IDOK);
  backend.Click(*page->btnCancel);
  EXPECT_TRUE(backend.QuitPosted());
  EXPECT_TRUE(controller.calls.empty());
  ASSERT_EQ(backend.MessageBoxes().size(), 2u);
  const auto& question = backend.MessageBoxes()[1];
  EXPECT_EQ(question.owner, page->Handle());
  EXPECT_BYTES(question.text, "Tessalのインストールを中止しますか？");
  EXPECT_BYTES(question.caption, "Tessal　セットアップ");
  EXPECT_EQ(question.flags, static_cast<UINT>(MB_OKCANCEL));
}

}  // namespace
