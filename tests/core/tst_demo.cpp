// The demo institution: a filled database must be one the payroll can run on (every
// reference resolves, every code is one the screens know, every special case is there),
// and the same on every run.

#include "demo.h"
#include "money.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

#include <map>
#include <memory>

using namespace zeran;

namespace {

constexpr int kYear = 2026;

/// The Turkish identity-number rule, written out on its own.
bool validIdentityNumber(const QString &s)
{
    if (s.size() != 11 || s.at(0) == u'0')
        return false;
    int d[11];
    for (int i = 0; i < 11; ++i) {
        if (!s.at(i).isDigit())
            return false;
        d[i] = s.at(i).digitValue();
    }
    const int tenth = (((d[0] + d[2] + d[4] + d[6] + d[8]) * 7 - (d[1] + d[3] + d[5] + d[7])) % 10 + 10) % 10;
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += d[i];
    return d[9] == tenth && d[10] == sum % 10;
}

/// ISO 13616: "TR" and 24 digits whose rearranged form is 1 mod 97.
bool validIban(const QString &s)
{
    static const QRegularExpression shape(QStringLiteral("^TR\\d{24}$"));
    if (!shape.match(s).hasMatch())
        return false;
    int rest = 0;
    for (const QChar c : s.mid(4) + QStringLiteral("2927") + s.mid(2, 2))
        rest = (rest * 10 + c.digitValue()) % 97;
    return rest == 1;
}

/// A child's age as the children screen reckons it: the days since birth laid onto
/// 30 December 1899, read as a year after 1900.
int ledgerAge(const QDate &birth, const QDate &on)
{
    if (!birth.isValid())
        return 0;
    return QDate(1899, 12, 30).addDays(birth.daysTo(on)).year() - 1900;
}

QString cell(const QVariant &v)
{
    if (v.isNull())
        return QStringLiteral("NULL");
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float)
        return QString::number(v.toDouble(), 'g', 17);
    return v.toString();
}

/// Every row of a table as text, sorted, so that two databases can be compared.
QStringList dump(const db::Database &db, const QString &table)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT * FROM ") + table);
    QStringList rows;
    while (q.next()) {
        const QSqlRecord rec = q.record();
        QStringList cells;
        for (int i = 0; i < rec.count(); ++i)
            cells << rec.fieldName(i) + QLatin1Char('=') + cell(q.value(i));
        rows << cells.join(QLatin1Char('|'));
    }
    rows.sort();
    return rows;
}

const QStringList kDemoTables = {
    QStringLiteral("PTANIM"),   QStringLiteral("BIRIM"),    QStringLiteral("SICIL"),   QStringLiteral("ZERBORBIL"),
    QStringLiteral("UNTAN"),    QStringLiteral("IL"),       QStringLiteral("ILCE"),    QStringLiteral("HIZSNF"),
    QStringLiteral("HIZSNF1"),  QStringLiteral("GOSTAN"),   QStringLiteral("EKGOSTAN"), QStringLiteral("ZERKANOR"),
    QStringLiteral("VEROR"),    QStringLiteral("ISCKANOR"), QStringLiteral("ZERHESTUR"), QStringLiteral("ZERKES"),
    QStringLiteral("SENDIKA"),  QStringLiteral("BESFIRMA"), QStringLiteral("COCUK"),   QStringLiteral("ICRA"),
    QStringLiteral("HIZBOR"),
};

/// A fresh main database with an open connection to it.
struct Opened {
    test::FreshDatabase fresh;
    db::Database db{test::uniqueName("demo")};
    Opened() { db.open(fresh.params); }
};

}  // namespace

class TestDemo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void settingsRow();
    void peopleAndPayRecords();
    void codes_data();
    void codes();
    void specialCases_data();
    void specialCases();
    void registryNumbers();
    void indicatorsFollowTable();
    void childCountsMatchLedger();
    void rates_data();
    void rates();
    void amountsHaveTwoDecimals_data();
    void amountsHaveTwoDecimals();

    void sameRowsEveryTime();
    void refusesFilledDatabase();
    void failureLeavesNothing();

private:
    qint64 count(const QString &sql, const QVariantMap &binds = {}) const
    {
        return filled_->db.scalar(sql, binds).toLongLong();
    }

    std::unique_ptr<Opened> filled_;
};

