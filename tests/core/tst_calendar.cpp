#include "calendar.h"

#include <QtTest>

using namespace zeran::cal;

namespace zeran::cal {
char *toString(VersionGate g)
{
    switch (g) {
    case VersionGate::Lower: return qstrdup("Lower");
    case VersionGate::Equal: return qstrdup("Equal");
    case VersionGate::Higher: return qstrdup("Higher");
    }
    return qstrdup("?");
}
} // namespace zeran::cal

static QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

class TestCalendar : public QObject {
    Q_OBJECT

private slots:
    void monthNames_data();
    void monthNames();
    void weekdays_data();
    void weekdays();
    void tarihbul();
    void invalidDate();
    void don_data();
    void don();
    void payWindow_data();
    void payWindow();
    void statusDateText_data();
    void statusDateText();
    void dateText_data();
    void dateText();
    void versionNumber_data();
    void versionNumber();
    void compareVersion_data();
    void compareVersion();
    void turkishCase_data();
    void turkishCase();
    void constants();
};

void TestCalendar::monthNames_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("name");
    const char *names[] = {"OCAK", "ŞUBAT", "MART", "NİSAN", "MAYIS", "HAZİRAN",
                           "TEMMUZ", "AĞUSTOS", "EYLÜL", "EKİM", "KASIM", "ARALIK"};
    for (int m = 1; m <= 12; ++m)
        QTest::addRow("%d", m) << m << u8(names[m - 1]);
    QTest::newRow("0") << 0 << QString();
    QTest::newRow("13") << 13 << QString();
}

void TestCalendar::monthNames()
{
    QFETCH(int, month);
    QFETCH(QString, name);
    QCOMPARE(monthName(month), name);
}

void TestCalendar::weekdays_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");

    // One full week, Sunday first (Qt numbers Monday 1 … Sunday 7).
    QTest::newRow("Sun 2026-12-06") << QDate(2026, 12, 6) << 1 << u8("PAZAR");
    QTest::newRow("Mon 2026-12-07") << QDate(2026, 12, 7) << 2 << u8("PAZARTESİ");
    QTest::newRow("Tue 2026-12-08") << QDate(2026, 12, 8) << 3 << u8("SALI");
    QTest::newRow("Wed 2026-12-09") << QDate(2026, 12, 9) << 4 << u8("ÇARŞAMBA");
    QTest::newRow("Thu 2026-12-10") << QDate(2026, 12, 10) << 5 << u8("PERŞEMBE");
    QTest::newRow("Fri 2026-12-11") << QDate(2026, 12, 11) << 6 << u8("CUMA");
    QTest::newRow("Sat 2026-12-12") << QDate(2026, 12, 12) << 7 << u8("CUMARTESİ");
    QTest::newRow("Sun 2026-12-13") << QDate(2026, 12, 13) << 1 << u8("PAZAR");
    QTest::newRow("leap day 2028") << QDate(2028, 2, 29) << 3 << u8("SALI");
}

void TestCalendar::weekdays()
{
    QFETCH(QDate, date);
    QFETCH(int, number);
    QFETCH(QString, name);
    QCOMPARE(weekdayNumber(date), number);
    QCOMPARE(weekdayName(date), name);
    QCOMPARE(aygunbul(date).weekdayName, name);
}

void TestCalendar::tarihbul()
{
    const DateParts p = zeran::cal::tarihbul(QDate(2026, 12, 9));
    QCOMPARE(p.day, 9);
    QCOMPARE(p.weekdayName, u8("ÇARŞAMBA"));
    QCOMPARE(p.monthName, u8("ARALIK"));
    QCOMPARE(p.year, 2026);
    QCOMPARE(p.month, 12);

    const MonthWeekday mw = aygunbul(QDate(2027, 2, 1));
    QCOMPARE(mw.monthName, u8("ŞUBAT"));
    QCOMPARE(mw.weekdayName, u8("PAZARTESİ"));
}

void TestCalendar::invalidDate()
{
    const QDate bad;
    QCOMPARE(weekdayNumber(bad), 0);
    QCOMPARE(weekdayName(bad), QString());
    QCOMPARE(zeran::cal::statusDateText(bad), QString());
    QCOMPARE(zeran::cal::dateText(bad), QString());
    const DateParts p = zeran::cal::tarihbul(bad);
    QCOMPARE(p.month, 0);
    QVERIFY(p.monthName.isEmpty());
}

void TestCalendar::don_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("don");
    for (int m = 1; m <= 12; ++m)
        QTest::addRow("%d", m) << m << (m <= 6 ? QStringLiteral("1") : QStringLiteral("2"));
    QTest::newRow("0") << 0 << QString();
    QTest::newRow("13") << 13 << QString();
}

void TestCalendar::don()
{
    QFETCH(int, month);
    QFETCH(QString, don);
    QCOMPARE(donFor(month), don);
}

void TestCalendar::payWindow_data()
{
    QTest::addColumn<int>("ay");
    QTest::addColumn<int>("cyil");
    QTest::addColumn<QDate>("begin");
    QTest::addColumn<QDate>("end");

    QTest::newRow("May 2026") << 5 << 2026 << QDate(2026, 5, 15) << QDate(2026, 6, 14);
    QTest::newRow("December rolls the year")
        << 12 << 2026 << QDate(2026, 12, 15) << QDate(2027, 1, 14);
    QTest::newRow("November") << 11 << 2026 << QDate(2026, 11, 15) << QDate(2026, 12, 14);
    QTest::newRow("January") << 1 << 2026 << QDate(2026, 1, 15) << QDate(2026, 2, 14);
    // January 2026 on the calendar, working year still 2025.
    QTest::newRow("working year behind calendar")
        << 1 << 2025 << QDate(2025, 1, 15) << QDate(2025, 2, 14);
    QTest::newRow("December of earlier working year")
        << 12 << 2025 << QDate(2025, 12, 15) << QDate(2026, 1, 14);
    QTest::newRow("month 13") << 13 << 2026 << QDate() << QDate();
    QTest::newRow("month 0") << 0 << 2026 << QDate() << QDate();
}

