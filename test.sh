#!/usr/bin/env bash
# Checks that no #include goes up a layer, builds everything with warnings as errors under
# ASan+UBSan (clang), runs every test, smoke-runs each fuzz harness on its seed corpus, then
# builds and tests once more with g++ optimised, so both compilers stay clean.
set -euo pipefail
cd "$(dirname "$0")"
scripts/check-layers.sh
./scripts/ensure-packages.sh

build=build/test
export CC=clang CXX=clang++
# Benchmarks mean nothing under the sanitizers: the optimised build below compiles them.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVYR_WERROR=ON -DVYR_SANITIZE=ON -DVYR_FUZZ=ON -DVYR_BENCH=OFF \
  -DVYR_PCH=ON >/dev/null
cmake --build "$build" -j2

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
(cd "$build" && ctest --output-on-failure -j2)

# The editor itself under a seeded stream of random input (VYR_MONKEY_SECONDS, VYR_MONKEY_SEED).
scripts/monkey.sh "$build"

fuzz_seconds=${VYR_FUZZ_SECONDS:-20}
for harness in "$build"/fuzz/fuzz_*; do
  [ -x "$harness" ] || continue
  name=$(basename "$harness")
  work="$build/fuzz-work/$name"
  mkdir -p "$work"
  echo "fuzz: $name for ${fuzz_seconds}s"
  "$harness" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
    "$work" "fuzz/corpus/$name" >"$work.log" 2>&1 || { tail -n 40 "$work.log"; echo "fuzz: $name failed"; exit 1; }
done

gcc_build=build/test-gcc
CC=gcc CXX=g++ cmake -S . -B "$gcc_build" -DCMAKE_BUILD_TYPE=Release -DVYR_WERROR=ON -DVYR_PCH=ON >/dev/null
cmake --build "$gcc_build" -j2
(cd "$gcc_build" && ctest --output-on-failure -j2)
# The .deb, its desktop entry and AppStream metadata as Debian's own checks see them.
scripts/check-package.sh "$gcc_build"
echo "All tests passed."
