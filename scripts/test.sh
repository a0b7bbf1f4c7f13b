#!/usr/bin/env bash
# Builds everything and runs every test, every build with warnings as
# errors: the engine's once optimised (with the exhaustive comparison
# against the literal model) and once under AddressSanitizer and
# UndefinedBehaviorSanitizer; the differential fuzz targets briefly; then
# the Windows program, cross-compiled with GCC and again with Clang, driven
# through its real window under Wine; last, the shipped executable is built
# again in another folder and must come out byte for byte the same.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh
jobs=$(nproc)

run_preset() {
  local preset=$1
  shift
  cmake --preset "$preset" "$@"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
}

run_preset release
run_preset sanitize
# A few seconds per fuzz target, however long the last scripts/fuzz.sh ran.
run_preset fuzz -DUESCAPE_FUZZ_SECONDS=7
run_preset windows
run_preset windows-clang
scripts/check-reproducible-build.sh build/windows

# The window as the tests left it, Chinese text converted.
if [ -f build/windows/window-tests/screenshot.bmp ]; then
  convert build/windows/window-tests/screenshot.bmp build/windows/window-tests/screenshot.png
  echo "screenshot: build/windows/window-tests/screenshot.png"
fi
