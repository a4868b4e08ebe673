#include "platform/win32/win32_string_resource.h"

namespace platform {

int Win32StringResource::LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int size) {
  return ::LoadStringA(instance, id, buffer, size);
}

}  // namespace platform
