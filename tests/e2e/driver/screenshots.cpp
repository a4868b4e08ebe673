#include "tests/e2e/driver/driver.h"

namespace e2e {

bool Screenshot(const std::string& name) {
  std::string folder = Environment("TESSAL_ARTIFACTS");
  if (folder.empty()) return false;
  // The runner watches the folder from Linux: ask with NAME.req, wait for NAME.png.
  std::string windowsFolder = "Z:" + folder;
  for (char& c : windowsFolder)
    if (c == '/') c = '\\';
  std::string png = windowsFolder + "\\" + name + ".png";
  ::DeleteFileA(png.c_str());
  ::Sleep(300);  // let the windows finish painting
  if (!WriteFile(windowsFolder + "\\" + name + ".req", "")) return false;
  for (int waited = 0; waited < 10000; waited += 100) {
    if (FileExists(png)) return true;
    ::Sleep(100);
  }
  return false;
}

}  // namespace e2e
