#include "toolkit/timer.h"

#include "toolkit/form.h"

namespace toolkit {

Timer::Timer(Form& parent, const ControlDescription& description)
    : Object(description.name),
      parent_(parent),
      description_(description),
      enabled_(description.enabled),
      interval_(description.interval) {
  peer_ = parent.App().WindowSystem().CreateTimer(*this, parent);
  peer_->Update(enabled_, interval_);
}

Timer::~Timer() = default;

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  peer_->Update(enabled_, interval_);
}

void Timer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  peer_->Update(enabled_, interval_);
}

void Timer::HandleTimer() {
  if (!enabled_ || !OnTimer) return;
  parent_.RunHandler(Form::HandlerKind::Timer, [this] { OnTimer(*this); });
}

}  // namespace toolkit
