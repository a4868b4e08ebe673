// Screenshots under the Wine runner: the program writes NAME.req into the
// artifacts folder (seen from Windows through drive Z:) and the runner
// answers with NAME.png of the whole screen.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace e2e {

inline std::string ArtifactsFolder() {
  const char* folder = std::getenv("TESSAL_ARTIFACTS");
  if (folder == nullptr || *folder == '\0') return "";
  std::string path = std::string("Z:") + folder;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

// Pumps messages for the given time, so that windows are painted.
inline void Pump(DWORD milliseconds) {
  DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(20);
  } while (GetTickCount() - start < milliseconds);
}

// True when NAME.png arrived; false without an artifacts folder.
inline bool TakeScreenshot(HWND window, const std::string& name) {
  std::string folder = ArtifactsFolder();
  if (folder.empty()) return false;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(300);
  std::string png = folder + "\\" + name + ".png";
  DeleteFileA(png.c_str());
  std::string request = folder + "\\" + name + ".req";
  FILE* file = std::fopen(request.c_str(), "w");
  if (file == nullptr) return false;
  std::fclose(file);
  for (int i = 0; i < 100; ++i) {
    if (GetFileAttributesA(png.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    Pump(100);
  }
  return false;
}

}  // namespace e2e
