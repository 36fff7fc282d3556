#!/bin/sh
# A fresh install into a scratch prefix; the desktop entries and metainfo must validate.
set -eu
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/lumetra bin/lumetraweb bin/lumetra-start bin/lumetra-sbfspot \
         share/applications/de.lumetra.Lumetra.desktop share/applications/de.lumetra.LumetraWeb.desktop \
         share/icons/hicolor/scalable/apps/de.lumetra.Lumetra.svg \
         share/icons/hicolor/scalable/apps/de.lumetra.LumetraWeb.svg \
         share/metainfo/de.lumetra.Lumetra.metainfo.xml share/metainfo/de.lumetra.LumetraWeb.metainfo.xml; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix"/share/applications/*.desktop
else
  echo "desktop-file-validate not installed: desktop entries not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix"/share/metainfo/*.xml
else
  echo "appstreamcli not installed: metainfo not validated"
fi
# The wrapper starts the program in its folder, creating it.
home=$(mktemp -d)
mkdir -p "$home/bin"
printf '#!/bin/sh\npwd > "%s/started-in"\n' "$home" > "$home/bin/lumetra"
chmod +x "$home/bin/lumetra"
cp "$prefix/bin/lumetra-start" "$home/bin/"
HOME="$home" "$home/bin/lumetra-start" lumetra
[ "$(cat "$home/started-in")" = "$home/Lumetra" ] || { echo "wrapper did not start in ~/Lumetra"; exit 1; }
rm -rf "$home"
echo "install ok"
