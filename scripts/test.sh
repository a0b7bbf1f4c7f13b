#!/usr/bin/env bash
# Builds everything and runs every test: the engine's once optimised (with
# the exhaustive comparison against the literal model) and once under
# AddressSanitizer and UndefinedBehaviorSanitizer; the differential fuzz
# targets briefly; then the Windows program, cross-compiled, driven through
# its real window under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh
jobs=$(nproc)

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$jobs"
ctest --test-dir build/release -j "$jobs" --output-on-failure

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DUESCAPE_SANITIZE=ON \
  -DUESCAPE_BUILD_BENCHMARKS=OFF
cmake --build build/sanitize -j "$jobs"
# The literal model is many times slower under the sanitizers: there the
# exhaustive comparison checks every 61st second byte.
UESCAPE_ORACLE_STRIDE=61 ctest --test-dir build/sanitize -j "$jobs" --output-on-failure

# The differential fuzz targets, a few seconds each over their seeds.
cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DUESCAPE_FUZZ=ON -DUESCAPE_FUZZ_SECONDS=7
cmake --build build/fuzz -j "$jobs"
ctest --test-dir build/fuzz -j "$jobs" --output-on-failure

cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release
cmake --build build/windows -j "$jobs"
ctest --test-dir build/windows --output-on-failure
# The window as the tests left it, Chinese text converted.
if [ -f build/windows/window-tests/screenshot.bmp ]; then
  convert build/windows/window-tests/screenshot.bmp build/windows/window-tests/screenshot.png
  echo "screenshot: build/windows/window-tests/screenshot.png"
fi
