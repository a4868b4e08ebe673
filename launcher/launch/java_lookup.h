// Where the launcher finds javaw.exe. First, as always: the program that
// opens .jar files, else the runtime that "SOFTWARE\JavaSoft\Java Runtime
// Environment" names in the launcher's own (32-bit) registry view. Only
// when that registry lookup fails, the runtimes of today: the same key in
// the 64-bit view, the keys "JRE" and "JDK" of Java 9 and later (64-bit
// view first, then 32-bit), %JAVA_HOME%\bin, and the folders PATH lists.
#pragma once

#include <optional>
#include <string>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell_association.h"

namespace launcher {

struct JavaLookupPorts {
  platform::FileSystem& files;
  platform::ShellAssociation& shell;
  platform::Registry& registry;
  platform::Environment& environment;
};

// The Java executable to start, which is there, or nothing and in failure
// the id of the message that explains why (that of the association's
// missing program, or of the first registry lookup).
std::optional<std::string> FindJava(JavaLookupPorts ports, const std::string& archive, const std::string& folder,
                                    UINT& failure);

}  // namespace launcher
