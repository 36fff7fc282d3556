#!/usr/bin/env bash
# The Debian package, made by CPack from this build tree: its name, fields, files and their
# rights, lintian's verdict, and the unpacked lumetra started on the demo plant to its main
# window.
#   package_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1")
source "$2/scripts/x11-session.sh"
for tool in dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null ||
    { echo "SKIP: $tool not installed, the Debian package is neither built nor checked (scripts/deps.sh test installs it)"; exit 77; }
done

x11_scratch
fail() { echo "FAIL: $*"; exit 1; }

# The build is done; CPack only installs it into its staging folder and packs.
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  fail "cpack failed"
fi
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "cpack made ${#debs[@]} packages"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "lumetra_${version}_${arch}.deb" ] || fail "package named $(basename "$deb")"
[ "$(dpkg-deb -f "$deb" Package)" = lumetra ] || fail "package field: $(dpkg-deb -f "$deb" Package)"

depends=$(dpkg-deb -f "$deb" Depends)
for need in qt6-qpa-plugins xdg-utils fonts-liberation2 libqt6widgets6 libc6; do
  grep -Eq "(^|, )$need( |,|$)" <<<"$depends" || fail "Depends lacks $need: $depends"
done
if grep -q nginx <<<"$depends"; then fail "Depends names nginx: $depends"; fi

dpkg-deb -x "$deb" "$scratch/root"
root="$scratch/root"
for f in usr/bin/lumetra usr/bin/lumetraweb usr/bin/lumetra-start \
         usr/share/applications/de.lumetra.Lumetra.desktop usr/share/applications/de.lumetra.LumetraWeb.desktop \
         usr/share/icons/hicolor/scalable/apps/de.lumetra.Lumetra.svg \
         usr/share/icons/hicolor/scalable/apps/de.lumetra.LumetraWeb.svg \
         usr/share/metainfo/de.lumetra.Lumetra.metainfo.xml usr/share/metainfo/de.lumetra.LumetraWeb.metainfo.xml \
         usr/share/man/man1/lumetra.1.gz usr/share/man/man1/lumetraweb.1.gz usr/share/man/man1/lumetra-start.1.gz \
         usr/share/doc/lumetra/copyright usr/share/doc/lumetra/changelog.gz; do
  [ -e "$root/$f" ] || fail "missing in the package: $f"
done
for page in "$root"/usr/share/man/man1/* "$root"/usr/share/doc/lumetra/*.gz; do
  gzip -t "$page" || fail "not gzip: $page"
done
head -1 "$root/usr/share/doc/lumetra/copyright" |
  grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
  fail "copyright is not in the machine-readable format"

# Owned by root; programs 755, everything else 644, folders 755.
while read -r mode owner _ _ _ path _; do
  [ "$owner" = root/root ] || fail "$path owned by $owner"
  case "$mode:$path" in
    d*) [ "$mode" = drwxr-xr-x ] || fail "$path has mode $mode" ;;
    l*) ;;
    *:./usr/bin/*) [ "$mode" = -rwxr-xr-x ] || fail "$path has mode $mode" ;;
    *) [ "$mode" = -rw-r--r-- ] || fail "$path has mode $mode" ;;
  esac
done < <(dpkg-deb -c "$deb")

for f in "$root"/usr/bin/*; do
  head -c 4 "$f" | grep -q $'^\x7fELF' || continue
  if readelf -S "$f" | grep -Eq '\.symtab|\.debug_'; then fail "$(basename "$f") is not stripped"; fi
done

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" >"$scratch/lintian.log" 2>&1 || { cat "$scratch/lintian.log"; fail "lintian reports errors"; }
  grep -E '^[EW]: ' "$scratch/lintian.log" || true
else
  echo "lintian not installed: the package is not linted"
fi

# The unpacked program on the demo plant, against the system's libraries.
"$build/demo/lumetra-demo" "$scratch/plant" >/dev/null
mkdir -p "$scratch/runtime" && chmod 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch"
cd "$scratch/plant"
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
  x11_start
  "$root/usr/bin/lumetra" 2>"$scratch/stderr" &
  pid=$!
  [ -n "$(x11_window "Lumetra +")" ] || fail "no main window; lumetra printed: $(cat "$scratch/stderr")"
  [ -z "$(x11_window "Lumetra - Lumetrascope" 1)" ] || fail "an error box appeared at start-up"
else
  echo "Xvfb or xdotool not installed: started offscreen, the main window is not checked"
  QT_QPA_PLATFORM=offscreen "$root/usr/bin/lumetra" 2>"$scratch/stderr" &
  pid=$!
  sleep 2
fi
kill -0 "$pid" 2>/dev/null || fail "lumetra ended; it printed: $(cat "$scratch/stderr")"
[ ! -s "$scratch/stderr" ] || fail "lumetra printed: $(cat "$scratch/stderr")"
echo "package ok: $(basename "$deb"), $(dpkg-deb -c "$deb" | grep -c '^-') files"
