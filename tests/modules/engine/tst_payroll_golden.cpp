// "zeran-cli payroll compute" against checked-in expected output: the demo institution in
// several months, one with five months already made. A missing or different expected file
// fails with the command that writes it anew (check the difference before committing it).

#include "demo.h"
#include "resultstore.h"
#include "runloader.h"
#include "stages.h"
#include "testsupport.h"
#include "writtenrow.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

using namespace zeran;

namespace {

QString goldenDir()
{
    return qEnvironmentVariable("ZERAN_TEST_SOURCE") + QStringLiteral("/tests/modules/engine/golden");
}

/// Makes months 1 … `months` of the working year through the same code the CLI computes with.
void makeMonths(db::Database &db, int months)
{
    const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(db);
    for (int month = 1; month <= months; ++month) {
        const payrollrun::LoadedRun loaded = payrollrun::loadRun(
            db, payrollrun::RunPeriod::of(settings.CYIL, QDate(settings.CYIL.toInt(), month, 15)), {}, settings.engine);
        db::Transaction tx(db);
        results::deleteMonth(db, {loaded.run.YIL, month, results::PayrollKind::Monthly}, std::nullopt);
        results::ResultWriter writer(db);
        for (const payrollrun::RunPerson &p : loaded.people) {
            writer.insertResult(payrollrun::resultRow(loaded.run, p.input, engine::hesapla(loaded.run, p.input)));
            writer.insertSnapshot(payrollrun::snapshotRow(loaded.run, p.input));
        }
        tx.commit();
    }
}

int resultRowCount(const db::ConnectParams &params)
{
    db::Database db(test::uniqueName("count"));
    db.open(params);
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM ZERMAAS")).toInt();
}

}  // namespace

class TestPayrollGolden : public QObject {
    Q_OBJECT

private slots:
    void compute_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("monthsMade");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected");
        QTest::newRow("january, every unit") << 2026 << 0 << QStringList{"--today", "2026-01-15"} << "demo-2026-01.json";
        QTest::newRow("2025 first half, one unit")
            << 2025 << 0 << QStringList{"--today", "2025-03-10", "--unit", "1"} << "demo-2025-03-unit1.json";
        QTest::newRow("june after five months made")
            << 2026 << 5 << QStringList{"--today", "2026-06-15"} << "demo-2026-06-history.json";
        QTest::newRow("second half, one person")
            << 2026 << 0 << QStringList{"--today", "2026-09-01", "--person", "40"} << "demo-2026-09-person40.json";
    }

    void compute()
    {
        QFETCH(int, year);
        QFETCH(int, monthsMade);
        QFETCH(QStringList, args);
        QFETCH(QString, expected);

        test::FreshDatabase fresh;
        {
            db::Database db(test::uniqueName("golden"));
            db.open(fresh.params);
            demo::fillDemoInstitution(db, {year});
            makeMonths(db, monthsMade);
        }  // the embedded engine opens a file for one process at a time
        const int rowsBefore = resultRowCount(fresh.params);

        QProcess cli;
        cli.start(qEnvironmentVariable("ZERAN_CLI"),
                  QStringList{QStringLiteral("payroll"), QStringLiteral("compute"), fresh.dir.path()} + args);
        QVERIFY(cli.waitForFinished(120000));
        const QByteArray err = cli.readAllStandardError();
        QVERIFY2(cli.exitCode() == 0, err.constData());
        QVERIFY2(err.isEmpty(), err.constData());  // the demo's rates are complete: no warning
        const QByteArray out = cli.readAllStandardOutput();
        QCOMPARE(resultRowCount(fresh.params), rowsBefore);  // nothing written

        const QString path = goldenDir() + QLatin1Char('/') + expected;
        if (qEnvironmentVariableIsSet("ZERAN_GOLDEN_UPDATE")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(out);
            qInfo("written %s", qPrintable(path));
            return;
        }
        QFile f(path);
        const QByteArray want = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        if (out != want) {
            const QString actual = QDir::temp().filePath(expected);
            QFile a(actual);
            if (a.open(QIODevice::WriteOnly | QIODevice::Truncate))
                a.write(out);
            const QString message =
                QStringLiteral("%1 %2; this run's output is in %3.\nAfter checking the difference, write the "
                               "expected files anew with:\n  ZERAN_GOLDEN_UPDATE=1 ctest --test-dir %4 -R '^payroll_golden$'")
                    .arg(path, want.isEmpty() ? QStringLiteral("is missing") : QStringLiteral("differs"), actual,
                         QCoreApplication::applicationDirPath());
            QFAIL(qPrintable(message));
        }
    }
};

QTEST_GUILESS_MAIN(TestPayrollGolden)
#include "tst_payroll_golden.moc"
