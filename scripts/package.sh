#!/usr/bin/env bash
# Builds the executable that ships and packs it with a read-me for Windows
# users into build/dist/UEscape-windows-x64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/windows -j "$(nproc)" --target uescape >/dev/null
scripts/check-shipped-program.sh build/windows/app/UEscape.exe

rm -rf build/dist
mkdir -p build/dist/UEscape
cp build/windows/app/UEscape.exe build/dist/UEscape/
# Windows users open text files in Notepad: CR LF line ends, UTF-8 with a BOM.
printf '\xEF\xBB\xBF' > build/dist/UEscape/README.txt
sed 's/$/\r/' resources/README-Windows.txt >> build/dist/UEscape/README.txt
(cd build/dist && cmake -E tar cf UEscape-windows-x64.zip --format=zip UEscape)
ls -l build/dist/UEscape-windows-x64.zip build/dist/UEscape/UEscape.exe
