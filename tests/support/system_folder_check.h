// GetSystemDirectoryA as Windows documents it, for each port that gives the
// system folder: the length without terminator, or for too small a buffer
// the size needed with it; no trailing backslash. Returns the folder.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/win_types.h"

namespace testing_support {

template <class Port>
std::string ExpectSystemFolderSizedAsDocumented(Port& port) {
  char tiny[4] = {};
  const UINT needed = port.GetSystemDirectoryA(tiny, sizeof tiny);
  char folder[MAX_PATH] = {};
  const UINT length = port.GetSystemDirectoryA(folder, MAX_PATH);
  EXPECT_GT(length, 3u);
  EXPECT_EQ(length, std::strlen(folder));
  EXPECT_EQ(needed, length + 1) << "too small a buffer gets the size with terminator";
  EXPECT_NE(folder[length > 0 ? length - 1 : 0], '\\');
  return folder;
}

}  // namespace testing_support
