#!/usr/bin/env bash
# A new user's first start: the installed lumetra, started as the menu entry starts it
# (through lumetra-start, in an empty home), stores a yield typed into "Manuelle
# Datenerfassung" in DATA/DATEN.DAT. The real program on a private X server, driven with
# xdotool; nothing in the program knows it is being tested.
#   first_start_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source "$2/scripts/x11-session.sh"
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool not installed (scripts/deps.sh test installs it)"; exit 77; }
done

x11_scratch
fail() {
  echo "FAIL: $*"
  echo "windows: $(for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do printf "'%s' " "$(xdotool getwindowname "$w")"; done)"
  [ -s "$scratch/stderr" ] && { echo "lumetra printed:"; cat "$scratch/stderr"; }
  exit 1
}

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
mkdir -p "$scratch/home" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime"
unset LUMETRA_HOME
x11_start

"$scratch/prefix/bin/lumetra-start" lumetra 2>"$scratch/stderr" &
pid=$!
main=$(x11_window "Lumetra +") || true
[ -n "$main" ] || fail "the main window did not appear"

# "Manuelle Datenerfassung" (8,416, 281 x 25); a click that comes before the window takes
# input is repeated.
entry=""
for _ in 1 2 3; do
  x11_click "$main" 148 428
  entry=$(x11_window "Lumetra - Datenerfassung" 5) || true
  [ -n "$entry" ] && break
done
[ -n "$entry" ] || fail "the manual entry dialog did not open"

# The date field holds today; the energy field (104,32) gets 12,5; then "Hinzufügen" (216,112).
today_id=$(date +%Y%m%d)
today=$(date +%d.%m.%Y)
x11_click "$entry" 140 42
xdotool key ctrl+a
xdotool type --delay 30 "12,5"
x11_click "$entry" 253 124

data="$HOME/Lumetra/DATA/DATEN.DAT"
expected=$(printf '%s;%s;12,5\r' "$today_id" "$today")
for _ in $(seq 50); do
  [ -f "$data" ] && [ "$(cat "$data")" = "$expected" ] && break
  sleep 0.1
done
if [ -n "$(x11_window "Lumetra - Lumetrascope" 1)" ]; then
  fail "an error box appeared after \"Hinzufügen\""
fi
[ -f "$data" ] || fail "no $data after \"Hinzufügen\""
[ "$(cat "$data")" = "$expected" ] || fail "$data holds $(od -c "$data" | head -5), expected $expected"
kill -0 "$pid" 2>/dev/null || fail "lumetra ended"

# Nothing but the working folder, its data folder and the yield file.
found=$(cd "$HOME/Lumetra" && find . | sort | tr '\n' ' ')
[ "$found" = ". ./DATA ./DATA/DATEN.DAT " ] || fail "the working folder holds: $found"
[ -s "$scratch/stderr" ] && fail "lumetra wrote to stderr"
echo "first start ok: $(cat -v "$data")"
