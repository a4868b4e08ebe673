#include "platform/fake/fake_dll_search.h"
#include "tests/contract/dll_search/harness.h"

namespace contract {

platform::DllSearch& StockDllSearch() {
  static platform::FakeDllSearch dlls;
  return dlls;
}

}  // namespace contract
