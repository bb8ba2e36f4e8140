#!/bin/bash
# Takes a picture of every page of the main window and of a loan's payment
# plan for the README.
# usage: tools/screenshots.sh <kalvora executable> [target folder]
set -u
PROG=$(readlink -f "${1:?usage: $0 <kalvora executable> [folder]}")
ZIEL=$(readlink -f "${2:-docs/screenshots}")
. "$(dirname "$(readlink -f "$0")")/../tests/e2e/hilfen.sh"

if fehlt_werkzeug xvfb-run xauth xdotool import; then exit 1; fi
unter_xvfb 3000 "$(readlink -f "$0")" "$@"

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

# The payment plan of a loan: back to its page (Euro is the last), the rate
# sought, the fields reached by their mnemonics, the result left to the button.
xdotool key ctrl+shift+Tab ctrl+shift+Tab ctrl+shift+Tab
sleep 0.5
xdotool key alt+g Up
for eingabe in a:100000 z:6 l:10 m:0 n:5 o:0; do
  xdotool key "alt+${eingabe%%:*}"
  xdotool type "${eingabe#*:}"
done
xdotool key alt+u
if PLAN=$(warte_fenster "Zahlungsplan: Annuitäten-Darlehen" 10); then
  sleep 0.8
  import -window "$PLAN" "$ZIEL/9-zahlungsplan.png"
  echo "$ZIEL/9-zahlungsplan.png"
else
  echo "Kein Zahlungsplan erschienen"
  PLANFEHLER=1
fi
fokus "$FENSTER"

xdotool key alt+p
sleep 0.5
xdotool key b
warte_ende 20
[ "$STATUS" = 0 ] && [ -n "${PLANFEHLER:-}" ] && STATUS=1
exit "$STATUS"
