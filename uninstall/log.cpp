#include "uninstall/log.h"

#include "uninstall/texts.h"

namespace uninstall {

void Log::Line(const std::string& text) {
  if (path_.empty()) return;
  // FILE_APPEND_DATA without FILE_WRITE_DATA: every write lands at the end,
  // also when another program appends to the same file meanwhile.
  HANDLE file = handover_.CreateFileA(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;  // a log that cannot be written does not stop the uninstall
  const std::string line = text + "\r\n";
  DWORD written = 0;
  handover_.WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  handover_.CloseHandle(file);
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
