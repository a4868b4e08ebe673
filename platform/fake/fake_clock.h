// A clock that time passes on only when told: Advance() for a wait, and a
// fixed step on every reading for the work between two readings.
#pragma once

#include "platform/clock.h"

namespace platform {

class FakeClock final : public Clock {
 public:
  explicit FakeClock(long long stepPerReading = 0) : step_(stepPerReading) {}
  long long Microseconds() override {
    long long reading = now_;
    now_ += step_;
    return reading;
  }
  void Advance(long long microseconds) { now_ += microseconds; }

 private:
  long long now_ = 1000000;
  long long step_;
};

}  // namespace platform
