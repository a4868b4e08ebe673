#!/bin/sh
# Link step of the shipped programs: the same command, but by the driver of
# the win32 thread model, so that its libstdc++ and libgcc (which speak to
# Windows directly) are linked instead of the posix model's, which bring in
# winpthreads and with it imports that Windows XP lacks (GetTickCount64).
# The objects are the same for both: only the runtime libraries differ.
#
#   link-win32-threads.sh /usr/bin/i686-w64-mingw32-g++[-posix] ARGS...
compiler=$1
shift
exec "${compiler%-posix}-win32" "$@"
