// The form descriptions of the setup program's six windows: the main window
// and the five wizard pages. Each is data only; the window classes build
// themselves from them.
#pragma once

#include "toolkit/form_description.h"

namespace forms {

const toolkit::FormDescription& MainView();
const toolkit::FormDescription& SelectInstallFolderView();
const toolkit::FormDescription& AddChainView();
const toolkit::FormDescription& CreateShortcutView();
const toolkit::FormDescription& CompletedInstallView();
const toolkit::FormDescription& InstallProgressView();

}  // namespace forms
