// The handover port: what a program needs to hand its last work to a copy of
// itself that outlives it. The temporary folder, a file held open (to be
// deleted when its last handle closes), a handle to this process that a
// child can inherit and wait on, a named mutex that the child inherits too
// (so that the pair counts as one running program), a pause between
// retries; for the copy's folder of its own: random bits for its name, the
// test whether this program runs as an administrator, a security descriptor
// from its string form, making a folder and holding it in one step, renaming
// a file through its handle, and removal at the next restart; with the Win32 (and ntdll) names, arguments and results.
// Starting and waiting are the process port's.
#pragma once

#include "platform/win_types.h"

#ifdef _WIN32
// After windows.h: SDDL_REVISION_1, and ntdll's file information.
#include <sddl.h>
#include <winternl.h>
#else
constexpr DWORD FILE_LIST_DIRECTORY = 0x00000001;
constexpr DWORD FILE_CREATE = 0x00000002;
constexpr DWORD FILE_DIRECTORY_FILE = 0x00000001;
constexpr DWORD FILE_SYNCHRONOUS_IO_NONALERT = 0x00000020;
constexpr DWORD FILE_OPEN_REPARSE_POINT = 0x00200000;
constexpr DWORD OBJ_INHERIT = 0x00000002;
constexpr DWORD OBJ_CASE_INSENSITIVE = 0x00000040;
constexpr DWORD FILE_FLAG_DELETE_ON_CLOSE = 0x04000000;
constexpr DWORD MOVEFILE_DELAY_UNTIL_REBOOT = 0x00000004;
constexpr DWORD SDDL_REVISION_1 = 1;
constexpr DWORD SECURITY_MAX_SID_SIZE = 68;
constexpr LONG ERROR_UNKNOWN_REVISION = 1305;
using ULONG = std::uint32_t;
using PULONG = ULONG*;
using USHORT = std::uint16_t;
using ACCESS_MASK = DWORD;
using PHANDLE = HANDLE*;
using PLARGE_INTEGER = std::int64_t*;
using BOOLEAN = BYTE;
using PBOOL = BOOL*;
using PVOID = void*;
using PSID = void*;
using PSECURITY_DESCRIPTOR = void*;
using HLOCAL = void*;
enum WELL_KNOWN_SID_TYPE { WinBuiltinAdministratorsSid = 26 };
using NTSTATUS = LONG;
struct IO_STATUS_BLOCK {
  union {
    NTSTATUS Status;
    PVOID Pointer;
  };
  ULONG_PTR Information;
};
using PIO_STATUS_BLOCK = IO_STATUS_BLOCK*;
struct UNICODE_STRING {
  USHORT Length;
  USHORT MaximumLength;
  WCHAR* Buffer;
};
struct OBJECT_ATTRIBUTES {
  ULONG Length;
  HANDLE RootDirectory;
  UNICODE_STRING* ObjectName;
  ULONG Attributes;
  PVOID SecurityDescriptor;
  PVOID SecurityQualityOfService;
};
using POBJECT_ATTRIBUTES = OBJECT_ATTRIBUTES*;
enum FILE_INFORMATION_CLASS { FileRenameInformation = 10 };
struct FILE_RENAME_INFORMATION {
  BOOLEAN ReplaceIfExists;
  HANDLE RootDirectory;
  ULONG FileNameLength;
  WCHAR FileName[1];
};
#endif

namespace platform {

class Handover {
 public:
  virtual ~Handover() = default;

  // The temporary folder with its trailing backslash; the length written, or
  // the size needed with terminator when the buffer is too small.
  virtual DWORD GetTempPathA(DWORD size, LPSTR buffer) = 0;
  virtual HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition,
                             DWORD flags, HANDLE templateFile) = 0;
  virtual DWORD GetCurrentProcessId() = 0;
  virtual HANDLE OpenProcess(DWORD access, BOOL inheritHandle, DWORD processId) = 0;
  virtual BOOL CloseHandle(HANDLE handle) = 0;
  virtual void Sleep(DWORD milliseconds) = 0;
  // A handle to the mutex of that name, made when there was none; then
  // GetLastError says ERROR_ALREADY_EXISTS when it was there before.
  virtual HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES security, BOOL initialOwner, LPCSTR name) = 0;
  virtual DWORD GetLastError() = 0;

  // RtlGenRandom, exported by advapi32 as SystemFunction036: the system's
  // random bits.
  virtual BOOLEAN RtlGenRandom(PVOID buffer, ULONG length) = 0;
  virtual BOOL CreateWellKnownSid(WELL_KNOWN_SID_TYPE type, PSID domain, PSID sid, DWORD* size) = 0;
  // With no token: this thread's; a group counts only when enabled, so a
  // filtered administrator's token is no member of Administrators.
  virtual BOOL CheckTokenMembership(HANDLE token, PSID sid, PBOOL isMember) = 0;
  // The descriptor is freed with LocalFree.
  virtual BOOL ConvertStringSecurityDescriptorToSecurityDescriptorA(LPCSTR text, DWORD revision,
                                                                    PSECURITY_DESCRIPTOR* descriptor, PULONG size) = 0;
  virtual HLOCAL LocalFree(HLOCAL memory) = 0;
  // ntdll's: with FILE_CREATE, makes the file or folder of the name
  // "\??\C:\..." in UTF-16 (never opens one that is there, whatever it is:
  // STATUS_OBJECT_NAME_COLLISION) and opens it in the same step. While the
  // handle is open, nobody may delete or rename it unless the share mode
  // lets them (FILE_SHARE_DELETE). Closed with CloseHandle.
  virtual NTSTATUS NtCreateFile(PHANDLE file, ACCESS_MASK access, POBJECT_ATTRIBUTES attributes,
                                PIO_STATUS_BLOCK status, PLARGE_INTEGER allocationSize, ULONG fileAttributes,
                                ULONG share, ULONG disposition, ULONG options, PVOID extendedAttributes,
                                ULONG extendedAttributesLength) = 0;
  // With MOVEFILE_DELAY_UNTIL_REBOOT and no new name: removed at the next
  // restart (only an administrator may ask).
  virtual BOOL MoveFileExA(LPCSTR existing, LPCSTR newName, DWORD flags) = 0;
  // ntdll's: with FileRenameInformation, renames the file of a handle opened
  // with DELETE access, under a name "\??\C:\..." in UTF-16; a running
  // program's file too. The handle keeps the file, under its new name.
  virtual NTSTATUS NtSetInformationFile(HANDLE file, PIO_STATUS_BLOCK status, PVOID information, ULONG length,
                                        FILE_INFORMATION_CLASS informationClass) = 0;
};

}  // namespace platform
