#!/bin/bash
# Takes a picture of every page of the main window, of the loan page's field
# states and of a loan's payment plan for the README, the last two also under
# a dark theme, of a loan's rate sought, of two mortgage offers compared and
# of a loan's plan with a follow-up rate.
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

# The loan page with its fields in every state, then its payment plan: the
# rate sought, the fields reached by their mnemonics, the rate computed by the
# plan's button; then the residual debt sought (the term greyed with its
# text) and computed. $1 and $2 name the pictures of the page and the plan.
# The loan's plan, opened by its button: the rest of the arguments are steps
# done in it first ("key:alt+n", "type:5"); its picture is $1; closed, so
# that it does not lie over the main window's picture.
planbild() {
  local bild=$1
  shift
  xdotool key alt+u
  if PLAN=$(warte_fenster "Zahlungsplan: Annuitäten-Darlehen" 10); then
    fokus "$PLAN"
    for schritt in "$@"; do xdotool "${schritt%%:*}" "${schritt#*:}"; done
    sleep 1
    import -window "$PLAN" "$ZIEL/$bild.png"
    echo "$ZIEL/$bild.png"
    xdotool key Escape
    sleep 0.3
  else
    echo "Kein Zahlungsplan erschienen"
    PLANFEHLER=1
  fi
  fokus "$FENSTER"
}

zustaende() {
  local felder=$1 plan=$2
  xdotool key alt+g Up
  for eingabe in a:100000 z:6 l:10 m:0 n:5 o:0; do
    xdotool key "alt+${eingabe%%:*}"
    xdotool type "${eingabe#*:}"
  done
  planbild "$plan"
  xdotool key alt+g Down alt+r
  sleep 1
  import -window "$FENSTER" "$ZIEL/$felder.png"
  echo "$ZIEL/$felder.png"
}

beenden_und_pruefen() {
  xdotool key alt+p
  sleep 0.5
  xdotool key b
  warte_ende 20
  [ "$STATUS" = 0 ] && [ -n "${PLANFEHLER:-}" ] && STATUS=1
  [ "$STATUS" = 0 ] || exit "$STATUS"
}

# Back to the loan page (Euro is the last).
xdotool key ctrl+shift+Tab ctrl+shift+Tab ctrl+shift+Tab
sleep 0.5
zustaende 10-feldzustaende-hell 9-zahlungsplan
# The rate of a loan offer sought: 20.000 paid back with 48 monthly rates of 460.
xdotool key alt+g End
for eingabe in a:20000 l:4 m:0 t:460; do
  xdotool key "alt+${eingabe%%:*}"
  xdotool type "${eingabe#*:}"
done
xdotool key alt+r
sleep 1
import -window "$FENSTER" "$ZIEL/13-zinssatz-gesucht.png"
echo "$ZIEL/13-zinssatz-gesucht.png"

# Two mortgage offers side by side: 300.000 at 3,5 % with 2 % repayment and
# 5 % after ten years, against 3,3 % with 2.500 of fees. Tab walks down an
# offer's inputs: name, amount, rate, repayment, instalment, fixed years,
# follow-up rate, extra repayment, costs.
xdotool key alt+p
sleep 0.5
xdotool key v
if VERGLEICH=$(warte_fenster "Finanzierungen vergleichen" 10); then
  fokus "$VERGLEICH"
  sleep 0.5
  # Opened, the window has the first offer's bank name in focus.
  for angebot in "Bank A|300000|3,5|2||10|5||" "Bank B|300000|3,3|2||10|5||2500"; do
    IFS='|' read -r -a werte <<<"$angebot|"
    for wert in "${werte[@]:0:9}"; do
      [ -n "$wert" ] && xdotool type "$wert"
      xdotool key Tab
    done
  done
  sleep 1
  import -window "$VERGLEICH" "$ZIEL/14-finanzierungen-vergleichen.png"
  echo "$ZIEL/14-finanzierungen-vergleichen.png"
  xdotool key Escape
  sleep 0.3
else
  echo "Kein Vergleichsfenster erschienen"
  PLANFEHLER=1
fi

# The first offer on the loan page, the term sought, and its plan with the
# follow-up rate after the ten years fixed.
fokus "$FENSTER"
xdotool key alt+g Home Down
for eingabe in a:300000 z:3,5 t:1375 n:10 o:0; do
  xdotool key "alt+${eingabe%%:*}"
  xdotool type "${eingabe#*:}"
done
planbild 15-zahlungsplan-anschlusszins key:alt+n type:5 key:Return
beenden_und_pruefen

# The same under a dark theme, as a desktop sets one through the qt6ct
# platform theme: Fusion with its "darker" colours.
DUNKEL=/usr/share/qt6ct/colors/darker.conf
if [ ! -f "$DUNKEL" ]; then
  echo "SKIP: qt6ct ist nicht installiert (apt-get install qt6ct), keine Bilder des dunklen Themas"
  exit 0
fi
mkdir -p "$TMPD/config/qt6ct"
printf '[Appearance]\ncolor_scheme_path=%s\ncustom_palette=true\nstyle=Fusion\n' "$DUNKEL" \
  >"$TMPD/config/qt6ct/qt6ct.conf"
starte "$PROG" "$TMPD/kalvora-dunkel.log" QT_QPA_PLATFORMTHEME=qt6ct
if ! FENSTER=$(warte_fenster "Kalvora 1\.1\.1"); then
  echo "Kein Hauptfenster erschienen:"
  cat "$TMPD/kalvora-dunkel.log"
  exit 1
fi
fokus "$FENSTER"
sleep 0.5
for ((i = 0; i < 5; i++)); do xdotool key ctrl+Tab; done
sleep 0.5
zustaende 11-feldzustaende-dunkel 12-zahlungsplan-dunkel
beenden_und_pruefen
