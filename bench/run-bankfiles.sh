#!/bin/sh
# Figures of the bank payment file on a large institution, one a line, never judged (not a test):
# the file of November for every salary unit, loading included, in the text layout and in the
# workbook layout "E", and the printed bank list as PDF.
#
#   cmake -S . -B build-bank-rel -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-bank-rel -j2 --target zeran-cli zeran-bench-make-institution
#   bench/run-bankfiles.sh build-bank-rel
#
#   INSTITUTION  a folder with a ready PERSONEL.GDB (the ten-year institution when there is one);
#                without it the 10,000-person institution of bench/run is used (made once, cached)
#   N, SEED      size and seed of that institution (default 10000, 20261210)
#   RUNS         runs per figure, the median printed (default 3)
#
# The generated institution has no bank accounts; the scratch copy gets one per person
# ("customer-account", paid through the bank) before the figures are taken.
set -eu
BUILD=${1:-build-bank-rel}
N=${N:-10000}
SEED=${SEED:-20261210}
RUNS=${RUNS:-3}
CACHE=${CACHE:-${TMPDIR:-/tmp}/zeran-bench-institution}
CLI=$BUILD/cli/zeran-cli

INST=${INSTITUTION:-}
if [ -z "$INST" ]; then
    INST=$CACHE/n$N-s$SEED
    if [ ! -f "$INST/complete" ]; then
        rm -rf "$INST"
        mkdir -p "$CACHE"
        "$BUILD/bench/make-institution/zeran-bench-make-institution" "$INST" --people "$N" --seed "$SEED" >/dev/null
        touch "$INST/complete"
    fi
fi
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp "$INST"/*.GDB "$WORK"/
mkdir -p "$WORK/lock"
FIREBIRD_LOCK="$WORK/lock" isql-fb -q -user SYSDBA "$WORK/PERSONEL.GDB" >/dev/null <<'SQL'
UPDATE SICIL SET MBKOD='Evet',
  BHN=LPAD(CAST(ABS(PKAYNO) AS VARCHAR(8)),8,'1')||'-'||LPAD(CAST(ABS(PKAYNO) AS VARCHAR(8)),8,'0'),
  INO='TR3300061005'||LPAD(CAST(ABS(PKAYNO) AS VARCHAR(14)),14,'0');
COMMIT;
SQL

# median wall time in ms of RUNS runs of the command
median_ms() {
    i=0
    : >"$WORK/times"
    while [ "$i" -lt "$RUNS" ]; do
        rm -f "$WORK/ZER.TXT" "$WORK/ZER.XLSX"
        start=$(date +%s%N)
        "$@" >"$WORK/out" 2>"$WORK/err"
        end=$(date +%s%N)
        echo $(((end - start) / 1000000)) >>"$WORK/times"
        i=$((i + 1))
    done
    sort -n "$WORK/times" | sed -n "$(((RUNS + 1) / 2))p"
}

echo "institution: $INST, runs per figure: $RUNS (median)"
ms=$(median_ms "$CLI" bank-file "$WORK" --today 2026-11-20 --layout T -o "$WORK/ZER.TXT")
echo "bank file, November, layout T (loading included): $ms ms, $(tail -n 1 "$WORK/err")"
ms=$(median_ms "$CLI" bank-file "$WORK" --today 2026-11-20 --layout E -o "$WORK/ZER.XLSX")
echo "bank file, November, layout E (loading included): $ms ms, $(tail -n 1 "$WORK/err")"
ms=$(median_ms "$CLI" bank-list "$WORK" --today 2026-11-20 --pdf "$WORK/liste.pdf")
echo "printed bank list, November, all units (PDF): $ms ms, $(cat "$WORK/out")"
ms=$(median_ms "$CLI" check "$WORK" --today 2026-11-20)
echo "floor: zeran-cli check (open, version gate): $ms ms"
