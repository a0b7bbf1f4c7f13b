#!/usr/bin/env bash
# Builds the executable that ships and packs it with a read-me for Windows
# users into build/dist/UEscape-VERSION-windows-x64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target uescape >/dev/null
scripts/check-shipped-program.sh build/windows/app/UEscape.exe

version=$(cat build/windows/uescape-version.txt)
zip=UEscape-$version-windows-x64.zip

rm -rf build/dist
mkdir -p build/dist/UEscape
cp build/windows/app/UEscape.exe build/dist/UEscape/
# Windows users open text files in Notepad: CR LF line ends, UTF-8 with a BOM.
printf '\xEF\xBB\xBF' > build/dist/UEscape/README.txt
sed 's/$/\r/' resources/README-Windows.txt >> build/dist/UEscape/README.txt
# Entries dated by the last commit, not by the time of packing.
stamp=$(TZ=UTC0 git log -1 --format=%cd --date=format-local:'%Y-%m-%d %H:%M:%S' 2>/dev/null || echo '2026-01-01 00:00:00')
(cd build/dist && cmake -E tar cf "$zip" --format=zip --mtime="$stamp" UEscape)
ls -l "build/dist/$zip" build/dist/UEscape/UEscape.exe
