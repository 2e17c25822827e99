// zeran-cli against checked-in expected output: "payroll compute", "payroll make" and the
// payroll document of the demo institution in several months, one with five months already
// made (through the make path). A missing or different expected file fails with the command
// that writes it anew (check the difference before committing it).

#include "demo.h"
#include "makemonths.h"
#include "pdftext.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

using namespace zeran;

namespace {

QString goldenDir()
{
    return qEnvironmentVariable("ZERAN_TEST_SOURCE") + QStringLiteral("/tests/modules/engine/golden");
}

int resultRowCount(const db::ConnectParams &params)
{
    db::Database db(test::uniqueName("count"));
    db.open(params);
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM ZERMAAS")).toInt();
}

/// One case of golden/: NAME.case says what to run; NAME.json, NAME.make.txt and
/// NAME.payroll.txt hold what "payroll compute", "payroll make" and the payroll document
/// (its PDF's text) must give. A new case is a new set of files.
struct GoldenCase {
    QString name, title;
    int year = 0;
    int made = 0;
    QStringList args;
    QStringList outputs;
};

GoldenCase readCase(const QString &file)
{
    GoldenCase c;
    c.name = QFileInfo(file).completeBaseName();
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return c;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("# ")))
            c.title = line.mid(2).trimmed();
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char('#')) || eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("year"))
            c.year = value.toInt();
        else if (key == QLatin1String("made"))
            c.made = value.toInt();
        else if (key == QLatin1String("args"))
            c.args = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        else if (key == QLatin1String("outputs"))
            c.outputs = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    return c;
}

/// Compares `out` with the expected file (or writes it with ZERAN_GOLDEN_UPDATE).
void compareGolden(const QString &file, const QByteArray &out)
{
    const QString path = goldenDir() + QLatin1Char('/') + file;
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
        const QString actual = QDir::temp().filePath(file);
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

}  // namespace

class TestPayrollGolden : public QObject {
    Q_OBJECT

private slots:
    void cases_data()
    {
        QTest::addColumn<QString>("file");
        const QStringList files = QDir(goldenDir()).entryList({QStringLiteral("*.case")}, QDir::Files, QDir::Name);
        QVERIFY(!files.isEmpty());
        for (const QString &f : files)
            QTest::newRow(qPrintable(readCase(goldenDir() + QLatin1Char('/') + f).title)) << f;
    }

    void cases()
    {
        QFETCH(QString, file);
        const GoldenCase c = readCase(goldenDir() + QLatin1Char('/') + file);
        QVERIFY2(c.year > 0 && !c.args.isEmpty() && !c.outputs.isEmpty(), qPrintable(file));

        test::FreshDatabase fresh;
        {
            db::Database db(test::uniqueName("golden"));
            db.open(fresh.params);
            demo::fillDemoInstitution(db, {c.year});
            test::makeMonths(db, c.made);
        }  // the embedded engine opens a file for one process at a time
        const int rowsBefore = resultRowCount(fresh.params);
        const QString dir = fresh.dir.path();

        // What is computed and printed comes first: neither writes anything.
        if (c.outputs.contains(QLatin1String("compute"))) {
            const test::CliRun cli = test::runCli(QStringList{QStringLiteral("payroll"), QStringLiteral("compute"), dir} + c.args);
            QVERIFY2(cli.code == 0, qPrintable(cli.err));
            QVERIFY2(cli.err.isEmpty(), qPrintable(cli.err));  // the demo's rates are complete: no warning
            QCOMPARE(resultRowCount(fresh.params), rowsBefore);
            compareGolden(c.name + QStringLiteral(".json"), cli.outBytes);
        }
        if (c.outputs.contains(QLatin1String("payroll"))) {
            const QString pdf = fresh.dir.filePath(QStringLiteral("bordro.pdf"));
            const test::CliRun cli = test::runCli(QStringList{QStringLiteral("print"), QStringLiteral("payroll"), dir} + c.args +
                                                  QStringList{QStringLiteral("--pdf"), pdf});
            QVERIFY2(cli.code == 0, qPrintable(cli.err));
            QCOMPARE(resultRowCount(fresh.params), rowsBefore);
            compareGolden(c.name + QStringLiteral(".payroll.txt"), test::pdfPages(pdf).join(QLatin1Char('\f')).toUtf8());
        }
        if (c.outputs.contains(QLatin1String("make"))) {
            const test::CliRun cli =
                test::runCli(QStringList{QStringLiteral("payroll"), QStringLiteral("make"), dir, QStringLiteral("--yes")} + c.args);
            QVERIFY2(cli.code == 0, qPrintable(cli.err));
            compareGolden(c.name + QStringLiteral(".make.txt"), cli.outBytes);
        }
    }
};

QTEST_GUILESS_MAIN(TestPayrollGolden)
#include "tst_payroll_golden.moc"
