#!/usr/bin/env bash
# Installs what is missing, builds in Release (build-package/) and makes the Debian package
# lumetra_<version>_<arch>.deb in this folder; shows lintian's findings.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

./scripts/deps.sh package
dir="$root/build-package"
# Quiet when it works, the whole output when it does not.
if ! log=$(cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMETRA_BUILD_TESTS=OFF \
    -DLUMETRA_BUILD_BENCH=OFF 2>&1); then
  echo "$log" >&2
  exit 1
fi
cmake --build "$dir" --parallel "$(nproc)"
rm -rf "$dir/packages"
if ! log=$(cpack -G DEB --config "$dir/CPackConfig.cmake" -B "$dir/packages" 2>&1); then
  echo "$log" >&2
  exit 1
fi
deb=$(basename "$dir"/packages/*.deb)
mv "$dir/packages/$deb" "$root/"
echo "Package: $root/$deb"
echo "Install: sudo apt install $root/$deb"
if command -v lintian >/dev/null; then
  echo "lintian:"
  lintian --fail-on error "$deb"
fi
