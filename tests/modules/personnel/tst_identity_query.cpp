// The identity query through a stand-in program: what is refused before the program
// starts, how the arguments reach it, how its answer file is read, and that the caller's
// event loop keeps running while it works.

#include "identityquery.h"
#include "stubprogram.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

using namespace zeran;
using namespace zeran::personnel;
using Step = IdentityQueryResult::Step;

namespace {
IdentityQueryInput input(const test::StubProgram &stub, const QString &number)
{
    return {stub.folder(), QStringLiteral("KULLANICI"), QStringLiteral("gizli"), number};
}
}  // namespace

class TestIdentityQuery : public QObject {
    Q_OBJECT

private slots:
    void refusedBeforeTheProgramStarts_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("message");
        QTest::newRow("10 digits") << "K" << "1234567890" << int(Step::NumberWrong) << QString::fromUtf8(kIdentityNumberWrong);
        QTest::newRow("12 digits") << "K" << "123456789012" << int(Step::NumberWrong) << QString::fromUtf8(kIdentityNumberWrong);
        QTest::newRow("11 characters, not digits") << "K" << "1234567890x" << int(Step::NumberWrong)
                                                   << QString::fromUtf8(kIdentityNumberWrong);
        QTest::newRow("empty") << "K" << "" << int(Step::NumberMissing) << QString::fromUtf8(kIdentityNumberMissing);
        QTest::newRow("no NVI user") << "" << "12345678901" << int(Step::NoPermission)
                                     << QString::fromUtf8(kIdentityNoPermission);
    }
    void refusedBeforeTheProgramStarts()
    {
        QFETCH(QString, user);
        QFETCH(QString, number);
        QFETCH(int, step);
        QFETCH(QString, message);
        test::StubProgram stub;
        stub.answer(test::answerLines(number));
        ProgramRunner runner;
        IdentityQueryInput in = input(stub, number);
        in.user = user;
        const IdentityQueryResult r = runIdentityQuery(runner, in);
        QCOMPARE(int(r.step), step);
        QCOMPARE(identityMessage(r), message);
        QVERIFY(!stub.started());
    }

    void answerForTheNumberAsked()
    {
        test::StubProgram stub;
        stub.answer(test::answerLines(QStringLiteral("12345678901")));
        ProgramRunner runner;
        // A password with blanks and shell characters arrives as one unchanged argument.
        IdentityQueryInput in = input(stub, QStringLiteral(" 12345678901 "));
        in.password = QStringLiteral("p a;ss $(touch HACKED) `x` \"'");
        const IdentityQueryResult r = runIdentityQuery(runner, in);
        QCOMPARE(r.step, Step::Answer);
        QVERIFY(identityMessage(r).isEmpty());
        QCOMPARE(stub.arguments(), (QStringList{QStringLiteral("KULLANICI"), in.password, QStringLiteral("12345678901")}));
        QVERIFY(!QFile::exists(stub.file("HACKED")));
        QCOMPARE(QString::fromUtf8(stub.read("CWD.TXT")).trimmed(), QDir(stub.folder()).canonicalPath());
        QCOMPARE(r.answer.ADI, QStringLiteral("ŞÜKRÜ"));
        QCOMPARE(r.answer.dogumTarihi, QDate(1981, 4, 7));
        QCOMPARE(takeOverAddress(r.answer), QStringLiteral("KARAGEDİK MAH. ÖRNEK SK. 12/3"));
    }

    void answerFileOutcomes_data()
    {
        QTest::addColumn<QStringList>("answer");  // empty: the program leaves no file
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("message");
        QTest::newRow("another number") << test::answerLines(QStringLiteral("10987654321")) << int(Step::Mismatch)
                                        << QString::fromUtf8(kIdentityMismatch);
        QTest::newRow("query failed") << QStringList{"HK1:1", "Servis yanıt vermedi"} << int(Step::QueryFailed)
                                      << "Servis yanıt vermedi";
        QTest::newRow("unknown status") << QStringList{"???"} << int(Step::Unrecognised) << "";
        QTest::newRow("no file") << QStringList{} << int(Step::NoResultFile) << QString::fromUtf8(kIdentityNoFile);
    }
    void answerFileOutcomes()
    {
        QFETCH(QStringList, answer);
        QFETCH(int, step);
        QFETCH(QString, message);
        test::StubProgram stub;
        if (!answer.isEmpty())
            stub.answer(answer);
        ProgramRunner runner;
        const IdentityQueryResult r = runIdentityQuery(runner, input(stub, QStringLiteral("12345678901")));
        QVERIFY(stub.started());
        QCOMPARE(int(r.step), step);
        QCOMPARE(identityMessage(r), message);
    }

    void earlierAnswerIsNotTaken()
    {
        test::StubProgram stub;
        // Left by an earlier query for the same person; this run writes nothing.
        stub.write("NVI.TXT", test::answerLines(QStringLiteral("12345678901")).join(QStringLiteral("\r\n")).toUtf8());
        ProgramRunner runner;
        const IdentityQueryResult r = runIdentityQuery(runner, input(stub, QStringLiteral("12345678901")));
        QVERIFY(stub.started());
        QCOMPARE(r.step, Step::NoResultFile);
    }

    void programMissing()
    {
        test::StubProgram stub;
        QFile::remove(stub.path());
        ProgramRunner runner;
        IdentityQueryResult r = runIdentityQuery(runner, input(stub, QStringLiteral("12345678901")));
        QCOMPARE(r.step, Step::CouldNotStart);
        QCOMPARE(identityMessage(r), QString::fromUtf8(kIdentityCouldNotStart));

        IdentityQueryInput elsewhere = input(stub, QStringLiteral("12345678901"));
        elsewhere.folder = stub.folder() + QStringLiteral("/yok");
        r = runIdentityQuery(runner, elsewhere);
        QCOMPARE(r.step, Step::CouldNotStart);
    }

    void emptyFolderSettingMeansWindowsFolder()
    {
        QCOMPARE(identityFolder(QString()), QStringLiteral("C:\\Windows"));
        QCOMPARE(identityFolder(QStringLiteral("  ")), QStringLiteral("C:\\Windows"));
        QCOMPARE(identityFolder(QStringLiteral("/opt/nvi")), QStringLiteral("/opt/nvi"));
    }

    void eventLoopRunsWhileTheProgramWorks()
    {
        test::StubProgram stub;
        stub.write("SLEEP.TXT", "1");
        stub.answer(test::answerLines(QStringLiteral("12345678901")));
        ProgramRunner runner;
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(50);
        bool runningSeen = false;
        connect(&runner, &ProgramRunner::runningChanged, [&](bool running) { runningSeen |= running; });
        const IdentityQueryResult r = runIdentityQuery(runner, input(stub, QStringLiteral("12345678901")));
        QCOMPARE(r.step, Step::Answer);
        QVERIFY(runningSeen);
        QVERIFY(!runner.isRunning());
        QVERIFY2(ticks >= 5, qPrintable(QStringLiteral("%1 ticks").arg(ticks)));
    }

    void abandonedWaitStopsTheProgram()
    {
        test::StubProgram stub;
        stub.write("SLEEP.TXT", "30");
        stub.answer(test::answerLines(QStringLiteral("12345678901")));
        ProgramRunner runner;
        QTimer::singleShot(300, &runner, &ProgramRunner::abandon);
        QElapsedTimer clock;
        clock.start();
        const IdentityQueryResult r = runIdentityQuery(runner, input(stub, QStringLiteral("12345678901")));
        QCOMPARE(r.step, Step::Abandoned);
        QVERIFY(identityMessage(r).isEmpty());
        QVERIFY(clock.elapsed() < 10000);
        // The program was stopped before it could leave an answer.
        QTest::qWait(200);
        QVERIFY(!QFile::exists(stub.file("NVI.TXT")));
    }
};

QTEST_GUILESS_MAIN(TestIdentityQuery)
#include "tst_identity_query.moc"
