#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the programs need, if missing.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libqt6network6 qt6-qpa-plugins
  libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 poppler-utils xdg-utils nginx
  desktop-file-utils appstream
)

# Only for ./test.sh --fuzz: libFuzzer comes with clang.
if [ "${1:-}" = --fuzz ]; then
  PACKAGES=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
