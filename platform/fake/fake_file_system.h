// An in-memory file system with Windows semantics: drive letters that exist
// or not, case-insensitive code page 932 names, files and folders with
// attributes, copies that refuse a read-only target and carry the source's
// attributes over, folders that refuse writing, files that another program
// holds open, free space per drive, a current directory for relative names,
// and the running program's own path.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace platform {

class FakeFileSystem final : public FileSystem {
 public:
  FakeFileSystem();

  DWORD GetFileAttributesA(LPCSTR path) override;
  BOOL SetFileAttributesA(LPCSTR path, DWORD attributes) override;
  BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES security) override;
  BOOL RemoveDirectoryA(LPCSTR path) override;
  BOOL DeleteFileA(LPCSTR path) override;
  BOOL CopyFileA(LPCSTR existing, LPCSTR target, BOOL failIfExists) override;
  HANDLE FindFirstFileA(LPCSTR path, LPWIN32_FIND_DATAA data) override;
  BOOL FindClose(HANDLE find) override;
  HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition,
                     DWORD flags, HANDLE templateFile) override;
  BOOL CloseHandle(HANDLE handle) override;
  BOOL GetDiskFreeSpaceExA(LPCSTR folder, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER total,
                           PULARGE_INTEGER totalFree) override;
  DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) override;
  DWORD GetLastError() override { return lastError_; }

  // Test set-up and inspection. Paths are full Windows paths.
  void AddDrive(char letter);
  void AddFolder(const std::string& path);  // with every missing parent
  void AddFile(const std::string& path, const std::string& content, DWORD attributes = FILE_ATTRIBUTE_ARCHIVE);
  void DenyWrite(const std::string& folder);  // nothing can be created or changed inside it
  // The next attempts to delete the file fail, as while another program
  // holds it open without sharing its deletion.
  void HoldBusy(const std::string& path, int attempts);
  // A folder held open without its deletion shared: it cannot be removed
  // until as many releases as holds.
  void HoldFolder(const std::string& path);
  void ReleaseFolder(const std::string& path);
  // Another program holds the file open for reading and shares only reading,
  // as the Java runtime holds its application archive: writing, deleting or
  // an open that does not share reading fail with a sharing violation.
  void HoldOpen(const std::string& path, bool held = true);
  // The free bytes of a drive (100 GB unless set); nullopt: the size cannot
  // be read, as of a network drive that does not answer.
  void SetFreeSpace(char drive, std::optional<unsigned long long> bytes);
  // What another program does just before the next copy starts.
  void BeforeNextCopy(std::function<void()> action) { beforeNextCopy_ = std::move(action); }
  void SetCurrentDirectory(const std::string& path) { currentDirectory_ = path; }
  void SetModulePath(const std::string& path) { modulePath_ = path; }
  bool FileExists(const std::string& path) const;
  std::optional<std::string> FileContent(const std::string& path) const;
  // What the append port does: the file is created when missing; FALSE with
  // the Win32 error in *error when it cannot be opened for appending.
  BOOL AppendToFile(const std::string& path, const std::string& bytes, DWORD* error);
  // Every entry, as "path" for folders and "path=content" for files, for
  // comparing before and after.
  std::vector<std::string> Dump() const;
  // True when the folder was made with a security descriptor of its own.
  bool MadeWithSecurity(const std::string& folder) const;

 private:
  struct Node {
    std::string path;  // as created
    bool folder = false;
    DWORD attributes = 0;
    bool denyWrite = false;
    std::string content;
  };

  // The folded full path, or nullopt for a name that cannot be resolved.
  std::optional<std::string> FullPath(const std::string& path) const;
  static std::string Fold(const std::string& fullPath);
  Node* Find(const std::string& path, bool* trailingSeparator = nullptr);
  Node* ParentOf(const std::string& fullPath);
  bool DriveExists(const std::string& fullPath) const;
  bool HeldOpen(const std::string& fullPath) const { return heldOpen_.count(Fold(fullPath)) != 0; }
  BOOL Fail(DWORD error) {
    lastError_ = error;
    return FALSE;
  }

  std::set<char> drives_;
  std::map<std::string, Node> nodes_;  // by folded full path
  std::string currentDirectory_ = "C:\\";
  std::string modulePath_ = "C:\\setup\\Setup.exe";
  DWORD lastError_ = 0;
  int openFinds_ = 0;
  std::set<std::string> madeWithSecurity_;  // folded full paths
  std::map<std::string, int> busy_;         // folded full path: refusals left
  std::multiset<std::string> heldFolders_;  // folded full paths, once per open handle
  std::set<std::string> heldOpen_;          // folded full paths
  std::set<HANDLE> openFiles_;
  ULONG_PTR nextFileHandle_ = 0x5000;
  std::map<char, std::optional<unsigned long long>> freeSpace_;  // by drive letter
  std::function<void()> beforeNextCopy_;
};

}  // namespace platform
