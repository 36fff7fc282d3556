#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   ./test.sh               normal build in build/
#   ./test.sh --sanitize    address and undefined-behaviour sanitizers, in build-sanitize/
#   ./test.sh --fuzz SECS   builds the libFuzzer targets with clang in build-fuzz/ and runs
#                           each for SECS seconds, two at a time (not part of CI)
set -euo pipefail
cd "$(dirname "$0")"

mode=normal
case "${1:-}" in
  --sanitize) mode=sanitize ;;
  --fuzz) mode=fuzz; seconds="${2:?usage: $0 --fuzz SECONDS}" ;;
  "") ;;
  *) echo "usage: $0 [--sanitize | --fuzz SECONDS]" >&2; exit 2 ;;
esac

[ "$mode" = fuzz ] || ./scripts/deps.sh test

case "$mode" in
  normal)
    dir=build
    configure=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMETRA_BUILD_TESTS=ON -DLUMETRA_BUILD_BENCH=OFF)
    ;;
  sanitize)
    dir=build-sanitize
    configure=(-DCMAKE_BUILD_TYPE=Debug -DLUMETRA_SANITIZE=ON -DLUMETRA_BUILD_TESTS=ON -DLUMETRA_BUILD_BENCH=OFF)
    ;;
  fuzz)
    ./scripts/deps.sh fuzz
    exec ./scripts/fuzz.sh "$seconds"
    ;;
esac
# Quiet when it works, the whole output when it does not.
if ! log=$(cmake -S . -B "$dir" -G Ninja "${configure[@]}" 2>&1); then
  echo "$log" >&2
  exit 1
fi
cmake --build "$dir" --parallel "$(nproc)"
cd "$dir"
ctest --output-on-failure --no-tests=error --parallel "$(nproc)"
