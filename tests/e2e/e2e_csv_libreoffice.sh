#!/bin/bash
# The CSV export as LibreOffice Calc reads it: converted headless into a flat
# OpenDocument spreadsheet, its cells must hold the plan's amounts as numbers.
# usage: e2e_csv_libreoffice.sh <plan_csv>; exit 77 when LibreOffice is missing.
set -u
command -v soffice >/dev/null || { echo "SKIP: soffice fehlt"; exit 77; }
ZIEL=$(mktemp -d "${TMPDIR:-/tmp}/kalvora-csv.XXXXXX")
trap 'rm -rf "$ZIEL"' EXIT

"$1" "$ZIEL/plan.csv" || { echo "FAIL: keine CSV-Datei"; exit 1; }
# Semicolons (59), double quotes (34), UTF-8 (76), from line 1, German numbers (1031).
HOME="$ZIEL" timeout 180 soffice --headless --norestore "-env:UserInstallation=file://$ZIEL/profil" \
  --infilter="CSV:59,34,76,1,,1031" --convert-to fods --outdir "$ZIEL" "$ZIEL/plan.csv" >"$ZIEL/soffice.log" 2>&1
tabelle="$ZIEL/plan.fods"
[ -s "$tabelle" ] || { cat "$ZIEL/soffice.log"; echo "FAIL: LibreOffice hat nichts geschrieben"; exit 1; }

fail=0
# Year 1, the totals and the start.
for wert in 13322.46 5795.24 7527.22 92472.78 133224.6 33224.6 100000; do
  grep -Eq "office:value-type=\"float\" office:value=\"$wert\"" "$tabelle" ||
    { echo "FAIL: $wert ist keine Zahl der Tabelle"; fail=1; }
done
for text in Jahr Raten Zinsen Tilgung "Stand am Jahresende" Beginn Summe; do
  grep -q "<text:p>$text</text:p>" "$tabelle" || { echo "FAIL: Text $text fehlt"; fail=1; }
done
[ $fail = 0 ] && echo "OK: LibreOffice liest den Zahlungsplan mit Zahlen"
exit $fail
