#!/usr/bin/env bash
# scripts/deps.sh on a machine that has none of the packages: what each command asks for,
# through sudo for a normal user, and the line to run when there is no sudo.
#   deps_test.sh SOURCE_DIR
set -euo pipefail
deps="$1/scripts/deps.sh"
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT
mkdir -p "$stubs/bin"
for tool in bash env grep awk cat; do ln -s "$(command -v "$tool")" "$stubs/bin/$tool"; done
printf '#!/bin/sh\nexit 1\n' > "$stubs/bin/dpkg-query"
printf '#!/bin/sh\necho 1000\n' > "$stubs/bin/id"
printf '#!/bin/sh\necho "apt-get $*" >> "%s/calls"\n' "$stubs" > "$stubs/bin/apt-get"
printf '#!/bin/sh\necho sudo >> "%s/calls"\nexec "$@"\n' "$stubs" > "$stubs/bin/sudo"
chmod +x "$stubs"/bin/*

run() { PATH="$stubs/bin" bash "$deps" "$@"; }

# profile | must be asked for | must not
cases='run|qt6-base-dev fonts-liberation2 xdg-utils qt6-qpa-plugins|nginx xvfb libgtest-dev lintian
web|nginx xdg-utils|xvfb libgtest-dev
test|nginx libgtest-dev xvfb xdotool dpkg-dev poppler-utils clang-format|imagemagick libbenchmark-dev
package|dpkg-dev lintian qt6-base-dev|nginx xvfb'
while IFS='|' read -r profile want unwanted; do
  rm -f "$stubs/calls"
  run "$profile" >/dev/null
  install=$(grep '^apt-get install' "$stubs/calls")
  [ "$(head -1 "$stubs/calls")" = sudo ] || { echo "$profile: not through sudo"; exit 1; }
  for p in $want; do
    grep -qw -- "$p" <<<"$install" || { echo "$profile: $p not installed: $install"; exit 1; }
  done
  for p in $unwanted; do
    if grep -qw -- "$p" <<<"$install"; then echo "$profile: $p installed: $install"; exit 1; fi
  done
done <<<"$cases"

rm "$stubs/bin/sudo" "$stubs/calls"
if out=$(run run 2>&1); then echo "no sudo: succeeded"; exit 1; fi
[ ! -e "$stubs/calls" ] || { echo "no sudo: apt-get was called"; exit 1; }
[ "$(wc -l <<<"$out")" -eq 1 ] && grep -q '^Missing packages; as root, run: apt-get install --no-install-recommends cmake .*xdg-utils$' <<<"$out" ||
  { echo "no sudo: printed $out"; exit 1; }
echo "deps ok"
