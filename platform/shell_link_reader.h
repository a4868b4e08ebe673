// The shell-link port for reading: COM start and end on the calling thread,
// the shell's link object seen through IShellLinkA and IPersistFile::Load,
// and the conversion of a code page 932 path to UTF-16 for Load. Releasing
// an interface is destroying its object here.
#pragma once

#include <memory>

#include "platform/win_types.h"

#ifdef _WIN32
#include <objbase.h>
#include <shlobj.h>
#else
constexpr DWORD STGM_READ = 0x00000000;
constexpr DWORD SLGP_RAWPATH = 0x4;
#endif

namespace platform {

// IPersistFile of a link object, as far as loading goes.
class LinkFileLoader {
 public:
  virtual ~LinkFileLoader() = default;
  virtual HRESULT Load(LPCWSTR fileName, DWORD mode) = 0;
};

// IShellLinkA of a link object, as far as reading goes.
class LinkReader {
 public:
  virtual ~LinkReader() = default;
  // The target, cut to size - 1 bytes and terminated.
  virtual HRESULT GetPath(LPSTR file, int size, WIN32_FIND_DATAA* findData, DWORD flags) = 0;
  // QueryInterface for IPersistFile.
  virtual HRESULT QueryLoader(std::unique_ptr<LinkFileLoader>* loader) = 0;
};

class ShellLinkReader {
 public:
  virtual ~ShellLinkReader() = default;
  virtual HRESULT CoInitialize(LPVOID reserved) = 0;
  virtual void CoUninitialize() = 0;
  // CoCreateInstance(CLSID_ShellLink, no outer object, CLSCTX_INPROC_SERVER, IID_IShellLinkA).
  virtual HRESULT CoCreateLinkReader(std::unique_ptr<LinkReader>* link) = 0;
  virtual int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textLength, LPWSTR wide,
                                  int wideLength) = 0;
};

}  // namespace platform
