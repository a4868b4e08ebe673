// The machine as a sorted list of lines, for comparing before and after: the
// keys and values of registry trees and the files and folders of folder
// trees. A file's line holds its size and attributes, not its times, which
// reading alone changes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// "KEY <name>" and "VALUE <name> [value] <type> <data>" for the tree; none when it is missing.
void AddRegistryTree(HKEY root, const std::string& rootName, const std::string& keyPath,
                     std::vector<std::string>& lines);
// "DIR <path>" and "FILE <path> <size> <attributes>" for the tree.
void AddFileTree(const std::string& folder, std::vector<std::string>& lines);
// Lines only in before, marked "- ", then lines only in after, marked "+ ".
std::vector<std::string> Difference(std::vector<std::string> before, std::vector<std::string> after);

}  // namespace e2e
