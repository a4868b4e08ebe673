#include "setup/engine/setup_command_line.h"

#include <vector>

#include "common/text.h"
#include "platform/lead_byte.h"
#include "platform/program_name.h"

namespace engine {

namespace {

using platform::IsBlank;

// ASCII only: a double-byte character never matches a switch name.
bool SameName(const std::string& text, const char* name) {
  std::string::size_type i = 0;
  for (; name[i]; ++i)
    if (i >= text.size() || common::AsciiUpper(text[i]) != name[i]) return false;
  return i == text.size();
}

struct Token {
  std::string text;
  bool hasEquals = false;
  std::string name;   // before "=", or the whole token
  std::string value;  // after "=", quotes removed
};

// Splits at blanks outside quotes; quotes are removed, everything else is
// kept byte for byte. A backslash is an ordinary byte, so that a folder
// such as "C:\tessal\" keeps its last backslash.
std::vector<Token> Tokens(const std::string& arguments) {
  std::vector<Token> tokens;
  std::string::size_type i = 0;
  while (i < arguments.size()) {
    while (i < arguments.size() && IsBlank(arguments[i])) ++i;
    if (i >= arguments.size()) break;
    Token token;
    bool quoted = false;
    for (; i < arguments.size() && (quoted || !IsBlank(arguments[i])); ++i) {
      char c = arguments[i];
      if (platform::IsLeadByte(c) && i + 1 < arguments.size()) {
        std::string& part = token.hasEquals ? token.value : token.name;
        part += c;
        part += arguments[++i];
        continue;
      }
      if (c == '"') {
        quoted = !quoted;
        continue;
      }
      if (c == '=' && !token.hasEquals) {
        token.hasEquals = true;
        continue;
      }
      (token.hasEquals ? token.value : token.name) += c;
    }
    tokens.push_back(token);
  }
  return tokens;
}

bool ReadTasks(const std::string& list, SetupCommandLine& line) {
  if (list.empty()) return true;
  std::string::size_type start = 0;
  for (;;) {
    std::string::size_type comma = list.find(',', start);  // no trail byte is a comma
    std::string task = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (SameName(task, "SENDTO"))
      line.sendTo = true;
    else if (SameName(task, "XML"))
      line.xml = true;
    else if (SameName(task, "STARTMENU"))
      line.startMenu = true;
    else if (SameName(task, "DESKTOP"))
      line.desktop = true;
    else
      return false;
    if (comma == std::string::npos) return true;
    start = comma + 1;
  }
}

}  // namespace

SetupCommandLine ParseSetupCommandLine(const std::string& arguments) {
  SetupCommandLine line;
  bool seenDir = false, seenTasks = false, seenLog = false;
  auto fail = [&line](const std::string& why) {
    if (line.valid) line.error = why;  // the first reason is the one reported
    line.valid = false;
  };
  for (const Token& token : Tokens(arguments)) {
    const std::string& name = token.name;
    bool* seen = nullptr;
    if (SameName(name, "/SILENT")) {
      if (line.silent) fail("/SILENT is given twice");
      line.silent = true;
      if (token.hasEquals) fail("/SILENT takes no value");
      continue;
    }
    if (SameName(name, "/DIR"))
      seen = &seenDir;
    else if (SameName(name, "/TASKS"))
      seen = &seenTasks;
    else if (SameName(name, "/LOG"))
      seen = &seenLog;
    else {
      fail("unknown switch: " + name);
      continue;
    }
    if (*seen) {
      fail(name + " is given twice");
      continue;
    }
    *seen = true;
    if (!token.hasEquals) {
      fail(name + " needs a value");
      continue;
    }
    if (seen == &seenTasks) {
      if (!ReadTasks(token.value, line)) fail("unknown task in: " + token.value);
    } else if (token.value.empty()) {
      fail(name + " needs a value");
    } else {
      (seen == &seenDir ? line.folder : line.logFile) = token.value;
    }
  }
  return line;
}

}  // namespace engine
