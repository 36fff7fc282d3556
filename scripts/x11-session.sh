# Sourced: a private X server and helpers to wait for and click into windows by their title.
# Xvfb picks a free display itself (-displayfd), so parallel runs do not collide.

# x11_start: starts Xvfb, exports DISPLAY; x11_stop ends it (also on EXIT if the caller traps).
x11_start() {
  x11_dir=$(mktemp -d)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$x11_dir/display" 2>"$x11_dir/log" &
  x11_pid=$!
  for _ in $(seq 100); do
    [ -s "$x11_dir/display" ] && break
    kill -0 "$x11_pid" 2>/dev/null || { cat "$x11_dir/log" >&2; return 1; }
    sleep 0.1
  done
  [ -s "$x11_dir/display" ] || { echo "Xvfb did not start" >&2; return 1; }
  DISPLAY=":$(cat "$x11_dir/display")"
  export DISPLAY
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

x11_stop() {
  if [ -n "${x11_pid:-}" ]; then
    kill "$x11_pid" 2>/dev/null || true
    wait "$x11_pid" 2>/dev/null || true
  fi
  [ -z "${x11_dir:-}" ] || rm -rf "$x11_dir"
  x11_pid=""
  x11_dir=""
}

# x11_scratch: makes the folder $scratch and, on EXIT, ends the program the caller started
# as $pid, the X server and the folder.
x11_scratch() {
  scratch=$(mktemp -d)
  pid=""
  trap x11_cleanup EXIT
}

x11_cleanup() {
  if [ -n "${pid:-}" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  x11_stop
  [ -z "${scratch:-}" ] || rm -rf "$scratch"
}

# x11_window TITLE [SECONDS]: prints the id of the visible window titled exactly TITLE.
x11_window() {
  local pattern
  pattern="^$(printf '%s' "$1" | sed 's/[].[^$*+?(){}|\\]/\\&/g')\$"
  timeout "${2:-20}" xdotool search --sync --onlyvisible --name "$pattern" | head -1
}

# x11_click WINDOW X Y: a left click at a point of the window's client area.
x11_click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}
