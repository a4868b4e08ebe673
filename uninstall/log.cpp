#include "uninstall/log.h"

#include "uninstall/texts.h"

namespace uninstall {

void Log::Line(const std::string& text) {
  if (path_.empty()) return;
  const std::string line = text + "\r\n";
  // A log that cannot be written does not stop the uninstall.
  appender_.AppendToFileA(path_.c_str(), line.data(), static_cast<DWORD>(line.size()));
}

void Log::Items(const char* prefix, const std::vector<std::string>& items) {
  for (const std::string& item : items) Line(prefix + item);
}

void Log::Record(const Outcome& outcome) {
  Items(kLogRemoved, outcome.removed);
  Items(kLogFailed, outcome.failed);
  Items(kLogKept, outcome.kept);
  Items(kLogLeftAlone, outcome.leftAlone);
}

}  // namespace uninstall
