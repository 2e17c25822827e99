// Past payrolls without a database: the calculated fields, the workbook's optional columns and
// withheld tax, the payment fields and the checks of a hand-entered tax base.

#include "archivelogic.h"

#include <QtTest>

using namespace zeran;
using namespace zeran::archive;

namespace {

Money m(const char *text)
{
    return *Money::parsePlain(QString::fromLatin1(text));
}

ArchiveRow row(int pkod, int month)
{
    ArchiveRow a;
    a.result.key = {10 + pkod, 3, pkod, PayrollKind::Monthly, QStringLiteral("2026"), month};
    for (std::size_t i = 0; i < 10; ++i)
        a.result.KAZA[i] = QStringLiteral("KAZANÇ %1").arg(i + 1);
    for (std::size_t i = 0; i < 5; ++i)
        a.result.KESA[i] = QStringLiteral("KESİNTİ %1").arg(i + 1);
    return a;
}

int column(const ExportSheet &s, const QString &heading)
{
    return int(s.headings.indexOf(heading));
}

}  // namespace

class TestArchiveLogic : public QObject {
    Q_OBJECT
private slots:
    void withheldTaxFields_data();
    void withheldTaxFields();
    void optionalColumnsFollowTheSums();
    void exportWritesTheStoredWithheldTax();
    void snapshotValuesAndKefalet();
    void journalFields_data();
    void journalFields();
    void taxBaseChecks_data();
    void taxBaseChecks();
    void deletionNeedsUnitAndMonth();
    void everyKindHasAName();
};

void TestArchiveLogic::withheldTaxFields_data()
{
    QTest::addColumn<QString>("gelver");
    QTest::addColumn<QString>("gelver1");
    QTest::addColumn<QString>("expected");  // empty: the field is empty
    QTest::newRow("tax above exemption") << "1500.00" << "1000.25" << "499.75";
    QTest::newRow("equal") << "1000.00" << "1000.00" << "";
    QTest::newRow("exemption above tax") << "900.00" << "1000.00" << "";
    QTest::newRow("no exemption") << "12.34" << "0" << "12.34";
}

void TestArchiveLogic::withheldTaxFields()
{
    QFETCH(QString, gelver);
    QFETCH(QString, gelver1);
    QFETCH(QString, expected);
    results::ResultRow r;
    r.GELVER = *Money::parsePlain(gelver);
    r.GELVER1 = *Money::parsePlain(gelver1);
    r.DAMVER = r.GELVER;
    r.DAMVER1 = r.GELVER1;
    const auto g = gelver2(r);
    QCOMPARE(g ? g->toPlain(2) : QString(), expected);
    const auto d = damver2(r);
    QCOMPARE(d ? d->toPlain(2) : QString(), expected);
}

void TestArchiveLogic::optionalColumnsFollowTheSums()
{
    // Σ KAZ3 = 0 (a plus and a minus), Σ KAZ5 = 12,50: a column for item 5 only, and every
    // later column shifts left by the columns left out.
    std::vector<ArchiveRow> rows{row(1, 3), row(2, 3)};
    rows[0].result.KAZ[2] = m("10.00");
    rows[1].result.KAZ[2] = m("-10.00");
    rows[0].result.KAZ[4] = m("12.50");
    rows[1].result.KES[1] = m("5.00");
    rows[0].result.GELTOP = m("1000.00");
    const ExportSheet s = exportSheet(rows, QStringLiteral("2026"));

    QCOMPARE(column(s, QStringLiteral("KAZANÇ 3")), -1);
    QCOMPARE(column(s, QStringLiteral("KAZANÇ 5")), 31);  // right after "FAZLA MESAİ" (column 31)
    QCOMPARE(column(s, QStringLiteral("GELİR TOPLAMI")), 32);
    QCOMPARE(column(s, QStringLiteral("KESİNTİ 2")), column(s, QStringLiteral("SENDİKA3")) + 1);
    QCOMPARE(column(s, QStringLiteral("KESİNTİ 1")), -1);
    QCOMPARE(s.headings.size(), 31 + 1 + 25 + 1 + 4);
    for (const auto &cells : s.rows)
        QCOMPARE(int(cells.size()), int(s.headings.size()));
    QCOMPARE(s.rows[0][31], SheetCell::number(QStringLiteral("12.50")));
    QCOMPARE(s.rows[0][32], SheetCell::number(QStringLiteral("1000.00")));
    QCOMPARE(s.rows[1][std::size_t(column(s, QStringLiteral("KESİNTİ 2")))], SheetCell::number(QStringLiteral("5.00")));

    // Nothing in any item: no optional column at all.
    const ExportSheet none = exportSheet({row(1, 1)}, QStringLiteral("2026"));
    QCOMPARE(none.headings.size(), 31 + 25 + 4);
}

