#!/usr/bin/env bash
# Installs everything the build and the tests need. Run as root; safe to run
# again, and quick when everything is already there.
set -euo pipefail

packages=(
  cmake make g++ googletest libgtest-dev libgmock-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64
  icoutils
  wine wine32:i386 wine64
  xvfb x11-utils imagemagick xdotool
  fonts-ipafont-gothic fonts-wine
  liblnk-utils
  locales
  openjdk-17-jdk-headless zip python3
  osslsigncode openssl
)

missing=()
have_i386=0
dpkg --print-foreign-architectures | grep -qx i386 && have_i386=1
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ] || [ "$have_i386" -eq 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: missing packages (${missing[*]}); run as root" >&2
    exit 1
  fi
  if [ "$have_i386" -eq 0 ]; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Japanese arguments and file names under Wine need the ja_JP.UTF-8 locale;
# the tests of a Western Windows (ANSI code page 1252) run in en_US.UTF-8.
for wanted in ja_JP en_US; do
  if ! locale -a 2>/dev/null | grep -qix "$wanted.utf8"; then
    if [ "$(id -u)" -eq 0 ]; then
      sed -i "s/^# *$wanted.UTF-8 UTF-8/$wanted.UTF-8 UTF-8/" /etc/locale.gen
      grep -q "^$wanted.UTF-8 UTF-8" /etc/locale.gen || echo "$wanted.UTF-8 UTF-8" >> /etc/locale.gen
      locale-gen >/dev/null
    else
      echo "install-deps: $wanted.UTF-8 locale missing; run as root" >&2
      exit 1
    fi
  fi
done
echo "install-deps: all present"
