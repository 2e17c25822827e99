#!/usr/bin/env bash
# The archive's figures on a large institution with years of stored payrolls:
#   bench/run-archive.sh BUILD_DIR        (PEOPLE=10000 YEARS=10 RUNS=3 by default)
# Build first (Release):
#   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-bench -j2 --target zeran-cli zeran-bench-make-institution \
#         zeran-bench-write-floor zeran-bench-archive
# Prints, each the median of RUNS processes:
#   - the archive screen opening on November of every unit, screen made → grid filled (goal < 1 s);
#   - the year of one unit chosen on the open screen (goal < 1 s);
#   - the workbook of November of every unit, in-process and as "zeran-cli archive export" (< 5 s);
#   - payroll make of December on that database against the floor (a) (goal ≤ 1.3);
#   - the plans of the archive's statements (isql-fb, SET PLANONLY).
# The institution is made once per size, years and seed in ${TMPDIR:-/tmp}/zeran-bench-archive.
set -euo pipefail
BUILD=$(cd "${1:?build folder}" && pwd)
PEOPLE=${PEOPLE:-10000}
YEARS=${YEARS:-10}
RUNS=${RUNS:-3}
SEED=${SEED:-20261210}
TODAY=2026-12-10
CACHE=${CACHE:-${TMPDIR:-/tmp}/zeran-bench-archive}
MAKE_INSTITUTION=$BUILD/bench/make-institution/zeran-bench-make-institution
WRITE_FLOOR=$BUILD/bench/make-institution/zeran-bench-write-floor
ARCHIVE=$BUILD/bench/archive/zeran-bench-archive
CLI=$BUILD/cli/zeran-cli
for p in "$MAKE_INSTITUTION" "$WRITE_FLOOR" "$ARCHIVE" "$CLI"; do
    [ -x "$p" ] || { echo "missing $p — build it first (see the head of this script)" >&2; exit 1; }
done

SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/zeran-bench-archive-run.XXXXXX")
trap 'rm -rf "$SCRATCH"' EXIT
median() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }
ms_of() { local s e; s=$(date +%s%N); "$@" >"$SCRATCH/out" 2>"$SCRATCH/err" || { cat "$SCRATCH/err" >&2; exit 1; }; e=$(date +%s%N); echo $(((e - s) / 1000000)); }
value() { awk -v k="$1" '$1 == k {print $2}' "$SCRATCH/out"; }
line() { printf '%-64s %s\n' "$1" "$2"; }

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'); build $BUILD ($(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$BUILD/CMakeCache.txt"))"
CACHED=$CACHE/n$PEOPLE-y$YEARS-s$SEED
if [ ! -f "$CACHED/complete" ]; then
    rm -rf "$CACHED"
    made=$(ms_of "$MAKE_INSTITUTION" "$CACHED" --people "$PEOPLE" --seed "$SEED" --years "$YEARS")
    sed 's/^/    /' "$SCRATCH/out"
    line "institution made ($PEOPLE people, $YEARS years)" "$made ms"
    touch "$CACHED/complete"
fi
DIR=$SCRATCH/db
mkdir -p "$DIR"
cp "$CACHED"/*.GDB "$DIR"/
line "PERSONEL.GDB" "$(du -m "$DIR/PERSONEL.GDB" | cut -f1) MB"

open=""; unit=""; year=""; exp=""
for ((i = 0; i < RUNS; i++)); do
    ms_of "$ARCHIVE" "$DIR" --month 11 --xlsx "$SCRATCH/month.xlsx" >/dev/null
    open="$open $(value month_open_ms)"; unit="$unit $(value unit_ms)"; year="$year $(value year_ms)"
    exp="$exp $(value export_ms)"
    rows=$(value month_rows); yrows=$(value year_rows)
done
line "archive screen on November, every unit ($rows rows): made → grid filled" "$(echo "$open" | median) ms   [runs:$open]"
line "archive screen, one unit chosen (its November)" "$(echo "$unit" | median) ms   [runs:$unit]"
line "archive screen, then that unit's year ($yrows rows)" "$(echo "$year" | median) ms   [runs:$year]"
line "workbook of November, every unit, in-process" "$(echo "$exp" | median) ms   [runs:$exp]"
cli=""
for ((i = 0; i < RUNS; i++)); do
    cli="$cli $(ms_of "$CLI" archive export "$DIR" --year 2026 --kind 1 --month 11 --xlsx "$SCRATCH/cli.xlsx")"
done
line "zeran-cli archive export, November of every unit (process)" "$(echo "$cli" | median) ms   [runs:$cli]"

make=""; floor=""
for ((i = 0; i < RUNS; i++)); do
    "$WRITE_FLOOR" clear "$DIR" --today "$TODAY" >/dev/null
    make="$make $(ms_of "$CLI" --today "$TODAY" payroll make "$DIR" --yes)"
    "$WRITE_FLOOR" clear "$DIR" --today "$TODAY" >/dev/null
    floor="$floor $(ms_of "$WRITE_FLOOR" insert "$DIR" --today "$TODAY" --method raw-prepared-by-table)"
done
m=$(echo "$make" | median); f=$(echo "$floor" | median)
line "payroll make, December, every unit" "$m ms   [runs:$make]"
line "floor (a) prepared, table by table" "$f ms   [runs:$floor]"
line "make / floor" "$(awk -v a="$m" -v b="$f" 'BEGIN {printf "%.2f", a / b}')"

if command -v isql-fb >/dev/null; then
    echo
    echo "plans:"
    FIREBIRD_LOCK=$SCRATCH/lock && mkdir -p "$FIREBIRD_LOCK" && export FIREBIRD_LOCK
    isql-fb -q -user SYSDBA "$DIR/PERSONEL.GDB" <<'SQL' 2>&1 | grep -i '^PLAN' | sed 's/^/    /'
SET PLANONLY ON;
SELECT * FROM ZERMAAS WHERE AY=11 AND YIL='2026' AND TUR='1' ORDER BY BKOD,PKOD,PKAYNO;
SELECT * FROM ZERARSIV WHERE AY=11 AND YIL='2026' AND TUR='1' AND BKOD=1 ORDER BY BKOD,PKOD,PKAYNO;
SELECT PKAYNO,AY,SUM(VERMAT) FROM ZERMAAS WHERE YIL='2026' GROUP BY PKAYNO,AY;
SELECT S.PKAYNO,S.ADI,S.SOYADI,S.EMSNO FROM SICIL S WHERE S.PKAYNO IN (SELECT M.PKAYNO FROM ZERMAAS M WHERE M.YIL='2026' AND M.TUR='1');
SELECT S.PKAYNO,S.ADI,S.SOYADI FROM SICIL S WHERE EXISTS (SELECT 1 FROM ZERMAAS M WHERE M.PKAYNO=S.PKAYNO AND M.BKOD=1) ORDER BY S.ADI,S.SOYADI,S.PKAYNO;
SELECT COUNT(*) SAY FROM ZERMAAS WHERE BKOD=1 AND TUR='1' AND YIL='2026' AND AY>3;
DELETE FROM ZERMAAS WHERE BKOD=1 AND TUR='1' AND AY=3 AND YIL='2026';
DELETE FROM EMKES WHERE BKOD=1 AND TUR='1' AND YIL='2026' AND AY=3;
SELECT * FROM ZERMAAS WHERE PKAYNO=5 AND YIL='2026' ORDER BY AY,TUR,BKOD,PKOD;
SQL
fi