void TestArchiveLogic::exportWritesTheStoredWithheldTax()
{
    ArchiveRow a = row(1, 5);
    a.result.GELVER = m("100.00");
    a.result.GELVER1 = m("150.00");  // the exemption exceeds the tax
    a.result.GELVERKES = Money();
    a.result.MAAS = m("20000.00");
    a.result.ACIKKES = m("1000.1250");
    a.TGVMAT = m("123457");
    const ExportSheet s = exportSheet({a}, QStringLiteral("2026"));
    const auto cell = [&](const char *h) { return s.rows[0][std::size_t(column(s, QString::fromUtf8(h)))]; };
    QCOMPARE(cell("GELİR VERGİSİ (KESİLEN)"), SheetCell::number(QStringLiteral("0.00")));
    QCOMPARE(cell("GELİR VERGİSİ(HESAPLANAN)"), SheetCell::number(QStringLiteral("100.00")));
    QCOMPARE(cell("GELİR VERGİSİ(İNDİRİLEN)"), SheetCell::number(QStringLiteral("150.00")));
    QCOMPARE(cell("TOPLAM GELİR VERGİSİ"), SheetCell::number(QStringLiteral("123457.00")));
    QCOMPARE(cell("NET MAAŞ"), SheetCell::number(QStringLiteral("18999.88")));
    QCOMPARE(cell("EMANETE ALINAN"), SheetCell::number(QStringLiteral("1000.13")));
    QCOMPARE(cell("MAAŞ DÖNEMİ"), SheetCell::text(QStringLiteral("2026 / 5")));
    QCOMPARE(cell("MAAŞ TÜRÜ"), SheetCell::text(QStringLiteral("Maaş Bordrosu")));
}

void TestArchiveLogic::snapshotValuesAndKefalet()
{
    ArchiveRow a = row(7, 2);
    a.result.KEFALET = m("45.60");
    results::SnapshotRow s;
    s.DER = 1;
    s.KAD = 4;
    s.GOS = 1320;
    s.COC1 = 2;
    s.KEFALET = QStringLiteral("E");
    a.snapshot = s;
    const ExportSheet sheet = exportSheet({a}, QStringLiteral("2026"));
    const auto cell = [&](const char *h) { return sheet.rows[0][std::size_t(column(sheet, QString::fromUtf8(h)))]; };
    QCOMPARE(cell("KEFALET"), SheetCell::number(QStringLiteral("45.60")));
    QCOMPARE(cell("DERECE / KADEME"), SheetCell::text(QStringLiteral("1 / 4")));
    QCOMPARE(cell("GÖSTERGE"), SheetCell::text(QStringLiteral("1320")));
    QCOMPARE(cell("0-6 YAŞ ÇOCUK"), SheetCell::text(QStringLiteral("2")));
    QCOMPARE(gradeText(a), QStringLiteral("1/4"));

    // Without a snapshot row the snapshot's cells stay empty and the row is still written.
    a.snapshot.reset();
    const ExportSheet bare = exportSheet({a}, QStringLiteral("2026"));
    QCOMPARE(bare.rows[0][std::size_t(column(bare, QStringLiteral("GÖSTERGE")))], SheetCell::text(QString()));
    QCOMPARE(bare.rows[0][std::size_t(column(bare, QStringLiteral("KEFALET")))], SheetCell::number(QStringLiteral("45.60")));

    const QJsonArray json = QJsonDocument::fromJson(rowsJson({a})).array();
    QCOMPARE(json.at(0)[QStringLiteral("KEFALET")].toString(), QStringLiteral("45.60"));
    QVERIFY(json.at(0)[QStringLiteral("ARSIV")].isNull());
}

