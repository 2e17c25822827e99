// bench-engine: figures for the monthly engine, never a pass/fail test.
//
//   bench-engine make-db DIR [--people N] [--year Y] [--months M]
//       a new PERSONEL.GDB in DIR: the demo institution plus a salary unit (BKOD 10) of N
//       generated pay records (fixed seed), with months 1 … M of the year already made;
//   bench-engine engine DIR [--today YYYY-MM-DD] [--unit BKOD] [--repeat R]
//       loads the run once and prints the loading time and the engine alone (HESAPLA for
//       every person, the median of R rounds) in people per second.

#include "demo.h"
#include "resultstore.h"
#include "resultjson.h"
#include "runloader.h"
#include "schema.h"
#include "settings.h"
#include "stages.h"
#include "writtenrow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

using namespace zeran;

namespace {

constexpr int kBenchUnit = 10;

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QString option(QStringList &args, const QString &name, const QString &fallback)
{
    const int i = args.indexOf(name);
    if (i < 0 || i + 1 >= args.size())
        return fallback;
    const QString v = args.at(i + 1);
    args.remove(i, 2);
    return v;
}

db::ConnectParams paramsOf(const QString &dir)
{
    db::ConnectParams p;
    p.path = mainDatabasePath(QDir(dir).absolutePath());
    return p;
}

/// Raw engine output only, so the rows are the same everywhere.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : gen_(seed) {}
    int below(int n) { return int(gen_() % std::uint32_t(n)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::mt19937 gen_;
};

const int kIndicators[] = {500, 545, 590, 620, 660, 705, 760, 835, 915, 1020, 1155, 1320, 1500};
const int kExtra[] = {0, 0, 0, 1600, 2200, 3000, 3600, 4800};

/// A varied pay record: grades, both insurance kinds, families, unions, items, ledgers.
QVariantMap payRecord(Dice &d, int pkayno, int pkod)
{
    const int step = d.below(13);
    const int gos = kIndicators[step];
    const int egos = kExtra[d.below(8)];
    const bool fund = d.chance(45);
    const bool married = d.chance(70);
    const int young = d.below(3), older = d.below(3);
    QVariantMap r{
        {"PKAYNO", pkayno}, {"BKOD", kBenchUnit}, {"PKOD", pkod}, {"UKOD", 1 + d.below(14)},
        {"DURUM", d.chance(2) ? "A" : "E"}, {"PERTUR", d.chance(3) ? "S" : "M"}, {"GSSTUR", fund ? "E" : "5"},
        {"DER", 15 - step}, {"KAD", 1 + d.below(3)}, {"GOS", gos}, {"EGOS", egos},
        {"MDER", 15 - step}, {"MKAD", 1 + d.below(3)}, {"MGOS", gos}, {"MEGOS", d.chance(10) ? egos + 600 : egos},
        {"KIDEM", d.below(33)}, {"YOP", 500 + 100 * d.below(13)}, {"OHT", 40 + 5 * d.below(30)},
        {"EKOD", 35 + 5 * d.below(12)}, {"EKTAZ", double(d.chance(15) ? 10 : 0)},
        {"LTAZ", d.chance(5) ? 900.0 : 0.0}, {"DIGTAZ", d.chance(5) ? 2500.0 : 0.0}, {"DTAZ", d.chance(3) ? 1450.0 : 0.0},
        {"MESAI", d.chance(10) ? 1800.0 : 0.0}, {"COC1", young}, {"COC2", older}, {"DIGCOC", young + older},
        {"MHAL", married ? "1" : "2"}, {"ESI", married ? (d.chance(50) ? "1" : "2") : QVariant()},
        {"AGI", "H"}, {"ACOCYRD", "E"}, {"SAKDER", d.chance(2) ? 1 + d.below(3) : 0}, {"RAPOR", d.chance(5) ? d.below(12) : 0},
        {"KGUN", d.chance(2) ? double(1 + d.below(30)) : 0.0}, {"KISTEMKES", d.chance(50) ? "E" : "H"},
        {"TFA", 0}, {"GF", 0}, {"EKGF", 0}, {"KIDART", d.chance(3) ? 20 : 0},
        {"KEFALET", d.chance(10) ? "E" : "H"}, {"SENDIKA", d.chance(60) ? "E" : "H"}, {"SENKOD", 1 + d.below(2)},
        {"YIG", "H"}, {"VEKIL", d.chance(2) ? "E" : "H"}, {"BES", d.chance(10) ? "E" : "H"}, {"BESORAN", 3.0},
        {"KES1", d.chance(20) ? 500.0 : 0.0}, {"KES2", d.chance(20) ? 100.0 : 0.0}, {"KES3", 0.0}, {"KES4", 0.0},
        {"KES5", 0.0}, {"KAZ1", 6000.0 + 500 * d.below(4)}, {"KAZ2", 707.0}, {"KAZ3", d.chance(5) ? 20.0 : 0.0},
        {"KAZS4", "E"}, {"KAZ5", d.chance(10) ? 1200.0 : 0.0}, {"PCEZA", 0.0}, {"KIRA", d.chance(3) ? 1500.0 : 0.0},
        {"OZIN", d.chance(5) ? 850.0 : 0.0}, {"HIZBOR", 0.0}, {"HIZBORDUR", false}, {"KISZAMAN", d.chance(2) ? "E" : "H"},
        {"YEMEKGUN", d.chance(40) ? 21 : 0},
    };
    return r;
}

void makeDb(const QString &dir, int people, int year, int months)
{
    QDir().mkpath(dir);
    const db::ConnectParams params = paramsOf(dir);
    schema::createMainDatabase(params);
    db::Database db(QStringLiteral("bench"));
    db.open(params);
    demo::fillDemoInstitution(db, {year});
    {
        db::Transaction tx(db);
        db.exec(QStringLiteral("INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR,AKTIF) VALUES (:BK,'ÖLÇÜM BİRİMİ','M','N','A')"),
                {{QStringLiteral("BK"), kBenchUnit}});
        QSqlQuery sicil = db.prepare(QStringLiteral(
            "INSERT INTO SICIL (PKAYNO,TCKNO,EMSNO,ADI,SOYADI) VALUES (:PK,:TC,:EM,:AD,:SA)"));
        Dice probe(1);
        const QStringList columns = payRecord(probe, 0, 0).keys();
        QStringList names;
        for (const QString &c : columns)
            names << QLatin1Char(':') + c;
        QSqlQuery pay = db.prepare(QStringLiteral("INSERT INTO ZERBORBIL (%1) VALUES (%2)")
                                       .arg(columns.join(QLatin1Char(',')), names.join(QLatin1Char(','))));
        QSqlQuery icra = db.prepare(QStringLiteral(
            "INSERT INTO ICRA (PKAYNO,HARNO,TUTAR,KESTUT,DUR) VALUES (:PK,:HN,:TU,:KE,'D')"));
        const int first = db.scalar(QStringLiteral("SELECT MAX(PKAYNO) FROM SICIL")).toInt() + 1;
        Dice dice(20260115u);
        for (int n = 0; n < people; ++n) {
            const int pk = first + n;
            sicil.bindValue(QStringLiteral(":PK"), pk);
            sicil.bindValue(QStringLiteral(":TC"), QStringLiteral("9%1").arg(pk, 10, 10, QLatin1Char('0')));
            sicil.bindValue(QStringLiteral(":EM"), QStringLiteral("B%1").arg(pk, 7, 10, QLatin1Char('0')));
            sicil.bindValue(QStringLiteral(":AD"), QStringLiteral("KİŞİ"));
            sicil.bindValue(QStringLiteral(":SA"), QStringLiteral("ÖLÇÜM %1").arg(n + 1));
            if (!sicil.exec())
                throw db::DbError(db::DbError::Kind::Sql, sicil.lastError().text());
            const QVariantMap r = payRecord(dice, pk, n + 1);
            for (const QString &c : columns)
                pay.bindValue(QLatin1Char(':') + c, r.value(c));
            if (!pay.exec())
                throw db::DbError(db::DbError::Kind::Sql, pay.lastError().text());
            if (dice.chance(3)) {
                icra.bindValue(QStringLiteral(":PK"), pk);
                icra.bindValue(QStringLiteral(":HN"), 1000 + n);
                icra.bindValue(QStringLiteral(":TU"), 20000.0);
                icra.bindValue(QStringLiteral(":KE"), 2500.0);
                if (!icra.exec())
                    throw db::DbError(db::DbError::Kind::Sql, icra.lastError().text());
            }
        }
        tx.commit();
    }
    const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(db);
    for (int month = 1; month <= months; ++month) {
        const payrollrun::LoadedRun loaded = payrollrun::loadRun(
            db, payrollrun::RunPeriod::of(settings.CYIL, QDate(year, month, 15)), {}, settings.engine);
        db::Transaction tx(db);
        results::deleteMonth(db, {loaded.run.YIL, month, results::PayrollKind::Monthly}, std::nullopt);
        results::ResultWriter writer(db);
        for (const payrollrun::RunPerson &p : loaded.people) {
            writer.insertResult(payrollrun::resultRow(loaded.run, p.input, engine::hesapla(loaded.run, p.input)));
            writer.insertSnapshot(payrollrun::snapshotRow(loaded.run, p.input));
        }
        tx.commit();
    }
    out() << "Veritabanı: " << params.path << "  kişi: " << people << "  yapılmış ay: " << months << "\n";
}

void engineBench(const QString &dir, const QDate &today, int unit, int repeat)
{
    db::Database db(QStringLiteral("bench"));
    db.open(paramsOf(dir));
    const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(db);
    payrollrun::RunSelection selection;
    selection.unit = unit;
    QElapsedTimer t;
    t.start();
    const payrollrun::LoadedRun loaded =
        payrollrun::loadRun(db, payrollrun::RunPeriod::of(settings.CYIL, today), selection, settings.engine);
    const double loadMs = double(t.nsecsElapsed()) / 1e6;

    std::vector<double> rounds;
    Money checksum;
    for (int r = 0; r < repeat; ++r) {
        t.restart();
        Money sum;
        for (const payrollrun::RunPerson &p : loaded.people)
            sum += engine::hesapla(loaded.run, p.input).MAAS;
        rounds.push_back(double(t.nsecsElapsed()) / 1e6);
        checksum = sum;
    }
    t.restart();
    std::vector<results::ResultRow> rows;
    rows.reserve(loaded.people.size());
    for (const payrollrun::RunPerson &p : loaded.people)
        rows.push_back(payrollrun::resultRow(loaded.run, p.input, engine::hesapla(loaded.run, p.input)));
    const double rowsMs = double(t.nsecsElapsed()) / 1e6;
    t.restart();
    const QByteArray json = payrollrun::resultRowsJson(rows);
    const double jsonMs = double(t.nsecsElapsed()) / 1e6;

    std::sort(rounds.begin(), rounds.end());
    const double median = rounds[rounds.size() / 2];
    const double people = double(loaded.people.size());
    out() << QStringLiteral("yükleme: %1 kişi, %2 ms\n").arg(loaded.people.size()).arg(loadMs, 0, 'f', 1);
    out() << QStringLiteral("motor: %1 kişi, %2 ms (medyan, %3 tur), %4 kişi/saniye\n")
                 .arg(loaded.people.size())
                 .arg(median, 0, 'f', 2)
                 .arg(repeat)
                 .arg(median > 0 ? people / (median / 1000.0) : 0.0, 0, 'f', 0);
    out() << QStringLiteral("motor ve yazılacak satırlar: %1 ms\n").arg(rowsMs, 0, 'f', 1);
    out() << QStringLiteral("JSON: %1 ms, %2 bayt\n").arg(jsonMs, 0, 'f', 1).arg(json.size());
    out() << "toplam net maaş: " << checksum.toPlain(2) << Qt::endl;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    args = args.mid(1);
    try {
        if (command == QLatin1String("make-db") && !args.isEmpty()) {
            const int people = option(args, QStringLiteral("--people"), QStringLiteral("10000")).toInt();
            const int year = option(args, QStringLiteral("--year"), QStringLiteral("2026")).toInt();
            const int months = option(args, QStringLiteral("--months"), QStringLiteral("0")).toInt();
            makeDb(args.value(0), people, year, months);
            return 0;
        }
        if (command == QLatin1String("engine") && !args.isEmpty()) {
            const QDate today = QDate::fromString(option(args, QStringLiteral("--today"), QStringLiteral("2026-01-15")),
                                                  Qt::ISODate);
            const int unit = option(args, QStringLiteral("--unit"), QString::number(kBenchUnit)).toInt();
            const int repeat = std::max(1, option(args, QStringLiteral("--repeat"), QStringLiteral("15")).toInt());
            engineBench(args.value(0), today, unit, repeat);
            return 0;
        }
    } catch (const db::DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text));
        return 1;
    }
    std::fprintf(stderr, "Kullanım: bench-engine make-db DIR [--people N] [--year Y] [--months M]\n"
                         "          bench-engine engine DIR [--today YYYY-AA-GG] [--unit BKOD] [--repeat R]\n");
    return 2;
}
