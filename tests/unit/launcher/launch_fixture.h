// A launcher installed on paper: tessal.exe and tessal.jar in an install
// folder with a blank in its name, a Java runtime registered in
// HKEY_LOCAL_MACHINE, every port a fake. Tests change what they need.
#pragma once

#include <gtest/gtest.h>

#include "launcher/launch/launch_sequence.h"
#include "platform/fake/fake_environment.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_process.h"
#include "platform/fake/fake_profile.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell_association.h"
#include "platform/fake/fake_string_resource.h"
#include "tests/unit/launcher/expected_texts.h"

namespace launcher_test {

inline constexpr char kFolder[] = "C:\\Program Files\\Tessal Editor";
inline constexpr char kArchive[] = "C:\\Program Files\\Tessal Editor\\tessal.jar";
inline constexpr char kBootIni[] = "C:\\Program Files\\Tessal Editor\\boot.ini";
inline constexpr char kRuntimeKey[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\JavaSoft\\Java Runtime Environment";
inline constexpr char kJavaHome[] = "C:\\Program Files\\Java\\j2re1.4.2";
inline constexpr char kJavaw[] = "C:\\Program Files\\Java\\j2re1.4.2\\bin\\javaw.exe";

class RecordingSplash final : public launcher::SplashHandOver {
 public:
  void ShowSplash(HANDLE javaProcess) override { shownWith.push_back(javaProcess); }
  std::vector<HANDLE> shownWith;
};

class LaunchTest : public ::testing::Test {
 protected:
  LaunchTest() {
    files.SetModulePath(std::string(kFolder) + "\\tessal.exe");
    files.AddFile(std::string(kFolder) + "\\tessal.exe", "MZ");
    files.AddFile(kArchive, "PK");
    files.AddFolder("C:\\Elsewhere");
    files.SetCurrentDirectory("C:\\Elsewhere");
    RegisterRuntime("1.4", kJavaHome);
    files.AddFile(kJavaw, "MZ");
    strings.SetString(1, expected::kProductName);
    strings.SetString(2, expected::kStartFailed);
    strings.SetString(3, expected::kNoRuntime);
    strings.SetString(4, expected::kNoRuntimeHome);
    strings.SetString(5, expected::kNoJavaw);
    strings.SetString(6, expected::kNoArchive);
  }

  void RegisterRuntime(const std::string& version, const std::string& home) {
    registry.SetString(kRuntimeKey, "CurrentVersion", version);
    registry.SetString(std::string(kRuntimeKey) + "\\" + version, "JavaHome", home);
  }

  void Launch(const std::vector<std::string>& documents = {}) { launcher::RunLaunchSequence(ports, documents, splash); }

  // The one command line started; "" (and a failure) when not exactly one.
  std::string StartedLine() {
    EXPECT_EQ(process.Starts().size(), 1u);
    return process.Starts().empty() ? "" : process.Starts()[0].commandLine;
  }

  platform::FakeFileSystem files;
  platform::FakeProfile profile{files};
  platform::FakeShellAssociation shell{files};
  platform::FakeRegistry registry;
  platform::FakeEnvironment environment;
  platform::FakeProcess process;
  platform::FakeMessageBox messages;
  platform::FakeStringResource strings;
  launcher::LaunchPorts ports{files, shell, registry, environment, profile, process, messages, strings, nullptr};
  RecordingSplash splash;
};

}  // namespace launcher_test
