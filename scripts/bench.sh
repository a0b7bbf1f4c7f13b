#!/usr/bin/env bash
# Builds the benchmarks optimised and prints the conversion's throughput
# next to the literal procedure's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$(nproc)" --target convert_bench
build/release/bench/convert_bench "$@"
