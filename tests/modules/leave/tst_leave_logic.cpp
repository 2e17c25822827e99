// Leave balances as plain rows: mixed kinds, a leave across the year end, the carry into a new
// year agreeing with the remaining days, and the checks of a leave before it is stored.

#include "leavelogic.h"

#include <QtTest>

using namespace zeran::leave;

namespace {

Leave leave(int kind, int days, QDate from, QDate to)
{
    Leave l;
    l.ITUR = kind;
    l.MIKTAR = days;
    l.BASTAR = from;
    l.BITTAR = to;
    return l;
}

// 2025: 30 days; 2026: 30 days and 25 carried (what the carry makes from 2025).
const std::vector<Entitlement> kRows = {{QStringLiteral("2025"), 30, 0}, {QStringLiteral("2026"), 30, 25}};
const std::vector<Leave> kLeaves = {
    leave(1, 5, QDate(2025, 3, 1), QDate(2025, 3, 6)),
    leave(1, 10, QDate(2025, 12, 24), QDate(2026, 1, 5)),  // across the year end: used in 2026
    leave(2, 7, QDate(2026, 2, 1), QDate(2026, 2, 8)),     // sick leave: not from the entitlement
    leave(3, 2, QDate(2026, 4, 1), QDate(2026, 4, 3)),     // excuse leave
    leave(4, 3, QDate(2026, 5, 1), QDate(2026, 5, 4)),     // unpaid leave
    leave(1, 4, QDate(2026, 6, 1), QDate(2026, 6, 5)),
};

}  // namespace

