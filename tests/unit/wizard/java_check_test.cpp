#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_registry.h"
#include "setup/wizard/java_check.h"
#include "tests/support/bytes.h"
#include "toolkit/exceptions.h"

namespace {

const std::string kRuntime = "HKEY_LOCAL_MACHINE\\SOFTWARE\\JavaSoft\\Java Runtime Environment";

class JavaCheck : public ::testing::Test {
 protected:
  platform::FakeRegistry registry;
  platform::FakeFileSystem files;
  TJavaCheckResult result;

  void Runtime(const std::string& version, const std::string& home) {
    registry.SetString(kRuntime, "CurrentVersion", version);
    registry.SetString(kRuntime + "\\" + version, "JavaHome", home);
  }
  TJavaCheckStatus Check() {
    CheckJavaRuntime(result, registry, files);
    EXPECT_EQ(registry.OpenHandleCount(), 0) << "every key is closed on every way out";
    return result.Status;
  }
};

TEST_F(JavaCheck, ACompleteRuntimeGivesItsExtensionFolder) {
  Runtime("1.8", "C:\\Java\\jre1.8");
  files.AddFolder("C:\\Java\\jre1.8\\lib\\ext");
  EXPECT_EQ(Check(), jcOK);
  EXPECT_BYTES(result.ExtFolder, "C:\\Java\\jre1.8\\lib\\ext");
}

TEST_F(JavaCheck, AHomeEndingInABackslashGivesADoubledSeparator) {
  Runtime("1.6", "C:\\Java\\");
  files.AddFolder("C:\\Java\\lib\\ext");
  EXPECT_EQ(Check(), jcOK);
  EXPECT_BYTES(result.ExtFolder, "C:\\Java\\\\lib\\ext");
}

TEST_F(JavaCheck, EachFailureHasItsStatusAndLeavesTheFolderEmpty) {
  struct Row {
    const char* name;
    void (*arrange)(platform::FakeRegistry&, platform::FakeFileSystem&);
    TJavaCheckStatus status;
  } rows[] = {
      {"no runtime key", [](auto&, auto&) {}, jcNotInstalled},
      {"key without CurrentVersion", [](auto& r, auto&) { r.CreateKey(kRuntime); }, jcVersionTooOld},
      {"empty CurrentVersion", [](auto& r, auto&) { r.SetString(kRuntime, "CurrentVersion", ""); }, jcVersionTooOld},
      {"1.3", [](auto& r, auto&) { r.SetString(kRuntime, "CurrentVersion", "1.3"); }, jcVersionTooOld},
      {"1.4 without its subkey", [](auto& r, auto&) { r.SetString(kRuntime, "CurrentVersion", "1.4"); }, jcSystemError},
      {"JavaHome missing",
       [](auto& r, auto&) {
         r.SetString(kRuntime, "CurrentVersion", "1.4");
         r.CreateKey(kRuntime + "\\1.4");
       },
       jcHomeNotFound},
      {"JavaHome deleted",
       [](auto& r, auto&) {
         r.SetString(kRuntime, "CurrentVersion", "1.5");
         r.SetString(kRuntime + "\\1.5", "JavaHome", "C:\\gone");
       },
       jcHomeNotFound},
      {"home without lib\\ext",
       [](auto& r, auto& f) {
         r.SetString(kRuntime, "CurrentVersion", "1.5");
         r.SetString(kRuntime + "\\1.5", "JavaHome", "C:\\jre");
         f.AddFolder("C:\\jre\\lib");
       },
       jcExtFolderNotFound},
      {"home is a file",
       [](auto& r, auto& f) {
         r.SetString(kRuntime, "CurrentVersion", "1.5");
         r.SetString(kRuntime + "\\1.5", "JavaHome", "C:\\jre.exe");
         f.AddFile("C:\\jre.exe", "MZ");
       },
       jcHomeNotFound},
  };
  for (const Row& row : rows) {
    platform::FakeRegistry rowRegistry;
    platform::FakeFileSystem rowFiles;
    row.arrange(rowRegistry, rowFiles);
    TJavaCheckResult rowResult;
    CheckJavaRuntime(rowResult, rowRegistry, rowFiles);
    EXPECT_EQ(rowResult.Status, row.status) << row.name;
    EXPECT_EQ(rowResult.ExtFolder, "") << row.name;
    EXPECT_EQ(rowRegistry.OpenHandleCount(), 0) << row.name;
  }
}

TEST_F(JavaCheck, AFailedCheckKeepsAFolderFoundBefore) {
  result.ExtFolder = "C:\\earlier\\lib\\ext";
  EXPECT_EQ(Check(), jcNotInstalled);
  EXPECT_BYTES(result.ExtFolder, "C:\\earlier\\lib\\ext");
}

TEST_F(JavaCheck, ARuntimeKeyRefusingFullAccessCountsAsNotInstalled) {
  Runtime("1.8", "C:\\jre");
  files.AddFolder("C:\\jre\\lib\\ext");
  registry.DenyWrite(kRuntime);
  EXPECT_EQ(Check(), jcNotInstalled);
}

TEST_F(JavaCheck, AVersionSubkeyRefusingFullAccessIsASystemError) {
  Runtime("1.8", "C:\\jre");
  files.AddFolder("C:\\jre\\lib\\ext");
  registry.DenyWrite(kRuntime + "\\1.8");
  EXPECT_EQ(Check(), jcSystemError);
}

TEST_F(JavaCheck, NonStringValuesRaiseTheReadErrorAndLeaveTheResult) {
  registry.SetDword(kRuntime, "CurrentVersion", 0x104);
  try {
    CheckJavaRuntime(result, registry, files);
    ADD_FAILURE() << "no error";
  } catch (const toolkit::ERegistryException& error) {
    EXPECT_BYTES(error.Message(), "'CurrentVersion' のデータ型が不正です");
  }
  EXPECT_EQ(result.Status, jcOK);
  EXPECT_EQ(registry.OpenHandleCount(), 0);

  registry.SetString(kRuntime, "CurrentVersion", "1.8");
  registry.SetRaw(kRuntime + "\\1.8", "JavaHome", REG_BINARY, "C:\\jre");
  EXPECT_THROW(CheckJavaRuntime(result, registry, files), toolkit::ERegistryException);
  EXPECT_EQ(registry.OpenHandleCount(), 0);
}

TEST_F(JavaCheck, TheCheckNeverWrites) {
  Runtime("1.8", "C:\\jre");
  auto registryBefore = registry.Dump();
  auto filesBefore = files.Dump();
  Check();
  EXPECT_EQ(registry.Dump(), registryBefore);
  EXPECT_EQ(files.Dump(), filesBefore);
}

}  // namespace
