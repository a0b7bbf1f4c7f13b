#!/usr/bin/env bash
# Builds everything and runs every test: once optimised (with the
# exhaustive comparison against the literal model), once under
# AddressSanitizer and UndefinedBehaviorSanitizer.
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
