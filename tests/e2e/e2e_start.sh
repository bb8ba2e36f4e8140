#!/bin/bash
# Start-ups in unfriendly surroundings: each must either show the main window
# and end cleanly, or, without any display, say so and exit with status 1.
# The command line is answered without a display.
# usage: e2e_start.sh <kalvora executable>
set -u
PROG=$(readlink -f "$1")
. "$(dirname "$(readlink -f "$0")")/hilfen.sh"

if [ "${KALVORA_E2E_XVFB:-}" != 1 ]; then
  # Outside the virtual display first: no display at all must not dump core.
  TMPD=$(mktemp -d "${TMPDIR:-/tmp}/kalvora-e2e.XXXXXX")
  fail=0
  for fall in "ohne Anzeige|" "unerreichbare Anzeige|DISPLAY=:4711" "unbekanntes Plattform-Plugin|QT_QPA_PLATFORM=gibtsnicht"; do
    name=${fall%%|*}
    zusatz=${fall#*|}
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$TMPD" XDG_CONFIG_HOME="$TMPD" \
      ASAN_OPTIONS=detect_leaks=0 $zusatz timeout 30 "$PROG" >"$TMPD/log" 2>&1 </dev/null
    status=$?
    dieser=0
    if [ "$status" != 1 ]; then
      echo "FAIL: $name: Exit-Status $status statt 1"
      dieser=1
    fi
    if ! grep -q 'Keine grafische Anzeige' "$TMPD/log" || ! grep -q 'No graphical display' "$TMPD/log"; then
      echo "FAIL: $name: keine deutsch-englische Meldung"
      dieser=1
    fi
    if spuren=$(absturzspuren "$TMPD/log" | grep -v -i 'qt.qpa'); then
      echo "FAIL: $name: Absturzspuren: $spuren"
      dieser=1
    fi
    if [ "$dieser" = 0 ]; then echo "ok: $name"; else sed 's/^/  | /' "$TMPD/log"; fail=1; fi
  done
  # option | exit status | a line the output must have
  for fall in "--help|0|Tesselo.conf" "--version|0|^Kalvora 1\.1\.1\$" "--gibtsnicht|2|unbekannte Option „--gibtsnicht“"; do
    IFS='|' read -r option soll muster <<<"$fall"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 \
      timeout 30 "$PROG" "$option" >"$TMPD/log" 2>&1 </dev/null
    status=$?
    if [ "$status" = "$soll" ] && grep -q "$muster" "$TMPD/log" && { [ "$soll" = 0 ] || [ "$(wc -l <"$TMPD/log")" = 1 ]; }; then
      echo "ok: $option"
    else
      echo "FAIL: $option: Exit-Status $status statt $soll, oder \"$muster\" fehlt"
      sed 's/^/  | /' "$TMPD/log"
      fail=1
    fi
  done
  rm -rf "$TMPD"
  if fehlt_werkzeug xvfb-run xauth xdotool; then
    [ "$fail" = 0 ] && echo "(Fälle mit Anzeige übersprungen)"
    exit "$fail"
  fi
  [ "$fail" = 0 ] || exit 1
fi
unter_xvfb 2000 "$(readlink -f "$0")" "$@"

neue_umgebung
mkdir -p "$TMPD/nurlesen"
chmod 555 "$TMPD/nurlesen"
# root ignores permission bits; /proc takes no new files from anybody.
if [ "$(id -u)" = 0 ]; then NURLESEN=/proc/self; else NURLESEN=$TMPD/nurlesen; fi

KLASSE=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$(readlink -f "$0")")"/../../packaging/*.desktop)

# name | extra environment for starte
FAELLE=(
  "schreibgeschütztes HOME|HOME=$NURLESEN XDG_CONFIG_HOME=$NURLESEN/.config"
  "fehlendes HOME|-u HOME -u XDG_CONFIG_HOME"
  "HOME zeigt ins Leere|HOME=$TMPD/gibtsnicht XDG_CONFIG_HOME=$TMPD/gibtsnicht/.config"
  "LANG=en_US.UTF-8|LANG=en_US.UTF-8"
  "LANG=C|LANG=C"
  "nicht installierte Locale|LANG=tlh_XX.UTF-8"
)

for fall in "${FAELLE[@]}"; do
  name=${fall%%|*}
  # shellcheck disable=SC2086 # the extra environment is split on purpose
  starte "$PROG" "$TMPD/kalvora.log" ${fall#*|}
  vorher=$FEHLER
  if FENSTER=$(warte_fenster "Kalvora 1\.1\.1" 60); then
    # Docks tie the window to its launcher through the class.
    if command -v xprop >/dev/null 2>&1 && ! xprop -id "$FENSTER" WM_CLASS | grep -q "\"$KLASSE\"\$"; then
      fehlschlag "$name: $(xprop -id "$FENSTER" WM_CLASS) passt nicht zu StartupWMClass=$KLASSE"
    fi
    fokus "$FENSTER"
    beenden "$name"
  else
    fehlschlag "$name: kein Hauptfenster"
    kill "$PID" 2>/dev/null
    wait "$PID" 2>/dev/null
  fi
  if spuren=$(absturzspuren "$LOG"); then fehlschlag "$name: Absturzspuren: $spuren"; fi
  if [ "$FEHLER" != "$vorher" ]; then
    sed 's/^/  | /' "$LOG"
  else
    echo "ok: $name"
  fi
done
exit "$FEHLER"
