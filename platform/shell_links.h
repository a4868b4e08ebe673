// The shell-link port: COM start and end on the calling thread, the shell's
// link object seen through IShellLinkA and IPersistFile, and the conversion
// of a code page 932 path to UTF-16 for IPersistFile::Save. Releasing an
// interface is destroying its object here.
#pragma once

#include <memory>

#include "platform/win_types.h"

namespace platform {

// IPersistFile of a link object.
class PersistFile {
 public:
  virtual ~PersistFile() = default;
  virtual HRESULT Save(LPCWSTR fileName, BOOL remember) = 0;
};

// IShellLinkA of a link object.
class ShellLink {
 public:
  virtual ~ShellLink() = default;
  virtual HRESULT SetPath(LPCSTR target) = 0;
  virtual HRESULT SetWorkingDirectory(LPCSTR folder) = 0;
  // QueryInterface for IPersistFile.
  virtual HRESULT QueryPersistFile(std::unique_ptr<PersistFile>* persistFile) = 0;
};

class ShellLinks {
 public:
  virtual ~ShellLinks() = default;
  virtual HRESULT CoInitialize(LPVOID reserved) = 0;
  virtual void CoUninitialize() = 0;
  // CoCreateInstance(CLSID_ShellLink, no outer object, CLSCTX_INPROC_SERVER, IID_IShellLinkA).
  virtual HRESULT CoCreateShellLink(std::unique_ptr<ShellLink>* link) = 0;
  virtual int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textLength, LPWSTR wide,
                                  int wideLength) = 0;
};

}  // namespace platform
