#include "platform/win32/win32_dll_search.h"
#include "tests/contract/dll_search/harness.h"

namespace contract {

platform::DllSearch& StockDllSearch() {
  static platform::Win32DllSearch dlls;
  return dlls;
}

}  // namespace contract
