#!/bin/sh
# Figures of the month's summary and the minimum-living-allowance list on a large institution,
# one a line, never judged (not a test).
#
#   cmake -S . -B build-summary-rel -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-summary-rel -j2 --target zeran-cli zeran-bench-make-institution
#   bench/run-summary.sh build-summary-rel
#
#   INSTITUTION  a folder with a ready PERSONEL.GDB (the ten-year institution when there is one);
#                without it the 10,000-person institution of bench/run is used (made once, cached)
#   N, SEED      size and seed of that institution (default 10000, 20261210)
#   RUNS         runs per figure, the median printed (default 3)
set -eu
BUILD=${1:-build-summary-rel}
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

echo "institution: $INST, runs per figure: $RUNS (median)"
ms=$(median_ms "$CLI" summary "$WORK" --today 2026-11-20 --mode monthly --json)
echo "summary, November, all units (--json): $ms ms, $(grep -m1 '"count"' "$WORK/out" | tr -dc 0-9) pay records"
ms=$(median_ms "$CLI" summary "$WORK" --today 2026-11-20 --mode monthly --pdf "$WORK/s.pdf")
echo "summary, November, all units (--pdf): $ms ms"
for month in 11 12; do
    ms=$(median_ms "$CLI" agi-list "$WORK" --today 2026-12-20 --month "$month" --json)
    echo "allowance list, month $month, all units (--json): $ms ms, $(grep -c '"PKAYNO"' "$WORK/out") rows"
done
ms=$(median_ms "$CLI" check "$WORK" --today 2026-11-20)
echo "floor: zeran-cli check (open, version gate): $ms ms"
