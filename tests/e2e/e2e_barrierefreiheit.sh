#!/bin/bash
# The program as a screen reader meets it: started on a virtual display with
# its own session bus and accessibility bus, every window opened from the
# keyboard, each window's accessible tree written to a log and checked by
# atspi_baum.py (names, units, read-only results, Tab walk).
# usage: e2e_barrierefreiheit.sh <kalvora executable> <folder for the log>
set -u
PROG=$(readlink -f "$1")
AUSGABE=$(readlink -f "${2:-.}")
HIER=$(dirname "$(readlink -f "$0")")
. "$HIER/hilfen.sh"
PYTHON=/usr/bin/python3
BUSSTARTER=/usr/libexec/at-spi-bus-launcher

if fehlt_werkzeug xvfb-run xauth xdotool dbus-run-session dbus-send; then exit $UEBERSPRUNGEN; fi
if [ ! -x "$BUSSTARTER" ] || ! "$PYTHON" -c 'import pyatspi' 2>/dev/null; then
  echo "SKIP: pyatspi oder at-spi2-core fehlt (apt-get install python3-pyatspi at-spi2-core dbus-daemon dbus-bin) / missing"
  exit $UEBERSPRUNGEN
fi
unter_xvfb 1900 "$(readlink -f "$0")" "$@"
# A session bus of its own, so that nothing of the desktop's reaches in and
# the bus ends with the script.
if [ "${KALVORA_E2E_DBUS:-}" != 1 ]; then
  export KALVORA_E2E_DBUS=1
  exec dbus-run-session -- "$(readlink -f "$0")" "$@"
fi

neue_umgebung
BUS=""
PID=""
aufraeumen() {
  [ -n "$PID" ] && kill "$PID" 2>/dev/null
  # The launcher takes the accessibility bus and its registry down with it.
  [ -n "$BUS" ] && kill "$BUS" 2>/dev/null
  wait 2>/dev/null
  chmod -R u+w "$TMPD" 2>/dev/null
  rm -rf "$TMPD"
}
trap aufraeumen EXIT

"$BUSSTARTER" --launch-immediately >"$TMPD/bus.log" 2>&1 &
BUS=$!
for ((i = 0; i < 50; i++)); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.1
done

starte "$PROG" "$TMPD/kalvora.log" DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
if ! warte_fenster "Kalvora 1\.1\.1" 60 >/dev/null; then
  echo "FAIL: kein Fenster \"Kalvora 1.1.1\" erschienen"
  cat "$TMPD/kalvora.log"
  exit 1
fi

mkdir -p "$AUSGABE"
BAEUME="$AUSGABE/barrierefreiheit-baeume.log"
timeout 150 "$PYTHON" "$HIER/atspi_baum.py" --log "$BAEUME"
ERGEBNIS=$?
[ "$ERGEBNIS" = 124 ] && echo "FAIL: Prüfung nach 150 s abgebrochen"

if ! warte_ende 10; then
  echo "FAIL: Programm endete nicht nach Programm -> Beenden"
  [ "$ERGEBNIS" = 0 ] && ERGEBNIS=1
fi
if spuren=$(absturzspuren "$LOG"); then
  echo "FAIL: Absturzspuren in der Ausgabe: $spuren"
  ERGEBNIS=1
fi
[ "$ERGEBNIS" = 0 ] && echo "OK: alle Fenster ohne Mängel"
exit "$ERGEBNIS"
