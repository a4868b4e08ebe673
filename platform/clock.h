// How long a step of the program took, for the administrator's log:
// microseconds from an arbitrary start (as fine as the machine counts),
// never going backwards. Whole numbers: an x87 double may come back with
// more precision than the one it is compared with.
#pragma once

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual long long Microseconds() = 0;
};

}  // namespace platform
