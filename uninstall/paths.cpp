#include "uninstall/paths.h"

#include "platform/lead_byte.h"
#include "platform/program_name.h"

namespace uninstall {

namespace {

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The position of the last separator, or npos.
std::string::size_type LastSeparator(const std::string& path) {
  std::string::size_type last = std::string::npos;
  for (std::string::size_type i = 0; i < path.size(); ++i) {
    if (platform::IsLeadByte(path[i]))
      ++i;
    else if (path[i] == '\\')
      last = i;
  }
  return last;
}

std::string Normalized(const std::string& path) {
  std::string out;
  bool afterSeparator = false;
  for (std::string::size_type i = 0; i < path.size(); ++i) {
    char c = path[i];
    if (platform::IsLeadByte(c) && i + 1 < path.size()) {
      out += c;
      out += path[++i];
      afterSeparator = false;
    } else if (c == '\\') {
      if (!afterSeparator) out += c;  // a second separator in a row names the same place
      afterSeparator = true;
    } else {
      out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
      afterSeparator = false;
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> OwnPath(platform::FileSystem& files) {
  // A path that does not fit MAX_PATH whole names a folder that is not ours.
  return platform::OwnProgramPath(files);
}

std::string FolderOf(const std::string& path) {
  auto last = LastSeparator(path);
  return last == std::string::npos ? std::string() : path.substr(0, last);
}

std::string NameOf(const std::string& path) {
  auto last = LastSeparator(path);
  return last == std::string::npos ? path : path.substr(last + 1);
}

bool SamePath(const std::string& left, const std::string& right) { return Normalized(left) == Normalized(right); }

bool IsDriveRoot(const std::string& folder) {
  return (folder.size() == 2 || (folder.size() == 3 && folder[2] == '\\')) && IsDriveLetter(folder[0]) &&
         folder[1] == ':';
}

bool IsFullPath(const std::string& path) {
  return path.size() > 3 && IsDriveLetter(path[0]) && path[1] == ':' && path[2] == '\\' && path[3] != '\\';
}

bool FitsMaxPath(const std::string& path) { return path.size() + 1 <= MAX_PATH; }

}  // namespace uninstall
