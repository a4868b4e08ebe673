// The DLL-search port of one side: the real system, or the fake set up as a
// stock Windows whose system folder holds kernel32.dll and version.dll.
#pragma once

#include "platform/dll_search.h"

namespace contract {

platform::DllSearch& StockDllSearch();

}  // namespace contract
