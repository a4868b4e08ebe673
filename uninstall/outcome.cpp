#include "uninstall/outcome.h"

#include "uninstall/texts.h"

namespace uninstall {

namespace {

void AppendSection(std::string& text, const char* heading, const std::vector<std::string>& items) {
  if (items.empty()) return;
  text += "\n\n";
  text += heading;
  for (const std::string& item : items) text += "\n" + item;
}

}  // namespace

std::string ReportText(const Outcome& outcome) {
  std::string text = outcome.Complete() ? kRemovedAll : kNotAllRemoved;
  AppendSection(text, kFailedHeading, outcome.failed);
  AppendSection(text, kKeptHeading, outcome.kept);
  AppendSection(text, kLeftHeading, outcome.leftAlone);
  return text;
}

}  // namespace uninstall
