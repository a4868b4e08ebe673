// Resource identifiers of the launcher.
#pragma once

#include "launch/launcher_strings.h"

#define IDR_MAINFRAME 128  // the application icon, also the executable's icon
#define IDD_SPLASH 102     // the splash dialog template
#define IDB_SPLASH 133     // the splash picture
#define IDC_PICTURE 1000   // the splash dialog's picture control
