#!/bin/sh
# Figures of the monthly payroll engine, printed, never judged:
#   - the engine alone (HESAPLA for every person) on N generated people, in people per second;
#   - "zeran-cli payroll compute" for a unit of N people, loading included (embedded database),
#     the median of several runs.
# Usage: bench/run-engine.sh [N]   (default 10000)
# BUILD_DIR (default build-bench) is configured as a Release build of its own; WORK_DIR (default
# a fresh temporary folder) receives the generated database.
set -eu
N=${1:-10000}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build-bench}
WORK_DIR=${WORK_DIR:-$(mktemp -d)}
RUNS=${RUNS:-5}
TODAY=2026-01-15

cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD_DIR" -j2 --target bench-engine zeran-cli >/dev/null

BENCH="$BUILD_DIR/bench/engine/bench-engine"
CLI="$BUILD_DIR/cli/zeran-cli"
DB="$WORK_DIR/bench-$N"
rm -rf "$DB"

echo "makine: $(nproc) çekirdek, $(uname -sr)"
"$BENCH" make-db "$DB" --people "$N"
"$BENCH" engine "$DB" --today "$TODAY" --unit 10 --repeat 15

times=""
i=0
while [ "$i" -lt "$RUNS" ]; do
    start=$(date +%s%N)
    "$CLI" payroll compute "$DB" --today "$TODAY" --unit 10 >/dev/null
    end=$(date +%s%N)
    times="$times $(( (end - start) / 1000000 ))"
    i=$((i + 1))
done
median=$(echo $times | tr ' ' '\n' | sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}')
echo "payroll compute: $N kişi, $median ms (medyan, $RUNS çalıştırma:$times ms)"
