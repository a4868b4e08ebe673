#include "uninstall/command_line.h"

#include "platform/lead_byte.h"
#include "uninstall/paths.h"

namespace uninstall {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string::size_type SkipBlanks(const std::string& text, std::string::size_type at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
  return at;
}

// The end of an unquoted word: the first blank that is a character of its own.
std::string::size_type WordEnd(const std::string& text, std::string::size_type at) {
  while (at < text.size() && !IsBlank(text[at])) at += platform::IsLeadByte(text[at]) ? 2 : 1;
  return at < text.size() ? at : text.size();
}

// True when the first `length` bytes of text end on a character boundary.
bool EndsOnCharacter(const std::string& text, std::string::size_type length) {
  std::string::size_type at = 0;
  while (at < length) at += platform::IsLeadByte(text[at]) ? 2 : 1;
  return at == length;
}

std::string Upper(const std::string& word) {
  std::string out = word;
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace

std::string ArgumentsAfterProgramName(const std::string& commandLine, const std::string& ownPath) {
  std::string::size_type end = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    // A double quote is never a trail byte, so the name ends at the next one.
    end = commandLine.find('"', 1);
    end = end == std::string::npos ? commandLine.size() : end + 1;
  } else if (!ownPath.empty() && commandLine.size() >= ownPath.size() && EndsOnCharacter(commandLine, ownPath.size()) &&
             SamePath(commandLine.substr(0, ownPath.size()), ownPath) &&
             (commandLine.size() == ownPath.size() || IsBlank(commandLine[ownPath.size()]))) {
    end = ownPath.size();
  } else {
    end = WordEnd(commandLine, 0);
  }
  return commandLine.substr(SkipBlanks(commandLine, end));
}

SwitchesParse ParseSwitches(const std::string& arguments) {
  SwitchesParse parse;
  Switches switches;
  bool wrong = false, logSeen = false;
  std::string::size_type at = SkipBlanks(arguments, 0);
  while (at < arguments.size()) {
    std::string::size_type end = WordEnd(arguments, at);
    std::string word = arguments.substr(at, end - at);
    std::string::size_type equals = word.find('=');  // '=' is never a trail byte either
    const std::string name = Upper(word.substr(0, equals));
    if (name == "/SILENT" && equals == std::string::npos) {
      wrong = wrong || parse.silentSeen;
      parse.silentSeen = true;
    } else if (name == "/LOG" && equals != std::string::npos) {
      std::string value = word.substr(equals + 1);
      if (!value.empty() && value[0] == '"') {
        // A quoted value runs to its closing quote, blanks and all.
        std::string::size_type close = arguments.find('"', at + equals + 2);
        if (close == std::string::npos) {
          wrong = true;
          break;
        }
        value = arguments.substr(at + equals + 2, close - at - equals - 2);
        end = close + 1;
        if (end < arguments.size() && !IsBlank(arguments[end])) wrong = true;
      }
      wrong = wrong || logSeen || value.empty();
      logSeen = true;
      switches.log = value;
    } else {
      wrong = true;  // an unknown word, or a switch with a value missing or one too many
    }
    at = SkipBlanks(arguments, end);
  }
  switches.silent = parse.silentSeen;
  if (!wrong) parse.switches = switches;
  return parse;
}

}  // namespace uninstall
