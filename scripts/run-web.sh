#!/usr/bin/env bash
# Publishes an upload directory on a loopback web server and runs lumetraweb against it.
#   scripts/run-web.sh UPLOAD_DIR SCRATCH_DIR [PORT]
# The viewer's working directory is SCRATCH_DIR/work; its LUMWEB.INI is written when missing.
# The server stops when the viewer ends.
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 UPLOAD_DIR SCRATCH_DIR [PORT]" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
upload=$1
scratch=$(mkdir -p "$2" && realpath "$2")
port=${3:-8095}
viewer=${LUMETRAWEB:-$here/../build/src/lumetraweb/lumetraweb}

"$here/web-server.sh" "$upload" "$scratch/nginx" "$port" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null || true' EXIT
trap 'exit 130' INT TERM

for _ in $(seq 50); do
  (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
  kill -0 "$server" 2>/dev/null || { echo "the web server did not start (see $scratch/nginx/logs)" >&2; exit 1; }
  sleep 0.1
done
echo "Web server: http://127.0.0.1:$port/pvdaten/ publishes $upload"

mkdir -p "$scratch/work"
if [ ! -f "$scratch/work/LUMWEB.INI" ]; then
  printf '[SET]\r\nPATH=http://127.0.0.1:%s/pvdaten\r\nPAC=5000\r\nSMA=00\r\nTIME=5\r\nDisplay=1\r\nAUTO=1\r\n' \
    "$port" > "$scratch/work/LUMWEB.INI"
fi
cd "$scratch/work"
"$viewer"
