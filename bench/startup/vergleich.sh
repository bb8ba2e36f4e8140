#!/usr/bin/env bash
# vergleich.sh RUNDEN WERKZEUGE KALVORA
#
# Start-up of Kalvora against the floor program (boden.cpp), interleaved:
# after one untimed start of each, RUNDEN rounds, each starting both programs
# once, in alternating order, so that both meet the same load of the machine.
# WERKZEUGE is the build folder of bench/startup (boden, xstartwait,
# premain.so), KALVORA the program.
#
# Each start runs on a virtual display with a clean environment and is timed
# by xstartwait from X events: window mapped, first paint, CPU until the map,
# memory at the map, mapped shared objects. The result worth quoting is the
# table of paired ratios: the median over rounds of Kalvora / floor in the
# same round. Absolute times move from run to run; the ratios far less.
#
# Settings (environment): ANZEIGE (:91), SCHIRM (1280x1024x24), AUSGABE
# (folder for raw data, default a new one under /tmp), PROBE=1 (adds the time
# spent loading libraries before main()), KARTEN=1 (writes the mapped files
# of the last start of each program to AUSGABE), ERSTER_DRUCK (the program
# bench/start_erster_druck: then the first report after a start is timed
# RUNDEN times as well, from the click on "Drucken" to the painted preview).
set -uo pipefail

if [[ $# -ne 3 || ! $1 =~ ^[0-9]+$ ]]; then
    sed -n '2,/^set -uo/p' "$0" | sed '$d; s/^# \{0,1\}//' >&2
    exit 2
fi
runden=$1 werkzeuge=$2 kalvora=$3
hier=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ANZEIGE=${ANZEIGE:-:91}
SCHIRM=${SCHIRM:-1280x1024x24}
AUSGABE=${AUSGABE:-$(mktemp -d /tmp/kalvora-start.XXXXXX)}
PROBE=${PROBE:-0}
KARTEN=${KARTEN:-0}
heim=$AUSGABE/heim
mkdir -p "$heim/run" && chmod 700 "$heim/run"

for w in boden xstartwait; do
    [[ -x $werkzeuge/$w ]] || { echo "vergleich.sh: $werkzeuge/$w fehlt" >&2; exit 1; }
done
[[ -x $kalvora ]] || { echo "vergleich.sh: $kalvora fehlt" >&2; exit 1; }

# One virtual display for all starts; -noreset, because a desktop's X server
# does not start afresh between two programs either.
xvfb=
if ! xdpyinfo -display "$ANZEIGE" >/dev/null 2>&1; then
    Xvfb "$ANZEIGE" -screen 0 "$SCHIRM" -nolisten tcp -noreset >"$AUSGABE/xvfb.log" 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null' EXIT
    for _ in $(seq 100); do
        xdpyinfo -display "$ANZEIGE" >/dev/null 2>&1 && break
        kill -0 $xvfb 2>/dev/null || { echo "vergleich.sh: Xvfb endete, siehe $AUSGABE/xvfb.log" >&2; exit 1; }
        sleep 0.1
    done
fi

namen=(boden kalvora)
titel=('^Boden Qt6$' '^Kalvora 1\.1\.1$')
befehle=("$werkzeuge/boden" "$kalvora")

# start INDEX -> xstartwait's line; a clean environment, so that no setting
# of the calling shell favours one program.
start() {
    local opt=()
    [[ $PROBE == 1 ]] && opt+=(-P)
    [[ $KARTEN == 1 ]] && opt+=(-m "$AUSGABE/${namen[$1]}.karte")
    env -i DISPLAY="$ANZEIGE" HOME="$heim" PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 \
        XDG_RUNTIME_DIR="$heim/run" "$werkzeuge/xstartwait" -t 20000 -q 250 -c 5000 \
        -o "$AUSGABE/${namen[$1]}.log" "${opt[@]}" "${titel[$1]}" "${befehle[$1]}"
}

echo "# $(date -Is) $(uname -n), $(nproc) Kerne, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)"
echo "# Last zu Beginn: $(cut -d' ' -f1-3 /proc/loadavg)"
for i in 0 1; do echo "Aufwärmen ${namen[$i]}: $(start $i)"; done
: >"$AUSGABE/roh.txt"
fehler=0
for ((r = 1; r <= runden; r++)); do
    for k in 0 1; do
        i=$(((k + r - 1) % 2))
        zeile=$(start $i)
        [[ $zeile == ok* ]] || fehler=$((fehler + 1))
        echo "${namen[$i]} $r $zeile" | tee -a "$AUSGABE/roh.txt"
    done
done
echo "# Last am Ende: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
awk -v mode=markdown -v ref=boden -f "$hier/summarize.awk" <"$AUSGABE/roh.txt"
if [[ -n ${ERSTER_DRUCK:-} ]]; then
    echo
    for ((r = 1; r <= runden; r++)); do
        rm -rf "$heim/.config"
        env -i DISPLAY="$ANZEIGE" HOME="$heim" PATH=/usr/bin:/bin LANG=C.UTF-8 XDG_RUNTIME_DIR="$heim/run" \
            "$ERSTER_DRUCK" 2>>"$AUSGABE/erster_druck.log" || { echo "erster Druck: Fehler" >&2; fehler=$((fehler + 1)); }
    done | sort -n | awk '{ v[NR] = $1 } END { if (NR) printf "Erster Druck nach dem Start, Klick bis gemalte Vorschau: Median %.1f ms (%.1f–%.1f), %d Läufe\n", (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[1], v[NR], NR }'
fi
echo
echo "# Rohdaten: $AUSGABE/roh.txt"
[[ $fehler -eq 0 ]]
