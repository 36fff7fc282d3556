#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   ./test.sh             normal build in build/
#   ./test.sh --sanitize  address and undefined-behaviour sanitizers, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"

mode=normal
case "${1:-}" in
  --sanitize) mode=sanitize ;;
  "") ;;
  *) echo "usage: $0 [--sanitize]" >&2; exit 2 ;;
esac

./scripts/deps.sh

if [ "$mode" = sanitize ]; then
  dir=build-sanitize
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMETRA_SANITIZE=ON -DLUMETRA_BUILD_BENCH=OFF >/dev/null
else
  dir=build
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$dir" --parallel "$(nproc)"
cd "$dir"
ctest --output-on-failure --parallel "$(nproc)"
