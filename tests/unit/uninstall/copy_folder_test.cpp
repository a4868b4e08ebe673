// The copy's folder of its own: a new name each run, never a folder that
// was there, protected only when the program runs as administrator, and
// gone at the copy's end or, failing that, at the next restart.
#include <gtest/gtest.h>

#include "tests/support/bytes.h"
#include "tests/unit/uninstall/uninstall_fixture.h"
#include "uninstall/copy_folder.h"
#include "uninstall/texts.h"

namespace uninstall_test {
namespace {

const std::string kDrawA = std::string(7, '\0') + "\x0A";
const std::string kDrawB = std::string(7, '\0') + "\x0B";
const std::string kFolderA = "C:\\TEMP\\TessalUninstall000000000000000A";
const std::string kFolderB = "C:\\TEMP\\TessalUninstall000000000000000B";

struct NameRow {
  const char* name;
  int takenDraws;  // the first draws, all giving the name A, which is taken
  bool takenByFile;
  bool noRandom;
  std::string expectedCopy;  // "" for no copy
};

class CopyFolderName : public UninstallMachine, public ::testing::WithParamInterface<NameRow> {};

TEST_P(CopyFolderName, ATakenNameIsNeverUsedAndAFewClashesEndTheHandOver) {
  const NameRow& row = GetParam();
  Install();
  if (row.takenByFile)
    files.AddFile(kFolderA, "somebody's");
  else if (row.takenDraws > 0)
    files.AddFolder(kFolderA);
  for (int i = 0; i < row.takenDraws; ++i) handover.QueueRandom(kDrawA);
  handover.QueueRandom(row.takenDraws > 0 ? kDrawB : kDrawA);
  if (row.noRandom) handover.FailRandom();

  messages.AnswerWith(IDOK);
  uninstall::RunUninstaller(ports, kInstall + "\\Uninstall.exe");
  if (row.expectedCopy.empty()) {
    EXPECT_TRUE(process.Starts().empty());
    // As any copy that fails: the rest goes, and the report names what stays.
    EXPECT_EQ(LastMessage().rfind(uninstall::kNotAllRemoved, 0), 0u);
    EXPECT_TRUE(files.FileExists(kInstall + "\\Uninstall.exe"));
    EXPECT_EQ(files.GetFileAttributesA(kFolderB.c_str()), INVALID_FILE_ATTRIBUTES);
  } else {
    ASSERT_EQ(process.Starts().size(), 1u);
    EXPECT_BYTES(process.Starts()[0].applicationName, row.expectedCopy);
  }
  if (row.takenByFile) {
    EXPECT_EQ(files.FileContent(kFolderA), "somebody's");
  }
}

INSTANTIATE_TEST_SUITE_P(Uninstall, CopyFolderName,
                         ::testing::Values(NameRow{"FreeName", 0, false, false, kFolderA + "\\Uninstall.exe"},
                                           NameRow{"FolderOfThatName", 1, false, false, kFolderB + "\\Uninstall.exe"},
                                           NameRow{"FileOfThatName", 1, true, false, kFolderB + "\\Uninstall.exe"},
                                           NameRow{"FourClashes", 4, false, false, kFolderB + "\\Uninstall.exe"},
                                           NameRow{"FiveClashes", 5, false, false, ""},
                                           NameRow{"NoRandomBits", 0, false, true, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

class CopyFolderSecurity : public UninstallMachine, public ::testing::WithParamInterface<bool> {};

TEST_P(CopyFolderSecurity, OnlyAnAdministratorsFolderGetsItsOwnSecurity) {
  const bool administrator = GetParam();
  handover.SetAdministrator(administrator);
  handover.QueueRandom(kDrawA);
  const uninstall::CopyFolder folder = uninstall::MakeCopyFolder(ports, "C:\\TEMP\\");
  EXPECT_BYTES(folder.path, kFolderA);
  EXPECT_EQ(files.MadeWithSecurity(folder.path), administrator);
  ASSERT_EQ(handover.OpenHandles().count(folder.handle), 1u);
  EXPECT_TRUE(handover.OpenHandles().at(folder.handle).inheritable) << "for the copy";
  EXPECT_TRUE(handover.CloseHandle(folder.handle));
  const std::vector<std::string> expected =
      administrator ? std::vector<std::string>{uninstall::kCopyFolderSecurity} : std::vector<std::string>{};
  EXPECT_EQ(handover.Descriptors(), expected);
  EXPECT_EQ(handover.LiveDescriptors(), 0u) << "freed";
}

INSTANTIATE_TEST_SUITE_P(Uninstall, CopyFolderSecurity, ::testing::Bool());

// Every program of the user may delete or rename a folder in the temporary
// folder: one watching it tries to swap ours for its own just before our
// copy lands in it; the folder is held and stays ours. A copy that cannot
// be made lets go of the folder and leaves nothing.
struct SwapRow {
  const char* name;
  bool copyRefused;
};

class CopyFolderHeld : public UninstallMachine, public ::testing::WithParamInterface<SwapRow> {};

TEST_P(CopyFolderHeld, NobodyCanSwapTheFolderBeforeTheCopyIsInIt) {
  const SwapRow& row = GetParam();
  Install();
  handover.QueueRandom(kDrawA);
  BOOL removed = TRUE;
  DWORD error = 0;
  HANDLE holder = nullptr;
  files.BeforeNextCopy([&] {
    for (const auto& [handle, opened] : handover.OpenHandles())
      if (opened.holdsFolder && opened.path == kFolderA) holder = handle;
    removed = files.RemoveDirectoryA(kFolderA.c_str());
    error = files.GetLastError();
    if (removed) files.CreateDirectoryA(kFolderA.c_str(), nullptr);
    if (row.copyRefused) files.DenyWrite(kFolderA);
  });
  messages.AnswerWith(IDOK);
  uninstall::RunUninstaller(ports, kInstall + "\\Uninstall.exe");
  EXPECT_FALSE(removed);
  EXPECT_EQ(error, 32u) << "ERROR_SHARING_VIOLATION";
  if (row.copyRefused) {
    EXPECT_TRUE(process.Starts().empty());
    EXPECT_EQ(files.GetFileAttributesA(kFolderA.c_str()), INVALID_FILE_ATTRIBUTES);
  } else {
    ASSERT_EQ(process.Starts().size(), 1u);
    EXPECT_TRUE(files.MadeWithSecurity(kFolderA)) << "still ours";
    const std::string& line = process.Starts()[0].commandLine;
    auto request = uninstall::ParseFinisherArguments(line.substr(line.find("/finish")));
    ASSERT_TRUE(request.has_value()) << line;
    EXPECT_EQ(request->copyFolder, holder) << "the holding handle, handed on";
  }
  EXPECT_TRUE(handover.OpenHandles().empty());
}

INSTANTIATE_TEST_SUITE_P(Uninstall, CopyFolderHeld,
                         ::testing::Values(SwapRow{"CopyMade", false}, SwapRow{"CopyRefused", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The end of the copy's run, once it has moved its file out: nothing of
// the copy is left; when the move fails, both are listed for removal at the
// next restart.
struct EndRow {
  const char* name;
  bool movedOutNameTaken;
  bool silent;
};

class CopyFolderEnd : public UninstallMachine, public ::testing::WithParamInterface<EndRow> {};

TEST_P(CopyFolderEnd, TheCopyLeavesNoFolderOrAsksForItsRemovalAtRestart) {
  const EndRow& row = GetParam();
  Install();
  handover.QueueRandom(kDrawA);
  if (row.movedOutNameTaken) files.AddFile(kFolderA + ".exe", "somebody's");
  EXPECT_EQ(RunAsWindowsDoes(IDOK, row.silent ? " /SILENT" : ""), 0);
  if (!row.movedOutNameTaken) {
    EXPECT_EQ(files.GetFileAttributesA(kFolderA.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(files.FileExists(kFolderA + ".exe")) << "deleted at the copy's end";
    EXPECT_TRUE(handover.AtRestart().empty());
  } else {
    const std::vector<std::string> atRestart = {kFolderA + "\\Uninstall.exe", kFolderA};
    EXPECT_EQ(handover.AtRestart(), atRestart);
    EXPECT_EQ(files.FileContent(kFolderA + ".exe"), "somebody's");
  }
  EXPECT_TRUE(handover.OpenHandles().empty());
}

INSTANTIATE_TEST_SUITE_P(Uninstall, CopyFolderEnd,
                         ::testing::Values(EndRow{"Interactive", false, false}, EndRow{"Silent", false, true},
                                           EndRow{"MovedOutNameTaken", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A second uninstaller, however short-lived, may hold Uninstall.exe for a
// moment: the finisher tries again for a while before it reports the file.
struct BusyRow {
  const char* name;
  int busyAttempts;
  bool removed;
  DWORD slept;
};

class BusyUninstaller : public UninstallMachine, public ::testing::WithParamInterface<BusyRow> {};

TEST_P(BusyUninstaller, TheFinisherTriesAgainForTwoSeconds) {
  const BusyRow& row = GetParam();
  Install();
  files.HoldBusy(kInstall + "\\Uninstall.exe", row.busyAttempts);
  EXPECT_EQ(RunAsWindowsDoes(), row.removed ? 0 : 1);
  EXPECT_EQ(files.FileExists(kInstall + "\\Uninstall.exe"), !row.removed);
  EXPECT_EQ(handover.Slept(), row.slept);
  if (!row.removed) {
    EXPECT_NE(LastMessage().find(kInstall + "\\Uninstall.exe"), std::string::npos) << "named in the report";
  }
}

INSTANTIATE_TEST_SUITE_P(Uninstall, BusyUninstaller,
                         ::testing::Values(BusyRow{"ForAMoment", 3, true, 300}, BusyRow{"ForLonger", 20, false, 1900}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace uninstall_test