void TestDemo::initTestCase()
{
    filled_ = std::make_unique<Opened>();
    demo::fillDemoInstitution(filled_->db, {kYear});
    QCOMPARE(filled_->db.transactionDepth(), 0);
}

void TestDemo::settingsRow()
{
    QSqlQuery q = filled_->db.exec(QStringLiteral(
        "SELECT P.KURUM,P.CYIL,P.VER,U.MTUR,P.MODEMEBKOD FROM PTANIM P LEFT JOIN BIRIM U ON U.BKOD=P.MBKOD AND U.TUR='M'"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("ÖRNEK BELEDİYESİ"));
    QCOMPARE(q.value(1).toString(), QString::number(kYear));
    QCOMPARE(q.value(2).toString(), QStringLiteral("25.001"));
    QCOMPARE(q.value(3).toString().trimmed(), QStringLiteral("N"));  // the active unit is a salary unit
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM BIRIM WHERE TUR='M' AND BKOD=:B"), {{QStringLiteral("B"), q.value(4)}}),
             1);
    QVERIFY(!q.next());
}

void TestDemo::peopleAndPayRecords()
{
    const qint64 people = count(QStringLiteral("SELECT COUNT(*) FROM SICIL"));
    QVERIFY2(people >= 45 && people <= 60, qPrintable(QString::number(people)));

    // Every record belongs to a known person and a unit of this system; every person and
    // every unit has records.
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL B WHERE NOT EXISTS "
                                  "(SELECT 1 FROM BIRIM U WHERE U.BKOD=B.BKOD AND U.TUR='M')")), 0);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL B WHERE NOT EXISTS "
                                  "(SELECT 1 FROM SICIL S WHERE S.PKAYNO=B.PKAYNO)")), 0);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM SICIL S WHERE NOT EXISTS "
                                  "(SELECT 1 FROM ZERBORBIL B WHERE B.PKAYNO=S.PKAYNO)")), 0);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM BIRIM U WHERE NOT EXISTS "
                                  "(SELECT 1 FROM ZERBORBIL B WHERE B.BKOD=U.BKOD)")), 0);
    QVERIFY(count(QStringLiteral("SELECT COUNT(DISTINCT MTUR) FROM BIRIM WHERE TUR='M'")) >= 4);

    // Personnel codes are numbered 1..n within each unit.
    QSqlQuery q = filled_->db.exec(QStringLiteral(
        "SELECT BKOD,COUNT(*),COUNT(DISTINCT PKOD),MIN(PKOD),MAX(PKOD) FROM ZERBORBIL GROUP BY BKOD"));
    int units = 0;
    while (q.next()) {
        ++units;
        const QString unit = q.value(0).toString();
        QVERIFY2(q.value(1) == q.value(2), qPrintable(unit));
        QVERIFY2(q.value(3).toInt() == 1, qPrintable(unit));
        QVERIFY2(q.value(4) == q.value(1), qPrintable(unit));
    }
    QVERIFY(units >= 5);

    // Married records say whether the spouse works; the others leave it empty.
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE MHAL='1' AND (ESI IS NULL OR ESI NOT IN ('1','2','3'))")),
             0);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE MHAL<>'1' AND ESI IS NOT NULL")), 0);

    // Turkish letters survive the trip through the connection's character set.
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM SICIL WHERE ADI=:A AND SOYADI=:S"),
                   {{QStringLiteral("A"), QStringLiteral("Şükrü")}, {QStringLiteral("S"), QStringLiteral("ÖZER")}}),
             1);
}

