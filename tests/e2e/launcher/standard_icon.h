// Which of the system's standard icons a message box shows, told from the
// pixels on the screen: each standard icon is drawn over the box's own
// background and compared with what the box's icon control shows.
#pragma once

#include <windows.h>

#include <string>

namespace launcher_e2e {

// "exclamation", "hand", "asterisk", "question"; "none" without an icon
// control; "other" when no standard icon matches.
std::string StandardIconShown(HWND messageBox);

}  // namespace launcher_e2e
