#!/usr/bin/env bash
# Installs the Debian packages that building and testing UEscape need,
# skipping those already there. Runs apt-get as root (or through sudo).
set -euo pipefail

packages=(
  # the engine, its tests and benchmarks, on Linux
  cmake make g++ libgtest-dev libbenchmark-dev python3
  # the fuzz targets: Clang with libFuzzer and the sanitizers
  clang libclang-rt-14-dev
  # the Windows program, cross-compiled, and GoogleTest's sources for its test driver
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
  # running it: Wine on a virtual display, a Chinese font, screenshots
  wine wine64 fonts-wine xvfb xauth fonts-wqy-microhei imagemagick
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
