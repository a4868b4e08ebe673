// The measurements of `make bench`, taken under Wine against the medium's
// programs. Each figure is taken kRuns times; each comparison is measured
// side by side in the same runs. Prints one line per figure:
//   name<TAB>median<TAB>min<TAB>max<TAB>unit
#include <windows.h>
// after windows.h
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/road/road.h"

namespace {

constexpr int kRuns = 9;

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Print(const char* name, std::vector<double> values, const char* unit) {
  std::sort(values.begin(), values.end());
  if (values.empty()) values.push_back(0);
  std::printf("%s\t%.1f\t%.1f\t%.1f\t%s\n", name, values[values.size() / 2], values.front(), values.back(), unit);
}

void Print(const char* name, double value, const char* unit) { Print(name, std::vector<double>{value}, unit); }

// The time the setup program's log gives for its copy stage, or -1.
double LoggedCopyStage(const std::string& log) {
  const std::string text = e2e::ReadFile(log);
  const auto at = text.find("Copy stage: ");
  return at == std::string::npos ? -1 : std::atof(text.c_str() + at + 12);
}

// Milliseconds from the start of commandLine until the runtime's record
// appears; the started program is ended then.
double UntilRuntimeStarts(const std::string& commandLine, const std::string& folder) {
  ::DeleteFileA(road::kRecord.c_str());
  double start = NowMs();
  e2e::Started started = e2e::Start(commandLine, folder);
  while (e2e::Attributes(road::kRecord) == INVALID_FILE_ATTRIBUTES && NowMs() - start < 20000) ::Sleep(1);
  double elapsed = NowMs() - start;
  e2e::Kill(started);
  e2e::WaitForExit(started, 5000);
  ::CloseHandle(started.process);
  return elapsed;
}

SIZE_T PeakWorkingSet(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  return ::GetProcessMemoryInfo(process, &counters, sizeof counters) ? counters.PeakWorkingSetSize : 0;
}

HWND Child(HWND parent, const std::string& caption, DWORD timeoutMs) {
  return e2e::WaitForChild(parent, caption, timeoutMs);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: bench MEDIUM_DIR STAND_IN_JAVA FLOOR_GUI FLOOR_GUI_BARE\n");
    return 2;
  }
  const std::string medium = e2e::WindowsPath(argv[1]);
  if (!road::InstallJavaStandIn(e2e::WindowsPath(argv[2]))) return 1;
  ::SetEnvironmentVariableA("TESSAL_STAND_IN_WINDOW", nullptr);  // the runtime ends at once

  // The launcher in an install folder of its own, beside the archive.
  const std::string folder = "C:\\bench\\tessal";
  e2e::MakeFolders(folder);
  for (const char* name : {"tessal.exe", "tessal.jar", "boot.ini"})
    ::CopyFileA((medium + "\\" + name).c_str(), (folder + "\\" + name).c_str(), FALSE);
  const std::string javaw = "\"" + road::kJavaHome + "\\bin\\javaw.exe\"";
  const std::string runtime = javaw + " -jar \"" + folder + "\\tessal.jar\"";
  // The floor: a GUI program with the launcher's manifest and imports that
  // starts the same command line at once.
  const std::string floor = "\"" + e2e::WindowsPath(argv[3]) + "\" " + runtime;
  // And the same program without the manifest.
  const std::string bare = "\"" + e2e::WindowsPath(argv[4]) + "\" " + runtime;
  std::vector<double> viaLauncher, direct, viaFloor, viaBare;
  for (int run = 0; run < kRuns; ++run) {
    viaLauncher.push_back(UntilRuntimeStarts("\"" + folder + "\\tessal.exe\"", folder));
    direct.push_back(UntilRuntimeStarts(runtime, folder));
    viaFloor.push_back(UntilRuntimeStarts(floor, folder));
    viaBare.push_back(UntilRuntimeStarts(bare, folder));
  }
  Print("launcher_to_runtime_ms", viaLauncher, "ms");
  Print("runtime_direct_ms", direct, "ms");
  Print("floor_gui_to_runtime_ms", viaFloor, "ms");
  Print("floor_gui_bare_to_runtime_ms", viaBare, "ms");

