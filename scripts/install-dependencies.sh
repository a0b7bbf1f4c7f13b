#!/usr/bin/env bash
# Installs the Debian packages that building and testing UEscape need,
# skipping those already there, and makes the locales the Windows program's
# tests run in. Runs apt-get as root (or through sudo).
set -euo pipefail

packages=(
  # the engine, its tests and benchmarks, on Linux
  cmake make g++ libgtest-dev libbenchmark-dev python3
  # the fuzz targets: Clang with libFuzzer and the sanitizers; LLD links
  # the Windows program's Clang build
  clang lld libclang-rt-14-dev
  # the Windows program, cross-compiled, and GoogleTest's sources for its test driver
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
  # running it: Wine on a virtual display, a Chinese font, screenshots,
  # a work area set from outside, the locales Wine takes its code page from
  wine wine64 fonts-wine xvfb xauth x11-utils fonts-wqy-microhei imagemagick locales
)
locales=(zh_CN.UTF-8 en_US.UTF-8)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# LC_ALL=zh_CN.UTF-8 gives Wine code page 936 only quietly when the
# locale exists.
available=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
for name in "${locales[@]}"; do
  wanted=$(echo "$name" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
  if ! grep -qx "$wanted" <<<"$available"; then
    echo "Making the locale $name"
    "${sudo_cmd[@]}" localedef -i "${name%%.*}" -f UTF-8 "$name"
  fi
done
