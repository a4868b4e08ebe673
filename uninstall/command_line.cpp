#include "uninstall/command_line.h"

namespace uninstall {

namespace {

using platform::IsBlank;
using platform::SkipBlanks;
using platform::WordEnd;

std::string Upper(const std::string& word) {
  std::string out = word;
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace

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
