// The handover port in memory: a temporary folder of the fake file system,
// files held open with or without deletion at their last close, process
// handles that remember whether they are inheritable,
// named mutexes that live while a handle to them is open, pauses that only
// add up, random bits that a test may choose, an administrator or not,
// security descriptors that remember their string form, files renamed
// through a handle (every handle follows them), folders made and held by a
// handle (that cannot be removed while it is open unless it shares deletion)
// and names listed for removal at the next restart.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/fake/fake_file_system.h"
#include "platform/handover.h"

namespace platform {

class FakeHandover final : public Handover {
 public:
  struct Opened {
    std::string path;  // "" for a process handle
    DWORD processId = 0;
    bool inheritable = false;
    bool deleteOnClose = false;
    std::string mutexName;     // "" unless a mutex handle
    DWORD access = 0;          // of a file
    bool holdsFolder = false;  // a folder opened without sharing its deletion
  };

  explicit FakeHandover(FakeFileSystem& files) : files_(files) {}

  DWORD GetTempPathA(DWORD size, LPSTR buffer) override;
  HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition,
                     DWORD flags, HANDLE templateFile) override;
  DWORD GetCurrentProcessId() override { return processId_; }
  HANDLE OpenProcess(DWORD access, BOOL inheritHandle, DWORD processId) override;
  BOOL CloseHandle(HANDLE handle) override;
  void Sleep(DWORD milliseconds) override { slept_ += milliseconds; }
  HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES security, BOOL initialOwner, LPCSTR name) override;
  DWORD GetLastError() override { return lastError_; }
  BOOLEAN RtlGenRandom(PVOID buffer, ULONG length) override;
  BOOL CreateWellKnownSid(WELL_KNOWN_SID_TYPE type, PSID domain, PSID sid, DWORD* size) override;
  BOOL CheckTokenMembership(HANDLE token, PSID sid, PBOOL isMember) override;
  BOOL ConvertStringSecurityDescriptorToSecurityDescriptorA(LPCSTR text, DWORD revision,
                                                            PSECURITY_DESCRIPTOR* descriptor, PULONG size) override;
  HLOCAL LocalFree(HLOCAL memory) override;
  NTSTATUS NtCreateFile(PHANDLE file, ACCESS_MASK access, POBJECT_ATTRIBUTES attributes, PIO_STATUS_BLOCK status,
                        PLARGE_INTEGER allocationSize, ULONG fileAttributes, ULONG share, ULONG disposition,
                        ULONG options, PVOID extendedAttributes, ULONG extendedAttributesLength) override;
  BOOL MoveFileExA(LPCSTR existing, LPCSTR newName, DWORD flags) override;
  NTSTATUS NtSetInformationFile(HANDLE file, PIO_STATUS_BLOCK status, PVOID information, ULONG length,
                                FILE_INFORMATION_CLASS informationClass) override;

  // Test set-up and inspection.
  void SetTempPath(const std::string& path) { tempPath_ = path; }
  const std::map<HANDLE, Opened>& OpenHandles() const { return open_; }
  DWORD Slept() const { return slept_; }
  // The bytes of the next draws, in order; after them, bytes that count up.
  void QueueRandom(const std::string& bytes) { randomDraws_.push_back(bytes); }
  void FailRandom() { randomFails_ = true; }
  // As Wine runs every program; false for a user, or a filtered token.
  void SetAdministrator(bool administrator) { administrator_ = administrator; }
  // The string form of each descriptor made, and how many are still unfreed.
  const std::vector<std::string>& Descriptors() const { return descriptorTexts_; }
  std::size_t LiveDescriptors() const { return descriptors_.size(); }
  std::string DescriptorText(PSECURITY_DESCRIPTOR descriptor) const;
  // What MOVEFILE_DELAY_UNTIL_REBOOT listed for removal, in order.
  const std::vector<std::string>& AtRestart() const { return atRestart_; }
  // Another handle that holds an existing folder, as a child inherits one.
  HANDLE HoldFolder(const std::string& path);

 private:
  HANDLE NewHandle(const Opened& opened);
  bool MoveFile(const std::string& existing, const std::string& newName);
  BOOL Fail(DWORD error) {
    lastError_ = error;
    return FALSE;
  }

  FakeFileSystem& files_;
  std::string tempPath_ = "C:\\TEMP\\";
  std::map<HANDLE, Opened> open_;
  DWORD processId_ = 0x1234;
  DWORD slept_ = 0;
  DWORD lastError_ = 0;
  ULONG_PTR nextHandle_ = 0x700;
  std::deque<std::string> randomDraws_;
  BYTE nextRandomByte_ = 0;
  bool randomFails_ = false;
  bool administrator_ = true;
  std::map<PSECURITY_DESCRIPTOR, std::string> descriptors_;
  std::vector<std::string> descriptorTexts_;
  std::vector<std::string> atRestart_;
};

}  // namespace platform
