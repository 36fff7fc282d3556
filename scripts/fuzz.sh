#!/usr/bin/env bash
# Builds every fuzz target with clang and runs each for the given seconds, two at a time.
# Findings (crash-*, leak-*, timeout-*) land in build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="$1"
dir=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUMETRA_FUZZ=ON -DLUMETRA_BUILD_TESTS=OFF -DLUMETRA_BUILD_BENCH=OFF >/dev/null
targets=$(find fuzz -name 'fuzz_*.cpp' -exec basename {} .cpp \; | sort)
cmake --build "$dir" --parallel "$(nproc)" --target $targets

# Seeds: the project's own test files and the demo plant.
seeds="$dir/seeds"
rm -rf "$seeds" && mkdir -p "$seeds"
find tests/data demo fuzz/seeds -type f -size -64k -exec cp {} "$seeds/" \; 2>/dev/null || true

export QT_QPA_PLATFORM=offscreen
run_one() {
  local t="$1"
  mkdir -p "$dir/corpus/$t" "$dir/findings/$t"
  "$dir/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -artifact_prefix="$dir/findings/$t/" "$dir/corpus/$t" "$seeds" > "$dir/findings/$t/log.txt" 2>&1
  local rc=$?
  echo "$t: exit $rc, $(grep -c '' "$dir/findings/$t/log.txt") log lines, $(ls "$dir/findings/$t" | grep -cv log.txt) findings"
  return $rc
}
export -f run_one
export dir seconds seeds
status=0
printf '%s\n' $targets | xargs -P 2 -I{} bash -c 'run_one {}' || status=1
exit $status
