// The program associated with a document: the fake must answer as the shell does.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/contract/launcher_ports/harness.h"
#include "tests/support/bytes.h"

namespace {

class ShellAssociationContract : public ::testing::Test {
 protected:
  std::unique_ptr<launcher_contract::Harness> harness = launcher_contract::MakeHarness();
  std::string archive = harness->Scratch() + "\\tessal.jar";

  ULONG_PTR Find(const std::string& document, std::string* program) {
    char result[MAX_PATH + 8];
    std::memset(result, '#', sizeof result);
    HINSTANCE code = harness->Shell().FindExecutableA(document.c_str(), harness->Scratch().c_str(), result);
    for (std::size_t i = MAX_PATH; i < sizeof result; ++i) EXPECT_EQ(result[i], '#') << "written past the buffer";
    *program = std::string(result, strnlen(result, MAX_PATH));
    return reinterpret_cast<ULONG_PTR>(code);
  }
};

TEST_F(ShellAssociationContract, NoAssociationGives31AndAnEmptyResult) {
  harness->WriteFile(archive, "PK");
  std::string program = "unchanged";
  EXPECT_EQ(Find(archive, &program), 31u);
  EXPECT_BYTES(program, "");
}

TEST_F(ShellAssociationContract, MissingDocumentGives2) {
  harness->Associate(".jar", "\"C:\\Java\\bin\\javaw.exe\" -jar \"%1\"");
  std::string program;
  EXPECT_EQ(Find(harness->Scratch() + "\\missing.jar", &program), 2u);
}

struct AssociationCase {
  const char* name;
  const char* command;
  const char* program;
};

class AssociatedProgram : public ShellAssociationContract, public ::testing::WithParamInterface<AssociationCase> {};

TEST_P(AssociatedProgram, IsReturnedWithoutQuotesOrArguments) {
  harness->WriteFile(archive, "PK");
  harness->Associate(".jar", GetParam().command);
  std::string program;
  EXPECT_GT(Find(archive, &program), platform::kShellErrorLimit);
  EXPECT_BYTES(program, GetParam().program);
}

INSTANTIATE_TEST_SUITE_P(
    Shell, AssociatedProgram,
    ::testing::Values(
        // Whether the program exists is not checked.
        AssociationCase{"QuotedWithBlanks", "\"C:\\Program Files\\Java 表示\\bin\\javaw.exe\" -jar \"%1\" %*",
                        "C:\\Program Files\\Java 表示\\bin\\javaw.exe"},
        AssociationCase{"UnquotedWithoutBlanks", "C:\\jre\\bin\\javaw.exe -jar \"%1\"", "C:\\jre\\bin\\javaw.exe"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
