#!/bin/bash
# Takes a picture of every page of the main window for the README.
# usage: tools/screenshots.sh <kalvora executable> [target folder]
set -u
PROG=$(readlink -f "${1:?usage: $0 <kalvora executable> [folder]}")
ZIEL=$(readlink -f "${2:-docs/screenshots}")
. "$(dirname "$(readlink -f "$0")")/../tests/e2e/hilfen.sh"

if fehlt_werkzeug xvfb-run xauth xdotool import; then exit 1; fi
unter_xvfb 150 "$(readlink -f "$0")" "$@"

# File names follow the tab order of the window.
SEITEN=(info einfache-zinsrechnung zinseszins-einmalzahlung zinseszins-ratenzahlung
        barwert-rentenrechnung annuitaeten-darlehen mehrwertsteuer aktien euro)

neue_umgebung
mkdir -p "$ZIEL"
starte "$PROG" "$TMPD/kalvora.log"
if ! FENSTER=$(warte_fenster "Kalvora 1\.1\.1"); then
  echo "Kein Hauptfenster erschienen:"
  cat "$TMPD/kalvora.log"
  exit 1
fi
fokus "$FENSTER"
sleep 0.5

for i in "${!SEITEN[@]}"; do
  [ "$i" = 0 ] || xdotool key ctrl+Tab
  sleep 0.8
  import -window "$FENSTER" "$ZIEL/${i}-${SEITEN[$i]}.png"
  echo "$ZIEL/${i}-${SEITEN[$i]}.png"
done

xdotool key alt+p
sleep 0.5
xdotool key b
warte_ende 20
exit "$STATUS"
