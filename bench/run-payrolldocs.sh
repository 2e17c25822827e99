#!/bin/sh
# Figures of the printed unit payroll document, printed, never judged: building the document
# of a unit of N people and rendering it to PDF (high resolution, A4 landscape), the loading
# and computing of the run shown apart.
# Usage: bench/run-payrolldocs.sh [N]   (default 10000)
# BUILD_DIR (default build-bench) is configured as a Release build of its own; WORK_DIR (default
# a fresh temporary folder) receives the generated database and the PDF.
set -eu
N=${1:-10000}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build-bench}
WORK_DIR=${WORK_DIR:-$(mktemp -d)}
TODAY=2026-01-15

cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD_DIR" -j2 --target bench-engine bench-payrolldocs >/dev/null

ENGINE="$BUILD_DIR/bench/engine/bench-engine"
BENCH="$BUILD_DIR/bench/payrolldocs/bench-payrolldocs"
DB="$WORK_DIR/bench-$N"
rm -rf "$DB"

echo "makine: $(nproc) çekirdek, $(uname -sr)"
"$ENGINE" make-db "$DB" --people "$N"
"$BENCH" "$DB" --today "$TODAY" --unit 10 --pdf "$WORK_DIR/bordro-$N.pdf"
