#include "setup/wizard/Unit1.h"

#include <algorithm>
#include <vector>

#include "setup/engine/Unit7.h"
#include "setup/engine/install_engine.h"
#include "setup/forms/forms.h"
#include "setup/wizard/Unit3.h"
#include "setup/wizard/Unit4.h"
#include "setup/wizard/Unit5.h"
#include "setup/wizard/Unit6.h"
#include "setup/wizard/setup_texts.h"

namespace {

const char* const kContinueSuffix = "\nインストールを続行しますか？";
const char* const kBackgroundFile = "Setup.bmp";

}  // namespace

TMainView::TMainView(toolkit::Application& app, SetupPorts& ports)
    : Form(app, nullptr, forms::MainView()), ports_(ports) {
  Wire("OnCreate", &TMainView::OnCreate);
  Wire("OnShow", &TMainView::OnShow);
  Wire("OnClose", &TMainView::OnClose);
  Wire("OnDestroy", &TMainView::OnDestroy);
}

TMainView::~TMainView() = default;

void TMainView::OnCreate(toolkit::Object&) {
  FBackground = std::make_unique<toolkit::Bitmap>(App());
  try {
    // By bare name: from the current directory, not the program's folder.
    FBackground->LoadFromFile(kBackgroundFile);
    FOldClientProc = SubclassClient([this](HWND window, UINT message, toolkit::WParam wParam, toolkit::LParam lParam) {
      return ClientWndProc(window, message, wParam, lParam);
    });
  } catch (const Exception&) {
    // No picture: the workspace keeps its plain blue.
  }
}

toolkit::LResult TMainView::ClientWndProc(HWND window, UINT message, toolkit::WParam wParam, toolkit::LParam lParam) {
  if (message != toolkit::kEraseBackgroundMessage)
    return CallClientProcedure(FOldClientProc, window, message, wParam, lParam);
  const int width = FBackground ? FBackground->Width() : 0;
  const int height = FBackground ? FBackground->Height() : 0;
  if (width > 0 && height > 0) {
    auto dc = reinterpret_cast<toolkit::DeviceContext>(wParam);
    // Only the tiles that meet the area being painted, all through one
    // drawing: a small picture makes hundreds of thousands of tiles.
    const toolkit::Rect area = PaintedArea(dc);
    const int left = std::max(0, area.left), top = std::max(0, area.top);
    const int right = std::min(ClientWidth(), area.left + area.width);
    const int bottom = std::min(ClientHeight(), area.top + area.height);
    if (right > left && bottom > top)
      FBackground->DrawingOn(dc)->Tile(width, height, {left, top, right - left, bottom - top});
  }
  return 1;  // erased, also when there was nothing to draw
}

void TMainView::OnShow(toolkit::Object&) {
  // The pages made at start-up are never used.
  std::vector<toolkit::Form*> children = MdiChildren();
  for (toolkit::Form* child : children) child->Close();

  CheckJavaRuntime(FJavaCheck, ports_.registry, ports_.files);
  if (ports_.log) ports_.log->Line(engine::JavaCheckLogLine(FJavaCheck));
  if (FJavaCheck.Status != jcOK) {
    if (ShowMessageBox(JavaCheckMessage(FJavaCheck) + kContinueSuffix, kSetupCaption, MB_YESNO) == IDNO)
      App().Terminate();
  }
  ShowSelectInstallFolder();
}

void TMainView::OnClose(toolkit::Object&, toolkit::CloseAction& action) {
  if (ShowMessageBox(kQuitQuestion, kSetupCaption, MB_OKCANCEL) == IDOK)
    App().Terminate();
  else
    action = toolkit::CloseAction::None;
}

void TMainView::OnDestroy(toolkit::Object&) { FBackground.reset(); }

void TMainView::ShowSelectInstallFolder() {
  auto& page = App().CreateForm<TSelectInstallFolderView>(this, ports_);
  if (!FInstallFolder.empty()) page.SetFolder(FInstallFolder);
  page.Show();
}

void TMainView::SetInstallFolder(const std::string& folder) {
  FInstallFolder = folder;
  ShowAddChain();
}

void TMainView::ShowAddChain() {
  auto& page = App().CreateForm<TAddChainView>(this);
  page.LoadOptions(FAddSend, FChainXML);
  page.Show();
}

void TMainView::SetChainOptions(bool forward, bool addSend, bool chainXML) {
  FAddSend = addSend;
  FChainXML = chainXML;
  if (forward)
    ShowCreateShortcut();
  else
    ShowSelectInstallFolder();
}

void TMainView::ShowCreateShortcut() {
  auto& page = App().CreateForm<TCreateShortcutView>(this);
  page.LoadOptions(FStartMenu, FDesktop);
  page.Show();
}

void TMainView::SetShortcutOptions(bool forward, bool startMenu, bool desktop) {
  FStartMenu = startMenu;
  FDesktop = desktop;
  if (forward)
    ShowInstallProgress();
  else
    ShowAddChain();
}

void TMainView::ShowInstallProgress() { App().CreateForm<TInstallProgressView>(this).Show(); }

void TMainView::ShowCompletedInstall() { App().CreateForm<TCompletedInstallView>(this).Show(); }
