#!/bin/sh
# Figures of the month's posting on a large institution, one a line, never judged (not a test):
# "posting prepare" (the lines, totals and journal rows as JSON) and "posting make" (the entry
# written into the accounting database and the journal number stamped) for the monthly payroll
# of November, all units combined under one plan (the combined-payment unit set).
#
#   cmake -S . -B build-posting-rel -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-posting-rel -j2 --target zeran-cli zeran-bench-make-institution
#   bench/run-posting.sh build-posting-rel
#
#   INSTITUTION  a folder with a ready PERSONEL.GDB and ANALITIK.GDB; without it the 10,000-person
#                institution of bench/run is used (made once, cached)
#   N, SEED      size and seed of that institution (default 10000, 20261210)
#   RUNS         runs per figure, the median printed (default 3); the first make writes the
#                entry, the later ones post it again (its lines replaced)
set -eu
BUILD=${1:-build-posting-rel}
N=${N:-10000}
SEED=${SEED:-20261210}
RUNS=${RUNS:-3}
CACHE=${CACHE:-${TMPDIR:-/tmp}/zeran-bench-institution}
CLI=$BUILD/cli/zeran-cli
TODAY=2026-11-20

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
export FIREBIRD_LOCK="$WORK/lock"
UNIT=$(isql-fb -q -user SYSDBA "$WORK/PERSONEL.GDB" <<'SQL' | awk 'NF==1 && $1 ~ /^[0-9]+$/ {print $1; exit}'
SET HEADING OFF;
SELECT MIN(BKOD) FROM ZERMAAS WHERE TUR='1' AND AY=11;
SQL
)
# The payroll engine counts the raise deduction (2 x ARTIS) of staff of kind "D" in their
# deductions but not in their gross, so a month with such a row cannot balance and is refused;
# the scratch copy treats those few rows as if the raise had not been withheld.
isql-fb -q -user SYSDBA "$WORK/PERSONEL.GDB" >/dev/null <<SQL
UPDATE PTANIM SET MODEMEBKOD=$UNIT;
UPDATE ZERMAAS M SET KESTOP=KESTOP-2*ARTIS, MAAS=MAAS+2*ARTIS, ARTIS=0
 WHERE AY=11 AND TUR='1' AND ARTIS<>0 AND EXISTS (SELECT 1 FROM ZERBORBIL B
 WHERE B.PKAYNO=M.PKAYNO AND B.BKOD=M.BKOD AND B.PKOD=M.PKOD AND B.PERTUR='D');
COMMIT;
SQL
"$CLI" posting plan "$WORK" --unit "$UNIT" --kind 1 --default salaries >/dev/null

# median wall time in ms of RUNS runs of the command
median_ms() {
    i=0
    : >"$WORK/times"
    while [ "$i" -lt "$RUNS" ]; do
        start=$(date +%s%N)
        "$@" >"$WORK/out" 2>"$WORK/err"
        end=$(date +%s%N)
        echo $(((end - start) / 1000000)) >>"$WORK/times"
        i=$((i + 1))
    done
    sort -n "$WORK/times" | sed -n "$(((RUNS + 1) / 2))p"
}

ROWS=$(isql-fb -q -user SYSDBA "$WORK/PERSONEL.GDB" <<'SQL' | awk 'NF==1 && $1 ~ /^[0-9]+$/ {print $1; exit}'
SET HEADING OFF;
SELECT COUNT(*) FROM ZERMAAS WHERE TUR='1' AND AY=11;
SQL
)
echo "makine: $(nproc) çekirdek, $(uname -sr); Kasım bordrosu: $ROWS satır, birleşik birim $UNIT"
ms=$(median_ms "$CLI" --today "$TODAY" posting prepare "$WORK" --unit "$UNIT" --kind 1 --json)
echo "posting prepare: $ms ms (medyan, $RUNS çalıştırma; $(grep -c '"HESNO"' "$WORK/out") satır)"
ms=$(median_ms "$CLI" --today "$TODAY" posting make "$WORK" --unit "$UNIT" --kind 1 --yes)
echo "posting make: $ms ms (medyan, $RUNS çalıştırma; $(head -1 "$WORK/out"))"
