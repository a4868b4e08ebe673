// The system-folders port: the shell's folder paths by CSIDL (SHGetFolderPathA,
// which Windows has from XP on, unlike the Vista known-folder calls) and
// the expansion of %NAME% in a path read from the registry; with the Win32
// names, arguments and results.
#pragma once

#include "platform/win_types.h"

#ifndef _WIN32
constexpr int CSIDL_PROGRAMS = 0x0002;
constexpr int CSIDL_PERSONAL = 0x0005;
constexpr int CSIDL_FAVORITES = 0x0006;
constexpr int CSIDL_STARTUP = 0x0007;
constexpr int CSIDL_SENDTO = 0x0009;
constexpr int CSIDL_STARTMENU = 0x000b;
constexpr int CSIDL_MYMUSIC = 0x000d;
constexpr int CSIDL_MYVIDEO = 0x000e;
constexpr int CSIDL_DESKTOPDIRECTORY = 0x0010;
constexpr int CSIDL_TEMPLATES = 0x0015;
constexpr int CSIDL_COMMON_STARTMENU = 0x0016;
constexpr int CSIDL_COMMON_PROGRAMS = 0x0017;
constexpr int CSIDL_COMMON_STARTUP = 0x0018;
constexpr int CSIDL_COMMON_DESKTOPDIRECTORY = 0x0019;
constexpr int CSIDL_APPDATA = 0x001a;
constexpr int CSIDL_LOCAL_APPDATA = 0x001c;
constexpr int CSIDL_COMMON_FAVORITES = 0x001f;
constexpr int CSIDL_COMMON_APPDATA = 0x0023;
constexpr int CSIDL_WINDOWS = 0x0024;
constexpr int CSIDL_SYSTEM = 0x0025;
constexpr int CSIDL_PROGRAM_FILES = 0x0026;
constexpr int CSIDL_MYPICTURES = 0x0027;
constexpr int CSIDL_PROFILE = 0x0028;
constexpr int CSIDL_SYSTEMX86 = 0x0029;
constexpr int CSIDL_PROGRAM_FILESX86 = 0x002a;
constexpr int CSIDL_PROGRAM_FILES_COMMON = 0x002b;
constexpr int CSIDL_PROGRAM_FILES_COMMONX86 = 0x002c;
constexpr int CSIDL_COMMON_TEMPLATES = 0x002d;
constexpr int CSIDL_COMMON_DOCUMENTS = 0x002e;
constexpr int CSIDL_COMMON_MUSIC = 0x0035;
constexpr int CSIDL_COMMON_PICTURES = 0x0036;
constexpr int CSIDL_COMMON_VIDEO = 0x0037;
constexpr int CSIDL_FLAG_DONT_VERIFY = 0x4000;
constexpr DWORD SHGFP_TYPE_CURRENT = 0;
#endif

namespace platform {

class SystemFolders {
 public:
  virtual ~SystemFolders() = default;

  // Into a buffer of MAX_PATH bytes: the folder without a trailing
  // backslash (a drive's root keeps its own); a failure HRESULT when the
  // system has no such folder.
  virtual HRESULT SHGetFolderPathA(HWND owner, int csidl, HANDLE token, DWORD flags, LPSTR path) = 0;
  // The size of the expansion with its terminator; more than size when it
  // did not fit, 0 on failure. A %NAME% that is not set stays as it is.
  virtual DWORD ExpandEnvironmentStringsA(LPCSTR source, LPSTR destination, DWORD size) = 0;
};

}  // namespace platform
