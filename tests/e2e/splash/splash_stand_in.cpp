// A stand-in for the Java runtime's javaw.exe that behaves as the splash
// tests need, told by its environment:
//   TESSAL_SPLASH_PID_FILE  a file to write its process id into, first
//   TESSAL_SPLASH_DELAY_MS  how long to wait before the window or the end
//   TESSAL_SPLASH_TITLE     the title of a window to show after the wait;
//                           the window stays until closed (a minute at most)
//   TESSAL_SPLASH_STAY_MS   without a title: how long to run on before ending
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

std::string Variable(const char* name) {
  char value[512] = {};
  DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

DWORD Milliseconds(const char* name) { return static_cast<DWORD>(std::strtoul(Variable(name).c_str(), nullptr, 10)); }

void WritePid(const std::string& path) {
  std::string pid = std::to_string(::GetCurrentProcessId());
  std::string partial = path + ".part";
  HANDLE file =
      ::CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  ::WriteFile(file, pid.data(), static_cast<DWORD>(pid.size()), &written, nullptr);
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

void ShowWindowTitled(HINSTANCE instance, const std::string& title) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "TessalSplashStandIn";
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  ::RegisterClassA(&windowClass);
  HWND window = ::CreateWindowA("TessalSplashStandIn", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 360, 380, 560,
                                260, nullptr, nullptr, instance, nullptr);
  ::SetTimer(window, 1, 60000, nullptr);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) ::DispatchMessageA(&message);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  std::string pidFile = Variable("TESSAL_SPLASH_PID_FILE");
  if (!pidFile.empty()) WritePid(pidFile);
  ::Sleep(Milliseconds("TESSAL_SPLASH_DELAY_MS"));
  std::string title = Variable("TESSAL_SPLASH_TITLE");
  if (!title.empty())
    ShowWindowTitled(instance, title);
  else
    ::Sleep(Milliseconds("TESSAL_SPLASH_STAY_MS"));
  return 0;
}
