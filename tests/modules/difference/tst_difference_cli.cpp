// The command-line entry points of the difference payrolls on the demo institution (months
// January to July made, the paid rates of the first half-year kept as period "3"): the JSON
// of compute byte for byte against golden files, make writing exactly those rows, and the
// printed document.

#include "demo.h"
#include "makemonths.h"
#include "pdftext.h"
#include "ratestore.h"
#include "resultjson.h"
#include "resultstore.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace zeran;

namespace {

QString goldenDir()
{
    return qEnvironmentVariable("ZERAN_TEST_SOURCE") + QStringLiteral("/tests/modules/difference/golden");
}

/// Compares `out` with the expected file (or writes it with ZERAN_GOLDEN_UPDATE).
void compareGolden(const QString &file, const QByteArray &out)
{
    const QString path = goldenDir() + QLatin1Char('/') + file;
    if (qEnvironmentVariableIsSet("ZERAN_GOLDEN_UPDATE")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(out);
        return;
    }
    QFile f(path);
    const QByteArray want = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    if (out != want) {
        const QString actual = QDir::temp().filePath(file);
        QFile a(actual);
        if (a.open(QIODevice::WriteOnly | QIODevice::Truncate))
            a.write(out);
        QFAIL(qPrintable(QStringLiteral("%1 %2; this run's output is in %3 (ZERAN_GOLDEN_UPDATE=1 writes it anew)")
                             .arg(path, want.isEmpty() ? QStringLiteral("is missing") : QStringLiteral("differs"), actual)));
    }
}

}  // namespace

class TestDifferenceCli : public QObject {
    Q_OBJECT

    test::FreshDatabase fresh_;

private slots:
    void initTestCase()
    {
        db::Database db(test::uniqueName("diffcli"));
        db.open(fresh_.params);
        demo::fillDemoInstitution(db, {2026});
        test::makeMonths(db, 7);
        // The rates the first half-year was paid with, kept as the inflation payroll's period "3".
        const rates::Period paid{QStringLiteral("2026"), QStringLiteral("1")};
        rates::saveLegal(db, {QStringLiteral("2026"), QStringLiteral("3")}, rates::readLegal(db, paid).value());
    }

    void computeAndMake_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("args");  // after "payroll"
        const auto days = [](const char *fg) {
            return QStringList{QStringLiteral("--today"), QStringLiteral("2026-07-15"), QStringLiteral("--month-days"),
                               QStringLiteral("30"), QStringLiteral("--diff-days"), QString::fromLatin1(fg)};
        };
        QTest::newRow("difference") << "difference-14" << (QStringList{"difference"} + days("14") + QStringList{"--retirement", "--gss"});
        QTest::newRow("difference, unit, no boxes") << "difference-unit2" << (QStringList{"difference"} + days("30") + QStringList{"--unit", "2"});
        QTest::newRow("inflation") << "inflation-30" << (QStringList{"inflation"} + days("30") + QStringList{"--retirement", "--late-rate", "5"});
    }
    void computeAndMake()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, args);
        const QString dir = fresh_.dir.path();
        QStringList compute = args;
        compute.insert(1, QStringLiteral("compute"));
        compute.insert(2, dir);
        const test::CliRun c = test::runCli(QStringList{QStringLiteral("payroll")} + compute);
        QVERIFY2(c.code == 0, qPrintable(c.err));
        QVERIFY2(c.err.isEmpty(), qPrintable(c.err));
        compareGolden(name + QStringLiteral(".json"), c.outBytes);

        // make without --yes writes nothing; with it, the rows compute showed.
        QStringList make = compute;
        make[1] = QStringLiteral("make");
        QCOMPARE(test::runCli(QStringList{QStringLiteral("payroll")} + make).code, 3);
        const test::CliRun m = test::runCli(QStringList{QStringLiteral("payroll")} + make + QStringList{QStringLiteral("--yes")});
        QVERIFY2(m.code == 0, qPrintable(m.err));
        QVERIFY(m.out.startsWith(QStringLiteral("rows ")));

        db::Database db(test::uniqueName("diffcli"));
        db.open(fresh_.params);
        const bool inflation = args.first() == QLatin1String("inflation");
        const auto unitAt = args.indexOf(QStringLiteral("--unit"));
        const std::optional<int> unit = unitAt >= 0 ? std::optional<int>(args.at(unitAt + 1).toInt()) : std::nullopt;
        std::vector<results::ResultRow> stored = results::readResults(
            db, {QStringLiteral("2026"), 7,
                 inflation ? results::PayrollKind::InflationDifference : results::PayrollKind::Difference},
            unit);
        QCOMPARE(m.out.section(QLatin1Char('\n'), 0, 0), QStringLiteral("rows %1").arg(stored.size()));
        if (!inflation) {
            // Stored in key order; compute gives the selection's order: compare as sets of objects.
            QByteArray storedJson = payrollrun::resultRowsJson(stored);
            const auto objects = [](const QByteArray &json) {
                QList<QByteArray> parts = json.split('}');
                for (QByteArray &p : parts)
                    p = p.trimmed().replace("[", "").replace(",\n  {", "").replace("{", "").trimmed();
                std::sort(parts.begin(), parts.end());
                return parts;
            };
            QCOMPARE(objects(storedJson), objects(c.outBytes));
        }
        db.close();
    }

    void printedDocument_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("difference") << "difference"
                                    << QStringList{"ZERAN MAAŞ FARK BORDROSU", "AİT OLDUĞU AY 15 TEMMUZ 2026", "Emanete Alınan",
                                                   "Net Ele Geçen", "A L T T O P L A M L A R", "Düzenleyen"};
        QTest::newRow("inflation") << "inflation"
                                   << QStringList{"ZERAN MAAŞ FARK BORDROSU", "KURUMU TÜMÜ", "GSS%12", "G.S%12", "NET MAAŞ",
                                                  "A L T T O P L A M L A R", "Harcama Yetkilisi"};
    }
    void printedDocument()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, expected);
        const QString pdf = QDir(fresh_.dir.path()).filePath(kind + QStringLiteral(".pdf"));
        QStringList args{QStringLiteral("print"), kind, fresh_.dir.path(), QStringLiteral("--today"), QStringLiteral("2026-07-15"),
                         QStringLiteral("--month-days"), QStringLiteral("30"), QStringLiteral("--diff-days"), QStringLiteral("14"),
                         QStringLiteral("--retirement"), QStringLiteral("--pdf"), pdf};
        if (kind == QLatin1String("inflation"))
            args << QStringLiteral("--late-rate") << QStringLiteral("5");
        const test::CliRun run = test::runCli(args);
        QVERIFY2(run.code == 0, qPrintable(run.err));
        // Compared without blanks: the letter-spaced totals heading comes back joined.
        const QString text = test::pdfPages(pdf).join(QString()).remove(QRegularExpression(QStringLiteral("\\s")));
        for (const QString &e : expected)
            QVERIFY2(text.contains(QString(e).remove(QLatin1Char(' '))), qPrintable(e));
    }

    void refusedOptions()
    {
        const test::CliRun run = test::runCli({QStringLiteral("payroll"), QStringLiteral("difference"), QStringLiteral("compute"),
                                               fresh_.dir.path(), QStringLiteral("--today"), QStringLiteral("2026-07-15"),
                                               QStringLiteral("--month-days"), QStringLiteral("30"), QStringLiteral("--diff-days"),
                                               QStringLiteral("31")});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(QStringLiteral("Fark Günü")));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDifferenceCli)
#include "tst_difference_cli.moc"
