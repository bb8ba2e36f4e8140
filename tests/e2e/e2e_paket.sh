#!/bin/bash
# What an installation puts on the disk: exactly the program, its print
# module, its launcher, its AppStream data, its icons and the documentation a
# Debian package carries, nothing of the build or the tests.
# usage: e2e_paket.sh <build folder>
set -u
BAU=$(readlink -f "$1")
ZIEL=$(mktemp -d "${TMPDIR:-/tmp}/kalvora-install.XXXXXX")
trap 'rm -rf "$ZIEL"' EXIT

if ! cmake --install "$BAU" --prefix "$ZIEL/usr" >"$ZIEL.log" 2>&1; then
  cat "$ZIEL.log"
  rm -f "$ZIEL.log"
  echo "FAIL: cmake --install"
  exit 1
fi
rm -f "$ZIEL.log"

ID=org.example.merovin.kalvora
LIBDIR=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$BAU/CMakeCache.txt")
erwartet=(
  usr/bin/kalvora
  "usr/${LIBDIR:-lib}/kalvora/kalvora-druck.so"
  usr/share/applications/$ID.desktop
  usr/share/metainfo/$ID.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/kalvora.svg
  usr/share/man/man1/kalvora.1.gz
  usr/share/doc/kalvora/copyright
  usr/share/doc/kalvora/changelog.gz
  usr/share/lintian/overrides/kalvora
)
for n in 16 22 24 32 48 64 128 256; do erwartet+=("usr/share/icons/hicolor/${n}x${n}/apps/kalvora.png"); done

fail=0
diff <(printf '%s\n' "${erwartet[@]}" | sort) <(cd "$ZIEL" && find . -type f | sed 's|^\./||' | sort) ||
  { echo "FAIL: installierte Dateien weichen ab (< erwartet, > installiert)"; fail=1; }

[ -x "$ZIEL/usr/bin/kalvora" ] || { echo "FAIL: usr/bin/kalvora ist nicht ausführbar"; fail=1; }

# Each PNG must really be the size its folder promises.
for n in 16 22 24 32 48 64 128 256; do
  png="$ZIEL/usr/share/icons/hicolor/${n}x${n}/apps/kalvora.png"
  [ -f "$png" ] || continue
  groesse=$(od -An -tu1 -j16 -N8 "$png" | awk '{ printf "%dx%d", (($1*256+$2)*256+$3)*256+$4, (($5*256+$6)*256+$7)*256+$8 }')
  [ "$groesse" = "${n}x${n}" ] || { echo "FAIL: $png ist $groesse"; fail=1; }
done

desktop="$ZIEL/usr/share/applications/$ID.desktop"
for zeile in "Name=Kalvora" "Exec=kalvora" "Icon=kalvora" "Categories=Office;Finance;" "Type=Application"; do
  grep -qxF "$zeile" "$desktop" || { echo "FAIL: $zeile fehlt in $ID.desktop"; fail=1; }
done
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$desktop" || fail=1
fi
if command -v appstreamcli >/dev/null 2>&1; then
  # --pedantic passes with notes; a clean validation has none.
  meldung=$(appstreamcli validate --pedantic --no-net --no-color "$ZIEL/usr/share/metainfo/$ID.metainfo.xml") &&
    ! grep -q '^[EWIP]: ' <<<"$meldung" || { echo "$meldung"; fail=1; }
fi

[ "$fail" = 0 ] && echo "OK: ${#erwartet[@]} Dateien installiert wie erwartet"
exit "$fail"
