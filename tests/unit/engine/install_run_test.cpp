// The install run as the page performs it, driven through the headless
// backend: the copy stage, the shell integration, and every way it ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "tests/support/bytes.h"
#include "tests/support/setup_fixture.h"

namespace {

const std::string kInstall = "C:\\Program Files\\tessal";
const std::string kUninstallKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessal";
const char* const kProductFiles[] = {"tessal.jar", "tessal.exe", "boot.ini", "readme.txt", "Uninstall.exe", "jh.jar"};

class InstallRun : public testing_support::SetupProgram {
 protected:
  TInstallProgressView* page = nullptr;
  std::vector<std::string> stages;   // the stage line as each pass of message processing saw it
  std::vector<std::string> details;  // the detail line likewise
  std::function<void()> duringRun;   // runs at each pass, after the lines were read

  void SetUp() override {
    SetupProgram::SetUp();
    files.SetModulePath("D:\\medium\\Setup.exe");
    for (const char* name : kProductFiles) files.AddFile(std::string("D:\\medium\\") + name, name);
    registry.SetString("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                       "Desktop", "C:\\Desktop");
    files.AddFolder("C:\\Desktop");
  }

  // The wizard up to the start button, with the choices given.
  void ReachProgressPage(const std::string& folder = kInstall) {
    Start();
    mainView->FInstallFolder = folder;
    mainView->ShowInstallProgress();
    page = Page<TInstallProgressView>();
    ASSERT_NE(page, nullptr);
    backend.OnProcessMessages([this] {
      if (!backend.WindowExists(page)) return;
      if (stages.empty() || stages.back() != page->lblProcessing->Caption())
        stages.push_back(page->lblProcessing->Caption());
      details.push_back(page->lblDetails->Caption());
      if (duringRun) duringRun();
    });
  }
  // Fires the page's timer; the exit code when the run ended the program.
  std::optional<UINT> RunTimer() {
    try {
      backend.FireTimer(*page->Timer1);
    } catch (const platform::FakeExit& exited) {
      return exited.exitCode;
    }
    return std::nullopt;
  }
};

TEST_F(InstallRun, WithAllOptionsOffTheStageLinePassesItsFourTextsAndTheEntryIsWritten) {
  ReachProgressPage();
  EXPECT_TRUE(page->Timer1->Enabled());
  EXPECT_EQ(page->Timer1->Interval(), 1000u);
  EXPECT_EQ(RunTimer(), std::nullopt);

  EXPECT_EQ(stages, (std::vector<std::string>{"ファイルのコピー中...", "ショートカットを作成中...",
                                              "関連付けを設定中...", "アプリケーションの追加と削除に追加中..."}));
  for (const char* name : {"tessal.jar", "tessal.exe", "boot.ini", "readme.txt", "Uninstall.exe"})
    EXPECT_EQ(files.FileContent(kInstall + "\\" + name), name);
  EXPECT_EQ(files.FileContent("C:\\Java\\jre\\lib\\ext\\jh.jar"), "jh.jar");
  EXPECT_EQ(links.SavedCount(), 0);
  EXPECT_FALSE(registry.KeyExists("HKEY_CLASSES_ROOT\\xmlfile"));
  EXPECT_BYTES(registry.ValueData(kUninstallKey, "UninstallString"), kInstall + "\\Uninstall.exe" + '\0');
  EXPECT_NE(Page<TCompletedInstallView>(), nullptr);
  EXPECT_FALSE(backend.WindowExists(page)) << "the progress page closes after the completion page is shown";
  EXPECT_EQ(details.back(), "") << "the detail line is cleared after the copies";
}

TEST_F(InstallRun, TheDetailLineShowsEachDestinationAndTheLibraryGoesByTheCheck) {
  ReachProgressPage();
  RunTimer();
  std::vector<std::string> destinations;
  for (const std::string& line : details)
    if (!line.empty() && (destinations.empty() || destinations.back() != line)) destinations.push_back(line);
  ASSERT_EQ(destinations.size(), 6u);
  EXPECT_BYTES(destinations[0], kInstall + "\\tessal.jar");
  EXPECT_BYTES(destinations[5], "C:\\Java\\jre\\lib\\ext\\jh.jar");
}

TEST_F(InstallRun, WithoutAUsableRuntimeTheLibraryGoesIntoTheInstallFolder) {
  registry.SetString(testing_support::kJavaKey, "CurrentVersion", "1.3");
  ReachProgressPage();
  ASSERT_EQ(mainView->FJavaCheck.Status, jcVersionTooOld);
  RunTimer();
  EXPECT_EQ(files.FileContent(kInstall + "\\jh.jar"), "jh.jar");
  EXPECT_FALSE(files.FileExists("C:\\Java\\jre\\lib\\ext\\jh.jar"));
}

TEST_F(InstallRun, AMissingReadmeIsSkippedSilently) {
  files.DeleteFileA("D:\\medium\\readme.txt");
  ReachProgressPage();
  EXPECT_EQ(RunTimer(), std::nullopt);
  EXPECT_FALSE(files.FileExists(kInstall + "\\readme.txt"));
  EXPECT_TRUE(files.FileExists(kInstall + "\\Uninstall.exe"));
  EXPECT_NE(Page<TCompletedInstallView>(), nullptr);
  EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(InstallRun, AReadOnlyLauncherAlreadyInstalledIsReplaced) {
  files.AddFile(kInstall + "\\tessal.exe", "old", FILE_ATTRIBUTE_READONLY);
  ReachProgressPage();
  RunTimer();
  EXPECT_EQ(files.FileContent(kInstall + "\\tessal.exe"), "tessal.exe");
  EXPECT_EQ(files.GetFileAttributesA((kInstall + "\\tessal.exe").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
}

TEST_F(InstallRun, TheChoicesReachTheShellIntegration) {
  registry.SetString("HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\ddeexec", "", "dde");
  ReachProgressPage();
  mainView->FDesktop = true;
  mainView->FChainXML = true;
  RunTimer();
  EXPECT_TRUE(links.LinkAt("C:\\Desktop\\Tessal.lnk").has_value());
  EXPECT_EQ(links.SavedCount(), 1);
  EXPECT_BYTES(registry.ValueData("HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\command", ""),
               "\"" + kInstall + "\\tessal.exe\" \"%1\"" + '\0');
  EXPECT_FALSE(registry.KeyExists("HKEY_CLASSES_ROOT\\xmlfile\\shell\\open\\ddeexec"));
}

TEST_F(InstallRun, AbortAnsweredCancelGoesOnAndOkEndsTheProgramBeforeTheNextStep) {
  // With /LOG the wizard's run is logged too, up to the exit it takes.
  struct : engine::InstallLog {
    std::vector<std::string> lines;
    void Line(const std::string& text) override { lines.push_back(text); }
  } log;
  ports.log = &log;
  ReachProgressPage();
  int passes = 0;
  duringRun = [&] {
    if (details.back() != kInstall + "\\boot.ini") return;
    ++passes;
    backend.AnswerNextMessageBox(passes == 1 ? IDCANCEL : IDOK);
    backend.Click(*page->btnCancel);
  };
  EXPECT_EQ(RunTimer(), 0u);
  EXPECT_EQ(passes, 2) << "Cancel let the run go on to its next pass";
  ASSERT_GE(backend.MessageBoxes().size(), 2u);
  EXPECT_BYTES(backend.MessageBoxes()[0].text, testing_support::kQuitQuestionText);
  EXPECT_EQ(backend.MessageBoxes()[0].flags, static_cast<UINT>(MB_OKCANCEL));
  EXPECT_TRUE(files.FileExists(kInstall + "\\tessal.exe"));
  EXPECT_FALSE(files.FileExists(kInstall + "\\boot.ini")) << "ended before the copy it was showing";
  EXPECT_FALSE(registry.KeyExists(kUninstallKey));
  EXPECT_EQ(links.SavedCount(), 0);
  EXPECT_EQ(Page<TCompletedInstallView>(), nullptr);
  EXPECT_EQ(log.lines, (std::vector<std::string>{
                           "Java check: jcOK (extension folder C:\\Java\\jre\\lib\\ext)",
                           "Install folder created: " + kInstall,
                           "Copied: D:\\medium\\tessal.jar -> " + kInstall + "\\tessal.jar (10 bytes)",
                           "Copied: D:\\medium\\tessal.exe -> " + kInstall + "\\tessal.exe (10 bytes)",
                           "Exit code: 0",
                       }));
}

TEST_F(InstallRun, AFolderThatCannotBeMadeFailsOnTheFirstExistingFile) {
  files.DenyWrite("C:\\Locked");
  files.DeleteFileA("D:\\medium\\tessal.jar");
  ReachProgressPage("C:\\Locked\\tessal");
  EXPECT_EQ(RunTimer(), 0u);
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_BYTES(backend.MessageBoxes()[0].text, "ファイルのコピーに失敗しました。");
  EXPECT_BYTES(backend.MessageBoxes()[0].caption, testing_support::kSetupCaptionText);
  EXPECT_EQ(backend.MessageBoxes()[0].flags, static_cast<UINT>(MB_OK));
  EXPECT_BYTES(details.back(), "C:\\Locked\\tessal\\tessal.exe");
  EXPECT_FALSE(registry.KeyExists(kUninstallKey));
}

TEST_F(InstallRun, AnErrorInTheRunShowsTheGeneralFailureAndEndsTheProgram) {
  ReachProgressPage("");
  EXPECT_EQ(RunTimer(), 0u);
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_BYTES(backend.MessageBoxes()[0].text, "Installation went wrong. \n Installation is stopped.");
  EXPECT_BYTES(backend.MessageBoxes()[0].caption, "KLMR-30 Setup");
  EXPECT_EQ(backend.MessageBoxes()[0].flags, static_cast<UINT>(MB_OK));
}

TEST_F(InstallRun, TheRunStartsOnceAndATerminationRequestWaitsForItsEnd) {
  ReachProgressPage();
  int timerRefused = 0;
  duringRun = [&] {
    timerRefused += !backend.FireTimer(*page->Timer1);
    app->Terminate();
  };
  EXPECT_EQ(RunTimer(), std::nullopt);
  EXPECT_GT(timerRefused, 0);
  EXPECT_EQ(stages.size(), 4u) << "one run only";
  EXPECT_TRUE(registry.KeyExists(kUninstallKey)) << "the run went to its end";
  EXPECT_NE(Page<TCompletedInstallView>(), nullptr);
}

TEST_F(InstallRun, TheStartUpInstanceNeverRuns) {
  Start();
  EXPECT_EQ(links.SavedCount(), 0);
  EXPECT_EQ(OpenPages(), 1);
  const auto& freed = backend.FreedForms();
  EXPECT_NE(std::find(freed.begin(), freed.end(), "TInstallProgressView"), freed.end());
  EXPECT_FALSE(files.FileExists(kInstall + "\\tessal.jar"));
}

}  // namespace
