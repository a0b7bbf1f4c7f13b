#!/usr/bin/env bash
# Builds the benchmarks optimised and prints the conversion's throughput
# next to the literal procedure's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)" --target convert_bench
build/release/bench/convert_bench "$@"
