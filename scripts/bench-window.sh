#!/usr/bin/env bash
# Times clicks on long Chinese inputs in the real window under Wine, next to
# the time the output box takes to show the same output put in directly.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/windows -j "$(nproc)" --target window_click_bench uescape_testable >/dev/null
scripts/run-on-virtual-display.sh 1920x1080 zh_CN.UTF-8 \
  build/windows/window-tests/window_click_bench.exe "$@"
