#!/usr/bin/env bash
# Says whether this machine can run 32-bit programs, as every 32-bit Windows
# program under Wine needs (WoW64 in a 64-bit prefix too: Wine 8 runs those
# in 32-bit processes). Some machines run only 64-bit code: their kernel
# refuses every 32-bit executable.
#
#   scripts/runs-32bit.sh   exit 0: it can
#                           exit 1: it cannot, and the reason on stdout
#
# TESSAL_NO_32BIT=1 answers "cannot" on any machine, so that the path of a
# 64-bit-only machine can be tried anywhere.
set -u
if [ "${TESSAL_NO_32BIT:-0}" = 1 ]; then
  echo "TESSAL_NO_32BIT=1 is set"
  exit 1
fi
loader=/usr/lib/wine/wine
if [ ! -x "$loader" ]; then
  echo "there is no 32-bit Wine ($loader; package wine32:i386)"
  exit 1
fi
if answer=$("$loader" --version 2>&1); then
  exit 0
fi
case $answer in
  *"Exec format error"*) echo "this machine runs only 64-bit code ($loader: Exec format error)" ;;
  *) echo "the 32-bit Wine does not start ($loader: $(echo "$answer" | head -n 1))" ;;
esac
exit 1
