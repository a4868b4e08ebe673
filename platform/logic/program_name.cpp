#include "platform/program_name.h"

#include "platform/lead_byte.h"

namespace platform {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string::size_type SkipBlanks(const std::string& text, std::string::size_type at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
  return at;
}

std::string::size_type WordEnd(const std::string& text, std::string::size_type at) {
  while (at < text.size() && !IsBlank(text[at])) at += IsLeadByte(text[at]) ? 2 : 1;
  return at < text.size() ? at : text.size();
}

namespace {

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// True when text holds path at `at`, character by character, ASCII letters
// in either case: a trail byte is compared as it is, never folded.
bool StartsWithPath(const std::string& text, std::string::size_type at, const std::string& path) {
  if (path.empty() || text.size() - at < path.size()) return false;
  for (std::string::size_type i = 0; i < path.size(); ++i) {
    if (IsLeadByte(path[i])) {
      if (i + 1 >= path.size() || text[at + i] != path[i] || text[at + i + 1] != path[i + 1]) return false;
      ++i;
    } else if (FoldAscii(text[at + i]) != FoldAscii(path[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<std::string> OwnProgramPath(FileSystem& files) {
  // Asked with room to spare: a name cut to fit MAX_PATH can end short of
  // the buffer (before a double-byte character) and still look whole.
  char buffer[4 * MAX_PATH] = {};
  DWORD length = files.GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  if (length == 0 || length >= MAX_PATH) return std::nullopt;
  return std::string(buffer, length);
}

std::string ArgumentsAfterProgramName(const std::string& commandLine, const std::string& ownPath) {
  std::string::size_type at = SkipBlanks(commandLine, 0);
  if (at < commandLine.size() && commandLine[at] == '/') return commandLine.substr(at);
  std::string::size_type end = 0;
  if (at < commandLine.size() && commandLine[at] == '"') {
    // A double quote is never a trail byte, so the name ends at the next one.
    end = commandLine.find('"', at + 1);
    end = end == std::string::npos ? commandLine.size() : end + 1;
  } else if (StartsWithPath(commandLine, at, ownPath) &&
             (commandLine.size() == at + ownPath.size() || IsBlank(commandLine[at + ownPath.size()]))) {
    end = at + ownPath.size();
  } else {
    end = WordEnd(commandLine, at);
  }
  return commandLine.substr(SkipBlanks(commandLine, end));
}

}  // namespace platform
