// The uninstaller that already runs, as a second one started by a double
// click too many shows it to the user: its question or its report, a
// visible top-level window with the uninstaller's caption that belongs to
// another process.
#pragma once

#include "platform/window_search.h"

namespace uninstall {

// True when such a window was found and asked to come to the front.
bool BringOtherUninstallerToFront(platform::WindowSearch& windows, DWORD ownProcessId);

}  // namespace uninstall
