// Top-level windows and their titles: every window is visited, a procedure
// can stop the walk, and a title is copied in code page 932 without ever
// writing past the buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/contract/window_search/harness.h"
#include "tests/support/bytes.h"

namespace {

struct Walk {
  platform::WindowSearch* windows;
  std::vector<HWND> visited;
  int stopAfter;  // 0: never stop
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
  auto* walk = reinterpret_cast<Walk*>(param);
  walk->visited.push_back(window);
  return walk->stopAfter == 0 || static_cast<int>(walk->visited.size()) < walk->stopAfter;
}

int Count(const std::vector<HWND>& windows, HWND window) {
  int count = 0;
  for (HWND w : windows) count += w == window;
  return count;
}

TEST(WindowSearchContract, EveryOpenWindowIsVisitedOnceAndAClosedOneNot) {
  auto harness = window_search_contract::MakeHarness();
  HWND first = harness->OpenWindow("Tessal 契約 一");
  HWND second = harness->OpenWindow("契約 二");
  HWND closed = harness->OpenWindow("Tessal 閉じた");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  harness->CloseWindow(closed);

  Walk walk{&harness->Windows(), {}, 0};
  EXPECT_NE(harness->Windows().EnumWindows(Visit, reinterpret_cast<LPARAM>(&walk)), FALSE);
  EXPECT_EQ(Count(walk.visited, first), 1);
  EXPECT_EQ(Count(walk.visited, second), 1);
  EXPECT_EQ(Count(walk.visited, closed), 0);
}

TEST(WindowSearchContract, AProcedureThatReturnsFalseStopsTheWalk) {
  auto harness = window_search_contract::MakeHarness();
  harness->OpenWindow("one");
  harness->OpenWindow("two");
  Walk walk{&harness->Windows(), {}, 1};
  EXPECT_EQ(harness->Windows().EnumWindows(Visit, reinterpret_cast<LPARAM>(&walk)), FALSE);
  EXPECT_EQ(walk.visited.size(), 1u);
}

struct TitleCase {
  const char* name;
  std::string title;
  int maxCount;
  std::string expected;  // the bytes before the terminator
};

class WindowTitles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(WindowTitles, CopiedCutAndTerminatedWithinTheBuffer) {
  const TitleCase& row = GetParam();
  auto harness = window_search_contract::MakeHarness();
  HWND window = harness->OpenWindow(row.title);
  ASSERT_NE(window, nullptr);

  // The buffer is exactly maxCount bytes; sentinels follow it.
  std::vector<char> buffer(static_cast<std::size_t>(row.maxCount) + 4, '#');
  int copied = harness->Windows().GetWindowTextA(window, buffer.data(), row.maxCount);
  EXPECT_EQ(copied, static_cast<int>(row.expected.size()));
  EXPECT_BYTES(std::string(buffer.data(), row.expected.size()), row.expected);
  EXPECT_EQ(buffer[row.expected.size()], '\0') << "terminated";
  EXPECT_EQ(std::string(buffer.data() + row.maxCount, 4), "####") << "nothing past the buffer";
}

INSTANTIATE_TEST_SUITE_P(WindowSearchContract, WindowTitles,
                         ::testing::Values(TitleCase{"JapaneseInCodePage932", "Tessal - 文書 表示.xml", 256,
                                                     "Tessal - 文書 表示.xml"},
                                           TitleCase{"CutToTheBuffer", "Tessal - long title", 7, "Tessal"},
                                           TitleCase{"ExactFitLeavesRoomForTheTerminator", "Tessal", 7, "Tessal"},
                                           TitleCase{"OneByteHoldsOnlyTheTerminator", "Tessal", 1, ""},
                                           TitleCase{"EmptyTitle", "", 256, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowSearchContract, AClosedWindowHasNoTitle) {
  auto harness = window_search_contract::MakeHarness();
  HWND window = harness->OpenWindow("Tessal");
  harness->CloseWindow(window);
  char buffer[16];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(harness->Windows().GetWindowTextA(window, buffer, sizeof buffer), 0);
  EXPECT_EQ(buffer[0], '\0');
}

// As a second uninstaller picks the first one's window and shows it.
TEST(WindowSearchContract, AWindowIsOfThisProcessHiddenUntilShownAndComesToTheFront) {
  auto harness = window_search_contract::MakeHarness();
  HWND window = harness->OpenWindow("Tessal 前面");
  ASSERT_NE(window, nullptr);
  DWORD processId = 0;
  EXPECT_NE(harness->Windows().GetWindowThreadProcessId(window, &processId), 0u);
  EXPECT_EQ(processId, harness->OwnProcessId());
  EXPECT_FALSE(harness->Windows().IsWindowVisible(window));
  harness->ShowWindow(window);
  EXPECT_TRUE(harness->Windows().IsWindowVisible(window));
  EXPECT_TRUE(harness->Windows().SetForegroundWindow(window));
  EXPECT_EQ(harness->Foreground(), window);
  harness->CloseWindow(window);
  EXPECT_EQ(harness->Windows().GetWindowThreadProcessId(window, nullptr), 0u) << "gone";
  EXPECT_FALSE(harness->Windows().IsWindowVisible(window));
}

}  // namespace
