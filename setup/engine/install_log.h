// The administrator's log of a setup run (/LOG=file): one line per event,
// in code page 932 with CRLF line ends, appended to whatever the file held.
// Without /LOG the run writes into NoLog(), which keeps nothing.
#pragma once

#include <string>

#include "platform/append_file.h"

namespace engine {

class InstallLog {
 public:
  virtual ~InstallLog() = default;
  virtual void Line(const std::string& text) = 0;
};

InstallLog& NoLog();

class FileLog final : public InstallLog {
 public:
  FileLog(platform::AppendFile& appender, std::string path) : appender_(appender), path_(std::move(path)) {}
  // A line that cannot be written is lost; Failed() then says so.
  void Line(const std::string& text) override;
  bool Failed() const { return failed_; }
  DWORD LastError() const { return lastError_; }

 private:
  platform::AppendFile& appender_;
  std::string path_;
  bool failed_ = false;
  DWORD lastError_ = 0;
};

// "0x80004005" for a failed HRESULT, for example; the Win32 error as a number.
std::string HexCode(unsigned long code);

}  // namespace engine
