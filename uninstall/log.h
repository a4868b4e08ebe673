// The log that /LOG asks for: Shift-JIS lines with CRLF, appended to the
// file; the start with the command line, each removal and each item left
// with its reason, and the exit code last. Each line is written at once, so
// that what was done is in the file even if the run ends unexpectedly.
#pragma once

#include <string>

#include "platform/append_file.h"
#include "uninstall/outcome.h"

namespace uninstall {

class Log {
 public:
  // An empty path: no log, and every line is dropped.
  Log(platform::AppendFile& appender, std::string path) : appender_(appender), path_(std::move(path)) {}

  void Line(const std::string& text);
  void Items(const char* prefix, const std::vector<std::string>& items);
  void Record(const Outcome& outcome);

 private:
  platform::AppendFile& appender_;
  std::string path_;
};

}  // namespace uninstall
