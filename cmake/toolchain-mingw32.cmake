# 32-bit Windows programs with MinGW-w64, run under Wine for tests: the
# programs that ship.
set(TESSAL_MINGW_TARGET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
