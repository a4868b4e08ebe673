// An environment in memory: variables with names matched without regard to
// case and wide values, and the conversion to code page 932 that Windows
// makes with WC_NO_BEST_FIT_CHARS: a character without its own code becomes
// the default character and is reported.
#pragma once

#include <map>
#include <string>

#include "platform/environment.h"

namespace platform {

class FakeEnvironment final : public Environment {
 public:
  DWORD GetEnvironmentVariableW(LPCWSTR name, LPWSTR buffer, DWORD size) override;
  int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR bytes, int byteLength,
                          LPCSTR defaultChar, LPBOOL usedDefaultChar) override;

  // Test set-up: a value given as code page 932 bytes, or as UTF-16 for
  // characters that code page lacks.
  void Set(const std::string& name, const std::string& cp932Value);
  void SetWide(const std::string& name, const std::u16string& value);
  void Remove(const std::string& name);

 private:
  std::map<std::string, std::u16string> variables_;  // by folded name
};

}  // namespace platform
