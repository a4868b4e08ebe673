// The toolkit's protocols on the headless backend: closing, termination,
// message boxes, the exception display, wiring by name, MDI children,
// driving controls and the frame's workspace.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "setup/forms/forms.h"
#include "tests/e2e/forms/shell_form.h"
#include "tests/support/bytes.h"
#include "toolkit/bitmap.h"
#include "toolkit/headless/headless_backend.h"

namespace {

using e2e::ShellForm;
using toolkit::CloseAction;
using toolkit::headless::HeadlessBackend;

class HeadlessToolkit : public ::testing::Test {
 protected:
  HeadlessToolkit() { app.SetTitle("setup"); }
  ShellForm& Frame() { return app.CreateForm<ShellForm>(forms::MainView()); }
  ShellForm& Page(const toolkit::FormDescription& description) { return app.CreateForm<ShellForm>(description); }

  HeadlessBackend backend;  // outlives the application
  toolkit::Application app{backend};
};

TEST_F(HeadlessToolkit, TheCloseActionDecidesWhatClosingAPageDoes) {
  struct Row {
    const char* name;
    CloseAction action;
    bool exists, visible;
  } rows[] = {
      {"refused", CloseAction::None, true, true},
      {"hidden", CloseAction::Hide, true, false},
      {"freed", CloseAction::Free, false, false},
  };
  ShellForm& frame = Frame();
  toolkit::FormDescription closable = forms::AddChainView();
  closable.titleBarButtons = true;  // a close box the user can press
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ShellForm& page = Page(closable);
    page.closeAction = row.action;
    backend.CloseByUser(page);
    EXPECT_EQ(backend.WindowExists(&page), row.exists);
    if (row.exists) {
      EXPECT_EQ(page.Visible(), row.visible);
      EXPECT_EQ(page.fired, std::vector<std::string>{"OnClose"});
    }
  }
  EXPECT_FALSE(backend.QuitPosted()) << "closing a page never ends the program";
  EXPECT_EQ(frame.MdiChildren().size(), 2u) << "the freed page left the frame's children";
}

// A page that goes on using itself after Close() in its own click handler:
// the free must wait until the event is over.
class SelfClosingPage : public toolkit::Form {
 public:
  SelfClosingPage(toolkit::Application& app, std::string& captionAfterClose)
      : Form(app, nullptr, forms::CompletedInstallView()), captionAfterClose_(captionAfterClose) {
    Wire("btnOKClick", &SelfClosingPage::btnOKClick);
    Wire("OnClose", &SelfClosingPage::OnClose);
  }

 private:
  void btnOKClick(toolkit::Object&) {
    Close();
    captionAfterClose_ = Caption();  // freed at once, this would read freed memory
  }
  void OnClose(toolkit::Object&, CloseAction& action) { action = CloseAction::Free; }
  std::string& captionAfterClose_;
};

TEST_F(HeadlessToolkit, AFreedFormGoesOnlyWhenTheEventIsOver) {
  Frame();
  std::string captionAfterClose;
  auto& page = app.CreateForm<SelfClosingPage>(captionAfterClose);
  EXPECT_TRUE(backend.Click(page.Find<toolkit::Button>("btnOK")));
  EXPECT_BYTES(captionAfterClose, "インストール完了");
  EXPECT_FALSE(backend.WindowExists(&page));
  EXPECT_EQ(backend.FreedForms(), std::vector<std::string>{"TCompletedInstallView"});
}

// A page whose OK handler may ask a question and close the page, and then
// goes on using itself, as the wizard's pages do. What it saw outlives it.
struct Seen {
  int clicks = 0;
  int closes = 0;
  std::string captionAfterward;
};

class CountingPage : public toolkit::Form {
 public:
  CountingPage(toolkit::Application& app, Seen& seen, bool ask, bool close)
      : Form(app, nullptr, forms::CompletedInstallView()), seen_(seen), ask_(ask), close_(close) {
    Wire("btnOKClick", &CountingPage::btnOKClick);
    Wire("OnClose", &CountingPage::OnClose);
  }

 private:
  void btnOKClick(toolkit::Object&) {
    ++seen_.clicks;
    if (ask_) ShowMessageBox("?", "t", MB_OKCANCEL);
    if (close_) Close();
    seen_.captionAfterward = Caption();  // freed too early, this reads freed memory
  }
  void OnClose(toolkit::Object&, CloseAction& action) {
    ++seen_.closes;
    action = CloseAction::Free;
  }
  Seen& seen_;
  bool ask_, close_;
};

