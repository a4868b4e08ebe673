// The setup program in memory: the headless window backend, fakes of every
// port, and a machine with a complete Java runtime and a Program Files
// folder. Start() runs the program entry's steps up to the event loop.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_folder_browser.h"
#include "platform/fake/fake_process.h"
#include "platform/fake/fake_process_exit.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell_links.h"
#include "setup/engine/Unit7.h"
#include "setup/wizard/Unit1.h"
#include "setup/wizard/Unit3.h"
#include "setup/wizard/Unit4.h"
#include "setup/wizard/Unit5.h"
#include "setup/wizard/Unit6.h"
#include "toolkit/application.h"
#include "toolkit/headless/headless_backend.h"

namespace testing_support {

inline const std::string kJavaKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\JavaSoft\\Java Runtime Environment";
inline const std::string kCurrentVersionKey = "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion";
inline const std::string kSetupCaptionText = "Tessal　セットアップ";
inline const std::string kQuitQuestionText = "Tessalのインストールを中止しますか？";

class SetupProgram : public ::testing::Test {
 protected:
  toolkit::headless::HeadlessBackend backend;
  platform::FakeRegistry registry;
  platform::FakeFileSystem files;
  platform::FakeShellLinks links{files};
  platform::FakeProcess process;
  platform::FakeProcessExit exit;
  platform::FakeFolderBrowser browser;
  SetupPorts ports{registry, files, links, process, exit, browser};
  std::unique_ptr<toolkit::Application> app;
  TMainView* mainView = nullptr;

  void SetUp() override {
    files.AddDrive('D');
    registry.SetString(kCurrentVersionKey, "ProgramFilesDir", "C:\\Program Files");
    files.AddFolder("C:\\Program Files");
    registry.SetString(kJavaKey, "CurrentVersion", "1.8");
    registry.SetString(kJavaKey + "\\1.8", "JavaHome", "C:\\Java\\jre");
    files.AddFolder("C:\\Java\\jre\\lib\\ext");
  }

  void Start() {
    app = std::make_unique<toolkit::Application>(backend);
    app->Initialize();
    app->SetTitle("setup");
    mainView = &app->CreateForm<TMainView>(ports);
    app->CreateForm<TAddChainView>(nullptr);
    app->CreateForm<TSelectInstallFolderView>(nullptr, ports);
    app->CreateForm<TCreateShortcutView>(nullptr);
    app->CreateForm<TCompletedInstallView>(nullptr);
    app->CreateForm<TInstallProgressView>(nullptr);
    app->Run();
  }

  // The one page of this class that is open, or nullptr.
  template <class T>
  T* Page() const {
    T* found = nullptr;
    for (toolkit::Form* child : mainView->MdiChildren()) {
      if (auto* page = dynamic_cast<T*>(child); page && backend.WindowExists(page)) {
        EXPECT_EQ(found, nullptr) << "two open pages of one class";
        found = page;
      }
    }
    return found;
  }
  int OpenPages() const {
    int count = 0;
    for (toolkit::Form* child : mainView->MdiChildren()) count += backend.WindowExists(child);
    return count;
  }
  const toolkit::headless::HeadlessBackend::MessageBoxShown* LastBox() const {
    return backend.MessageBoxes().empty() ? nullptr : &backend.MessageBoxes().back();
  }
};

}  // namespace testing_support
