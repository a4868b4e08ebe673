#include "setup/wizard/Unit4.h"

#include "common/paths.h"
#include "common/text.h"
#include "setup/engine/free_space.h"
#include "setup/engine/product_files.h"
#include "setup/forms/forms.h"
#include "setup/wizard/Shgetfldr.h"
#include "setup/wizard/Unit1.h"
#include "setup/wizard/program_files_dir.h"
#include "setup/wizard/setup_texts.h"

namespace {

const std::string DefaultFolderName = kDefaultFolderName;
const char* const kCreateQuestion = "新規フォルダを作成しますか？";
const char* const kCreateFailed = "フォルダの作成に失敗しました。";
const char* const kBrowseTitle = "インストールフォルダを選択してください。";

std::string NotEnoughSpaceText(const engine::FreeSpace& space) {
  return "インストール先のディスクの空き容量が不足しています。\n必要な容量：" + engine::MegabytesUp(space.needed) +
         " MB\n空き容量：" + engine::MegabytesDown(*space.available) + " MB";
}

}  // namespace

TSelectInstallFolderView::TSelectInstallFolderView(toolkit::Application& app, TMainView* owner, SetupPorts& ports)
    : Form(app, owner, forms::SelectInstallFolderView()), FMainView(owner), ports_(ports) {
  Bind(txtInstallFolder, "txtInstallFolder");
  Bind(btnFolderDialog, "btnFolderDialog");
  Bind(btnNext, "btnNext");
  Bind(btnCancel, "btnCancel");
  Bind(Label1, "Label1");
  Wire("OnChange", &TSelectInstallFolderView::OnChange);
  Wire("btnNextClick", &TSelectInstallFolderView::btnNextClick);
  Wire("btnCancelClick", &TSelectInstallFolderView::btnCancelClick);
  Wire("btnFolderDialogClick", &TSelectInstallFolderView::btnFolderDialogClick);
  Wire("OnClose", &TSelectInstallFolderView::OnClose);
  txtInstallFolder->SetText(GetProgramFilesDir() + DefaultFolderName);
}

void TSelectInstallFolderView::SetFolder(const std::string& folder) {
  txtInstallFolder->SetText(folder);
  UpdateNextButton();
}

bool TSelectInstallFolderView::UpdateNextButton() {
  bool enabled = !common::TrimBlanksAndControls(txtInstallFolder->Text()).empty();
  btnNext->SetEnabled(enabled);
  return enabled;
}

std::string TSelectInstallFolderView::GetProgramFilesDir() { return ProgramFilesDir(ports_.registry); }

void TSelectInstallFolderView::OnChange(toolkit::Object&) { UpdateNextButton(); }

bool TSelectInstallFolderView::EnoughFreeSpace(const std::string& folder) {
  engine::FreeSpace space;
  try {
    space = engine::CheckFreeSpace(ports_.files, engine::SetupFolder(ports_.files), folder, FMainView->FJavaCheck);
  } catch (const Exception&) {
    return true;  // the program's own folder is unknown: the install run says so
  }
  if (!space.Short()) return true;  // also when the disk does not say
  ShowMessageBox(NotEnoughSpaceText(space), kSetupCaption, MB_OK);
  return false;
}

bool TSelectInstallFolderView::EnsureFolder(const std::string& folder) {
  const bool exists = common::FolderExists(ports_.files, folder);
  if (!exists && ShowMessageBox(kCreateQuestion, kSetupCaption, MB_OKCANCEL) == IDCANCEL) return false;
  if (!EnoughFreeSpace(folder)) return false;  // the user picks another folder
  if (exists) return true;
  bool created = false;
  try {
    created = common::CreateFolderPath(ports_.files, folder) && common::FolderExists(ports_.files, folder);
  } catch (const Exception&) {
    // A bare relative name runs out into an empty parent: a failure like any other.
  }
  if (!created) ShowMessageBox(kCreateFailed, kSetupCaption, MB_OK);
  return created;
}

void TSelectInstallFolderView::btnNextClick(toolkit::Object&) {
  if (!EnsureFolder(txtInstallFolder->Text())) return;
  FMainView->SetInstallFolder(txtInstallFolder->Text());
  Close();
}

void TSelectInstallFolderView::btnCancelClick(toolkit::Object&) {
  if (ShowMessageBox(kQuitQuestion, kSetupCaption, MB_OKCANCEL) == IDOK) App().Terminate();
}

void TSelectInstallFolderView::btnFolderDialogClick(toolkit::Object&) {
  // The browser opens on the typed folder when it exists, else on the
  // proposed one, else on Program Files.
  const std::string programFiles = GetProgramFilesDir();
  const std::string defaultFolder = programFiles + DefaultFolderName;
  std::string start;
  for (const std::string& candidate : {txtInstallFolder->Text(), defaultFolder, programFiles}) {
    if (!candidate.empty() && common::FolderExists(ports_.files, candidate)) {
      start = candidate;
      break;
    }
  }
  std::string folder;
  if (BrowseFolder(ports_.browser, App().Handle(), kBrowseTitle, L"", folder, start)) txtInstallFolder->SetText(folder);
}

void TSelectInstallFolderView::OnClose(toolkit::Object&, toolkit::CloseAction& action) {
  action = toolkit::CloseAction::Free;
}
