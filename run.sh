#!/usr/bin/env bash
# Installs what is missing, builds, and starts lumetra on the demo plant.
#   ./run.sh             the desktop program, in build/demo-plant (made the first time)
#   ./run.sh web [PORT]  a loopback web server publishing the demo plant's upload directory,
#                        and lumetraweb pointed at it
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
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
  *)
    echo "usage: $0 [web [PORT]]" >&2
    exit 2
    ;;
esac
