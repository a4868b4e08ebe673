# What the two Windows toolchains share; each names its target first
# (TESSAL_MINGW_TARGET, CMAKE_SYSTEM_PROCESSOR).
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model by name, whatever the system's alternative says: the
# tests need std::thread and std::mutex (GoogleTest among them). The shipped
# programs are linked with the win32 model's runtime (cmake/xp-runtime.cmake).
set(CMAKE_C_COMPILER ${TESSAL_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSAL_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${TESSAL_MINGW_TARGET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TESSAL_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Every Windows test program runs under Wine through the runner, which picks
# the loader and the prefix for the program's own architecture.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
