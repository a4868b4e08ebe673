// The launch sequence: find the launcher's folder and the application
// archive, find the Java runtime, read the options from boot.ini, start the
// Java application with the documents, then hand the new process to the
// splash. Each failure is reported in one message box and ends the sequence.
#pragma once

#include <string>
#include <vector>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/shell_association.h"
#include "platform/string_resource.h"

namespace launcher {

struct LaunchPorts {
  platform::FileSystem& files;
  platform::ShellAssociation& shell;
  platform::Registry& registry;
  platform::Environment& environment;
  platform::Profile& profile;
  platform::Process& process;
  platform::MessageBoxPort& messages;
  platform::StringResource& strings;
  HINSTANCE instance;  // whose string table holds the texts
};

// What follows a successful start: the splash, which waits on the process.
// The handle stays open; the sequence never closes it.
class SplashHandOver {
 public:
  virtual ~SplashHandOver() = default;
  virtual void ShowSplash(HANDLE javaProcess) = 0;
};

// documents: the launcher's arguments after the program name, in order.
void RunLaunchSequence(LaunchPorts& ports, const std::vector<std::string>& documents, SplashHandOver& splash);

}  // namespace launcher