TEST_F(HeadlessToolkit, APageTakesInputOnlyWhileOpenAndIsFreedOnlyWhenNoHandlerRuns) {
  Frame();
  struct Row {
    const char* name;
    bool ask, close;
    int clicks, boxes;
    bool exists;
  } rows[] = {
      {"a second click after the close went through", false, true, 1, 0, false},
      {"a second click inside the first one's question", true, true, 1, 1, false},
      {"a second click inside a question that keeps the page", true, false, 1, 1, true},
      {"two clicks on a page that stays", false, false, 2, 0, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Seen seen;
    auto& page = app.CreateForm<CountingPage>(seen, row.ask, row.close);
    auto& ok = page.Find<toolkit::Button>("btnOK");
    size_t boxesBefore = backend.MessageBoxes().size();
    if (row.ask) {
      backend.DuringNextMessageBox([&] { backend.Click(ok); });
      ASSERT_TRUE(backend.Click(ok));
    } else {
      ASSERT_TRUE(backend.ClickTwice(ok));
    }
    EXPECT_EQ(backend.MessageBoxes().size() - boxesBefore, static_cast<size_t>(row.boxes));
    EXPECT_EQ(backend.WindowExists(&page), row.exists);
    EXPECT_EQ(seen.clicks, row.clicks);
    EXPECT_BYTES(seen.captionAfterward, "インストール完了");
    if (row.exists) {
      page.Close();
      backend.Click(ok);  // queued behind the close: dropped
      EXPECT_EQ(seen.clicks, row.clicks);
      app.ProcessMessages();
      EXPECT_FALSE(backend.WindowExists(&page));
    }
  }
}

TEST_F(HeadlessToolkit, AWizardPageIgnoresTheWindowSystemsCloseAndInputAfterTermination) {
  Frame();
  Seen seen;
  auto& page = app.CreateForm<CountingPage>(seen, false, false);
  backend.CloseByUser(page);  // Ctrl+F4 reaches a page as such a close
  EXPECT_TRUE(backend.WindowExists(&page));
  EXPECT_EQ(seen.closes, 0);
  app.Terminate();
  backend.Click(page.Find<toolkit::Button>("btnOK"));
  EXPECT_EQ(seen.clicks, 0) << "no input once the application is ending";
}

TEST_F(HeadlessToolkit, ClosingTheMainFormTerminatesUnlessRefused) {
  ShellForm& frame = Frame();
  frame.closeAction = CloseAction::None;
  backend.CloseByUser(frame);
  EXPECT_FALSE(backend.QuitPosted());
  EXPECT_FALSE(app.Terminated());
  frame.closeAction = CloseAction::Hide;
  backend.CloseByUser(frame);
  EXPECT_TRUE(backend.QuitPosted());
  EXPECT_TRUE(app.Terminated());
  EXPECT_TRUE(backend.WindowExists(&frame)) << "the window goes with the application, not with the close";
}

TEST_F(HeadlessToolkit, TerminationSkipsOnCloseAndDestroysEveryFormOnTheWayOut) {
  std::vector<std::string> log;
  {
    HeadlessBackend localBackend;
    toolkit::Application local(localBackend);
    auto& frame = local.CreateForm<ShellForm>(forms::MainView());
    frame.log = &log;
    auto& page = local.CreateForm<ShellForm>(forms::AddChainView(), &frame);
    page.log = &log;
    local.Run();
    local.Terminate();
    EXPECT_TRUE(localBackend.QuitPosted());
  }
  EXPECT_EQ(log, (std::vector<std::string>{"TMainView:OnShow", "TMainView:OnDestroy"}))
      << "pages without an OnDestroy handler go silently; no OnClose anywhere";
}

TEST_F(HeadlessToolkit, MessageBoxesAreRecordedAndAnsweredAsScripted) {
  ShellForm& frame = Frame();
  ShellForm& page = Page(forms::AddChainView());
  backend.AnswerNextMessageBox(IDCANCEL);
  EXPECT_EQ(page.ShowMessageBox("中止しますか？", "Tessal　セットアップ", MB_OKCANCEL), IDCANCEL);
  EXPECT_EQ(frame.ShowMessageBox("続行しますか？", "Tessal　セットアップ", MB_YESNO), IDYES)
      << "unscripted: first button";
  EXPECT_EQ(frame.ShowMessageBox("失敗しました。", "Tessal　セットアップ", MB_OK), IDOK);
  ASSERT_EQ(backend.MessageBoxes().size(), 3u);
  const auto& first = backend.MessageBoxes()[0];
  EXPECT_EQ(first.owner, page.Handle());
  EXPECT_BYTES(first.text, "中止しますか？");
  EXPECT_BYTES(first.caption, "Tessal\x81\x40\x83\x5a\x83\x62\x83\x67\x83\x41\x83\x62\x83\x76");
  EXPECT_EQ(first.flags, static_cast<UINT>(MB_OKCANCEL));
  EXPECT_EQ(backend.MessageBoxes()[1].owner, frame.Handle());
  EXPECT_EQ(backend.PendingAnswers(), 0);
}

TEST_F(HeadlessToolkit, TheExceptionDisplayAddsAFullStopAfterCharactersAboveIt) {
  struct Row {
    std::string message, shown;
  } rows[] = {
      {"abc", "abc."},
      {"abc.", "abc."},
      {"abc!", "abc!"},   // '!' sorts below '.'
      {"abc-", "abc-"},   // '-' just below
      {"abc/", "abc/."},  // '/' just above
      {"", ""},
      {"エラー", "エラー."},  // a double-byte character
      {"'CurrentVersion' のデータ型が不正です", "'CurrentVersion' のデータ型が不正です."},
  };
  for (const Row& row : rows) app.ShowException(Exception(row.message));
  ASSERT_EQ(backend.MessageBoxes().size(), std::size(rows));
  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(i);
    const auto& shown = backend.MessageBoxes()[i];
    EXPECT_BYTES(shown.text, rows[i].shown);
    EXPECT_BYTES(shown.caption, "setup");
    EXPECT_EQ(shown.flags, static_cast<UINT>(MB_OK | MB_ICONHAND));
    EXPECT_EQ(shown.owner, app.Handle());
  }
}

