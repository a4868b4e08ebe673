// The handover port on the kernel.
#pragma once

#include "platform/handover.h"

namespace platform {

class Win32Handover final : public Handover {
 public:
  DWORD GetTempPathA(DWORD size, LPSTR buffer) override;
  HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition,
                     DWORD flags, HANDLE templateFile) override;
  DWORD GetCurrentProcessId() override;
  HANDLE OpenProcess(DWORD access, BOOL inheritHandle, DWORD processId) override;
  BOOL CloseHandle(HANDLE handle) override;
  void Sleep(DWORD milliseconds) override;
  HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES security, BOOL initialOwner, LPCSTR name) override;
  DWORD GetLastError() override;
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
};

}  // namespace platform
