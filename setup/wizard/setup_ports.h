// The ports the setup program works through. The program entry makes the
// real ones; tests make fakes. The controller hands them to its pages.
#pragma once

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/folder_browser.h"
#include "platform/process.h"
#include "platform/process_exit.h"
#include "platform/registry.h"
#include "platform/shell_links.h"
#include "setup/engine/install_log.h"

struct SetupPorts {
  platform::Registry& registry;
  platform::FileSystem& files;
  platform::ShellLinks& links;
  platform::Process& process;
  platform::ProcessExit& exit;
  platform::FolderBrowser& browser;
  // The administrator's log (/LOG); null when none was asked for.
  engine::InstallLog* log = nullptr;
  // Times the copy stage in that log.
  platform::Clock* clock = nullptr;
};
