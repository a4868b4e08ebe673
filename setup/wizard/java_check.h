// The Java runtime check: is a Java Runtime Environment of version 1.4 or
// later registered, with an existing home folder holding lib\ext? The
// check only reads; it never writes to the registry or creates a folder.
#pragma once

#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "platform/registry.h"

enum TJavaCheckStatus : std::uint8_t {
  jcOK = 0,
  jcNotInstalled = 1,
  jcVersionTooOld = 2,
  jcHomeNotFound = 3,
  jcExtFolderNotFound = 4,
  jcSystemError = 5,
};

struct TJavaCheckResult {
  TJavaCheckStatus Status = jcOK;
  std::string ExtFolder;  // the runtime's home folder + "\lib\ext"; set only with jcOK
};

// Runs the check through the toolkit's registry accessor, rooted at
// HKEY_LOCAL_MACHINE, every key opened with full access and never created.
// Sets Status, and ExtFolder only on success. A version or home value of a
// non-string type raises the accessor's read error and leaves the result as
// it was.
void CheckJavaRuntime(TJavaCheckResult& result, platform::Registry& registry, platform::FileSystem& files);

// The sentence the wizard shows for a status; empty for jcOK and for any
// value outside 1 to 5.
std::string JavaCheckMessage(const TJavaCheckResult& result);

// "major.minor" with both parts whole integers, and at least 1.4.
bool IsSupportedJavaVersion(const std::string& version);

// The integer conversion the version rule uses: leading blanks, a sign, and
// hexadecimal with a leading $, x, X or 0x/0X are accepted; anything else
// left over fails.
bool TryStrToInt(const std::string& text, long& value);
