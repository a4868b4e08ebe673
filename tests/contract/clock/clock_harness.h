// A clock of one side, and a wait of that side: Sleep for the real clock,
// Advance for the fake.
#pragma once

#include "platform/clock.h"

namespace contract {

platform::Clock& TheClock();
void Wait(int milliseconds);

}  // namespace contract
