#include "platform/win32/win32_handover.h"

// RtlGenRandom under the name advapi32 exports it by since XP. Microsoft
// ships no import library for it; MinGW-w64's has it. Declared here rather
// than through <ntsecapi.h>, whose macro of that name would rename the
// port's function.
extern "C" __declspec(dllimport) BOOLEAN WINAPI SystemFunction036(PVOID buffer, ULONG length);

namespace platform {

DWORD Win32Handover::GetTempPathA(DWORD size, LPSTR buffer) { return ::GetTempPathA(size, buffer); }

HANDLE Win32Handover::CreateFileA(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                  DWORD disposition, DWORD flags, HANDLE templateFile) {
  return ::CreateFileA(path, access, share, security, disposition, flags, templateFile);
}

DWORD Win32Handover::GetCurrentProcessId() { return ::GetCurrentProcessId(); }

HANDLE Win32Handover::OpenProcess(DWORD access, BOOL inheritHandle, DWORD processId) {
  return ::OpenProcess(access, inheritHandle, processId);
}

BOOL Win32Handover::CloseHandle(HANDLE handle) { return ::CloseHandle(handle); }

void Win32Handover::Sleep(DWORD milliseconds) { ::Sleep(milliseconds); }

HANDLE Win32Handover::CreateMutexA(LPSECURITY_ATTRIBUTES security, BOOL initialOwner, LPCSTR name) {
  return ::CreateMutexA(security, initialOwner, name);
}

DWORD Win32Handover::GetLastError() { return ::GetLastError(); }

BOOLEAN Win32Handover::RtlGenRandom(PVOID buffer, ULONG length) { return ::SystemFunction036(buffer, length); }

BOOL Win32Handover::CreateWellKnownSid(WELL_KNOWN_SID_TYPE type, PSID domain, PSID sid, DWORD* size) {
  return ::CreateWellKnownSid(type, domain, sid, size);
}

BOOL Win32Handover::CheckTokenMembership(HANDLE token, PSID sid, PBOOL isMember) {
  return ::CheckTokenMembership(token, sid, isMember);
}

BOOL Win32Handover::ConvertStringSecurityDescriptorToSecurityDescriptorA(LPCSTR text, DWORD revision,
                                                                         PSECURITY_DESCRIPTOR* descriptor,
                                                                         PULONG size) {
  return ::ConvertStringSecurityDescriptorToSecurityDescriptorA(text, revision, descriptor, size);
}

HLOCAL Win32Handover::LocalFree(HLOCAL memory) { return ::LocalFree(memory); }

NTSTATUS Win32Handover::NtCreateFile(PHANDLE file, ACCESS_MASK access, POBJECT_ATTRIBUTES attributes,
                                     PIO_STATUS_BLOCK status, PLARGE_INTEGER allocationSize, ULONG fileAttributes,
                                     ULONG share, ULONG disposition, ULONG options, PVOID extendedAttributes,
                                     ULONG extendedAttributesLength) {
  return ::NtCreateFile(file, access, attributes, status, allocationSize, fileAttributes, share, disposition, options,
                        extendedAttributes, extendedAttributesLength);
}

BOOL Win32Handover::MoveFileExA(LPCSTR existing, LPCSTR newName, DWORD flags) {
  return ::MoveFileExA(existing, newName, flags);
}

NTSTATUS Win32Handover::NtSetInformationFile(HANDLE file, PIO_STATUS_BLOCK status, PVOID information, ULONG length,
                                             FILE_INFORMATION_CLASS informationClass) {
  return ::NtSetInformationFile(file, status, information, length, informationClass);
}

}  // namespace platform
