// A timer of a form: raises OnTimer every Interval milliseconds while it is
// enabled. The default interval is 1000 ms.
#pragma once

#include <memory>

#include "toolkit/backend.h"
#include "toolkit/events.h"
#include "toolkit/form_description.h"

namespace toolkit {

class Form;

class Timer : public Object {
 public:
  Timer(Form& parent, const ControlDescription& description);
  ~Timer() override;

  NotifyEvent OnTimer;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned interval);

  // Called by the backends when the interval has passed; nothing happens
  // while the timer is disabled.
  void HandleTimer();

  const ControlDescription& Description() const { return description_; }

 private:
  Form& parent_;
  const ControlDescription& description_;
  bool enabled_;
  unsigned interval_;
  std::unique_ptr<TimerPeer> peer_;
};

}  // namespace toolkit
