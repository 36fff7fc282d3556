#!/usr/bin/env bash
# Photographs lumetra's main window on a fresh demo plant into docs/main-window.png, for the
# README: the real program on a private X server, the window alone, no metadata.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

./scripts/deps.sh screenshot
if ! log=$(cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMETRA_BUILD_BENCH=OFF 2>&1); then
  echo "$log" >&2
  exit 1
fi
cmake --build build --parallel "$(nproc)" --target lumetra lumetra-demo >/dev/null

source scripts/x11-session.sh
x11_scratch

build/demo/lumetra-demo "$scratch/plant" >/dev/null
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime"
x11_start
(cd "$scratch/plant" && exec "$root/build/src/lumetra/lumetra") &
pid=$!
window=$(x11_window "Lumetra +") || true
[ -n "$window" ] || { echo "the main window did not appear" >&2; exit 1; }
sleep 1  # the first paint
import -window "$window" -strip "$root/docs/main-window.png"
echo "docs/main-window.png: $(identify -format '%wx%h' "$root/docs/main-window.png")"
