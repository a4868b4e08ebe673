// A stand-in for the Java runtime's javaw.exe in tests. It writes its whole
// command line and its current directory, as bytes, to the file named by
// TESSAL_STAND_IN_RECORD (command line, a line feed, current directory).
// With TESSAL_STAND_IN_WINDOW set it then shows a window whose title begins
// with "Tessal", as the Java application does, until it is closed or half a
// minute has passed; otherwise it ends at once.
//
// "stand_in_java.exe /hold PATH" holds that file as the Java runtime holds
// its application archive while Tessal runs (open for reading, sharing only
// reading, and mapped) and shows the window until it is closed or ended.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Read wide: Wine's GetEnvironmentVariableA cuts a value with double-byte
// characters short.
std::string Variable(const wchar_t* name) {
  wchar_t value[1024] = {};
  DWORD length = ::GetEnvironmentVariableW(name, value, 1024);
  if (length == 0 || length >= 1024) return std::string();
  char bytes[2048] = {};
  int size = ::WideCharToMultiByte(CP_ACP, 0, value, static_cast<int>(length), bytes, sizeof bytes, nullptr, nullptr);
  return std::string(bytes, size > 0 ? size : 0);
}

void Record(const std::string& path) {
  char folder[MAX_PATH + 1] = {};
  DWORD length = ::GetCurrentDirectoryA(sizeof folder, folder);
  std::string record =
      std::string(::GetCommandLineA()) + "\n" + std::string(folder, length < sizeof folder ? length : 0);
  // Written under another name first, so that a reader never sees half of it.
  std::string partial = path + ".part";
  HANDLE file =
      ::CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  ::WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  ::CloseHandle(file);
  ::MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY || (message == WM_TIMER && wParam == 1)) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

// The handles stay open until the process ends.
bool HoldAsTheRuntimeDoes(const char* path) {
  HANDLE file =
      ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  HANDLE mapping = ::CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
  return mapping && ::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
}

void ShowApplicationWindow(HINSTANCE instance, UINT lifetimeMs = 30000) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "TessalStandInWindow";
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  ::RegisterClassA(&windowClass);
  HWND window = ::CreateWindowA("TessalStandInWindow", "Tessal - stand-in", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                400, 300, nullptr, nullptr, instance, nullptr);
  ::SetTimer(window, 1, lifetimeMs, nullptr);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) ::DispatchMessageA(&message);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc == 3 && std::strcmp(__argv[1], "/hold") == 0) {
    if (!HoldAsTheRuntimeDoes(__argv[2])) return 1;
    ShowApplicationWindow(instance, 300000);  // a test ends it long before
    return 0;
  }
  std::string record = Variable(L"TESSAL_STAND_IN_RECORD");
  if (!record.empty()) Record(record);
  if (!Variable(L"TESSAL_STAND_IN_WINDOW").empty()) ShowApplicationWindow(instance);
  return 0;
}
