#!/bin/sh
# Figures of the database file check on a large institution, one a line, never judged (not a
# test): the check with its changes kept (--yes) on a copy whose ledger and plan headers are
# missing, and the second run right after it, which finds nothing to do.
#
#   cmake -S . -B build-leave-rel -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-leave-rel -j2 --target zeran-cli zeran-bench-make-institution
#   bench/run-dbcheck.sh build-leave-rel
#
#   INSTITUTION  a folder with a ready PERSONEL.GDB; without it the 10,000-person institution of
#                bench/run is used (made once, cached)
#   N, SEED      size and seed of that institution (default 10000, 20261210)
#   RUNS         runs per figure, the median printed (default 3)
set -eu
BUILD=${1:-build-leave-rel}
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
mkdir -p "$WORK/lock"
export FIREBIRD_LOCK="$WORK/lock"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
seconds() { start=$(date +%s.%N); "$@" >/dev/null; end=$(date +%s.%N); echo "$end - $start" | bc; }

records=""
first=""
second=""
i=0
while [ $i -lt "$RUNS" ]; do
    rm -f "$WORK"/*.GDB
    cp "$INST"/*.GDB "$WORK"/
    # A unit whose pay records stay behind and no ledger rows or plan headers at all.
    isql-fb -q -user SYSDBA "$WORK/PERSONEL.GDB" >/dev/null <<'SQL'
DELETE FROM EMKES;
DELETE FROM ZERNAKTAN;
DELETE FROM ZERNAKBIL;
INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,DURUM) SELECT FIRST 100 PKAYNO,32000,PKOD,'E' FROM ZERBORBIL;
COMMIT;
SQL
    records=$(isql-fb -q -user SYSDBA "$WORK/PERSONEL.GDB" <<'SQL' | awk 'NF==1 && $1 ~ /^[0-9]+$/ {print $1}'
SELECT COUNT(*) FROM ZERBORBIL;
SQL
)
    first="$first $(seconds "$CLI" db-check "$WORK" --yes)"
    second="$second $(seconds "$CLI" db-check "$WORK" --yes)"
    i=$((i + 1))
done
echo "pay records: $records"
echo "db-check, ledger and headers made (s): $(echo $first | tr ' ' '\n' | median)"
echo "db-check, nothing to do (s): $(echo $second | tr ' ' '\n' | median)"
