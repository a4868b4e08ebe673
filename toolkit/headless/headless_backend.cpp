#include "toolkit/headless/headless_backend.h"

#include <algorithm>

namespace toolkit::headless {

namespace {

// The workspace procedure that every frame's MDI client starts with: it
// fills the workspace with the frame's colour. A plain function, as a
// window procedure is, so it reaches the backend through this pointer.
HeadlessBackend* activeBackend = nullptr;

LResult TOOLKIT_WINDOW_PROCEDURE DefaultClientProcedure(HWND, UINT message, WParam, LParam) {
  if (message != kEraseBackgroundMessage) return 0;
  if (activeBackend) activeBackend->RecordWorkspaceFill();
  return 1;
}

class HeadlessControlWindow final : public WindowPeer {
 public:
  HeadlessControlWindow(Control& control, HWND handle)
      : control_(control),
        handle_(handle),
        text_(control.Description().caption),
        enabled_(control.Description().enabled) {}

  HWND Handle() const override { return handle_; }
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override {
    // An edit reports every setting of its text, as the real one answers
    // WM_SETTEXT with EN_CHANGE even for the same text.
    text_ = text;
    if (control_.Description().kind == ControlKind::Edit) control_.HandleChange();
  }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Visible() const override { return true; }
  void SetVisible(bool) override {}
  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }

 private:
  Control& control_;
  HWND handle_;
  std::string text_;
  bool enabled_;
  bool checked_ = false;
};

class HeadlessTimer final : public TimerPeer {
 public:
  void Update(bool, unsigned) override {}
};

class HeadlessBitmap final : public BitmapPeer {
  class Drawing final : public BitmapDrawing {
   public:
    Drawing(HeadlessBackend& backend, DeviceContext dc, int width, int height)
        : backend_(backend), dc_(dc), width_(width), height_(height) {}
    void Draw(int x, int y) override { backend_.RecordBlit({dc_, x, y, width_, height_}); }

   private:
    HeadlessBackend& backend_;
    DeviceContext dc_;
    int width_, height_;
  };

 public:
  HeadlessBitmap(HeadlessBackend& backend, int width, int height) : backend_(backend), width_(width), height_(height) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  std::unique_ptr<BitmapDrawing> DrawingOn(DeviceContext dc) const override {
    backend_.RecordDrawing();
    return std::make_unique<Drawing>(backend_, dc, width_, height_);
  }

 private:
  HeadlessBackend& backend_;
  int width_, height_;
};

}  // namespace

class HeadlessFormWindow final : public FormPeer {
 public:
  HeadlessFormWindow(HeadlessBackend& backend, Form& form)
      : backend_(backend), form_(form), handle_(backend.NewHandle()), text_(form.Description().caption) {
    const FormDescription& description = form.Description();
    if (description.kind == FormKind::MdiFrame) {
      client_ = backend.NewHandle();
      clientProcedure_ = &DefaultClientProcedure;
    }
    backend_.Created(&form_);
  }
  ~HeadlessFormWindow() override { backend_.Destroyed(&form_, this); }

  Form& Owner() const { return form_; }

  HWND Handle() const override { return handle_; }
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }
  bool Enabled() const override { return true; }
  void SetEnabled(bool) override {}
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }

  int ClientWidth() const override {
    const FormDescription& description = form_.Description();
    if (description.kind == FormKind::MdiChild) return description.clientWidth;
    return description.state == WindowState::Maximized ? backend_.ScreenWidth() : description.bounds.width;
  }
  int ClientHeight() const override {
    const FormDescription& description = form_.Description();
    if (description.kind == FormKind::MdiChild) return description.clientHeight;
    return description.state == WindowState::Maximized ? backend_.ScreenHeight() : description.bounds.height;
  }
  HWND ClientHandle() const override { return client_; }
  WindowProcedure SubclassClient(ClientHandler handler) override {
    handler_ = std::move(handler);
    WindowProcedure previous = clientProcedure_;
    clientProcedure_ = nullptr;  // from now on the handler answers
    return previous;
  }
  void PostRelease() override { backend_.QueueRelease(this); }

  LResult SendToClient(UINT message, WParam wParam, LParam lParam) {
    if (handler_) return handler_(client_, message, wParam, lParam);
    return clientProcedure_ ? clientProcedure_(client_, message, wParam, lParam) : 0;
  }

 private:
  HeadlessBackend& backend_;
  Form& form_;
  HWND handle_;
  HWND client_ = nullptr;
  std::string text_;
  bool visible_ = false;
  WindowProcedure clientProcedure_ = nullptr;
  ClientHandler handler_;
};

