#include "setup/engine/Unit7.h"

#include <cstdlib>
#include <exception>

#include "common/paths.h"
#include "setup/engine/install_engine.h"
#include "setup/engine/product_files.h"
#include "setup/engine/shell_integration.h"
#include "setup/forms/forms.h"
#include "setup/wizard/Unit1.h"
#include "setup/wizard/setup_texts.h"

namespace {

const char* const kCopying = "ファイルのコピー中...";
const char* const kCreatingShortcuts = "ショートカットを作成中...";
const char* const kAssociating = "関連付けを設定中...";
const char* const kRegistering = "アプリケーションの追加と削除に追加中...";
const char* const kCopyFailed = "ファイルのコピーに失敗しました。";
const char* const kRunFailed = "Installation went wrong. \n Installation is stopped.";
const char* const kRunFailedCaption = "KLMR-30 Setup";

std::string InUseText(const std::string& path) {
  return "Tessalが実行中のため、次のファイルを更新できません：\n" + path +
         "\n\nTessalを終了してから［再試行］を押してください。";
}

const char* StageText(engine::InstallStage stage) {
  switch (stage) {
    case engine::InstallStage::CopyingFiles:
      return kCopying;
    case engine::InstallStage::CreatingShortcuts:
      return kCreatingShortcuts;
    case engine::InstallStage::Associating:
      return kAssociating;
    case engine::InstallStage::Registering:
      return kRegistering;
  }
  return "";
}

// The run as the page shows it: each line painted, then pending messages
// let through once more, so that the Abort button works between any two
// steps.
class PageProgress final : public engine::InstallProgress {
 public:
  PageProgress(TInstallProgressView& page, toolkit::Application& app) : page_(page), app_(app) {}
  void StageStarted(engine::InstallStage stage) override {
    page_.SetProcessingText(StageText(stage));
    app_.ProcessMessages();
  }
  void CopyStarting(const std::string& destination) override {
    page_.SetDetailsText(destination);
    app_.ProcessMessages();
  }
  void CopiesEnded() override { page_.SetDetailsText(""); }
  // Closing Tessal is the user's to do: it may ask about unsaved documents.
  bool RetryWhenInUse(const std::string& destination) override {
    return page_.ShowMessageBox(InUseText(destination), kSetupCaption, MB_RETRYCANCEL) == IDRETRY;
  }

 private:
  TInstallProgressView& page_;
  toolkit::Application& app_;
};

}  // namespace

TInstallProgressView::TInstallProgressView(toolkit::Application& app, TMainView* owner)
    : Form(app, owner, forms::InstallProgressView()), FMainView(owner) {
  Bind(btnCancel, "btnCancel");
  Bind(lblProcessing, "lblProcessing");
  Bind(lblDetails, "lblDetails");
  Bind(Timer1, "Timer1");
  Wire("Timer1Timer", &TInstallProgressView::Timer1Timer);
  Wire("btnCancelClick", &TInstallProgressView::btnCancelClick);
  Wire("OnClose", &TInstallProgressView::OnClose);
}

void TInstallProgressView::Timer1Timer(toolkit::Object&) {
  // First: the run lets messages through, which would deliver this timer
  // again and start a second run.
  Timer1->SetEnabled(false);
  if (!FMainView) return;  // the start-up instance has no controller to install for
  RunInstall();
  FMainView->ShowCompletedInstall();
  Close();
}

bool TInstallProgressView::SetProcessingText(const std::string& text) {
  lblProcessing->SetCaption(text);
  App().ProcessMessages();
  return true;
}

bool TInstallProgressView::SetDetailsText(const std::string& text) {
  lblDetails->SetCaption(text);
  App().ProcessMessages();
  return true;
}

void TInstallProgressView::RunInstall() {
  SetupPorts& ports = FMainView->Ports();
  engine::ShellPorts shell{ports.registry, ports.files, ports.links};
  const engine::InstallChoices choices{FMainView->FInstallFolder, FMainView->FJavaCheck, FMainView->FAddSend,
                                       FMainView->FChainXML,      FMainView->FStartMenu, FMainView->FDesktop};
  PageProgress progress(*this, App());
  switch (engine::RunInstall(shell, choices, progress, Log(), ports.clock)) {
    case engine::InstallOutcome::Installed:
      return;
    case engine::InstallOutcome::CopyFailed:
      ShowMessageBox(kCopyFailed, kSetupCaption, MB_OK);
      break;
    case engine::InstallOutcome::Failed:
      ShowMessageBox(kRunFailed, kRunFailedCaption, MB_OK);
      break;
    case engine::InstallOutcome::FileInUse:
      break;  // Cancel to the question: ends as a confirmed Abort does
  }
  EndProgram();
}

bool TInstallProgressView::CopyProductFile(const std::string& source, const std::string& destination) {
  return engine::CopyProductFile(FMainView->Ports().files, source, destination);
}

void TInstallProgressView::CreateShortcuts(bool startMenu, bool desktop, bool sendTo) {
  SetupPorts& ports = FMainView->Ports();
  engine::ShellPorts shell{ports.registry, ports.files, ports.links};
  engine::CreateShortcuts(shell, FMainView->FInstallFolder, startMenu, desktop, sendTo, Log());
}

HRESULT TInstallProgressView::CreateShellLink(const std::string& target, const std::string& linkPath,
                                              const std::string& workingFolder) {
  return engine::CreateShellLink(FMainView->Ports().links, target, linkPath, workingFolder);
}

void TInstallProgressView::AssociateXmlFiles() {
  engine::AssociateXmlFiles(FMainView->Ports().registry, FMainView->FInstallFolder, Log());
}

void TInstallProgressView::RegisterUninstall(const std::string& installFolder) {
  engine::RegisterUninstall(FMainView->Ports().registry, installFolder, 0, Log());
}

void TInstallProgressView::btnCancelClick(toolkit::Object&) {
  // Runs inside the install run's message processing: OK ends the program
  // in the middle of the run.
  if (ShowMessageBox(kQuitQuestion, kSetupCaption, MB_OKCANCEL) == IDOK) EndProgram();
}

engine::InstallLog& TInstallProgressView::Log() const {
  engine::InstallLog* log = FMainView->Ports().log;
  return log ? *log : engine::NoLog();
}

void TInstallProgressView::EndProgram() {
  Log().Line("Exit code: 0");
  FMainView->Ports().exit.ExitProcess(0);
  std::abort();  // not reached: the exit port does not return
}

void TInstallProgressView::OnClose(toolkit::Object&, toolkit::CloseAction& action) {
  action = toolkit::CloseAction::Free;
}