void TestDemo::codes_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QStringList>("allowed");
    const auto row = [](const char *t, const char *c, const QStringList &allowed) {
        QTest::addRow("%s.%s", t, c) << QString::fromLatin1(t) << QString::fromLatin1(c) << allowed;
    };
    const QStringList yesNo{QStringLiteral("E"), QStringLiteral("H")};
    row("ZERBORBIL", "DURUM", {QStringLiteral("E"), QStringLiteral("H"), QStringLiteral("A"), QStringLiteral("Ü")});
    row("ZERBORBIL", "GSSTUR", {QStringLiteral("E"), QStringLiteral("5"), QStringLiteral("Y"), QStringLiteral("V")});
    row("ZERBORBIL", "PERTUR", {QStringLiteral("M"), QStringLiteral("S"), QStringLiteral("D")});
    row("ZERBORBIL", "MHAL", {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    for (const char *flag : {"AGI", "ACOCYRD", "KISTEMKES", "KEFALET", "SENDIKA", "YIG", "VEKIL", "BES", "KISZAMAN", "KAZS1",
                             "KAZS4", "KAZS10"})
        row("ZERBORBIL", flag, yesNo);
    row("SICIL", "CINS", {QStringLiteral("E"), QStringLiteral("K")});
    row("SICIL", "MBKOD", {QStringLiteral("Evet"), QStringLiteral("Hayır")});
    row("COCUK", "ODUR", {QStringLiteral("O"), QStringLiteral("İ"), QStringLiteral("L"), QStringLiteral("Y")});
    row("COCUK", "CINS", {QStringLiteral("E"), QStringLiteral("K")});
    row("ICRA", "DUR", {QStringLiteral("D"), QStringLiteral("T")});
    row("HIZBOR", "DUR", {QStringLiteral("D"), QStringLiteral("T")});
    row("BIRIM", "MTUR", {QStringLiteral("N"), QStringLiteral("M"), QStringLiteral("E"), QStringLiteral("O"),
                          QStringLiteral("V"), QStringLiteral("K")});
    row("BIRIM", "AKTIF", {QStringLiteral("A"), QStringLiteral("P")});
    row("ZERHESTUR", "DUR", {QStringLiteral("V"), QStringLiteral("Y")});
    row("ZERHESTUR", "TUR", {QStringLiteral("S"), QStringLiteral("D"), QStringLiteral("P")});
    row("ZERKES", "AKTIF", {QStringLiteral("A"), QStringLiteral("P")});
    row("SENDIKA", "HTUR", {QStringLiteral("T"), QStringLiteral("D")});
    row("SENDIKA", "TUR", {QStringLiteral("M")});
}

void TestDemo::codes()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QStringList, allowed);
    QSqlQuery q = filled_->db.exec(QStringLiteral("SELECT DISTINCT %1 FROM %2").arg(column, table));
    int values = 0;
    while (q.next()) {
        ++values;
        QVERIFY2(!q.value(0).isNull(), "empty code");
        // CHAR columns come back blank-padded through the UTF8 connection.
        const QString v = q.value(0).toString().trimmed();
        QVERIFY2(allowed.contains(v), qPrintable(v));
    }
    QVERIFY(values > 0);
}

