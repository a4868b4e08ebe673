#include "setup/engine/Unit7.h"

#include <cstdlib>
#include <exception>

#include "common/paths.h"
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
  try {
    common::CreateFolderPath(ports.files, FMainView->FInstallFolder);  // a folder not made fails the first copy
    SetProcessingText(kCopying);
    App().ProcessMessages();
    const std::string setupFolder = engine::SetupFolder(ports.files);
    for (const engine::CopyItem& item :
         engine::CopyList(setupFolder, FMainView->FInstallFolder, FMainView->FJavaCheck)) {
      SetDetailsText(item.destination);
      App().ProcessMessages();
      if (!CopyProductFile(item.source, item.destination)) {
        ShowMessageBox(kCopyFailed, kSetupCaption, MB_OK);
        EndProgram();
      }
    }
    SetDetailsText("");
    SetProcessingText(kCreatingShortcuts);
    App().ProcessMessages();
    CreateShortcuts(FMainView->FStartMenu, FMainView->FDesktop, FMainView->FAddSend);
    SetProcessingText(kAssociating);
    App().ProcessMessages();
    if (FMainView->FChainXML) AssociateXmlFiles();
    SetProcessingText(kRegistering);
    App().ProcessMessages();
    RegisterUninstall(FMainView->FInstallFolder);
  } catch (const std::exception&) {
    ShowMessageBox(kRunFailed, kRunFailedCaption, MB_OK);
    EndProgram();
  }
}

bool TInstallProgressView::CopyProductFile(const std::string& source, const std::string& destination) {
  return engine::CopyProductFile(FMainView->Ports().files, source, destination);
}

void TInstallProgressView::CreateShortcuts(bool startMenu, bool desktop, bool sendTo) {
  SetupPorts& ports = FMainView->Ports();
  engine::ShellPorts shell{ports.registry, ports.files, ports.links};
  engine::CreateShortcuts(shell, FMainView->FInstallFolder, startMenu, desktop, sendTo);
}

HRESULT TInstallProgressView::CreateShellLink(const std::string& target, const std::string& linkPath,
                                              const std::string& workingFolder) {
  return engine::CreateShellLink(FMainView->Ports().links, target, linkPath, workingFolder);
}

void TInstallProgressView::AssociateXmlFiles() {
  engine::AssociateXmlFiles(FMainView->Ports().registry, FMainView->FInstallFolder);
}

void TInstallProgressView::RegisterUninstall(const std::string& installFolder) {
  engine::RegisterUninstall(FMainView->Ports().registry, installFolder);
}

void TInstallProgressView::btnCancelClick(toolkit::Object&) {
  // Runs inside the install run's message processing: OK ends the program
  // in the middle of the run.
  if (ShowMessageBox(kQuitQuestion, kSetupCaption, MB_OKCANCEL) == IDOK) EndProgram();
}

void TInstallProgressView::EndProgram() {
  FMainView->Ports().exit.ExitProcess(0);
  std::abort();  // not reached: the exit port does not return
}

void TInstallProgressView::OnClose(toolkit::Object&, toolkit::CloseAction& action) {
  action = toolkit::CloseAction::Free;
}
