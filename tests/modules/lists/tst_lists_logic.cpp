// The payroll lists without a database: page names, deduction headings, the tax page's
// grouping, the columns that switch with the choices, CSV quoting, the printed frame and the
// small helpers of the views.

#include "lists.h"
#include "views.h"

#include <QtTest>

using namespace zeran;
using namespace zeran::lists;

namespace {

Money m(const char *plain)
{
    return *Money::parsePlain(QString::fromLatin1(plain));
}

ListSource tax(int pk, int pkod, int ay, double rate, const char *vermat)
{
    ListSource r;
    r.PKAYNO = pk;
    r.BKOD = 1;
    r.PKOD = pkod;
    r.YIL = QStringLiteral("2026");
    r.AY = ay;
    r.VEROR = rate;
    r.ADSOY = QStringLiteral("AYNI AD");
    r.VERMAT = r.DVMAT = m(vermat);
    r.GELVER = r.VERMAT.mulRateDiv(rate, 100);
    return r;
}

QStringList headingsOf(const Table &t)
{
    QStringList h;
    for (const Column &c : t.columns)
        h << c.heading;
    return h;
}

}  // namespace

class TestListsLogic : public QObject {
    Q_OBJECT

private slots:
    void pageNames()
    {
        QCOMPARE(int(pages().size()), 13);
        for (const PageInfo &p : pages()) {
            QCOMPARE(pageByName(p.key), std::optional<Page>(p.page));
            QCOMPARE(pageByName(p.name), std::optional<Page>(p.page));
            QCOMPARE(pageByName(p.entry), std::optional<Page>(p.page));
        }
        QCOMPARE(pageInfo(Page::Pension).name, QStringLiteral("B.E.S"));
        QCOMPARE(pageInfo(Page::Retirement12).heading, QStringLiteral("EMEKLİ KESENEKLERİNİN %12 Sİ"));
        QVERIFY(!pageByName(QStringLiteral("PERSONEL LİSTESİ")));
    }

    // Active definitions by their number; passive ones, numbers beyond five and empty names
    // keep the default.
    void deductionNames()
    {
        const std::array<QString, 5> names = deductionHeadings(
            {{3, QStringLiteral("SPOR "), QStringLiteral("A")}, {1, QStringLiteral("KREŞ"), QStringLiteral("P")},
             {6, QStringLiteral("ALTINCI"), QStringLiteral("A")}, {5, QString(), QStringLiteral("A")}});
        QCOMPARE(names[0], QStringLiteral("Özel Kes.1"));
        QCOMPARE(names[2], QStringLiteral("SPOR"));
        QCOMPARE(names[4], QStringLiteral("Özel Kes.5"));
    }

    // Rows of one person, unit, code, month and rate are one line; another rate, month, code
    // or person (even of the same name) a line of its own.
    void taxGrouping()
    {
        const std::vector<ListSource> grouped = groupTaxRows(
            {tax(1, 1, 1, 15, "1000"), tax(1, 1, 1, 15, "100"), tax(1, 1, 1, 20, "200"), tax(1, 1, 2, 15, "50"),
             tax(1, 2, 1, 15, "70"), tax(2, 1, 1, 15, "30")});
        QStringList got;
        for (const ListSource &r : grouped)
            got << QStringLiteral("%1/%2/%3/%4 %5 %6").arg(r.PKAYNO).arg(r.PKOD).arg(r.AY).arg(r.VEROR).arg(r.VERMAT.toPlain(2), r.GELVER.toPlain(2));
        QCOMPARE(got, (QStringList{QStringLiteral("1/1/1/15 1100.00 165.00"), QStringLiteral("1/1/1/20 200.00 40.00"),
                                   QStringLiteral("1/1/2/15 50.00 7.50"), QStringLiteral("1/2/1/15 70.00 10.50"),
                                   QStringLiteral("2/1/1/15 30.00 4.50")}));
    }

