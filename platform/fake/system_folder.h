// GetSystemDirectoryA in the fakes: the folder copied with its terminator
// and its length returned, or, for too small a buffer, nothing copied and
// the size needed with the terminator returned.
#pragma once

#include <cstring>
#include <string>

#include "platform/win_types.h"

namespace platform {

inline UINT CopySystemFolder(const std::string& folder, LPSTR buffer, UINT size) {
  const UINT length = static_cast<UINT>(folder.size());
  if (size <= length) return length + 1;
  std::memcpy(buffer, folder.c_str(), length + 1);
  return length;
}

}  // namespace platform
