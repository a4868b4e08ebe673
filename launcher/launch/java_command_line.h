// The command line that starts the Java application.
#pragma once

#include <string>
#include <vector>

namespace launcher {

// "JAVA" OPTIONS -jar "ARCHIVE" "DOC1" "DOC2"... Nothing is escaped: each
// piece goes in exactly as given, so options from boot.ini reach the runtime
// as its own, and a document is one argument whatever blanks it holds.
std::string JavaCommandLine(const std::string& javaPath, const std::string& options, const std::string& archivePath,
                            const std::vector<std::string>& documents);

}  // namespace launcher