namespace {

// A user reaches a control that is enabled and shown on a shown form.
bool UserCanReach(const Control& control) {
  return control.Enabled() && control.Visible() && control.Parent().Visible();
}

}  // namespace

HeadlessBackend::HeadlessBackend() : applicationHandle_(NewHandle()) { activeBackend = this; }

HeadlessBackend::~HeadlessBackend() {
  if (activeBackend == this) activeBackend = nullptr;
}

HWND HeadlessBackend::NewHandle() {
  nextHandle_ += 4;
  return reinterpret_cast<HWND>(nextHandle_);
}

void HeadlessBackend::Destroyed(const Form* form, HeadlessFormWindow* window) {
  alive_.erase(form);
  freed_.push_back(form->Name());
  releases_.erase(std::remove(releases_.begin(), releases_.end(), window), releases_.end());
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

HeadlessFormWindow* HeadlessBackend::WindowOf(const Form& form) const {
  for (HeadlessFormWindow* window : windows_)
    if (&window->Owner() == &form) return window;
  return nullptr;
}

void HeadlessBackend::RunPosted() {
  while (!releases_.empty()) {
    HeadlessFormWindow* window = releases_.front();
    releases_.erase(releases_.begin());
    window->Owner().ReleaseDue();
  }
}

bool HeadlessBackend::Click(Button& button) {
  if (!UserCanReach(button)) return false;
  button.HandleClick();
  RunPosted();
  return true;
}

bool HeadlessBackend::ClickTwice(Button& button) {
  if (!UserCanReach(button)) return false;
  button.HandleClick();
  if (UserCanReach(button)) button.HandleClick();
  RunPosted();
  return true;
}

bool HeadlessBackend::Toggle(CheckBox& box) {
  if (!UserCanReach(box)) return false;
  box.SetChecked(!box.Checked());
  box.HandleClick();
  RunPosted();
  return true;
}

bool HeadlessBackend::Type(Edit& edit, const std::string& text) {
  if (!UserCanReach(edit)) return false;
  edit.SetText(text);
  RunPosted();
  return true;
}

bool HeadlessBackend::FireTimer(Timer& timer) {
  if (!timer.Enabled()) return false;
  timer.HandleTimer();
  RunPosted();
  return true;
}

void HeadlessBackend::CloseByUser(Form& form) {
  form.HandleCloseRequest();
  RunPosted();
}

LResult HeadlessBackend::SendToClient(Form& frame, UINT message, WParam wParam, LParam lParam) {
  HeadlessFormWindow* window = WindowOf(frame);
  return window ? window->SendToClient(message, wParam, lParam) : 0;
}

void HeadlessBackend::AddBitmapFile(const std::string& fileName, int width, int height) {
  bitmapFiles_[fileName] = {width, height};
}

void HeadlessBackend::SetScreenSize(int width, int height) {
  screenWidth_ = width;
  screenHeight_ = height;
}

std::unique_ptr<FormPeer> HeadlessBackend::CreateFormWindow(Form& form, Form*) {
  auto window = std::make_unique<HeadlessFormWindow>(*this, form);
  windows_.push_back(window.get());
  return window;
}

std::unique_ptr<WindowPeer> HeadlessBackend::CreateControlWindow(Control& control, Form&) {
  return std::make_unique<HeadlessControlWindow>(control, NewHandle());
}

std::unique_ptr<TimerPeer> HeadlessBackend::CreateTimer(Timer&, Form&) { return std::make_unique<HeadlessTimer>(); }

std::unique_ptr<BitmapPeer> HeadlessBackend::LoadBitmapFile(const std::string& fileName) {
  auto file = bitmapFiles_.find(fileName);
  if (file == bitmapFiles_.end()) return nullptr;
  return std::make_unique<HeadlessBitmap>(*this, file->second.first, file->second.second);
}

int HeadlessBackend::ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
  int answer = (flags & 0x0F) == MB_YESNO ? IDYES : IDOK;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  shown_.push_back({owner, text, caption, flags, answer});
  if (std::function<void()> action = std::move(duringMessageBox_)) {
    duringMessageBox_ = nullptr;
    action();
    RunPosted();
  }
  return answer;
}

LResult HeadlessBackend::CallPreviousProcedure(WindowProcedure procedure, HWND window, UINT message, WParam wParam,
                                               LParam lParam) {
  return procedure ? procedure(window, message, wParam, lParam) : 0;
}

void HeadlessBackend::RunLoop(Application&) { RunPosted(); }

void HeadlessBackend::ProcessMessages(Application&) {
  if (processMessagesHook_ && !inProcessMessagesHook_) {
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{inProcessMessagesHook_};
    inProcessMessagesHook_ = true;
    processMessagesHook_();
  }
  RunPosted();
}

}  // namespace toolkit::headless