void TestDemo::specialCases_data()
{
    QTest::addColumn<QString>("sql");
    const auto add = [](const char *name, const char *sql) { QTest::newRow(name) << QString::fromUtf8(sql); };
    const char *inKind = "SELECT COUNT(*) FROM ZERBORBIL B JOIN BIRIM U ON U.BKOD=B.BKOD AND U.TUR='M' WHERE U.MTUR=";
    const auto kind = [&](const char *name, const char *mtur, const char *cond) {
        QTest::newRow(name) << QString::fromUtf8(inKind) + QStringLiteral("'%1' AND ").arg(QLatin1String(mtur)) +
                                   QString::fromUtf8(cond);
    };
    kind("paid salary record", "N", "B.DURUM='E'");
    kind("suspended", "N", "B.DURUM='A'");
    kind("unpaid leave", "N", "B.DURUM='Ü'");
    kind("not paid", "N", "B.DURUM='H'");
    kind("contract staff", "N", "B.PERTUR='S'");
    kind("other pay kind", "N", "B.PERTUR='D'");
    kind("no insurance", "N", "B.GSSTUR='Y'");
    kind("retirement fund", "N", "B.GSSTUR='E'");
    kind("law 5510", "N", "B.GSSTUR='5'");
    kind("married, spouse not working", "N", "B.MHAL='1' AND B.ESI='2'");
    kind("married, spouse works", "N", "B.MHAL='1' AND B.ESI='1'");
    kind("married, spouse retired", "N", "B.MHAL='1' AND B.ESI='3'");
    kind("single", "N", "B.MHAL='2'");
    kind("divorced with a child", "N", "B.MHAL='3' AND B.DIGCOC>0");
    kind("children up to six", "N", "B.COC1>0");
    kind("children over six", "N", "B.COC2>0");
    kind("more than three children", "N", "B.DIGCOC>3");
    kind("union member", "N", "B.SENDIKA='E' AND EXISTS (SELECT 1 FROM SENDIKA S WHERE S.SENKOD=B.SENKOD AND S.TUR='M')");
    kind("union on stamp-tax base", "N",
         "B.SENDIKA='E' AND EXISTS (SELECT 1 FROM SENDIKA S WHERE S.SENKOD=B.SENKOD AND S.HTUR='D')");
    kind("union on base pay", "N",
         "B.SENDIKA='E' AND EXISTS (SELECT 1 FROM SENDIKA S WHERE S.SENKOD=B.SENKOD AND S.HTUR='T')");
    kind("private pension", "N", "B.BES='E' AND B.BESORAN>0 AND EXISTS (SELECT 1 FROM BESFIRMA F WHERE F.FKOD=B.BESKOD)");
    kind("disabled", "N", "B.SAKDER BETWEEN 1 AND 3");
    kind("part month", "N", "B.KGUN>0 AND B.KGUN<31");
    kind("meal days", "N", "B.YEMEKGUN>0");
    kind("surety fund", "N", "B.KEFALET='E'");
    kind("surety first-entry fee", "N", "B.YIG='E' AND B.GSSTUR='E'");
    kind("deputy", "N", "B.VEKIL='E'");
    kind("part-time", "N", "B.KISZAMAN='E'");
    kind("promotion difference", "N", "B.TFA>1 AND B.GF<>0");
    kind("seniority increase", "N", "B.KIDART>0");
    kind("seniority capped at 25", "N", "B.KIDEM>25");
    kind("sick report over a week", "N", "B.RAPOR>7");
    kind("short sick report", "N", "B.RAPOR BETWEEN 2 AND 7");
    kind("additional indicator", "N", "B.EGOS>0");
    kind("retirement indicator above pay indicator", "N", "B.EGOS<B.MEGOS");
    kind("overtime", "N", "B.MESAI>0");
    kind("special deduction", "N", "B.KES1>0");
    kind("fine and private insurance", "N", "B.PCEZA>0 AND B.OZIN>0");
    kind("housing rent", "N", "B.KIRA>0");
    kind("fixed extra earning", "N", "B.KAZS4='E'");
    kind("points on the coefficient", "N", "B.KAZ2>0");
    kind("points on the highest pay", "N", "B.KAZ3>0");
    kind("council member", "M", "B.OTURUM>0");
    kind("council meal deduction", "M", "B.KES1>0");
    kind("committee member", "E", "B.OTURUM>0 AND B.ZERAN IS NULL");
    kind("committee civil servant", "E", "B.OTURUM>0 AND B.ZERAN='M'");
    kind("acting record", "K",
         "B.OTURUM>0 AND EXISTS (SELECT 1 FROM ZERBORBIL V WHERE V.PKAYNO=B.VEKPKAYNO AND V.BKOD=B.VEKBKOD)");
    add("open garnishment", "SELECT COUNT(*) FROM ICRA WHERE DUR='D' AND TUTAR>0 AND KESTUT>0");
    add("finished garnishment", "SELECT COUNT(*) FROM ICRA WHERE DUR='T' AND TUTAR>0");
    add("running service debt", "SELECT COUNT(*) FROM HIZBOR WHERE DUR='D' AND TUTAR>0 AND KESTUT>0");
    add("person in two units",
        "SELECT COUNT(*) FROM (SELECT PKAYNO FROM ZERBORBIL GROUP BY PKAYNO HAVING COUNT(DISTINCT BKOD)>1)");
    add("left out of the bank file", "SELECT COUNT(*) FROM SICIL WHERE MBKOD='Hayır'");
    add("left a union", "SELECT COUNT(*) FROM SICIL WHERE ICTAR IS NOT NULL AND CIKSNDN IS NOT NULL");
    add("fixed earning has an amount", "SELECT COUNT(*) FROM ZERHESTUR WHERE DUR='V' AND TUR='S' AND TUTAR>0");
    add("passive deduction", "SELECT COUNT(*) FROM ZERKES WHERE AKTIF='P'");
}

void TestDemo::specialCases()
{
    QFETCH(QString, sql);
    QVERIFY2(count(sql) > 0, qPrintable(sql));
}

