#!/usr/bin/env bash
# A loopback web server publishing a directory under /pvdaten, in the foreground.
#   scripts/web-server.sh UPLOAD_DIR SCRATCH_DIR [PORT]
# Debian's nginx from a scratch prefix with its own configuration, pid, log and temp paths;
# one process (master_process off), so it reads the directory as the caller. Ends on SIGTERM.
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 UPLOAD_DIR SCRATCH_DIR [PORT]" >&2; exit 2; }
upload=$(realpath "$1")
prefix=$(mkdir -p "$2" && realpath "$2")
port=${3:-8095}
nginx=$(command -v nginx || echo /usr/sbin/nginx)
[ -x "$nginx" ] || { echo "nginx is not installed (scripts/deps.sh installs it)" >&2; exit 3; }

mkdir -p "$prefix/tmp" "$prefix/logs"
cat > "$prefix/nginx.conf" <<CONF
daemon off;
master_process off;
worker_processes 1;
pid $prefix/nginx.pid;
error_log $prefix/logs/error.log;
events { worker_connections 64; }
http {
    access_log $prefix/logs/access.log;
    client_body_temp_path $prefix/tmp/body;
    proxy_temp_path $prefix/tmp/proxy;
    fastcgi_temp_path $prefix/tmp/fastcgi;
    uwsgi_temp_path $prefix/tmp/uwsgi;
    scgi_temp_path $prefix/tmp/scgi;
    default_type application/octet-stream;
    server {
        listen 127.0.0.1:$port;
        location /pvdaten/ { alias $upload/; }
    }
}
CONF
exec "$nginx" -p "$prefix" -c "$prefix/nginx.conf" -e "$prefix/logs/error.log"
