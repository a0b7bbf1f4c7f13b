#!/usr/bin/env bash
# Times clicks on long Chinese inputs in the real window under Wine, next to
# the time the output box takes to show the same output put in directly.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target window_click_bench uescape_testable >/dev/null
scripts/run-on-virtual-display.sh 1920x1080 zh_CN.UTF-8 \
  build/windows/window-tests/window_click_bench.exe "$@"
