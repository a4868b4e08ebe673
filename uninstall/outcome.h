// What a removal did, item by item, and the one message that reports it.
#pragma once

#include <string>
#include <vector>

namespace uninstall {

struct Outcome {
  std::vector<std::string> removed;
  std::vector<std::string> failed;     // ours, and still there
  std::vector<std::string> leftAlone;  // bears our name, but is not provably ours
  std::vector<std::string> kept;       // ours, kept so that the uninstaller can run again and finish
  bool Complete() const { return failed.empty(); }
};

// Success is said only when nothing failed; every item not removed is named.
std::string ReportText(const Outcome& outcome);

}  // namespace uninstall