    void switchingColumns()
    {
        PageOptions o;
        o.deductionNames = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E")};
        QVERIFY(headingsOf(gridTable(Page::Retirement, {}, o)).contains(QStringLiteral("E.Kes.%35")));
        o.normalChosenAgain = true;
        QVERIFY(headingsOf(gridTable(Page::Retirement, {}, o)).contains(QStringLiteral("E.Kes.%36")));
        o.law5510 = true;
        QCOMPARE(headingsOf(gridTable(Page::Retirement, {}, o)),
                 (QStringList{QStringLiteral("Adı ve Soyadı"), QStringLiteral("Em.Sic.No"), QStringLiteral("M.Y.O.İşveren%11"),
                              QStringLiteral("M.Y.O.Zeran %9"), QStringLiteral("GSS.İşveren%7,5"), QStringLiteral("GSS.Zeran%5"),
                              QStringLiteral("Borçlanma")}));
        QCOMPARE(headingsOf(gridTable(Page::Special, {}, o)).mid(2),
                 (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E"),
                              QStringLiteral("Toplam")}));
        o.deduction = 2;
        ListSource r;
        r.KES = {m("1"), m("2"), m("3"), m("4"), m("5")};
        const Table one = printTable(Page::Special, {r, r}, o);
        QCOMPARE(headingsOf(one), (QStringList{QStringLiteral("Adı ve Soyadı"), QStringLiteral("S.S.N"), QStringLiteral("B")}));
        QCOMPARE(*one.totals[2], m("4"));
        // The private-pension bases are shown, not summed.
        QVERIFY(!printTable(Page::Pension, {r}, o).totals[4]);
    }

    void texts()
    {
        QCOMPARE(educationText(1), QStringLiteral("İlköğretim"));
        QCOMPARE(educationText(7), QStringLiteral("Okuryazar"));
        QCOMPARE(educationText(0), QString());
        QCOMPARE(educationText(8), QString());
        QCOMPARE(periodText(QDate(2026, 2, 20), 1, QStringLiteral("2026")), QStringLiteral("20 OCAK 2026 CUMA"));
        QCOMPARE(periodText(QDate(2026, 2, 20), 0, QStringLiteral("2026")), QStringLiteral("20 TÜMÜ 2026 CUMA"));
        QCOMPARE(kindText(QStringLiteral("1")), QStringLiteral("Maaş"));
        QCOMPARE(kindText(QStringLiteral("2")), QStringLiteral("Fark"));
        QCOMPARE(kindText(QStringLiteral("3")), QStringLiteral("Diğer"));
        QCOMPARE(kindText(QStringLiteral("8")), QStringLiteral("8"));
        QCOMPARE(periodWindow(QDate(2025, 12, 31), QDate(2026, 2, 1)), (std::optional<std::pair<int, int>>({202512, 202602})));
        QVERIFY(!periodWindow(QDate(), QDate(2026, 2, 1)));
    }

    void csvQuoting()
    {
        ListSource r;
        r.ADSOY = QStringLiteral("A;B \"C\"");
        r.EMSNO = QStringLiteral("1");
        r.KEFALET = m("-1234.5");
        const QByteArray csv = tableCsv(printTable(Page::Surety, {r}, {}));
        QCOMPARE(csv, QByteArray("S.No;Em.Sic.No.; Adı Soyadı;Kesinti Tutarı\n1;1;\"A;B \"\"C\"\"\";-1234.50\nTOPLAM;;;-1234.50\n"));
    }

    // The frame: title, the period joined as each report joins it, the summary caption by the
    // number of totals, none for the staff list, and the three signatories.
    void printedFrame()
    {
        ListHeading h;
        h.KURUM = QStringLiteral("K");
        h.unitName = QStringLiteral("TÜMÜ");
        h.monthText = QStringLiteral("OCAK");
        h.year = QStringLiteral("2026");
        ListSource r;
        r.KES = {m("1"), m("0"), m("0"), m("0"), m("0")};
        const auto textOf = [](const report::Document &d) {
            QStringList all;
            for (const report::Band &b : d.pageHeader)
                for (const report::Row &row : b.rows)
                    for (const report::Cell &c : row.cells)
                        all << c.caption + QLatin1Char('=') + c.text;
            for (const report::Block &bl : d.summary)
                for (const report::Band &b : bl.bands)
                    for (const report::Row &row : b.rows)
                        for (const report::Cell &c : row.cells)
                            all << c.text;
            return all;
        };
        report::Document d = listDocument(Page::Special, printTable(Page::Special, {r}, {}), h, {});
        QCOMPARE(d.title, QStringLiteral("ZERAN ÖZEL KESİNTİLER LİSTESİ"));
        QVERIFY(textOf(d).contains(QStringLiteral("Ait Olduğu Ay=OCAK  2026")));
        QVERIFY(textOf(d).contains(QStringLiteral("T O P L A M ")));
        QCOMPARE(int(d.signatures.size()), 3);
        QCOMPARE(d.signatures[1].role, QStringLiteral("Muhasebe Yetkilisi"));
        d = listDocument(Page::Tax, printTable(Page::Tax, {r}, {}), h, {});
        QVERIFY(textOf(d).contains(QStringLiteral("Ait Olduğu Ay=OCAK / 2026")));
        d = listDocument(Page::Allowance, printTable(Page::Allowance, {r}, {}), h, {});
        QVERIFY(textOf(d).contains(QStringLiteral("TOPLAM TUTAR")));
        QVERIFY(textOf(d).contains(QStringLiteral("YIL/AY=2026/OCAK")));
        d = listDocument(Page::Staff, printTable(Page::Staff, {r}, {}), h, {});
        QVERIFY(d.summary.empty());
        QCOMPARE(d.body.size(), std::size_t(1));
    }
};

QTEST_GUILESS_MAIN(TestListsLogic)
#include "tst_lists_logic.moc"
