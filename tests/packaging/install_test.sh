#!/usr/bin/env bash
# A fresh install into a scratch prefix; the desktop entries and metainfo must validate.
set -euo pipefail
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/lumetra bin/lumetraweb bin/lumetra-start \
         share/applications/de.lumetra.Lumetra.desktop share/applications/de.lumetra.LumetraWeb.desktop \
         share/icons/hicolor/scalable/apps/de.lumetra.Lumetra.svg \
         share/icons/hicolor/scalable/apps/de.lumetra.LumetraWeb.svg \
         share/metainfo/de.lumetra.Lumetra.metainfo.xml share/metainfo/de.lumetra.LumetraWeb.metainfo.xml \
         share/man/man1/lumetra.1.gz share/man/man1/lumetraweb.1.gz share/man/man1/lumetra-start.1.gz \
         share/doc/lumetra/copyright share/doc/lumetra/changelog.gz; do
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
# The wrapper prepares the working folder and starts the program there; stub programs note
# where they were started.
stubs=$(mktemp -d)
trap 'rm -rf "$prefix" "$stubs"' EXIT
mkdir -p "$stubs/bin"
for p in lumetra lumetraweb; do
  printf '#!/bin/sh\npwd > "%s/started-in"\n' "$stubs" > "$stubs/bin/$p"
  chmod +x "$stubs/bin/$p"
done
cp "$prefix/bin/lumetra-start" "$stubs/bin/"

# case | program | folders and files before (":" separates; a "=" gives a file its text)
#      | folder it starts in, relative to home | everything under home afterwards
cases='empty home|lumetra||Lumetra|Lumetra Lumetra/DATA
web viewer|lumetraweb||Lumetra/Web|Lumetra Lumetra/Web
existing plant kept|lumetra|Lumetra/DATA:Lumetra/LUMETRA.INI=[SET]:Lumetra/DATA/DATEN.DAT=x|Lumetra|Lumetra Lumetra/DATA Lumetra/DATA/DATEN.DAT Lumetra/LUMETRA.INI
data folder missing beside settings|lumetra|Lumetra:Lumetra/LUMETRA.INI=[SET]|Lumetra|Lumetra Lumetra/DATA Lumetra/LUMETRA.INI'
while IFS='|' read -r name program before folder after; do
  home=$(mktemp -d)
  IFS=: read -ra items <<<"$before"
  for item in "${items[@]}"; do
    case "$item" in
      *=*) mkdir -p "$home/$(dirname "${item%%=*}")"; printf '%s' "${item#*=}" > "$home/${item%%=*}" ;;
      *) mkdir -p "$home/$item" ;;
    esac
  done
  sums=$(cd "$home" && find . -type f -exec md5sum {} + | sort)
  rm -f "$stubs/started-in"
  (unset LUMETRA_HOME; HOME="$home" "$stubs/bin/lumetra-start" "$program")
  [ "$(cat "$stubs/started-in")" = "$home/$folder" ] || { echo "$name: started in $(cat "$stubs/started-in")"; exit 1; }
  tree=$(cd "$home" && find . -mindepth 1 | sed 's|^\./||' | sort | tr '\n' ' ')
  [ "$tree" = "$after " ] || { echo "$name: home holds $tree"; exit 1; }
  [ "$(cd "$home" && find . -type f -exec md5sum {} + | sort)" = "$sums" ] || { echo "$name: a file changed"; exit 1; }
  rm -rf "$home"
done <<<"$cases"

other=$(mktemp -d)
HOME=/nonexistent LUMETRA_HOME="$other/plant" "$stubs/bin/lumetra-start" lumetra
[ "$(cat "$stubs/started-in")" = "$other/plant" ] && [ -d "$other/plant/DATA" ] ||
  { echo "LUMETRA_HOME: started in $(cat "$stubs/started-in")"; exit 1; }
rm -rf "$other"
if "$stubs/bin/lumetra-start" sh 2>/dev/null; then echo "an unknown program was started"; exit 1; fi
echo "install ok"
