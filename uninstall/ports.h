// The ports the uninstaller works through.
#pragma once

#include "platform/append_file.h"
#include "platform/file_system.h"
#include "platform/handover.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/shell_link_reader.h"
#include "platform/system_folders.h"
#include "platform/window_search.h"

namespace uninstall {

struct UninstallPorts {
  platform::Registry& registry;
  platform::FileSystem& files;
  platform::ShellLinkReader& links;
  platform::MessageBoxPort& messages;
  platform::Process& process;
  platform::Handover& handover;
  platform::SystemFolders& system;
  platform::AppendFile& log;
  platform::WindowSearch& windows;
};

}  // namespace uninstall
