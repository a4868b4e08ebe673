#include "setup/engine/install_log.h"

#include <cstdio>

namespace engine {

namespace {

class DiscardingLog final : public InstallLog {
 public:
  void Line(const std::string&) override {}
};

}  // namespace

InstallLog& NoLog() {
  static DiscardingLog log;
  return log;
}

void FileLog::Line(const std::string& text) {
  const std::string line = text + "\r\n";
  if (!appender_.AppendToFileA(path_.c_str(), line.data(), static_cast<DWORD>(line.size()))) {
    failed_ = true;
    lastError_ = appender_.GetLastError();
  }
}

std::string HexCode(unsigned long code) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", code & 0xFFFFFFFFul);
  return text;
}

}  // namespace engine
