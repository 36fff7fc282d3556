#!/usr/bin/env bash
# Installs the Debian packages one command needs, if missing.
#   scripts/deps.sh run         build and run the desktop programs (./run.sh)
#   scripts/deps.sh web         the same and nginx, the loopback web server (./run.sh web)
#   scripts/deps.sh test        the same and the test tools (./test.sh)
#   scripts/deps.sh package     build the Debian package and lint it (./package.sh)
#   scripts/deps.sh screenshot  build and photograph the main window (scripts/screenshot.sh)
#   scripts/deps.sh bench       build and run the benchmarks (./bench.sh)
#   scripts/deps.sh fuzz        clang and libFuzzer (./test.sh --fuzz)
#   scripts/deps.sh             all of the above but fuzz
# Not root and no sudo: prints the apt-get line to run as root, and fails.
set -euo pipefail

build=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libcurl4-openssl-dev)
# What the programs load at run time: the Qt platform plugins, the report fonts, xdg-email.
runtime=(qt6-qpa-plugins fonts-liberation2 xdg-utils)
# nginx starts a system service on port 80 when installed; only the web viewer's demo and
# its tests use it, from a scratch prefix of their own.
web=(nginx)
# fonts-dejavu-core: the default face of the windows that keep the desktop font (window pictures).
tests=(libgtest-dev libgmock-dev clang-format poppler-utils desktop-file-utils appstream fonts-dejavu-core
       xvfb xdotool dpkg-dev lintian)
package=(dpkg-dev lintian)
screenshot=(xvfb xdotool imagemagick)
bench=(libbenchmark-dev)
fuzz=(clang libclang-rt-14-dev)

case "${1:-all}" in
  run) wanted=("${build[@]}" "${runtime[@]}") ;;
  web) wanted=("${build[@]}" "${runtime[@]}" "${web[@]}") ;;
  test) wanted=("${build[@]}" "${runtime[@]}" "${web[@]}" "${tests[@]}") ;;
  package) wanted=("${build[@]}" "${package[@]}") ;;
  screenshot) wanted=("${build[@]}" "${runtime[@]}" "${screenshot[@]}") ;;
  bench) wanted=("${build[@]}" "${runtime[@]}" "${bench[@]}") ;;
  fuzz | --fuzz) wanted=("${build[@]}" "${fuzz[@]}") ;;
  all) wanted=("${build[@]}" "${runtime[@]}" "${web[@]}" "${tests[@]}" "${package[@]}"
               "${screenshot[@]}" "${bench[@]}") ;;
  *) echo "usage: $0 [run|web|test|package|screenshot|bench|fuzz]" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | awk 'NF && !seen[$0]++')
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null; then
  sudo=(sudo)
else
  echo "Missing packages; as root, run: apt-get install --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "${missing[@]}" >/dev/null