void TestDemo::registryNumbers()
{
    QSqlQuery q = filled_->db.exec(QStringLiteral("SELECT TCKNO,INO,EMSNO,ADI,SOYADI FROM SICIL"));
    QSet<QString> seen;
    while (q.next()) {
        const QString tc = q.value(0).toString();
        const QString who = q.value(3).toString() + QLatin1Char(' ') + q.value(4).toString();
        QVERIFY2(validIdentityNumber(tc), qPrintable(who + QLatin1Char(' ') + tc));
        QVERIFY2(!seen.contains(tc), qPrintable(tc));
        seen.insert(tc);
        QVERIFY2(validIban(q.value(1).toString()), qPrintable(who + QLatin1Char(' ') + q.value(1).toString()));
        QVERIFY(!q.value(2).toString().isEmpty());
    }
    QVERIFY(!seen.isEmpty());
}

void TestDemo::indicatorsFollowTable()
{
    std::map<std::pair<int, int>, int> table;
    QSqlQuery g = filled_->db.exec(QStringLiteral("SELECT * FROM GOSTAN ORDER BY DER"));
    int previousFirst = 99999;
    int grades = 0;
    while (g.next()) {
        const int der = g.value(QStringLiteral("DER")).toInt();
        QCOMPARE(der, ++grades);
        int last = 0;
        for (int k = 1; k <= 12; ++k) {
            const int v = g.value(QStringLiteral("K%1").arg(k)).toInt();
            if (v == 0)
                continue;
            QVERIFY2(v > last, qPrintable(QStringLiteral("%1/%2").arg(der).arg(k)));  // rises step by step
            last = v;
            table[{der, k}] = v;
        }
        // Grades are numbered from the top: each starts below the one above it, and three
        // steps of a grade reach the first step of the grade above.
        QVERIFY(table.at({der, 1}) < previousFirst);
        if (der > 1)
            QCOMPARE(table.at({der, 4}), table.at({der - 1, 1}));
        previousFirst = table.at({der, 1});
    }
    QCOMPARE(grades, 15);
    QCOMPARE(table.at({1, 1}), 1320);
    QCOMPARE(table.at({1, 4}), 1500);
    QCOMPARE(table.at({15, 1}), 500);
    QVERIFY(!table.count({1, 5}));

    QSqlQuery q = filled_->db.exec(QStringLiteral(
        "SELECT B.BKOD,B.PKOD,B.DER,B.KAD,B.GOS,B.MDER,B.MKAD,B.MGOS,U.MTUR FROM ZERBORBIL B "
        "JOIN BIRIM U ON U.BKOD=B.BKOD AND U.TUR='M' WHERE U.MTUR IN ('N','K')"));
    QSet<int> indicators;
    for (const auto &[key, v] : table)
        indicators.insert(v);
    int checked = 0;
    while (q.next()) {
        const QString where = q.value(0).toString() + QLatin1Char('/') + q.value(1).toString();
        if (q.value(8).toString().trimmed() == QLatin1String("K")) {
            QVERIFY2(indicators.contains(q.value(4).toInt()), qPrintable(where));  // the post stood in for
            continue;
        }
        const auto pay = table.find({q.value(2).toInt(), q.value(3).toInt()});
        QVERIFY2(pay != table.end() && pay->second == q.value(4).toInt(), qPrintable(where));
        const auto ret = table.find({q.value(5).toInt(), q.value(6).toInt()});
        QVERIFY2(ret != table.end() && ret->second == q.value(7).toInt(), qPrintable(where));
        QVERIFY2(q.value(5).toInt() <= q.value(2).toInt(), qPrintable(where));  // retirement grade never lower
        ++checked;
    }
    QVERIFY(checked >= 40);
}

void TestDemo::childCountsMatchLedger()
{
    std::map<qint64, QList<QDate>> births;
    QSqlQuery c = filled_->db.exec(QStringLiteral("SELECT PKAYNO,DTAR FROM COCUK"));
    while (c.next())
        births[c.value(0).toLongLong()].append(c.value(1).toDate());
    QVERIFY(births.size() >= 20);

    // The children screen compares with today's ages; the counts must hold all year.
    QSqlQuery q = filled_->db.exec(QStringLiteral("SELECT PKAYNO,BKOD,COC1,COC2,DIGCOC FROM ZERBORBIL"));
    while (q.next()) {
        const qint64 pk = q.value(0).toLongLong();
        for (const QDate &on : {QDate(kYear, 1, 1), QDate(kYear, 12, 31)}) {
            int young = 0, older = 0;
            for (const QDate &b : births[pk])
                (ledgerAge(b, on) <= 6 ? young : older)++;
            const QString where = QStringLiteral("%1 in %2 on %3").arg(pk).arg(q.value(1).toInt()).arg(on.toString(Qt::ISODate));
            QVERIFY2(q.value(2).toInt() == young, qPrintable(where));
            QVERIFY2(q.value(3).toInt() == older, qPrintable(where));
            QVERIFY2(q.value(4).toInt() == young + older, qPrintable(where));
        }
    }
}