class TestLeaveLogic : public QObject {
    Q_OBJECT

private slots:
    void balances_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<int>("carried");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("used");
        QTest::addColumn<int>("remaining");
        QTest::newRow("no rows and no leaves") << 2026 << true << 0 << 0 << 0 << 0;
        QTest::newRow("first year") << 2025 << false << 0 << 30 << 5 << 25;
        QTest::newRow("leave across the year end counts once, in the year of return")
            << 2026 << false << 25 << 30 << 14 << 41;
        QTest::newRow("year without rows carries the remaining days") << 2027 << false << 41 << 0 << 0 << 41;
        QTest::newRow("year before every row") << 2024 << false << 0 << 0 << 0 << 0;
    }
    void balances()
    {
        QFETCH(int, year);
        QFETCH(bool, empty);
        const Balance b = empty ? balance(year, {}, {}) : balance(year, kRows, kLeaves);
        QTEST(b.carried, "carried");
        QTEST(b.current, "current");
        QTEST(b.used, "used");
        QTEST(b.remaining, "remaining");
        QCOMPARE(b.remaining, b.current + b.carried - b.used);
        QCOMPARE(boxText(0), QStringLiteral("0"));
    }

    // The days carried into a year are the remaining days of the year before, so the carry and
    // the balance never disagree about a leave across the year end.
    void carryAgreesWithRemainingDays()
    {
        QCOMPARE(carriedInto(2026, kRows, kLeaves), balance(2025, kRows, kLeaves).remaining);
        QCOMPARE(carriedInto(2027, kRows, kLeaves), balance(2026, kRows, kLeaves).remaining);
        QCOMPARE(carriedInto(2027, kRows, kLeaves), 41);
        QCOMPARE(carriedInto(2026, {}, {}), 0);
    }

    void checks_data()
    {
        QTest::addColumn<QString>("days");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<int>("stored");
        const QDate a(2026, 7, 1), b(2026, 7, 11);
        QTest::newRow("whole days") << "10" << a << b << 1 << QString() << 10;
        QTest::newRow("spaces around") << " 7 " << a << b << 3 << QString() << 7;
        QTest::newRow("same day") << "1" << a << a << 2 << QString() << 1;
        QTest::newRow("no days") << "" << a << b << 1 << kMissingFields.toString() << 0;
        QTest::newRow("no start") << "5" << QDate() << b << 1 << kMissingFields.toString() << 0;
        QTest::newRow("no return") << "5" << a << QDate() << 1 << kMissingFields.toString() << 0;
        QTest::newRow("fraction") << "2,5" << a << b << 1 << kBadDays.toString() << 0;
        QTest::newRow("decimal point") << "2.5" << a << b << 1 << kBadDays.toString() << 0;
        QTest::newRow("text") << "on" << a << b << 1 << kBadDays.toString() << 0;
        QTest::newRow("negative") << "-3" << a << b << 1 << kBadDays.toString() << 0;
        QTest::newRow("zero") << "0" << a << b << 1 << kBadDays.toString() << 0;
        QTest::newRow("more than a year") << "400" << a << b << 1 << kBadDays.toString() << 0;
        QTest::newRow("return before start") << "5" << b << a << 1 << kEndBeforeStart.toString() << 0;
        QTest::newRow("no kind") << "5" << a << b << 0 << kBadKind.toString() << 0;
    }
    void checks()
    {
        QFETCH(QString, days);
        QFETCH(int, kind);
        QFETCH(QString, refusal);
        Leave l;
        l.ITUR = kind;
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        l.BASTAR = from;
        l.BITTAR = to;
        const auto r = checkLeave(l, days);
        QCOMPARE(r.value_or(QString()), refusal);
        QTEST(l.MIKTAR, "stored");
    }

    void yearDays()
    {
        QCOMPARE(parseYearDays(QStringLiteral("30")), std::optional<int>(30));
        QCOMPARE(parseYearDays(QStringLiteral("0")), std::optional<int>(0));
        QCOMPARE(parseYearDays(QStringLiteral("3O")), std::nullopt);
        QCOMPARE(parseYearDays(QStringLiteral("367")), std::nullopt);
        QCOMPARE(parseYearDays(QString()), std::nullopt);
    }

    void formCarriesTheLeave()
    {
        Leave l = leave(1, 12, QDate(2026, 7, 1), QDate(2026, 7, 15));
        l.OTAR = QDate(2026, 6, 20);
        l.OSAY = QStringLiteral("2026/45");
        l.ADRES = QStringLiteral("Çiçek Sk. 3\r\nİzmir");
        l.NOT = QStringLiteral("Uygundur");
        l.YET1 = QStringLiteral("ŞÜKRÜ ÖZ");
        l.YET = QStringLiteral("OĞUZ IŞIK");
        const auto doc = leaveForm(QStringLiteral("ÖRNEK BELEDİYESİ"), {QStringLiteral("AYŞE ÇELİK"), QStringLiteral("MEMUR"), QStringLiteral("123")},
                                   l, QDate(2026, 6, 25));
        QStringList texts;
        for (const auto &block : doc.body)
            for (const auto &band : block.bands)
                for (const auto &row : band.rows)
                    for (const auto &cell : row.cells)
                        texts << cell.text;
        for (const QString &expected : {QStringLiteral("İZİN FORMU"), QStringLiteral("ÖRNEK BELEDİYESİ"),
                                         QStringLiteral("20.06.2026 / 2026/45"), QStringLiteral("Yıllık İzin"),
                                         QStringLiteral("12"), QStringLiteral("01.07.2026"), QStringLiteral("15.07.2026"),
                                         QStringLiteral("Çiçek Sk. 3"), QStringLiteral("İzmir"), QStringLiteral("Uygundur"),
                                         QStringLiteral("ŞÜKRÜ ÖZ"), QStringLiteral("OĞUZ IŞIK"), QStringLiteral("25.06.2026"),
                                         QStringLiteral("OLUR"), QStringLiteral("Birim Müdürü")})
            QVERIFY2(texts.contains(expected), qPrintable(expected));
        QCOMPARE(doc.orientation, zeran::report::Orientation::Portrait);
    }
};

QTEST_GUILESS_MAIN(TestLeaveLogic)
#include "tst_leave_logic.moc"