  // The setup program from its start to the install-folder page, and its
  // working set there.
  std::vector<double> toFolderPage;
  SIZE_T setupPeak = 0;
  for (int run = 0; run < kRuns; ++run) {
    double start = NowMs();
    e2e::Started setup = e2e::Start("\"" + medium + "\\Setup.exe\"", medium);
    HWND frame = e2e::WaitForTopLevel("Tessal　インストーラー");
    HWND page = frame ? Child(frame, "フォルダの選択", 20000) : nullptr;
    if (page) toFolderPage.push_back(NowMs() - start);
    setupPeak = std::max(setupPeak, PeakWorkingSet(setup.process));
    e2e::Kill(setup);
    e2e::WaitForExit(setup, 5000);
    ::CloseHandle(setup.process);
  }
  Print("setup_to_folder_page_ms", toFolderPage, "ms");
  Print("setup_peak_working_set_kb", setupPeak / 1024.0, "KiB");

  // The launcher's working set while its splash is up.
  ::SetEnvironmentVariableA("TESSAL_STAND_IN_WINDOW", nullptr);
  {
    e2e::Started launcher = e2e::Start("\"" + folder + "\\tessal.exe\"", folder);
    ::Sleep(1000);
    Print("launcher_peak_working_set_kb", PeakWorkingSet(launcher.process) / 1024.0, "KiB");
    e2e::Kill(launcher);
    e2e::WaitForExit(launcher, 5000);
    ::CloseHandle(launcher.process);
  }

  // The install run's copy stage with a 100 MB archive, as the run's own log
  // times it (an unattended install: the same run as the wizard's, with no
  // page to repaint), against one plain CopyFileA of the same file.
  const std::string bigMedium = "C:\\bench\\medium";
  e2e::MakeFolders(bigMedium);
  for (const char* name : {"Setup.exe", "tessal.exe", "Uninstall.exe", "boot.ini", "readme.txt", "jh.jar"})
    ::CopyFileA((medium + "\\" + name).c_str(), (bigMedium + "\\" + name).c_str(), FALSE);
  {
    std::string chunk(1 << 20, 'J');
    HANDLE file =
        ::CreateFileA((bigMedium + "\\tessal.jar").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    for (int i = 0; i < 100; ++i) ::WriteFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &written, nullptr);
    ::CloseHandle(file);
  }
  std::vector<double> copyStage, plainCopy;
  for (int run = 0; run < kRuns; ++run) {
    const std::string target = "C:\\bench\\installed" + std::to_string(run);
    const std::string log = "C:\\bench\\copy" + std::to_string(run) + ".log";
    e2e::RemoveTree(target);
    double plainStart = NowMs();
    e2e::MakeFolders(target + "_plain");
    ::CopyFileA((bigMedium + "\\tessal.jar").c_str(), (target + "_plain\\tessal.jar").c_str(), FALSE);
    plainCopy.push_back(NowMs() - plainStart);
    e2e::RemoveTree(target + "_plain");

    e2e::Started setup =
        e2e::Start("\"" + bigMedium + "\\Setup.exe\" /SILENT /DIR=\"" + target + "\" /LOG=\"" + log + "\"", bigMedium);
    e2e::WaitForExit(setup, 60000);
    ::CloseHandle(setup.process);
    const double logged = LoggedCopyStage(log);
    if (logged >= 0) copyStage.push_back(logged);
    e2e::RemoveTree(target);
  }
  Print("install_copy_stage_ms", copyStage, "ms");
  Print("plain_copyfile_100mb_ms", plainCopy, "ms");
  return 0;
}
