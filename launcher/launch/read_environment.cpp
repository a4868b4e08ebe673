#include "launcher/launch/read_environment.h"

#include <vector>

#include "launcher/launch/launch_names.h"

namespace launcher {

bool ReadEnvironmentString(platform::Environment& environment, const std::string& asciiName, std::string& value) {
  std::vector<WCHAR> name(asciiName.begin(), asciiName.end());
  name.push_back(0);
  // Read wide: Wine's ANSI call cuts a value with double-byte characters
  // short; Windows gives it whole either way.
  std::vector<WCHAR> wide(kEnvironmentValueSize);
  DWORD length = environment.GetEnvironmentVariableW(name.data(), wide.data(), kEnvironmentValueSize);
  if (length == 0 || length >= kEnvironmentValueSize) return false;

  BOOL usedDefault = FALSE;
  const int size = environment.WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(length),
                                                   nullptr, 0, nullptr, &usedDefault);
  if (size <= 0 || usedDefault) return false;
  std::vector<char> bytes(size);
  usedDefault = FALSE;
  const int written = environment.WideCharToMultiByte(
      CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(length), bytes.data(), size, nullptr, &usedDefault);
  if (written != size || usedDefault) return false;
  value.assign(bytes.data(), bytes.size());
  return true;
}

}  // namespace launcher