void TestDemo::rates_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("period");
    for (const char *y : {"2025", "2026"}) {
        for (const char *p : {"1", "2"})
            QTest::addRow("%s/%s", y, p) << QString::fromLatin1(y) << QString::fromLatin1(p);
    }
}

void TestDemo::rates()
{
    QFETCH(QString, year);
    QFETCH(QString, period);
    const QVariantMap key{{QStringLiteral("YL"), year}, {QStringLiteral("DN"), period}};

    QSqlQuery k = filled_->db.exec(QStringLiteral("SELECT * FROM ZERKANOR WHERE YIL=:YL AND DON=:DN"), key);
    QVERIFY(k.next());
    for (const char *c : {"KATSAYI", "YOD", "TAK", "TAG", "EYMG", "KAK", "EMKESM", "EMKESD", "MYOI", "MYOP", "GSSI", "GSSP",
                          "AYRDP", "CYRDP1", "CYRDP2", "YEMEK", "SAKDER1", "KEF"})
        QVERIFY2(k.value(QLatin1String(c)).toDouble() > 0, c);
    // Percent columns hold percentages, not fractions.
    QCOMPARE(k.value(QStringLiteral("EMKESM")).toDouble(), 16.0);
    QCOMPARE(k.value(QStringLiteral("GSSI")).toDouble(), 7.5);
    QVERIFY(k.value(QStringLiteral("SAKDER1")).toDouble() > k.value(QStringLiteral("SAKDER2")).toDouble());
    QVERIFY(k.value(QStringLiteral("SAKDER2")).toDouble() > k.value(QStringLiteral("SAKDER3")).toDouble());
    QVERIFY(!k.next());

    QSqlQuery v = filled_->db.exec(QStringLiteral("SELECT * FROM VEROR WHERE YIL=:YL AND DON=:DN"), key);
    QVERIFY(v.next());
    double previous = 1;  // the tax screen refuses a first limit below 1
    for (const char *c : {"UST1", "UST2", "UST3", "UST4"}) {
        QVERIFY2(v.value(QLatin1String(c)).toDouble() > previous, c);
        previous = v.value(QLatin1String(c)).toDouble();
    }
    previous = 0;
    for (const char *c : {"OR1", "OR2", "OR3", "OR4"}) {
        QVERIFY2(v.value(QLatin1String(c)).toDouble() > previous, c);
        previous = v.value(QLatin1String(c)).toDouble();
    }
    QCOMPARE(v.value(QStringLiteral("DVER")).toDouble(), 7.59);
    QCOMPARE(v.value(QStringLiteral("ASUCR")).toDouble(), year == QLatin1String("2025") ? 26005.50 : 33030.00);
    QVERIFY(v.value(QStringLiteral("ENCUMEN")).toDouble() > 0);
    QVERIFY(v.value(QStringLiteral("MECLIS")).toDouble() > 0);

    // The minimum-wage exemption reads the worker rates by year alone.
    QSqlQuery w = filled_->db.exec(QStringLiteral("SELECT SHI,ISSIZI FROM ISCKANOR WHERE YIL=:YL AND DON=:DN"), key);
    QVERIFY(w.next());
    QCOMPARE(w.value(0).toDouble(), 14.0);
    QCOMPARE(w.value(1).toDouble(), 1.0);
}

