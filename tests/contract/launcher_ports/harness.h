// What the contract suites of the launcher's ports need besides the ports:
// a scratch folder, files, a jar-style association, and a program that
// records how it was started. One implementation per side.
#pragma once

#include <memory>
#include <string>

#include "platform/environment.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform/shell_association.h"
#include "platform/string_resource.h"

namespace launcher_contract {

// The string table the harness provides (Japanese, 1041).
inline constexpr UINT kShortTextId = 1;
inline constexpr char kShortText[] = "Tessal";
inline constexpr UINT kJapaneseTextId = 2;
inline constexpr char kJapaneseText[] = "起動テスト表示";

class Harness {
 public:
  virtual ~Harness() = default;
  virtual platform::Profile& Profile() = 0;
  virtual platform::ShellAssociation& Shell() = 0;
  virtual platform::Process& Process() = 0;
  virtual platform::StringResource& Strings() = 0;
  virtual HINSTANCE StringsInstance() = 0;
  virtual platform::Environment& Environment() = 0;
  // Sets a variable of the environment the port reads, for as long as the
  // harness lives.
  virtual void SetVariable(const std::string& name, const std::u16string& value) = 0;

  // An existing empty folder whose name holds a blank and Japanese, without
  // a trailing backslash; removed afterwards.
  virtual std::string Scratch() = 0;
  virtual void WriteFile(const std::string& path, const std::string& content) = 0;
  virtual void DeleteFile(const std::string& path) = 0;
  // Makes documents with this extension open with the command, for as long
  // as the harness lives.
  virtual void Associate(const std::string& extension, const std::string& openCommand) = 0;

  // A program that records its command line and current directory.
  virtual std::string RecorderPath() = 0;
  // Called once the recorder was started; lets it run to its end.
  virtual void LetRecorderEnd(HANDLE process) = 0;
  // What the recorder saw last, as "COMMAND LINE\nCURRENT DIRECTORY".
  virtual std::string Recorded() = 0;
};

std::unique_ptr<Harness> MakeHarness();

}  // namespace launcher_contract
