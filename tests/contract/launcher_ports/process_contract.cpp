// Starting a process: the command line and the current directory reach the
// started program exactly.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/contract/launcher_ports/harness.h"
#include "tests/support/bytes.h"
#include "tests/support/system_folder_check.h"

namespace {

TEST(ProcessContract, CommandLineAndCurrentDirectoryArriveExactly) {
  auto harness = launcher_contract::MakeHarness();
  platform::Process& process = harness->Process();
  const std::string recorder = harness->RecorderPath();
  const std::string line = "\"" + recorder + "\" -Xmx64m  -jar \"C:\\表 示\\a.jar\" \"say \"hi\"\" ";
  std::vector<char> writable(line.begin(), line.end());
  writable.push_back(0);
  STARTUPINFOA startup;
  std::memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started;
  std::memset(&started, 0, sizeof started);

  ASSERT_TRUE(process.CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     harness->Scratch().c_str(), &startup, &started));
  harness->LetRecorderEnd(started.hProcess);
  EXPECT_EQ(process.WaitForSingleObject(started.hProcess, 15000), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_BYTES(harness->Recorded(), line + "\n" + harness->Scratch());
  EXPECT_TRUE(process.CloseHandle(started.hThread));
  EXPECT_TRUE(process.CloseHandle(started.hProcess));
  EXPECT_FALSE(process.CloseHandle(started.hProcess)) << "a handle closes once";
}

TEST(ProcessContract, TheSystemFolderIsSizedAsDocumented) {
  auto harness = launcher_contract::MakeHarness();
  testing_support::ExpectSystemFolderSizedAsDocumented(harness->Process());
}

}  // namespace