void TestDemo::amountsHaveTwoDecimals_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("amounts");
    const auto list = [](const char *s) { return QString::fromLatin1(s).split(QLatin1Char(',')); };
    // FLOAT columns hold only binary fractions exactly: an amount like 1234.56 would come
    // back as 1234.5601 at the engine's four decimals.
    QTest::newRow("ZERBORBIL") << QStringLiteral("ZERBORBIL")
                               << list("LTAZ,DIGTAZ,DTAZ,MESAI,KES1,KES2,KES3,KES4,KES5,KAZ1,KAZ2,KAZ3,KAZ4,KAZ5,"
                                       "KAZ6,KAZ7,KAZ8,KAZ9,KAZ10,PCEZA,KIRA,OZIN,HIZBOR,ICRA");
    QTest::newRow("ICRA") << QStringLiteral("ICRA") << list("TUTAR,KESTUT");
    QTest::newRow("HIZBOR") << QStringLiteral("HIZBOR") << list("TUTAR,KESTUT");
    QTest::newRow("ZERKES") << QStringLiteral("ZERKES") << list("TUTAR");
    QTest::newRow("ZERHESTUR") << QStringLiteral("ZERHESTUR") << list("TUTAR");
    QTest::newRow("ZERKANOR") << QStringLiteral("ZERKANOR") << list("YEMEK,SAKDER1,SAKDER2,SAKDER3,INDIRIM,ASUCR");
    QTest::newRow("VEROR") << QStringLiteral("VEROR") << list("UST1,UST2,UST3,UST4,AGIUST,ASUCR,BASKAN,ENCUMEN,MECLIS");
}

void TestDemo::amountsHaveTwoDecimals()
{
    QFETCH(QString, table);
    QFETCH(QStringList, amounts);
    QSqlQuery q = filled_->db.exec(QStringLiteral("SELECT %1 FROM %2").arg(amounts.join(QLatin1Char(',')), table));
    int nonZero = 0;
    while (q.next()) {
        for (int i = 0; i < amounts.size(); ++i) {
            if (q.value(i).isNull())
                continue;
            const Money m = Money::fromDbDouble(q.value(i).toDouble());
            QVERIFY2(m.raw() % 100 == 0, qPrintable(amounts.at(i) + QLatin1Char(' ') + m.toPlain()));
            nonZero += m.isZero() ? 0 : 1;
        }
    }
    QVERIFY(nonZero > 0);
}

void TestDemo::sameRowsEveryTime()
{
    Opened second;
    demo::fillDemoInstitution(second.db, {kYear});
    for (const QString &table : kDemoTables) {
        const QStringList a = dump(filled_->db, table);
        QVERIFY2(!a.isEmpty(), qPrintable(table));
        QCOMPARE(dump(second.db, table), a);
    }
}

void TestDemo::refusesFilledDatabase()
{
    const QStringList before = dump(filled_->db, QStringLiteral("ZERBORBIL"));
    QVERIFY_THROWS_EXCEPTION(db::DbError, demo::fillDemoInstitution(filled_->db, {kYear}));
    QCOMPARE(filled_->db.transactionDepth(), 0);
    QCOMPARE(dump(filled_->db, QStringLiteral("ZERBORBIL")), before);
}

void TestDemo::failureLeavesNothing()
{
    // A rate row of the last period the demo writes makes its final insert fail; the
    // whole institution must go with it.
    Opened o;
    db::Transaction t(o.db);
    o.db.exec(QStringLiteral("INSERT INTO ZERKANOR (KAYNO,YIL,DON,KATSAYI) VALUES (:K,:Y,:D,:KT)"),
              {{QStringLiteral("K"), 50}, {QStringLiteral("Y"), QStringLiteral("2026")}, {QStringLiteral("D"), QStringLiteral("2")},
               {QStringLiteral("KT"), 1.0}});
    t.commit();

    QVERIFY_THROWS_EXCEPTION(db::DbError, demo::fillDemoInstitution(o.db, {kYear}));
    QCOMPARE(o.db.transactionDepth(), 0);
    for (const char *table : {"BIRIM", "SICIL", "ZERBORBIL", "COCUK", "ICRA", "HIZBOR", "GOSTAN", "UNTAN", "SENDIKA", "VEROR"})
        QVERIFY2(o.db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)).toInt() == 0, table);
    QCOMPARE(o.db.scalar(QStringLiteral("SELECT COUNT(*) FROM ZERKANOR")).toInt(), 1);
    QCOMPARE(o.db.scalar(QStringLiteral("SELECT KURUM FROM PTANIM")).toString(), QStringLiteral("KURUM ADI"));
}

QTEST_GUILESS_MAIN(TestDemo)
#include "tst_demo.moc"
