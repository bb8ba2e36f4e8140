#!/usr/bin/env bash
# Line coverage of src/ from an instrumented build whose tests have run:
# one row per module folder, then the whole; fails below the project's floor.
# usage: abdeckung.sh <build folder> [minimum percent, default 90]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1 minimum=${2:-90}
# The picture tool runs at build time, not in the program; its counters are
# reset before the tests run.
gcovr -r . --filter 'src/' --exclude 'src/bilder/BilderZeichnen.cpp' -j "$(nproc)" --json-summary "$build/abdeckung.json" "$build"
python3 - "$build/abdeckung.json" "$minimum" <<'PY'
import collections, json, sys
zeilen, getroffen = collections.Counter(), collections.Counter()
for datei in json.load(open(sys.argv[1]))["files"]:
    teile = datei["filename"].split("/")
    ordner = "/".join(teile[:2])  # src/<module>, or src/main.cpp
    zeilen[ordner] += datei["line_total"]
    getroffen[ordner] += datei["line_covered"]
gesamt = 100 * sum(getroffen.values()) / sum(zeilen.values())
for ordner in sorted(zeilen):
    print(f"{ordner:<14} {getroffen[ordner]:5} / {zeilen[ordner]:5} lines  {100 * getroffen[ordner] / zeilen[ordner]:5.1f} %")
print(f"{'src':<14} {sum(getroffen.values()):5} / {sum(zeilen.values()):5} lines  {gesamt:5.1f} %")
if gesamt < float(sys.argv[2]):
    sys.exit(f"Line coverage {gesamt:.1f} % is below {sys.argv[2]} %.")
PY
