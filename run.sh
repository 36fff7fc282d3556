#!/usr/bin/env bash
# Installs what is missing, builds, and starts lumetra on the demo plant.
#   ./run.sh             the desktop program, in build/demo-plant (made the first time)
#   ./run.sh web [PORT]  a loopback web server publishing the demo plant's upload directory,
#                        and lumetraweb pointed at it
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

case "${1:-}" in
  "") deps=run ;;
  web) deps=web ;;
  *) echo "usage: $0 [web [PORT]]" >&2; exit 2 ;;
esac
# Qt would fail later with a platform plugin error that does not say what is wrong.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display (DISPLAY and WAYLAND_DISPLAY are empty): ./run.sh starts a desktop program; run it in a graphical session." >&2
  exit 1
fi

./scripts/deps.sh "$deps"
# Quiet when it works, the whole output when it does not.
if ! log=$(cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMETRA_BUILD_BENCH=OFF 2>&1); then
  echo "$log" >&2
  exit 1
fi
cmake --build build --parallel "$(nproc)" --target lumetra lumetraweb lumetra-demo

plant="$root/build/demo-plant"
if [ ! -f "$plant/LUMETRA.INI" ]; then
  echo "Making the demo plant in $plant"
  build/demo/lumetra-demo "$plant"
fi

case "${1:-}" in
  "")
    cd "$plant"
    exec "$root/build/src/lumetra/lumetra"
    ;;
  web)
    exec "$root/scripts/run-web.sh" "$plant/upload" "$root/build/demo-web" "${2:-8095}"
    ;;
esac
