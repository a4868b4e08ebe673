// What counts as ours: path comparison and the three ownership decisions,
// one row per case.
#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"
#include "tests/support/bytes.h"
#include "uninstall/ownership.h"
#include "uninstall/paths.h"
#include "uninstall/texts.h"

namespace {

const std::string kInstall = "C:\\Program Files\\tessal";

TEST(UninstallPaths, SamePathFoldsCaseAndRepeatedSeparatorsButNotTrailBytes) {
  struct Row {
    const char* name;
    std::string left, right;
    bool same;
  } rows[] = {
      {"identical", "C:\\a\\tessal.exe", "C:\\a\\tessal.exe", true},
      {"ASCII case", "c:\\PROGRAM files\\Tessal.EXE", "C:\\Program Files\\tessal.exe", true},
      {"doubled separator", "C:\\a\\\\tessal.exe", "C:\\a\\tessal.exe", true},
      {"other folder", "C:\\b\\tessal.exe", "C:\\a\\tessal.exe", false},
      {"longer folder", "C:\\ab\\tessal.exe", "C:\\a\\tessal.exe", false},
      // 表 is 95 5C: its trail byte and a real separator are two things.
      {"trail byte then separator", "C:\\表\\tessal.exe", "C:\\表tessal.exe", false},
      {"Japanese same", "C:\\表ソフト\\TESSAL.exe", "C:\\表ソフト\\tessal.exe", true},
      // Double-byte characters are not case-folded byte by byte: ａ is 82 81, Ａ is 82 60.
      {"full-width letters differ", "C:\\ａ", "C:\\Ａ", false},
  };
  for (const Row& row : rows) EXPECT_EQ(uninstall::SamePath(row.left, row.right), row.same) << row.name;
}

TEST(UninstallPaths, FolderAndNameSplitAtTheLastRealSeparator) {
  struct Row {
    std::string path, folder, name;
  } rows[] = {
      {"C:\\Program Files\\tessal\\Uninstall.exe", "C:\\Program Files\\tessal", "Uninstall.exe"},
      {"C:\\ソ\\Uninstall.exe", "C:\\ソ", "Uninstall.exe"},  // ソ is 83 5C
      {"C:\\ソ", "C:", "ソ"},
      {"C:\\Uninstall.exe", "C:", "Uninstall.exe"},
      {"Uninstall.exe", "", "Uninstall.exe"},
  };
  for (const Row& row : rows) {
    EXPECT_BYTES(uninstall::FolderOf(row.path), row.folder) << row.path;
    EXPECT_BYTES(uninstall::NameOf(row.path), row.name) << row.path;
  }
  EXPECT_TRUE(uninstall::IsDriveRoot("C:"));
  EXPECT_TRUE(uninstall::IsDriveRoot("d:\\"));
  EXPECT_FALSE(uninstall::IsDriveRoot("C:\\a"));
}

TEST(UninstallPaths, OwnPathRefusesAPathCutAtTheBuffer) {
  platform::FakeFileSystem files;
  struct Row {
    const char* name;
    std::string modulePath;
    bool accepted;
  } rows[] = {
      {"ordinary", kInstall + "\\Uninstall.exe", true},
      {"259 bytes fit with the terminator", "C:\\" + std::string(242, 'a') + "\\Uninstall.exe", true},
      {"260 bytes are cut", "C:\\" + std::string(243, 'a') + "\\Uninstall.exe", false},
      {"far too long", "C:\\" + std::string(400, 'a') + "\\Uninstall.exe", false},
      // 259 bytes, then a double-byte character that does not fit: the
      // shorter name comes back as if it were whole.
      {"cut before a double-byte character", "C:\\" + std::string(256, 'a') + "表\\Uninstall.exe", false},
      {"a network folder is given whole", "\\\\server\\share\\Uninstall.exe", true},
  };
  for (const Row& row : rows) {
    files.SetModulePath(row.modulePath);
    auto path = uninstall::OwnPath(files);
    EXPECT_EQ(path.has_value(), row.accepted) << row.name << " (" << row.modulePath.size() << " bytes)";
    if (path) {
      EXPECT_BYTES(*path, row.modulePath) << row.name;
    }
  }
}

TEST(UninstallOwnership, OnlyWhatNamesThisFolderExactlyIsOurs) {
  enum Kind { kShortcut, kXml, kEntry };
  struct Row {
    const char* name;
    Kind kind;
    std::string found, folder;
    bool ours;
  } rows[] = {
      {"shortcut to our launcher", kShortcut, kInstall + "\\tessal.exe", kInstall, true},
      {"shortcut in other case", kShortcut, "C:\\PROGRAM FILES\\TESSAL\\TESSAL.EXE", kInstall, true},
      {"shortcut of an install folder typed with a backslash", kShortcut, "C:\\t\\\\tessal.exe", "C:\\t", true},
      {"shortcut to another install", kShortcut, "D:\\tessal\\tessal.exe", kInstall, false},
      {"shortcut to a sibling folder", kShortcut, kInstall + "2\\tessal.exe", kInstall, false},
      {"shortcut to another file here", kShortcut, kInstall + "\\readme.txt", kInstall, false},
      {"shortcut with an empty folder", kShortcut, "\\tessal.exe", "", false},
      {"our open command", kXml, "\"" + kInstall + "\\tessal.exe\" \"%1\"", kInstall, true},
      {"command without quotes", kXml, kInstall + "\\tessal.exe %1", kInstall, false},
      {"command of another program", kXml, "\"C:\\old\\viewer.exe\" \"%1\"", kInstall, false},
      {"command with more arguments", kXml, "\"" + kInstall + "\\tessal.exe\" \"%1\" /x", kInstall, false},
      {"our uninstall entry", kEntry, kInstall + "\\Uninstall.exe", kInstall, true},
      {"entry of another folder", kEntry, "D:\\tessal\\Uninstall.exe", kInstall, false},
      {"entry in quotes", kEntry, "\"" + kInstall + "\\Uninstall.exe\"", kInstall, false},
  };
  for (const Row& row : rows) {
    bool ours = row.kind == kShortcut ? uninstall::IsOurShortcutTarget(row.found, row.folder)
                : row.kind == kXml    ? uninstall::IsOurXmlOpenCommand(row.found, row.folder)
                                      : uninstall::IsOurUninstallString(row.found, row.folder);
    EXPECT_EQ(ours, row.ours) << row.name;
  }
}

TEST(UninstallTexts, CaptionQuestionAndSuccessAreTheseBytes) {
  EXPECT_BYTES(uninstall::kCaption, "Tessal\x81\x40\x83\x41\x83\x93\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5b\x83\x8b");
  EXPECT_BYTES(uninstall::kQuestion,
               "Tessal\x82\xf0\x83\x52\x83\x93\x83\x73\x83\x85\x81\x5b\x83\x5e\x81\x5b\x82\xa9\x82\xe7\x8d\xed\x8f\x9c"
               "\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81\x48");
  EXPECT_BYTES(uninstall::kRemovedAll, "Tessal\x82\xf0\x8d\xed\x8f\x9c\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42");
}

}  // namespace
