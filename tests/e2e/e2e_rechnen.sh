#!/bin/bash
# A user's first calculation with the built program: simple interest on the
# page "einfache Zinsrechnung", its report printed into a PDF file that must
# show the result, then "Programm" -> "Beenden" from the keyboard.
# usage: e2e_rechnen.sh <kalvora executable> <folder for the screenshot>
set -u
PROG=$(readlink -f "$1")
AUSGABE=$(readlink -f "${2:-.}")
. "$(dirname "$(readlink -f "$0")")/hilfen.sh"

if fehlt_werkzeug xvfb-run xauth xdotool pdftotext import; then exit $UEBERSPRUNGEN; fi
unter_xvfb 1000 "$(readlink -f "$0")" "$@"

neue_umgebung
# A session bus that starts on its own, as dbus-launch does where it is
# installed, leaves its address below HOME; the check of the files written
# below must not count it, nor let it hide the program's own files.
mkdir -p "$TMPD/bin"
printf '#!/bin/sh\nmkdir -p "$HOME/.dbus/session-bus" && touch "$HOME/.dbus/session-bus/bus-$$"\nexit 1\n' >"$TMPD/bin/dbus-launch"
chmod +x "$TMPD/bin/dbus-launch"
starte "$PROG" "$TMPD/kalvora.log" PATH="$TMPD/bin:$PATH"

if ! FENSTER=$(warte_fenster "Kalvora 1\.1\.1" 60); then
  fehlschlag "kein Fenster \"Kalvora 1.1.1\" erschienen"
  xdotool search --name . getwindowname %@ 2>/dev/null | sed 's/^/  Fenster: /'
  kill "$PID" 2>/dev/null
  cat "$TMPD/kalvora.log"
  exit 1
fi
fokus "$FENSTER"
# The title is the caption alone; nothing is appended to it.
if command -v xprop >/dev/null 2>&1; then
  titel=$(xprop -id "$FENSTER" _NET_WM_NAME 2>/dev/null)
  [ "$titel" = '_NET_WM_NAME(UTF8_STRING) = "Kalvora 1.1.1"' ] || fehlschlag "Fenstertitel: $titel"
fi

# The Info page is active after start; the next tab is the simple interest page.
# A new page starts at its sought-quantity list; one Tab reaches the starting capital.
xdotool key --delay 150 ctrl+Tab
sleep 0.5
xdotool key --delay 150 Tab
for wert in 1000 5 2 6; do
  xdotool type --delay 60 "$wert"
  [ "$wert" = 6 ] || xdotool key Tab
done
bild "$FENSTER" "$TMPD/vorher"
xdotool key alt+r
# First the button shows pressed, then the result: wait for the first
# change, then a moment for the second, if the first was not already it.
if warte_bildwechsel "$FENSTER" "$TMPD/vorher" 100; then
  mv "$TMPD/vorher.jetzt" "$TMPD/gedrueckt"
  warte_bildwechsel "$FENSTER" "$TMPD/gedrueckt" 100 1 || :
else
  fehlschlag "nichts geschah nach Alt+R"
fi

# A missing field or an unreadable entry would show a box now.
for box in Fehler Kalvora; do
  if id=$(xdotool search --onlyvisible --name "^${box}\$" 2>/dev/null | head -n 1) && [ -n "$id" ]; then
    fehlschlag "unerwartete Meldung \"$box\" nach Alt+R"
    fokus "$id"
    xdotool key Return
    sleep 0.5
    fokus "$FENSTER"
  fi
done

mkdir -p "$AUSGABE"
if import -window root "$AUSGABE/e2e-einfache-zinsrechnung.png"; then
  echo "Bildschirmfoto: $AUSGABE/e2e-einfache-zinsrechnung.png"
else
  fehlschlag "Bildschirmfoto nicht gespeichert"
fi

# "Drucken" opens the preview; three Tabs lead from the page to its "Drucken".
# Without a printer it asks for a PDF file and says where the report went.
bild "$FENSTER" "$TMPD/vorher"
xdotool key alt+d
# The preview covers the pages: far more pixels than the pressed button.
warte_bildwechsel "$FENSTER" "$TMPD/vorher" 50000 || fehlschlag "keine Vorschau nach Alt+D"
xdotool key --delay 150 Tab Tab Tab space
if DIALOG=$(warte_fenster "Bericht als PDF-Datei speichern" 60); then
  fokus "$DIALOG"
  xdotool key ctrl+a
  # A name no entry of the folder starts with, so no completion pops up.
  xdotool type --delay 20 "$TMPD/Zinsbericht.pdf"
  xdotool key Return
  if BOX=$(warte_fenster Information 60); then
    fokus "$BOX"
    xdotool key Return
  else
    fehlschlag "keine Meldung nach dem Speichern des Berichts"
  fi
  fokus "$FENSTER"
else
  fehlschlag "kein Dateidialog nach \"Drucken\" in der Vorschau"
fi
ergebnis=$(pdftotext -layout "$TMPD/Zinsbericht.pdf" - 2>/dev/null | grep -E '^Ergebnis:')
[[ "$ergebnis" =~ ^Ergebnis:\ +1\.125,00\ +DM$ ]] || fehlschlag "Ergebnis im Bericht: \"$ergebnis\" statt 1.125,00 DM"
xdotool key Escape
sleep 0.5

beenden
if spuren=$(absturzspuren "$LOG"); then fehlschlag "Absturzspuren in der Ausgabe: $spuren"; fi
# Nothing is saved at the end; only the settings dialog writes settings. Qt's
# file dialog keeps its own state beside them.
geschrieben=$(find "$TMPD/config" "$TMPD/home" -type f ! -path "$TMPD/config/QtProject.conf" 2>/dev/null)
[ -z "$geschrieben" ] || fehlschlag "Dateien geschrieben: $geschrieben"

if [ "$FEHLER" != 0 ]; then
  echo "--- Ausgabe des Programms ---"
  cat "$LOG"
  exit 1
fi
echo "OK: gerechnet, Bericht mit dem Ergebnis gedruckt, sauber beendet"
