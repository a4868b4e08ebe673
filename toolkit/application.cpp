#include "toolkit/application.h"

#include "toolkit/form.h"

namespace toolkit {

Application::Application(Backend& backend) : backend_(backend) {}

Application::~Application() {
  // Teardown: stop asking for quits, then destroy forms newest first, so
  // that pages go before the frame that hosts them.
  while (!forms_.empty()) FreeForm(*forms_.back());
}

void Application::Initialize() { terminated_ = false; }

void Application::SetTitle(const std::string& title) {
  title_ = title;
  backend_.SetTitle(title);
}

void Application::Run() {
  if (mainForm_ != nullptr) Guard([this] { mainForm_->Show(); });
  if (!terminated_) backend_.RunLoop(*this);
}

void Application::Terminate() {
  terminated_ = true;
  backend_.PostQuit();
}

void Application::ProcessMessages() { backend_.ProcessMessages(*this); }

void Application::ShowException(const Exception& error) {
  std::string text = error.Message();
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  backend_.ShowMessageBox(Handle(), text, title_, MB_OK | kErrorIcon);
}

void Application::Guard(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const Exception& error) {
    ShowException(error);
  } catch (const std::exception& error) {
    ShowException(Exception(error.what()));
  }
}

void Application::FreeForm(Form& form) {
  if (&form == mainForm_) mainForm_ = nullptr;
  form.Destroy();
  delete &form;
}

}  // namespace toolkit
