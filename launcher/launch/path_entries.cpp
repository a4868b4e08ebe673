#include "launcher/launch/path_entries.h"

#include "platform/lead_byte.h"

namespace launcher {

std::vector<std::string> PathEntries(const std::string& pathValue) {
  std::vector<std::string> entries;
  std::string entry;
  bool quoted = false;
  for (std::size_t i = 0; i <= pathValue.size(); ++i) {
    if (i == pathValue.size() || (pathValue[i] == ';' && !quoted)) {
      if (!entry.empty()) entries.push_back(entry);
      entry.clear();
    } else if (pathValue[i] == '"') {
      quoted = !quoted;
    } else {
      entry += pathValue[i];
      // Neither ';' nor '"' can be a trail byte, but keep the pair whole.
      if (platform::IsLeadByte(pathValue[i]) && i + 1 < pathValue.size()) entry += pathValue[++i];
    }
  }
  return entries;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  bool endsInSeparator = false;
  for (std::size_t i = 0; i < folder.size(); ++i) {
    endsInSeparator = folder[i] == '\\';
    if (platform::IsLeadByte(folder[i])) ++i;
  }
  return endsInSeparator ? folder + name : folder + "\\" + name;
}

}  // namespace launcher