void TestArchiveLogic::journalFields_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("shownDate");
    QTest::newRow("both empty") << "" << "  " << true << "";
    QTest::newRow("number and date") << "1234" << "5.3.2026" << true << "05.03.2026";
    QTest::newRow("letters in number") << "12a" << "" << false << "";
    QTest::newRow("negative number") << "-3" << "" << false << "";
    QTest::newRow("no such day") << "" << "30.02.2026" << false << "";
    QTest::newRow("date as bare digits") << "" << "20260305" << false << "";
}

void TestArchiveLogic::journalFields()
{
    QFETCH(QString, number);
    QFETCH(QString, date);
    QFETCH(bool, ok);
    QFETCH(QString, shownDate);
    const NumberReading n = readJournalNumber(number);
    const NumberReading d = readJournalDate(date);
    QCOMPARE(n.ok() && d.ok(), ok);
    if (ok) {
        QCOMPARE(n.value.has_value(), !number.trimmed().isEmpty());
        QCOMPARE(journalDateText(d.value), shownDate);
        QCOMPARE(journalNumberText(n.value), number.trimmed());
    }
}

void TestArchiveLogic::taxBaseChecks_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("runMonth");
    QTest::addColumn<QString>("base");  // "-": empty field
    QTest::addColumn<QString>("message");
    QTest::newRow("no month") << 0 << 5 << "10.00" << kChooseMonth;
    QTest::newRow("no base") << 3 << 5 << "-" << kEnterBase;
    QTest::newRow("after the run month") << 6 << 5 << "10.00" << kLaterThanRunMonth;
    QTest::newRow("negative") << 2 << 5 << "-1.00" << kNegativeBase;
    QTest::newRow("run month itself") << 5 << 5 << "10.00" << "";
    QTest::newRow("zero base") << 1 << 5 << "0" << "";
}

void TestArchiveLogic::taxBaseChecks()
{
    QFETCH(int, month);
    QFETCH(int, runMonth);
    QFETCH(QString, base);
    QFETCH(QString, message);
    const std::optional<Money> b = base == QLatin1String("-") ? std::nullopt : Money::parsePlain(base);
    QCOMPARE(taxBaseRefusal(month, runMonth, b), message);
}

void TestArchiveLogic::deletionNeedsUnitAndMonth()
{
    QCOMPARE(deleteRefusal(0, 3), QString::fromUtf8(kChooseUnitAndMonth));
    QCOMPARE(deleteRefusal(4, 0), QString::fromUtf8(kChooseUnitAndMonth));
    QCOMPARE(deleteRefusal(4, 3), QString());
    QVERIFY(deleteQuestion().startsWith(QString::fromUtf8(kDeleteQuestion)));
    QVERIFY(deleteQuestion().contains(QStringLiteral("EMKES")));
}

void TestArchiveLogic::everyKindHasAName()
{
    QCOMPARE(kindSelectorTexts().size(), 8);
    QCOMPARE(archiveKindName(PayrollKind::ExtraordinaryCouncil), QStringLiteral("Olağanüstü Meclis"));
    QCOMPARE(kindSelectorTexts().at(5), QStringLiteral("Olağanüstü Meclis "));
    QCOMPARE(archiveKindName(PayrollKind::InflationDifference), QStringLiteral("Enflasyon Farkı"));
    QCOMPARE(taxBaseKindText(PayrollKind::Committee), QStringLiteral("ENCÜMEN ÜCRETİ"));
}

QTEST_GUILESS_MAIN(TestArchiveLogic)
#include "tst_archive_logic.moc"
