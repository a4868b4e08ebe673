// The command line given to the Java runtime, for each way the launcher is
// started and each form of boot.ini.
#include <cstring>
#include <optional>

#include "tests/support/bytes.h"
#include "tests/unit/launcher/launch_fixture.h"

namespace launcher_test {
namespace {

const std::string kQuotedJava = std::string("\"") + kJavaw + "\"";
const std::string kQuotedArchive = std::string("\"") + kArchive + "\"";

struct CommandLineCase {
  const char* name;
  std::vector<std::string> documents;
  std::optional<std::string> bootIni;  // file content, or no file
  std::string expected;
};

class CommandLineTest : public LaunchTest, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLineTest, IsAssembledExactly) {
  const CommandLineCase& row = GetParam();
  if (row.bootIni) files.AddFile(kBootIni, *row.bootIni);
  Launch(row.documents);
  EXPECT_BYTES(StartedLine(), row.expected);
  EXPECT_TRUE(messages.Messages().empty());
}

const std::string kLongOption(1100, 'x');

INSTANTIATE_TEST_SUITE_P(
    Launch, CommandLineTest,
    ::testing::Values(
        CommandLineCase{"NoArgumentsNoBootIni", {}, std::nullopt, kQuotedJava + "  -jar " + kQuotedArchive + " "},
        CommandLineCase{"OneDocumentTwoOptions",
                        {"C:\\My Documents\\会議 資料.xml"},
                        "[BOOT]\r\nOption=-Xmx256m -Dfile.encoding=MS932\r\n",
                        kQuotedJava + " -Xmx256m -Dfile.encoding=MS932 -jar " + kQuotedArchive +
                            " \"C:\\My Documents\\会議 資料.xml\""},
        CommandLineCase{"ThreeSendToFiles",
                        {"C:\\a.xml", "C:\\表 示\\b.xml", "D:\\c"},
                        std::nullopt,
                        kQuotedJava + "  -jar " + kQuotedArchive + " \"C:\\a.xml\" \"C:\\表 示\\b.xml\" \"D:\\c\""},
        CommandLineCase{"DocumentWithDoubleQuoteNotEscaped",
                        {"say \"hi\".xml"},
                        std::nullopt,
                        kQuotedJava + "  -jar " + kQuotedArchive + " \"say \"hi\".xml\""},
        CommandLineCase{
            "EmptyDocumentStaysAnArgument", {""}, std::nullopt, kQuotedJava + "  -jar " + kQuotedArchive + " \"\""},
        CommandLineCase{"EmptyOption", {}, "[BOOT]\r\nOption=\r\n", kQuotedJava + "  -jar " + kQuotedArchive + " "},
        CommandLineCase{
            "NoBootSection", {}, "[Other]\r\nOption=-Xmx1g\r\n", kQuotedJava + "  -jar " + kQuotedArchive + " "},
        CommandLineCase{"QuotedOptionArrivesWithoutQuotes",
                        {},
                        "[BOOT]\r\nOption=\"-Xms32m -Xmx512m\"\r\n",
                        kQuotedJava + " -Xms32m -Xmx512m -jar " + kQuotedArchive + " "},
        CommandLineCase{"SectionAndKeyInAnyCase",
                        {},
                        "[boot]\r\n  OPTION  =  -client  \r\n",
                        kQuotedJava + " -client -jar " + kQuotedArchive + " "},
        CommandLineCase{"OptionCutTo1023Bytes",
                        {},
                        "[BOOT]\r\nOption=" + kLongOption + "\r\n",
                        kQuotedJava + " " + kLongOption.substr(0, 1023) + " -jar " + kQuotedArchive + " "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LaunchTest, JavaHomeEndingInBackslashGivesADoubledOne) {
  RegisterRuntime("1.3.1", "C:\\jre\\");
  files.AddFile("C:\\jre\\\\bin\\javaw.exe", "MZ");
  Launch();
  EXPECT_BYTES(StartedLine(), "\"C:\\jre\\\\bin\\javaw.exe\"  -jar " + kQuotedArchive + " ");
}

struct AssociationCase {
  const char* name;
  bool runtimeRegistered;
};

class AssociationTest : public LaunchTest, public ::testing::WithParamInterface<AssociationCase> {};

// Whatever program jar files are associated with is started, and the
// registry's runtime does not matter, present or not.
TEST_P(AssociationTest, AssociatedProgramIsStarted) {
  if (!GetParam().runtimeRegistered) registry = platform::FakeRegistry();
  const auto registryBefore = registry.Dump();
  files.AddFile("C:\\Tools\\Any Jar Runner\\run.exe", "MZ");
  shell.Associate(".jar", "\"C:\\Tools\\Any Jar Runner\\run.exe\" \"%1\"");
  Launch();
  EXPECT_BYTES(StartedLine(), "\"C:\\Tools\\Any Jar Runner\\run.exe\"  -jar " + kQuotedArchive + " ");
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(registry.Dump(), registryBefore);
}

INSTANTIATE_TEST_SUITE_P(Launch, AssociationTest,
                         ::testing::Values(AssociationCase{"RuntimeRegistered", true},
                                           AssociationCase{"NoRuntimeKeys", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LaunchTest, OptionCountOverstatedByTheReaderIsNotTrusted) {
  // A reader that cuts a double-byte character may count a byte it never
  // wrote; the option ends at the terminator in the buffer.
  class OvercountingProfile final : public platform::Profile {
   public:
    DWORD GetPrivateProfileStringA(LPCSTR, LPCSTR, LPCSTR, LPSTR buffer, DWORD size, LPCSTR) override {
      std::memset(buffer, 'o', size - 2);
      buffer[size - 2] = 0;
      return size;
    }
  } overcounting;
  launcher::LaunchPorts run{files, shell, registry, environment, overcounting, process, messages, strings, nullptr};
  launcher::RunLaunchSequence(run, {}, splash);
  EXPECT_BYTES(StartedLine(), kQuotedJava + " " + std::string(1022, 'o') + " -jar " + kQuotedArchive + " ");
}

}  // namespace
}  // namespace launcher_test
