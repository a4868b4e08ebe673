#include "launcher/launch/java_command_line.h"

namespace launcher {

std::string JavaCommandLine(const std::string& javaPath, const std::string& options, const std::string& archivePath,
                            const std::vector<std::string>& documents) {
  std::string line = "\"" + javaPath + "\" " + options + " -jar \"" + archivePath + "\" ";
  for (std::size_t i = 0; i < documents.size(); ++i) {
    if (i > 0) line += " ";
    line += "\"" + documents[i] + "\"";
  }
  return line;
}

}  // namespace launcher
