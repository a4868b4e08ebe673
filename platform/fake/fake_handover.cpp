#include "platform/fake/fake_handover.h"

#include <cstddef>
#include <cstring>

#include "platform/fake/cp932_utf16.h"

namespace platform {

DWORD FakeHandover::GetTempPathA(DWORD size, LPSTR buffer) {
  DWORD length = static_cast<DWORD>(tempPath_.size());
  if (!buffer || size < length + 1) return length + 1;
  std::memcpy(buffer, tempPath_.c_str(), length + 1);
  return length;
}

HANDLE FakeHandover::CreateFileA(LPCSTR path, DWORD access, DWORD, LPSECURITY_ATTRIBUTES security, DWORD disposition,
                                 DWORD flags, HANDLE) {
  // Only opening an existing file is modelled.
  if (!path || disposition != OPEN_EXISTING || !files_.FileExists(path)) {
    lastError_ = ERROR_FILE_NOT_FOUND;
    return INVALID_HANDLE_VALUE;
  }
  Opened opened{path, 0, security && security->bInheritHandle, (flags & FILE_FLAG_DELETE_ON_CLOSE) != 0, ""};
  opened.access = access;
  return NewHandle(opened);
}

HANDLE FakeHandover::CreateMutexA(LPSECURITY_ATTRIBUTES security, BOOL, LPCSTR name) {
  bool existed = false;
  for (const auto& [handle, opened] : open_) existed = existed || (name && opened.mutexName == name);
  lastError_ = existed ? ERROR_ALREADY_EXISTS : 0;
  Opened opened{"", 0, security && security->bInheritHandle, false, ""};
  opened.mutexName = name ? name : "";
  return NewHandle(opened);
}

HANDLE FakeHandover::OpenProcess(DWORD, BOOL inheritHandle, DWORD processId) {
  return NewHandle(Opened{"", processId, inheritHandle != FALSE, false, ""});
}

BOOL FakeHandover::CloseHandle(HANDLE handle) {
  auto opened = open_.find(handle);
  if (opened == open_.end()) return FALSE;
  if (opened->second.deleteOnClose) files_.DeleteFileA(opened->second.path.c_str());
  if (opened->second.holdsFolder) files_.ReleaseFolder(opened->second.path);
  open_.erase(opened);
  return TRUE;
}

BOOLEAN FakeHandover::RtlGenRandom(PVOID buffer, ULONG length) {
  if (randomFails_ || !buffer) return FALSE;
  auto* bytes = static_cast<BYTE*>(buffer);
  std::string draw;
  if (!randomDraws_.empty()) {
    draw = randomDraws_.front();
    randomDraws_.pop_front();
  }
  for (ULONG i = 0; i < length; ++i) bytes[i] = i < draw.size() ? static_cast<BYTE>(draw[i]) : nextRandomByte_++;
  return TRUE;
}

// A SID of the size Windows gives the Administrators group (16 bytes).
BOOL FakeHandover::CreateWellKnownSid(WELL_KNOWN_SID_TYPE type, PSID, PSID sid, DWORD* size) {
  constexpr DWORD kSidSize = 16;
  if (!size || type != WinBuiltinAdministratorsSid) return Fail(ERROR_INVALID_PARAMETER);
  if (!sid || *size < kSidSize) {
    *size = kSidSize;
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  }
  std::memset(sid, 0, kSidSize);
  static_cast<BYTE*>(sid)[0] = 1;  // the revision
  *size = kSidSize;
  return TRUE;
}

BOOL FakeHandover::CheckTokenMembership(HANDLE, PSID sid, PBOOL isMember) {
  if (!sid || !isMember) return Fail(ERROR_INVALID_PARAMETER);
  *isMember = administrator_ ? TRUE : FALSE;
  return TRUE;
}

// Only the form is checked: a discretionary list of entries in parentheses.
BOOL FakeHandover::ConvertStringSecurityDescriptorToSecurityDescriptorA(LPCSTR text, DWORD revision,
                                                                        PSECURITY_DESCRIPTOR* descriptor, PULONG size) {
  if (revision != SDDL_REVISION_1) return Fail(ERROR_UNKNOWN_REVISION);
  const std::string form = text ? text : "";
  if (!descriptor || form.rfind("D:", 0) != 0 || form.find('(') == std::string::npos || form.back() != ')')
    return Fail(ERROR_INVALID_PARAMETER);
  auto* memory = new BYTE[20]{};
  descriptors_[memory] = form;
  descriptorTexts_.push_back(form);
  *descriptor = memory;
  if (size) *size = 20;
  return TRUE;
}

HLOCAL FakeHandover::LocalFree(HLOCAL memory) {
  auto found = descriptors_.find(memory);
  if (found == descriptors_.end()) return memory;  // not ours: the call fails and returns it
  delete[] static_cast<BYTE*>(memory);
  descriptors_.erase(found);
  return nullptr;
}

std::string FakeHandover::DescriptorText(PSECURITY_DESCRIPTOR descriptor) const {
  auto found = descriptors_.find(descriptor);
  return found == descriptors_.end() ? "" : found->second;
}

// Only making a new folder is modelled.
NTSTATUS FakeHandover::NtCreateFile(PHANDLE file, ACCESS_MASK access, POBJECT_ATTRIBUTES attributes,
                                    PIO_STATUS_BLOCK status, PLARGE_INTEGER, ULONG, ULONG share, ULONG disposition,
                                    ULONG options, PVOID, ULONG) {
  constexpr NTSTATUS kInvalidParameter = static_cast<NTSTATUS>(0xC000000Du);
  constexpr NTSTATUS kNameCollision = static_cast<NTSTATUS>(0xC0000035u);
  constexpr NTSTATUS kPathNotFound = static_cast<NTSTATUS>(0xC000003Au);
  constexpr NTSTATUS kSyntaxBad = static_cast<NTSTATUS>(0xC000003Bu);
  constexpr NTSTATUS kAccessDenied = static_cast<NTSTATUS>(0xC0000022u);
  constexpr ULONG_PTR kFileCreated = 2;
  if (!file || !status || !attributes || !attributes->ObjectName || !attributes->ObjectName->Buffer ||
      attributes->ObjectName->Length % 2 || disposition != FILE_CREATE || !(options & FILE_DIRECTORY_FILE))
    return kInvalidParameter;
  std::u16string wide(attributes->ObjectName->Length / 2, u'\0');
  std::memcpy(wide.data(), attributes->ObjectName->Buffer, attributes->ObjectName->Length);
  auto name = fake::Utf16ToCp932(wide);
  if (!name || name->rfind("\\??\\", 0) != 0) return kSyntaxBad;
  const std::string path = name->substr(4);
  if (files_.GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return kNameCollision;
  SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), attributes->SecurityDescriptor, FALSE};
  if (!files_.CreateDirectoryA(path.c_str(), &security))
    return files_.GetLastError() == ERROR_ACCESS_DENIED ? kAccessDenied : kPathNotFound;
  Opened opened{path, 0, (attributes->Attributes & OBJ_INHERIT) != 0, false, ""};
  opened.access = access;
  opened.holdsFolder = !(share & FILE_SHARE_DELETE);
  if (opened.holdsFolder) files_.HoldFolder(path);
  *file = NewHandle(opened);
  status->Status = 0;
  status->Information = kFileCreated;
  return 0;
}

