// The wizard as a user meets it, driven through the headless backend.
#include <gtest/gtest.h>

#include "tests/support/bytes.h"
#include "tests/support/setup_fixture.h"

namespace {

using testing_support::kJavaKey;
using testing_support::kQuitQuestionText;
using testing_support::kSetupCaptionText;

class Wizard : public testing_support::SetupProgram {};

TEST_F(Wizard, WithAUsableRuntimeTheFolderPageComesWithoutAQuestion) {
  Start();
  EXPECT_TRUE(backend.MessageBoxes().empty());
  EXPECT_EQ(backend.Title(), "setup");
  EXPECT_EQ(mainView->FJavaCheck.Status, jcOK);
  EXPECT_BYTES(mainView->FJavaCheck.ExtFolder, "C:\\Java\\jre\\lib\\ext");
  EXPECT_EQ(OpenPages(), 1) << "the start-up pages are closed unused";
  auto* page = Page<TSelectInstallFolderView>();
  ASSERT_NE(page, nullptr);
  EXPECT_BYTES(page->txtInstallFolder->Text(), "C:\\Program Files\\tessal");
  EXPECT_TRUE(page->btnNext->Enabled());
  EXPECT_FALSE(backend.QuitPosted());
}

TEST_F(Wizard, EveryFailedCheckAsksWhetherToGoOn) {
  struct Row {
    const char* name;
    void (*arrange)(platform::FakeRegistry&);
    std::string message;
  } rows[] = {
      {"no runtime", [](auto& r) { r.DenyWrite(kJavaKey); },
       "Java Runtime Environment 1.4がインストールされていません。"},
      {"1.3", [](auto& r) { r.SetString(kJavaKey, "CurrentVersion", "1.3"); },
       "Java Runtime Environment は1.4以降がインストールされていません。"},
      {"home missing", [](auto& r) { r.SetString(kJavaKey + "\\1.8", "JavaHome", "C:\\gone"); },
       "Java Runtime Environmentがみつかりません。"},
  };
  for (const Row& row : rows) {
    for (int answer : {IDYES, IDNO}) {
      SCOPED_TRACE(std::string(row.name) + (answer == IDYES ? " / Yes" : " / No"));
      toolkit::headless::HeadlessBackend rowBackend;
      platform::FakeRegistry rowRegistry;
      rowRegistry.SetString(kJavaKey, "CurrentVersion", "1.8");
      rowRegistry.SetString(kJavaKey + "\\1.8", "JavaHome", "C:\\Java\\jre");
      row.arrange(rowRegistry);
      SetupPorts rowPorts{rowRegistry, files, links, process, exit, browser};
      toolkit::Application rowApp(rowBackend);
      auto& main = rowApp.CreateForm<TMainView>(rowPorts);
      rowBackend.AnswerNextMessageBox(answer);
      rowApp.Run();
      ASSERT_EQ(rowBackend.MessageBoxes().size(), 1u);
      const auto& box = rowBackend.MessageBoxes()[0];
      EXPECT_BYTES(box.text, row.message + "\nインストールを続行しますか？");
      EXPECT_BYTES(box.caption, kSetupCaptionText);
      EXPECT_EQ(box.flags, static_cast<UINT>(MB_YESNO));
      EXPECT_EQ(box.owner, main.Handle());
      EXPECT_EQ(rowBackend.QuitPosted(), answer == IDNO);
      EXPECT_EQ(main.MdiChildren().size(), 1u) << "the folder page is made in either case";
    }
  }
}

TEST_F(Wizard, AValueOfTheWrongTypeIsShownAsAnErrorAndNoPageFollows) {
  registry.SetDword(kJavaKey, "CurrentVersion", 0x108);
  Start();
  ASSERT_NE(LastBox(), nullptr);
  EXPECT_BYTES(LastBox()->text, "'CurrentVersion' のデータ型が不正です.");
  EXPECT_BYTES(LastBox()->caption, "setup");
  EXPECT_EQ(LastBox()->flags, static_cast<UINT>(MB_OK | toolkit::kErrorIcon));
  EXPECT_EQ(OpenPages(), 0);
  EXPECT_FALSE(backend.QuitPosted()) << "the main window stays open";
}

TEST_F(Wizard, ChoicesSurviveBackAndNextInBothDirections) {
  Start();
  ASSERT_TRUE(backend.Click(*Page<TSelectInstallFolderView>()->btnNext));  // creates the folder after OK
  EXPECT_BYTES(mainView->FInstallFolder, "C:\\Program Files\\tessal");

  auto* chain = Page<TAddChainView>();
  ASSERT_NE(chain, nullptr);
  EXPECT_FALSE(chain->chkAddSend->Checked());
  EXPECT_FALSE(chain->chkChainXML->Checked());
  backend.Toggle(*chain->chkChainXML);
  backend.Click(*chain->btnBack);
  EXPECT_TRUE(mainView->FChainXML) << "Back stores the choices too";
  auto* folder = Page<TSelectInstallFolderView>();
  ASSERT_NE(folder, nullptr);
  EXPECT_BYTES(folder->txtInstallFolder->Text(), "C:\\Program Files\\tessal");
  EXPECT_TRUE(folder->btnNext->Enabled());
  backend.Click(*folder->btnNext);

  chain = Page<TAddChainView>();
  ASSERT_NE(chain, nullptr);
  EXPECT_FALSE(chain->chkAddSend->Checked());
  EXPECT_TRUE(chain->chkChainXML->Checked());
  backend.Toggle(*chain->chkAddSend);
  backend.Click(*chain->btnNext);

  auto* shortcuts = Page<TCreateShortcutView>();
  ASSERT_NE(shortcuts, nullptr);
  EXPECT_FALSE(shortcuts->chkStartMenu->Checked());
  EXPECT_FALSE(shortcuts->chkDesktop->Checked());
  backend.Toggle(*shortcuts->chkDesktop);
  backend.Click(*shortcuts->btnBack);
  EXPECT_TRUE(mainView->FDesktop);
  chain = Page<TAddChainView>();
  ASSERT_NE(chain, nullptr);
  EXPECT_TRUE(chain->chkAddSend->Checked());
  EXPECT_TRUE(chain->chkChainXML->Checked());
  backend.Click(*chain->btnNext);
  shortcuts = Page<TCreateShortcutView>();
  ASSERT_NE(shortcuts, nullptr);
  EXPECT_TRUE(shortcuts->chkDesktop->Checked());
  EXPECT_FALSE(shortcuts->chkStartMenu->Checked());

  backend.Toggle(*shortcuts->chkStartMenu);
  backend.Click(*shortcuts->btnFinish);
  EXPECT_TRUE(mainView->FStartMenu);
  EXPECT_TRUE(mainView->FDesktop);
  EXPECT_TRUE(mainView->FAddSend);
  EXPECT_TRUE(mainView->FChainXML);
  EXPECT_NE(Page<TInstallProgressView>(), nullptr);
  EXPECT_EQ(OpenPages(), 1) << "each page closes once the next one is shown";
}

// Two clicks queued at once on each page's buttons: one question at most,
// exactly one next page, and no page used after it was freed.
TEST_F(Wizard, TwoClicksAtOnceMakeOneStepOnEveryPage) {
  Start();
  auto* folder = Page<TSelectInstallFolderView>();
  backend.Type(*folder->txtInstallFolder, "D:\new\tessal");  // missing: the creation question
  backend.DuringNextMessageBox([&] { backend.Click(*folder->btnNext); });
  ASSERT_TRUE(backend.Click(*folder->btnNext));
  EXPECT_EQ(backend.MessageBoxes().size(), 1u) << "one creation question";
  EXPECT_BYTES(mainView->FInstallFolder, "D:\new\tessal");
  ASSERT_NE(Page<TAddChainView>(), nullptr);
  EXPECT_EQ(OpenPages(), 1);

  ASSERT_TRUE(backend.ClickTwice(*Page<TAddChainView>()->btnBack));
  ASSERT_NE(Page<TSelectInstallFolderView>(), nullptr) << "one step back, not two";
  ASSERT_TRUE(backend.ClickTwice(*Page<TSelectInstallFolderView>()->btnNext));
  ASSERT_TRUE(backend.ClickTwice(*Page<TAddChainView>()->btnNext));
  ASSERT_NE(Page<TCreateShortcutView>(), nullptr);
  ASSERT_TRUE(backend.ClickTwice(*Page<TCreateShortcutView>()->btnBack));
  ASSERT_TRUE(backend.ClickTwice(*Page<TAddChainView>()->btnNext));
  EXPECT_EQ(OpenPages(), 1);

  backend.AnswerNextMessageBox(IDCANCEL);
  backend.DuringNextMessageBox([&] { backend.Click(*Page<TCreateShortcutView>()->btnCancel); });
  ASSERT_TRUE(backend.Click(*Page<TCreateShortcutView>()->btnCancel));
  EXPECT_EQ(backend.MessageBoxes().size(), 2u) << "one abort question";
  ASSERT_TRUE(backend.ClickTwice(*Page<TCreateShortcutView>()->btnFinish));
  EXPECT_NE(Page<TInstallProgressView>(), nullptr) << "one install-run page";
  EXPECT_EQ(OpenPages(), 1);
  EXPECT_FALSE(backend.QuitPosted());
}

TEST_F(Wizard, EveryAbortQuestionAnsweredCancelStaysAndOkQuits) {
  Start();
  auto* folder = Page<TSelectInstallFolderView>();
  backend.AnswerNextMessageBox(IDCANCEL);
  backend.Click(*folder->btnCancel);
  ASSERT_NE(LastBox(), nullptr);
  EXPECT_BYTES(LastBox()->text, kQuitQuestionText);
  EXPECT_EQ(LastBox()->flags, static_cast<UINT>(MB_OKCANCEL));
  EXPECT_EQ(LastBox()->owner, folder->Handle());
  EXPECT_FALSE(backend.QuitPosted());
  EXPECT_EQ(Page<TSelectInstallFolderView>(), folder);

  backend.Click(*folder->btnNext);
  auto* chain = Page<TAddChainView>();
  backend.Toggle(*chain->chkAddSend);
  backend.AnswerNextMessageBox(IDCANCEL);
  backend.Click(*chain->btnCancel);
  EXPECT_FALSE(backend.QuitPosted());
  EXPECT_TRUE(Page<TAddChainView>()->chkAddSend->Checked()) << "the page stays with its check states";
  backend.Click(*chain->btnNext);

  auto* shortcuts = Page<TCreateShortcutView>();
  backend.AnswerNextMessageBox(IDCANCEL);
  backend.Click(*shortcuts->btnCancel);
  EXPECT_FALSE(backend.QuitPosted());
  backend.AnswerNextMessageBox(IDOK);
  backend.Click(*shortcuts->btnCancel);
  EXPECT_TRUE(backend.QuitPosted());
}

TEST_F(Wizard, ClosingTheMainWindowAsksFirst) {
  Start();
  auto* folder = Page<TSelectInstallFolderView>();
  backend.Type(*folder->txtInstallFolder, "D:\\mine");
  backend.AnswerNextMessageBox(IDCANCEL);
  backend.CloseByUser(*mainView);
  ASSERT_NE(LastBox(), nullptr);
  EXPECT_BYTES(LastBox()->text, kQuitQuestionText);
  EXPECT_BYTES(LastBox()->caption, kSetupCaptionText);
  EXPECT_EQ(LastBox()->owner, mainView->Handle());
  EXPECT_FALSE(backend.QuitPosted());
  EXPECT_EQ(Page<TSelectInstallFolderView>(), folder);
  EXPECT_BYTES(folder->txtInstallFolder->Text(), "D:\\mine");

  backend.AnswerNextMessageBox(IDOK);
  backend.CloseByUser(*mainView);
  EXPECT_TRUE(backend.QuitPosted());
}

TEST_F(Wizard, TheWorkspaceTilesThePictureFromTheTopLeftCorner) {
  backend.AddBitmapFile("Setup.bmp", 500, 400);
  Start();
  const int width = mainView->ClientWidth();
  const int height = mainView->ClientHeight();
  ASSERT_GT(width, 500);
  ASSERT_GT(height, 400);
  auto dc = static_cast<toolkit::WParam>(0xDC);
  EXPECT_EQ(backend.SendToClient(*mainView, toolkit::kEraseBackgroundMessage, dc, 0), 1);
  const auto& blits = backend.Blits();
  size_t columns = (width + 499) / 500, rows = (height + 399) / 400;
  ASSERT_EQ(blits.size(), columns * rows);
  for (size_t i = 0; i < blits.size(); ++i) {
    EXPECT_EQ(blits[i].x, static_cast<int>(i / rows) * 500) << "columns left to right";
    EXPECT_EQ(blits[i].y, static_cast<int>(i % rows) * 400) << "each column top to bottom";
    EXPECT_EQ(reinterpret_cast<toolkit::WParam>(blits[i].dc), dc);
  }
  EXPECT_EQ(backend.WorkspaceFills(), 0);
}

// One drawing per erase, and only the tiles that meet the painted area: the
// same pixels as tiling the whole workspace, without the other tiles.
TEST_F(Wizard, AnEraseDrawsOnlyTheTilesThatMeetThePaintedArea) {
  struct Row {
    const char* name;
    int width, height;
    toolkit::Rect area;
    std::vector<std::pair<int, int>> tiles;  // column by column
  } rows[] = {
      {"1 x 1", 1, 1, {10, 20, 2, 2}, {{10, 20}, {10, 21}, {11, 20}, {11, 21}}},
      {"2 x 3", 2, 3, {11, 22, 3, 3}, {{10, 21}, {10, 24}, {12, 21}, {12, 24}}},
      {"an area beyond the top-left corner", 2, 3, {-5, -5, 7, 7}, {{0, 0}}},
      {"an area beyond the workspace", 500, 400, {1270, 1020, 100, 100}, {{1000, 800}}},
      {"nothing painted", 2, 3, {40, 40, 0, 0}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    toolkit::headless::HeadlessBackend rowBackend;
    rowBackend.AddBitmapFile("Setup.bmp", row.width, row.height);
    rowBackend.SetPaintedArea(row.area);
    toolkit::Application rowApp(rowBackend);
    auto& main = rowApp.CreateForm<TMainView>(ports);
    ASSERT_EQ(main.ClientWidth(), 1280);
    ASSERT_EQ(main.ClientHeight(), 1024);
    EXPECT_EQ(rowBackend.SendToClient(main, toolkit::kEraseBackgroundMessage, 0xDC, 0), 1);
    std::vector<std::pair<int, int>> drawn;
    for (const auto& blit : rowBackend.Blits()) drawn.emplace_back(blit.x, blit.y);
    EXPECT_EQ(drawn, row.tiles);
    EXPECT_EQ(rowBackend.Drawings(), row.tiles.empty() ? 0 : 1) << "one memory device context per erase";
  }
}

TEST_F(Wizard, AnEmptyPictureDrawsNothingAndAMissingOneLeavesTheBlueWorkspace) {
  backend.AddBitmapFile("Setup.bmp", 0, 400);
  Start();
  EXPECT_EQ(backend.SendToClient(*mainView, toolkit::kEraseBackgroundMessage, 1, 0), 1);
  EXPECT_TRUE(backend.Blits().empty());
  EXPECT_EQ(backend.WorkspaceFills(), 0);
  EXPECT_NE(mainView->FOldClientProc, nullptr);

  toolkit::headless::HeadlessBackend plain;
  toolkit::Application plainApp(plain);
  auto& main = plainApp.CreateForm<TMainView>(ports);
  plainApp.Run();
  EXPECT_EQ(main.FOldClientProc, nullptr) << "without the picture the workspace is not subclassed";
  EXPECT_EQ(plain.SendToClient(main, toolkit::kEraseBackgroundMessage, 1, 0), 1);
  EXPECT_EQ(plain.WorkspaceFills(), 1);
  EXPECT_NE(main.MdiChildren().size(), 0u) << "and the wizard goes on";
}

}  // namespace