void TestCalendar::payWindow()
{
    QFETCH(int, ay);
    QFETCH(int, cyil);
    QFETCH(QDate, begin);
    QFETCH(QDate, end);
    const PayWindow w = zeran::cal::payWindow(ay, cyil);
    QCOMPARE(w.begin, begin);
    QCOMPARE(w.end, end);
}

void TestCalendar::statusDateText_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("no leading zeros") << QDate(2026, 12, 9) << u8("9-ARALIK(12)-2026");
    QTest::newRow("first of January") << QDate(2027, 1, 1) << u8("1-OCAK(1)-2027");
    QTest::newRow("leap day") << QDate(2028, 2, 29) << u8("29-ŞUBAT(2)-2028");
}

void TestCalendar::statusDateText()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(zeran::cal::statusDateText(date), text);
}

void TestCalendar::dateText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date"); // invalid: the text is rejected
    QTest::addColumn<QString>("formatted");

    QTest::newRow("padded") << "09.12.2026" << QDate(2026, 12, 9) << "09.12.2026";
    QTest::newRow("short") << "9.1.2027" << QDate(2027, 1, 9) << "09.01.2027";
    QTest::newRow("leap day") << "29.02.2028" << QDate(2028, 2, 29) << "29.02.2028";
    QTest::newRow("no such day") << "29.02.2026" << QDate() << "";
    QTest::newRow("month 13") << "01.13.2026" << QDate() << "";
    QTest::newRow("iso order") << "2026-12-09" << QDate() << "";
    QTest::newRow("two-digit year") << "09.12.26" << QDate() << "";
    QTest::newRow("slashes") << "09/12/2026" << QDate() << "";
    QTest::newRow("extra part") << "09.12.2026.1" << QDate() << "";
    QTest::newRow("empty") << "" << QDate() << "";
}

void TestCalendar::dateText()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QFETCH(QString, formatted);
    const auto parsed = parseDateText(text);
    QCOMPARE(parsed.has_value(), date.isValid());
    if (parsed) {
        QCOMPARE(*parsed, date);
        QCOMPARE(zeran::cal::dateText(*parsed), formatted);
    }
}

void TestCalendar::versionNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number"); // -1: rejected

    QTest::newRow("current") << "25.001" << 25001;
    QTest::newRow("older") << "24.012" << 24012;
    QTest::newRow("newer") << "25.002" << 25002;
    QTest::newRow("padded column") << "25.001    " << 25001;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("no point") << "25001" << -1;
    QTest::newRow("comma") << "25,001" << -1;
    QTest::newRow("point misplaced") << "2.5001" << -1;
    QTest::newRow("two minor digits") << "25.01" << -1;
    QTest::newRow("four minor digits") << "25.0011" << -1;
    QTest::newRow("letter in major") << "a5.001" << -1;
    QTest::newRow("letter in minor") << "25.00a" << -1;
    QTest::newRow("trailing text") << "25.001x" << -1;
    QTest::newRow("sign") << "+5.001" << -1;
    QTest::newRow("arabic-indic digits") << u8("\u0662\u0665.\u0660\u0660\u0661") << -1;
}

void TestCalendar::versionNumber()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    const auto v = zeran::cal::versionNumber(text);
    QCOMPARE(v.value_or(-1), number);
}

void TestCalendar::compareVersion_data()
{
    QTest::addColumn<QString>("dbText");
    QTest::addColumn<VersionGate>("gate");
    QTest::newRow("equal") << "25.001" << VersionGate::Equal;
    QTest::newRow("older database") << "24.012" << VersionGate::Lower;
    QTest::newRow("newer database") << "25.002" << VersionGate::Higher;
    QTest::newRow("older by major only") << "24.999" << VersionGate::Lower;
    QTest::newRow("newer by major only") << "26.000" << VersionGate::Higher;
}

void TestCalendar::compareVersion()
{
    QFETCH(QString, dbText);
    QFETCH(VersionGate, gate);
    const auto db = zeran::cal::versionNumber(dbText);
    QVERIFY(db.has_value());
    QCOMPARE(zeran::cal::compareVersion(*db), gate);
    QCOMPARE(zeran::cal::compareVersion(*db, kSchemaVersion), gate);
}

void TestCalendar::turkishCase_data()
{
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");
    QTest::newRow("dotted i") << u8("istanbul") << u8("İSTANBUL");
    QTest::newRow("dotless i") << u8("ılık") << u8("ILIK");
    QTest::newRow("both i") << u8("şişli ılıca") << u8("ŞİŞLİ ILICA");
    QTest::newRow("other letters") << u8("çağrı öğün") << u8("ÇAĞRI ÖĞÜN");
    QTest::newRow("digits and marks") << u8("a-1.b") << u8("A-1.B");
}

void TestCalendar::turkishCase()
{
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    QCOMPARE(turkishUpper(lower), upper);
    QCOMPARE(turkishLower(upper), lower);
    QCOMPARE(turkishUpper(upper), upper);
}

void TestCalendar::constants()
{
    QCOMPARE(zeran::cal::versionNumber(QString::fromLatin1(kVersionText)), std::optional<int>(kSchemaVersion));
    QCOMPARE(QString::fromUtf8(kUpdateText), u8("Günc.6"));
}

QTEST_APPLESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
