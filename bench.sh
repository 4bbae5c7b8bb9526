#!/usr/bin/env bash
# Builds the benchmarks optimised and runs each one.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure-packages.sh
build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVYR_TESTS=OFF -DVYR_GUI=OFF >/dev/null
cmake --build "$build" -j2
for b in "$build"/bench/bench_*; do [ -x "$b" ] && "$b" "$@"; done
