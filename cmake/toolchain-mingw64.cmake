# 64-bit Windows programs with MinGW-w64, run under 64-bit Wine for tests:
# the same sources as the shipped 32-bit ones, proven on machines that run
# only 64-bit code.
set(TESSAL_MINGW_TARGET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
