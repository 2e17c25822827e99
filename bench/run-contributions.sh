#!/bin/sh
# Figures of the retirement-contribution files and the yearly contribution summary, one a line,
# never judged (not a test).
#
#   cmake -S . -B build-contrib-rel -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-contrib-rel -j2 --target zeran-cli zeran-bench-make-institution
#   bench/run-contributions.sh build-contrib-rel
#
#   N, SEED   size and seed of the institution (default 10000, 20261211), January made; made once and cached in ${TMPDIR:-/tmp}/zeran-bench-contributions
#   RUNS      runs per figure, the median printed (default 3)
#
# Figures: both declaration files from the database (loading included; the generated entry
# dates reach the end of the working year, so "today" is after it), both from one JSON object
# of N people on stdin (reading included), and the yearly summary PDF of the unit's N people
# with a ledger row for each of the twelve months (made from January's result rows).
set -eu
BUILD=${1:-build-contrib-rel}
N=${N:-10000}
SEED=${SEED:-20261211}
RUNS=${RUNS:-3}
CACHE=${CACHE:-${TMPDIR:-/tmp}/zeran-bench-contributions}
CLI=$BUILD/cli/zeran-cli

INST=$CACHE/n$N-s$SEED
if [ ! -f "$INST/complete" ]; then
    rm -rf "$INST"
    mkdir -p "$INST"
    "$BUILD/bench/make-institution/zeran-bench-make-institution" "$INST" --people "$N" --seed "$SEED" \
        --units 1 --months 1 >/dev/null
    # Twelve ledger months a person, from January's result rows.
    cat >"$INST/ledger.sql" <<'SQL'
INSERT INTO EMKES (PKAYNO,BKOD,TUR,YIL,AY,ZER,DEV,ARTIS,BORC,ITAS,CEZA)
SELECT M.PKAYNO,M.BKOD,'1',M.YIL,A.AY,M.EMKESM,M.EMKESD,M.ARTIS,M.HIZBOR,0,0 FROM ZERMAAS M
CROSS JOIN (SELECT 1 AY FROM RDB$DATABASE UNION ALL SELECT 2 FROM RDB$DATABASE UNION ALL
  SELECT 3 FROM RDB$DATABASE UNION ALL SELECT 4 FROM RDB$DATABASE UNION ALL SELECT 5 FROM RDB$DATABASE
  UNION ALL SELECT 6 FROM RDB$DATABASE UNION ALL SELECT 7 FROM RDB$DATABASE UNION ALL
  SELECT 8 FROM RDB$DATABASE UNION ALL SELECT 9 FROM RDB$DATABASE UNION ALL SELECT 10 FROM RDB$DATABASE
  UNION ALL SELECT 11 FROM RDB$DATABASE UNION ALL SELECT 12 FROM RDB$DATABASE) A
WHERE M.AY=1 AND M.TUR='1';
COMMIT;
SQL
    mkdir -p "$INST/lock"
    FIREBIRD_LOCK="$INST/lock" isql-fb -q -user SYSDBA -i "$INST/ledger.sql" "$INST/PERSONEL.GDB"
    touch "$INST/complete"
