// Message boxes that are only recorded: owner, text, caption and flags of
// each, answered with a scripted button (OK unless told otherwise).
#pragma once

#include <string>
#include <vector>

#include "platform/message_box.h"

namespace platform {

class FakeMessageBox final : public MessageBoxPort {
 public:
  struct Shown {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT type = 0;
  };

  int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) override {
    shown_.push_back(Shown{owner, text ? text : "", caption ? caption : "", type});
    return answer_;
  }

  void AnswerWith(int button) { answer_ = button; }
  const std::vector<Shown>& Messages() const { return shown_; }

 private:
  std::vector<Shown> shown_;
  int answer_ = IDOK;
};

}  // namespace platform
