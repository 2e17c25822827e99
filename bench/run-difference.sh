#!/bin/sh
# Figures of the difference payrolls, printed, never judged: "zeran-cli payroll difference
# compute" and "payroll inflation compute" for a unit of N generated people (loading both
# periods' rates included, embedded database), and "payroll difference make" (the unit's rows
# replaced in one unit of work), each the median of several runs.
# Usage: bench/run-difference.sh [N]   (default 10000)
# BUILD_DIR (default build-diff-rel) is configured as a Release build of its own; WORK_DIR
# (default a fresh temporary folder) receives the generated database.
set -eu
N=${1:-10000}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build-diff-rel}
WORK_DIR=${WORK_DIR:-$(mktemp -d)}
RUNS=${RUNS:-5}
TODAY=2026-01-15
DAYS="--month-days 30 --diff-days 14 --retirement --gss"

cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD_DIR" -j2 --target bench-engine zeran-cli >/dev/null

BENCH="$BUILD_DIR/bench/engine/bench-engine"
CLI="$BUILD_DIR/cli/zeran-cli"
DB="$WORK_DIR/bench-$N"
rm -rf "$DB"

echo "makine: $(nproc) çekirdek, $(uname -sr)"
"$BENCH" make-db "$DB" --people "$N" >/dev/null

median() {
    echo $1 | tr ' ' '\n' | sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'
}

# shellcheck disable=SC2086
measure() {
    label=$1
    shift
    times=""
    i=0
    while [ "$i" -lt "$RUNS" ]; do
        start=$(date +%s%N)
        "$CLI" "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        times="$times $(( (end - start) / 1000000 ))"
        i=$((i + 1))
    done
    echo "$label: $N kişi, $(median "$times") ms (medyan, $RUNS çalıştırma:$times ms)"
}

# shellcheck disable=SC2086
measure "payroll difference compute" payroll difference compute "$DB" --today "$TODAY" --unit 10 $DAYS
# shellcheck disable=SC2086
measure "payroll inflation compute" payroll inflation compute "$DB" --today "$TODAY" --unit 10 $DAYS --late-rate 5
# shellcheck disable=SC2086
measure "payroll difference make" payroll difference make "$DB" --today "$TODAY" --unit 10 $DAYS --yes