// A main form whose OnShow fails: the toolkit catches the error around the
// show event and the program goes on.
class FailingFrame : public toolkit::Form {
 public:
  FailingFrame(toolkit::Application& app) : Form(app, nullptr, forms::MainView()) {
    Wire("OnCreate", toolkit::NotifyEvent([](toolkit::Object&) {}));
    Wire("OnShow", toolkit::NotifyEvent([](toolkit::Object&) { throw Exception("'JavaHome' のデータ型が不正です"); }));
    Wire("OnClose", toolkit::CloseEvent([](toolkit::Object&, CloseAction&) {}));
    Wire("OnDestroy", toolkit::NotifyEvent([](toolkit::Object&) {}));
  }
};

TEST_F(HeadlessToolkit, AnErrorInAnEventHandlerGoesToTheExceptionDisplay) {
  auto& frame = app.CreateForm<FailingFrame>();
  app.Run();
  EXPECT_TRUE(frame.Visible());
  EXPECT_FALSE(app.Terminated());
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_BYTES(backend.MessageBoxes()[0].text, "'JavaHome' のデータ型が不正です.");
  EXPECT_EQ(backend.MessageBoxes()[0].flags, static_cast<UINT>(MB_OK | MB_ICONHAND));
}

// Wiring mistakes are found when the form is built, not when the event comes.
class MisWiredPage : public toolkit::Form {
 public:
  enum Mistake { MissingHandler, UnknownName, WrongSignature, UnknownControl };
  MisWiredPage(toolkit::Application& app, Mistake mistake) : Form(app, nullptr, forms::CompletedInstallView()) {
    toolkit::NotifyEvent nothing = [](toolkit::Object&) {};
    toolkit::CloseEvent free = [](toolkit::Object&, CloseAction& action) { action = CloseAction::Free; };
    if (mistake != MissingHandler) Wire("btnOKClick", nothing);
    if (mistake == WrongSignature) Wire("OnClose", nothing);
    Wire("OnClose", free);
    if (mistake == UnknownName) Wire("btnOkClick", nothing);
    toolkit::Button* button = nullptr;
    if (mistake == UnknownControl) Bind(button, "Label1");  // a label, not a button
  }
};

TEST_F(HeadlessToolkit, WiringMistakesAreErrorsWhenTheFormIsBuilt) {
  Frame();
  for (auto mistake : {MisWiredPage::MissingHandler, MisWiredPage::UnknownName, MisWiredPage::WrongSignature,
                       MisWiredPage::UnknownControl}) {
    SCOPED_TRACE(mistake);
    EXPECT_THROW(app.CreateForm<MisWiredPage>(mistake), Exception);
  }
  EXPECT_EQ(app.MainForm()->MdiChildren().size(), 0u) << "a form that failed to build leaves nothing behind";
}

TEST_F(HeadlessToolkit, APageNeedsAnMdiFrameAsMainForm) {
  EXPECT_THROW(Page(forms::AddChainView()), Exception);
  ShellForm& frame = Frame();
  ShellForm& first = Page(forms::AddChainView());
  ShellForm& second = Page(forms::CreateShortcutView());
  EXPECT_EQ(frame.MdiChildren(), (std::vector<toolkit::Form*>{&first, &second}));
  EXPECT_TRUE(first.Visible()) << "visible from creation";
  EXPECT_FALSE(frame.Visible()) << "the main form waits for the event loop";
  app.Run();
  EXPECT_TRUE(frame.Visible());
  EXPECT_EQ(frame.fired, (std::vector<std::string>{"OnCreate", "OnShow"}));
}