fi
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp "$INST"/*.GDB "$WORK"/

# One JSON object of N people in two units (a tenth of them paid in both), both kinds.
/usr/bin/python3 - "$N" "$WORK" <<'PY'
import json, random, sys
n, work = int(sys.argv[1]), sys.argv[2]
rnd = random.Random(20261211)
for kind in ("E", "5"):
    sicil, maas, arsiv, borbil = [], [], [], []
    for p in range(1, n + 1):
        sicil.append({"PKAYNO": p, "TCKNO": str(10000000000 + p * 7919), "EMSNO": "%d %05d" % (p % 90 + 10, p),
                      "ADI": "AYŞE", "SOYADI": "ÇELİK%d" % p, "KGT": "%d-%02d-%02d" % (1990 + p % 30, p % 12 + 1, p % 28 + 1)})
        for unit in ((1, 2) if p % 10 == 0 else (1,)):
            key = {"PKAYNO": p, "BKOD": unit, "PKOD": p, "TUR": "1", "YIL": "2026", "AY": 1}
            amounts = {c: "%.2f" % rnd.uniform(0, 9000) for c in
                       ("EMKESM", "ARTIS", "EMKESD", "DVVIADE", "HIZBOR", "PCEZA", "AYTUT", "EGOSTUT", "KIDAY", "TABAY",
                        "OZHIZTAZ", "GELTOP", "GSSMAT", "MYOI", "MYOP", "GSSI", "GSSP", "PEKFARK")}
            maas.append({**key, **amounts})
            arsiv.append({**key, "GSSTUR": kind, "KIDEM": p % 30, "MDUR": "E", "TERTAR": "2025-03-05", "MDER": 1,
                          "MKAD": 4, "MEGOS": 800, "DER": 1, "KAD": 3, "EGOS": 3600, "YIG": None})
            borbil.append({"PKAYNO": p, "BKOD": unit, "PKOD": p, "DURUM": "A" if p % 67 == 0 else "E"})
    doc = {"file": kind, "payroll_kind": "1", "order": "TCKNO", "year": "2026", "month": 1,
           "now": "2026-01-20T10:00:00", "min_wage": "33030.00", "sicil": sicil, "zermaas": maas,
           "zerarsiv": arsiv, "zerborbil": borbil}
    with open("%s/input-%s.json" % (work, kind), "w", encoding="utf-8") as f:
        json.dump(doc, f, ensure_ascii=False)
PY

# median wall time in ms of RUNS runs of the command (stdin from $IN when set)
median_ms() {
    i=0
    : >"$WORK/times"
    while [ "$i" -lt "$RUNS" ]; do
        start=$(date +%s%N)
        "$@" <"${IN:-/dev/null}" >"$WORK/out" 2>"$WORK/err"
        end=$(date +%s%N)
        echo $(((end - start) / 1000000)) >>"$WORK/times"
        i=$((i + 1))
    done
    sort -n "$WORK/times" | sed -n "$(((RUNS + 1) / 2))p"
}

echo "kurum: $INST ($N kişi), çalıştırma: $RUNS (medyan)"
for kind in E 5; do
    ms=$(median_ms "$CLI" contribution-file "$WORK" --today 2027-03-01 --month 1 --kind "$kind" --payroll 1 -o "$WORK/file-$kind.txt")
    echo "contribution-file --kind $kind (veritabanından, yükleme dahil): $ms ms, $(wc -l <"$WORK/file-$kind.txt") satır"
done
for kind in E 5; do
    ms=$(IN="$WORK/input-$kind.json" median_ms "$CLI" contribution-file --json -)
    echo "contribution-file --json - ($kind, $N kişi, okuma dahil): $ms ms, $(wc -l <"$WORK/out") satır"
done
# The generator spreads the people over a few units: the summary's unit gets them all (one pay
# record a person, so the keys stay unique).
mkdir -p "$WORK/lock"
echo "UPDATE ZERBORBIL SET BKOD=1; COMMIT;" >"$WORK/oneunit.sql"
FIREBIRD_LOCK="$WORK/lock" isql-fb -q -user SYSDBA -i "$WORK/oneunit.sql" "$WORK/PERSONEL.GDB"
ms=$(median_ms "$CLI" contribution-summary "$WORK" --year 2026 --unit 1 --pdf "$WORK/icmal.pdf")
echo "contribution-summary (yıllık icmal PDF, 12 ay defter satırı): $ms ms, $(sed 's/.*: //' "$WORK/out"), $(pdfinfo "$WORK/icmal.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}') sayfa"
ms=$(median_ms "$CLI" check "$WORK" --today 2026-01-20)
echo "taban: zeran-cli check (açılış, sürüm denetimi): $ms ms"