HANDLE FakeHandover::HoldFolder(const std::string& path) {
  Opened opened{path, 0, true, false, ""};
  opened.holdsFolder = true;
  files_.HoldFolder(path);
  return NewHandle(opened);
}

// Only removal at the next restart is modelled.
BOOL FakeHandover::MoveFileExA(LPCSTR existing, LPCSTR newName, DWORD flags) {
  if (!existing || newName || !(flags & MOVEFILE_DELAY_UNTIL_REBOOT)) return Fail(ERROR_INVALID_PARAMETER);
  if (!administrator_) return Fail(ERROR_ACCESS_DENIED);  // the list lies in HKEY_LOCAL_MACHINE
  atRestart_.push_back(existing);
  return TRUE;
}

// Files only, by a handle opened with DELETE access, to a full name
// "\??\X:\..." that is not taken.
NTSTATUS FakeHandover::NtSetInformationFile(HANDLE file, PIO_STATUS_BLOCK status, PVOID information, ULONG length,
                                            FILE_INFORMATION_CLASS informationClass) {
  constexpr NTSTATUS kInvalidHandle = static_cast<NTSTATUS>(0xC0000008u);
  constexpr NTSTATUS kInvalidParameter = static_cast<NTSTATUS>(0xC000000Du);
  constexpr NTSTATUS kAccessDenied = static_cast<NTSTATUS>(0xC0000022u);
  constexpr NTSTATUS kNameCollision = static_cast<NTSTATUS>(0xC0000035u);
  auto opened = open_.find(file);
  if (opened == open_.end() || opened->second.path.empty()) return kInvalidHandle;
  const auto* rename = static_cast<const FILE_RENAME_INFORMATION*>(information);
  const ULONG header = offsetof(FILE_RENAME_INFORMATION, FileName);
  if (!status || informationClass != FileRenameInformation || !rename || length < header ||
      rename->FileNameLength % 2 || rename->FileNameLength > length - header)
    return kInvalidParameter;
  if (!(opened->second.access & DELETE)) return kAccessDenied;
  std::u16string wide(rename->FileNameLength / 2, u'\0');
  std::memcpy(wide.data(), rename->FileName, rename->FileNameLength);
  auto name = fake::Utf16ToCp932(wide);
  if (!name || name->rfind("\\??\\", 0) != 0) return kInvalidParameter;
  const std::string newName = name->substr(4);
  if (files_.GetFileAttributesA(newName.c_str()) != INVALID_FILE_ATTRIBUTES && !rename->ReplaceIfExists)
    return kNameCollision;
  if (!MoveFile(opened->second.path, newName)) return kAccessDenied;
  status->Status = 0;
  status->Information = 0;
  return 0;
}

// The open handles on a moved file follow it.
bool FakeHandover::MoveFile(const std::string& existing, const std::string& newName) {
  if (!files_.FileExists(existing)) return Fail(ERROR_FILE_NOT_FOUND);
  if (files_.GetFileAttributesA(newName.c_str()) != INVALID_FILE_ATTRIBUTES) return Fail(ERROR_ALREADY_EXISTS);
  if (!files_.CopyFileA(existing.c_str(), newName.c_str(), TRUE)) return Fail(files_.GetLastError());
  files_.DeleteFileA(existing.c_str());
  for (auto& [handle, opened] : open_)
    if (opened.path == existing) opened.path = newName;
  return true;
}

HANDLE FakeHandover::NewHandle(const Opened& opened) {
  HANDLE handle = reinterpret_cast<HANDLE>(nextHandle_);
  nextHandle_ += 4;
  open_[handle] = opened;
  return handle;
}

}  // namespace platform
