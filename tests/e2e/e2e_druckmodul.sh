#!/bin/bash
# The program without its print module: the preview opens, "Drucken" refuses
# in a German box instead of asking for a file, nothing is written, and the
# program ends cleanly.
# usage: e2e_druckmodul.sh <kalvora executable>
set -u
PROG=$(readlink -f "$1")
. "$(dirname "$(readlink -f "$0")")/hilfen.sh"

if fehlt_werkzeug xvfb-run xauth xdotool import; then exit $UEBERSPRUNGEN; fi
unter_xvfb 3000 "$(readlink -f "$0")" "$@"

neue_umgebung
# A copy of the program alone; its module stays behind in the build folder.
cp "$PROG" "$TMPD/kalvora"
starte "$TMPD/kalvora" "$TMPD/kalvora.log"
FENSTER=$(warte_fenster "Kalvora 1\.1\.1" 60) || { fehlschlag "kein Hauptfenster"; kill "$PID"; exit 1; }
fokus "$FENSTER"
xdotool key --delay 150 ctrl+Tab
bild "$FENSTER" "$TMPD/vorher"
xdotool key alt+d
warte_bildwechsel "$FENSTER" "$TMPD/vorher" 50000 || fehlschlag "keine Vorschau nach Alt+D"
xdotool key --delay 150 Tab Tab Tab space
if BOX=$(warte_fenster Fehler 30); then
  fokus "$BOX"
  xdotool key Return
else
  fehlschlag "keine Fehlermeldung nach \"Drucken\""
fi
fokus "$FENSTER"
xdotool key Escape
sleep 0.5
beenden
if spuren=$(absturzspuren "$LOG"); then fehlschlag "Absturzspuren: $spuren"; fi
[ -z "$(find "$TMPD" -name '*.pdf')" ] || fehlschlag "PDF-Datei geschrieben"
[ "$FEHLER" = 0 ] || { cat "$LOG"; exit 1; }
echo "OK: ohne Druckmodul abgelehnt, nichts geschrieben, sauber beendet"
