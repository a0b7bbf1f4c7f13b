#!/usr/bin/env bash
# Runs every differential fuzz target for longer than the test command does.
#   fuzz.sh [SECONDS_PER_TARGET]   (default 600)
# Inputs that reach new code are kept in build/fuzz/tests/fuzz/corpus/; a
# difference from the literal model stops the target and leaves a crash-*
# file there, which `build/fuzz/tests/fuzz/TARGET crash-...` replays.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
scripts/install-dependencies.sh
cmake --preset fuzz -DUESCAPE_FUZZ_SECONDS="$seconds"
cmake --build --preset fuzz -j "$(nproc)"
ctest --preset fuzz -j "$(nproc)"
grep -h "number_of_executed_units\|^Test command\|Fuzz\." build/fuzz/Testing/Temporary/LastTest.log \
  | grep -E "executed_units|Fuzz\.[a-z_]+ \.\.\." || true
