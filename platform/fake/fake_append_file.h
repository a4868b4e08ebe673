// Appending into the fake file system's files, with its folders, drives,
// read-only files and write-refusing folders.
#pragma once

#include "platform/append_file.h"
#include "platform/fake/fake_file_system.h"

namespace platform {

class FakeAppendFile final : public AppendFile {
 public:
  explicit FakeAppendFile(FakeFileSystem& files) : files_(files) {}
  BOOL AppendToFileA(LPCSTR path, LPCVOID data, DWORD size) override {
    return files_.AppendToFile(path ? path : "", std::string(static_cast<const char*>(data), size), &lastError_);
  }
  DWORD GetLastError() override { return lastError_; }

 private:
  FakeFileSystem& files_;
  DWORD lastError_ = 0;
};

}  // namespace platform
