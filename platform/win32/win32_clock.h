#pragma once

#include "platform/clock.h"

namespace platform {

// The performance counter: microseconds or finer on every Windows since XP,
// where GetTickCount moves in steps of 10 to 16 ms.
class Win32Clock final : public Clock {
 public:
  long long Microseconds() override;
};

}  // namespace platform
