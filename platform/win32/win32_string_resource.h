// The string-resource port on the real resource loader.
#pragma once

#include "platform/string_resource.h"

namespace platform {

class Win32StringResource final : public StringResource {
 public:
  int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int size) override;
};

}  // namespace platform