TEST_F(HeadlessToolkit, ControlsReactOnlyWhereAUserCouldAct) {
  Frame();
  ShellForm& folder = Page(forms::SelectInstallFolderView());
  auto& next = folder.Find<toolkit::Button>("btnNext");
  EXPECT_FALSE(backend.Click(next)) << "disabled when built";
  EXPECT_TRUE(backend.Type(folder.Find<toolkit::Edit>("txtInstallFolder"), "C:\\表\\tessal"));
  next.SetEnabled(true);
  EXPECT_TRUE(backend.Click(next));
  EXPECT_EQ(folder.fired, (std::vector<std::string>{"OnChange", "btnNextClick"}));
  EXPECT_BYTES(folder.Find<toolkit::Edit>("txtInstallFolder").Text(), "C:\\表\\tessal");

  ShellForm& options = Page(forms::AddChainView());
  auto& box = options.Find<toolkit::CheckBox>("chkChainXML");
  EXPECT_FALSE(box.Checked());
  backend.Toggle(box);
  EXPECT_TRUE(box.Checked());
  box.SetChecked(false);
  EXPECT_FALSE(box.Checked());

  ShellForm& progress = Page(forms::InstallProgressView());
  auto& timer = progress.Find<toolkit::Timer>("Timer1");
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000u);
  EXPECT_TRUE(backend.FireTimer(timer));
  timer.SetEnabled(false);
  EXPECT_FALSE(backend.FireTimer(timer));
  EXPECT_EQ(progress.fired, std::vector<std::string>{"Timer1Timer"});

  progress.Hide();
  EXPECT_FALSE(backend.Click(progress.Find<toolkit::Button>("btnCancel"))) << "a hidden page cannot be clicked";
}

TEST_F(HeadlessToolkit, TheWorkspaceIsFilledUntilAHandlerReplacesItsProcedure) {
  ShellForm& frame = Frame();
  EXPECT_EQ(backend.SendToClient(frame, toolkit::kEraseBackgroundMessage, 0, 0), 1);
  EXPECT_EQ(backend.WorkspaceFills(), 1);

  std::vector<UINT> seen;
  toolkit::WindowProcedure previous =
      frame.SubclassClient([&](HWND client, UINT message, toolkit::WParam w, toolkit::LParam l) -> toolkit::LResult {
        seen.push_back(message);
        EXPECT_EQ(client, frame.ClientHandle());
        return message == toolkit::kEraseBackgroundMessage ? 1
                                                           : frame.CallClientProcedure(previous, client, message, w, l);
      });
  ASSERT_NE(previous, nullptr);
  EXPECT_EQ(backend.SendToClient(frame, toolkit::kEraseBackgroundMessage, 0, 0), 1);
  EXPECT_EQ(backend.WorkspaceFills(), 1) << "the handler answers the erase now";
  EXPECT_EQ(frame.CallClientProcedure(previous, frame.ClientHandle(), toolkit::kEraseBackgroundMessage, 0, 0), 1);
  EXPECT_EQ(backend.WorkspaceFills(), 2) << "the previous procedure still fills";
  EXPECT_EQ(seen, std::vector<UINT>{toolkit::kEraseBackgroundMessage});
}

TEST_F(HeadlessToolkit, BitmapsLoadByNameAndDrawWhole) {
  backend.AddBitmapFile("Setup.bmp", 200, 150);
  toolkit::Bitmap picture(app);
  EXPECT_THROW(picture.LoadFromFile("Missing.bmp"), Exception);
  EXPECT_EQ(picture.Width(), 0);
  picture.Draw(nullptr, 0, 0);
  EXPECT_TRUE(backend.Blits().empty()) << "an empty bitmap draws nothing";
  picture.LoadFromFile("Setup.bmp");
  EXPECT_EQ(picture.Width(), 200);
  EXPECT_EQ(picture.Height(), 150);
  picture.Draw(nullptr, 400, 300);
  ASSERT_EQ(backend.Blits().size(), 1u);
  EXPECT_EQ(backend.Blits()[0].x, 400);
  EXPECT_EQ(backend.Blits()[0].width, 200);
  EXPECT_THROW(picture.LoadFromFile("Missing.bmp"), Exception);
  EXPECT_EQ(picture.Width(), 200) << "a failed load keeps the picture";
}

}  // namespace

namespace {

TEST_F(HeadlessToolkit, AUserCanActWhileTheProgramProcessesMessages) {
  Frame();
  ShellForm& page = Page(forms::AddChainView());
  int passes = 0;
  backend.OnProcessMessages([&] {
    ++passes;
    app.ProcessMessages();  // nested processing does not call the hook again
    backend.Click(page.Find<toolkit::Button>("btnNext"));
  });
  app.ProcessMessages();
  EXPECT_EQ(passes, 1);
  EXPECT_EQ(page.fired, std::vector<std::string>{"btnNextClick"});
}

}  // namespace
