// A string table in memory: texts by identifier, copied out as LoadStringA
// does (cut to the buffer, terminated, 0 for an unknown identifier).
#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

#include "platform/string_resource.h"

namespace platform {

class FakeStringResource final : public StringResource {
 public:
  int LoadStringA(HINSTANCE, UINT id, LPSTR buffer, int size) override {
    if (!buffer || size <= 0) return 0;
    auto text = texts_.find(id);
    std::string value = text == texts_.end() ? "" : text->second;
    std::size_t length = std::min<std::size_t>(value.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, value.data(), length);
    buffer[length] = 0;
    return static_cast<int>(length);
  }

  void SetString(UINT id, const std::string& text) { texts_[id] = text; }

 private:
  std::map<UINT, std::string> texts_;
};

}  // namespace platform
