// The payment list and the printed bank list read from a real database (embedded and on the
// test server): who is listed, how a person's rows are grouped, where the month's difference
// and withheld pay land, the exclusion from the list, and the command line's file and PDF.

#include "bankfixture.h"
#include "banklistloader.h"
#include "paymentloader.h"
#include "pdftext.h"
#include "registry.h"
#include "testsupport.h"

#include <QFile>
#include <QtTest>

using namespace zeran;
using namespace zeran::bankfiles;
namespace fx = zeran::test::bank;
using fx::lira;

namespace {

struct Fixture {
    explicit Fixture(test::Mode mode = test::Mode::Embedded, bool everyone = true)
        : fresh(mode), db(test::uniqueName("bank"))
    {
        db.open(fresh.params);
        fx::fill(db, everyone);
    }
    test::FreshDatabase fresh;
    db::Database db;
};

PaymentQuery january(StaffGroup group = StaffGroup::Zeran, int unit = 0, bool difference = true)
{
    PaymentQuery q;
    q.year = QStringLiteral("2026");
    q.month = 1;
    q.unit = unit;
    q.group = group;
    q.addDifference = difference;
    return q;
}

// "PKAYNO/BKOD MAAS FARK ACIKKES" for each row.
QStringList describe(const std::vector<PaymentRow> &rows)
{
    QStringList out;
    for (const PaymentRow &r : rows)
        out << QStringLiteral("%1/%2 %3 %4 %5").arg(r.PKAYNO).arg(r.BKOD).arg(r.MAAS.toPlain(2), r.FARK.toPlain(2), r.ACIKKES.toPlain(4));
    return out;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestBankFilesData : public QObject {
    Q_OBJECT

private slots:
    void modes_data()
    {
        QTest::addColumn<test::Mode>("mode");
        QTest::newRow("embedded") << test::Mode::Embedded;
        QTest::newRow("server") << test::Mode::Server;
    }

    void paymentList_data() { modes_data(); }
    void paymentList()
    {
        QFETCH(test::Mode, mode);
        Fixture f(mode);
        // Kinds "1" and "3" of one unit are one row; AYŞE is listed in both of her units with
        // her month's difference and withheld pay on each row, as the list carries them; the
        // person with only a difference, without an account, excluded, unpaid or of a council
        // unit is not listed.
        QCOMPARE(describe(loadPaymentRows(f.db, january())),
                 QStringList({"1/1 1200.00 120.00 0.0000", "2/1 800.00 50.00 15.5555", "2/2 600.00 50.00 15.5555",
                              "8/2 900.00 0.00 0.0000"}));
        QCOMPARE(describe(loadPaymentRows(f.db, january(StaffGroup::Other))), QStringList({"6/3 700.00 0.00 0.0000"}));
        QCOMPARE(loadPaymentRows(f.db, january(StaffGroup::All)).size(), size_t(5));
        // Without "Farkı Ekle" the differences and the withheld pay of difference rows stay out.
        QCOMPARE(describe(loadPaymentRows(f.db, january(StaffGroup::Zeran, 0, false))).mid(0, 2),
                 QStringList({"1/1 1200.00 0.00 0.0000", "2/1 800.00 0.00 10.5555"}));
        // A file of the second unit alone does not pay AYŞE's difference again: it belongs to
        // her first row of the month, in the first unit's file.
        QCOMPARE(describe(loadPaymentRows(f.db, january(StaffGroup::Zeran, fx::kFen))),
                 QStringList({"2/2 600.00 0.00 0.0000", "8/2 900.00 0.00 0.0000"}));

        const Payments p = computePayments(loadPaymentRows(f.db, january()), Layout::Text);
        QCOMPARE(p.lines[0].amount, lira("1320.00"));
        QCOMPARE(p.lines[1].amount, lira("834.44"));
        QCOMPARE(p.lines[2].amount, lira("600.00"));
        QCOMPARE(p.total, lira("3654.44"));
    }

    void unitChoicesOfTheMonth_data() { modes_data(); }
    void unitChoicesOfTheMonth()
    {
        QFETCH(test::Mode, mode);
        Fixture f(mode);
        f.db.exec(QStringLiteral("INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR,AKTIF) VALUES (9,'KAPALI','M','N','P')"));
        fx::addResult(f.db, 8, 9, results::PayrollKind::Monthly, "10.00");
        QStringList names;
        for (const units::UnitName &u : unitChoices(f.db, QStringLiteral("2026"), 1))
            names << QStringLiteral("%1 %2").arg(u.BKOD).arg(u.BIRIM);
        QCOMPARE(names, QStringList({"2 FEN İŞLERİ", "3 MECLİS", "1 YAZI İŞLERİ"}));
        QVERIFY(unitChoices(f.db, QStringLiteral("2026"), 3).empty());
    }

    void excludedPersonLeavesTheList_data() { modes_data(); }
    void excludedPersonLeavesTheList()
    {
        QFETCH(test::Mode, mode);
        Fixture f(mode);
        QCOMPARE(personnel::excludeFromBankPayment(f.db, 1), 1);
        QCOMPARE(f.db.scalar(QStringLiteral("SELECT MBKOD FROM SICIL WHERE PKAYNO=1")).toString(), QStringLiteral("H"));
        const std::vector<PaymentRow> rows = loadPaymentRows(f.db, january());
        QCOMPARE(rows.size(), size_t(3));
        QCOMPARE(rows.front().PKAYNO, 2);
    }

    void printedList_data() { modes_data(); }
    void printedList()
    {
        QFETCH(test::Mode, mode);
        Fixture f(mode);
        BankListQuery q;
        q.year = QStringLiteral("2026");
        q.month = 1;
        q.addDifference = true;
        BankList list = loadBankList(f.db, q);
        QStringList lines;
        for (const BankListRow &r : list.rows)
            lines << QStringLiteral("%1/%2/%3 %4 %5 %6 %7")
                         .arg(r.source.PKAYNO)
                         .arg(r.source.BKOD)
                         .arg(r.source.TUR, r.MAAS.toPlain(2), r.FARK.toPlain(2), r.MAASNET.toPlain(2), r.NET.toPlain(2));
        // One line per non-difference row, no account or bank conditions; ALİ's two kinds of
        // difference are added and counted once in his unit and month; AYŞE's difference is in
        // her second unit, net of what it withholds.
        QCOMPARE(lines, QStringList({"1/1/1 1000.00 120.00 1000.00 1120.00", "1/1/3 200.00 0.00 200.00 200.00",
                                     "2/1/1 800.00 0.00 789.44 789.44", "4/1/1 500.00 0.00 500.00 500.00",
                                     "5/1/1 500.00 0.00 500.00 500.00", "7/1/1 0.00 0.00 0.00 0.00",
                                     "2/2/1 600.00 45.00 600.00 645.00", "8/2/1 900.00 0.00 900.00 900.00",
                                     "6/3/5 700.00 0.00 700.00 700.00"}));
        QCOMPARE(list.heading.monthText, QStringLiteral("OCAK"));
        QCOMPARE(list.layout, BankListLayout::A);

        // The special deductions count only when MKESDUR is "B".
        settingsrow::store(f.db, {{QStringLiteral("MKESDUR"), QStringLiteral("B")}});
        q.unit = fx::kYazi;
        list = loadBankList(f.db, q);
        QCOMPARE(list.rows[2].OZKES, lira("30.00"));
        QCOMPARE(list.rows[2].NET, lira("759.44"));
        QCOMPARE(list.heading.signatories.SAS, QStringLiteral("MUHASEBECİ 1"));
        // The whole year: every month separately.
        q.unit = 0;
        q.month = 0;
        QCOMPARE(loadBankList(f.db, q).rows.size(), size_t(10));
    }

    void fileAndPrintedListAgree()
    {
        Fixture f(test::Mode::Embedded, false);
        BankListQuery q;
        q.year = QStringLiteral("2026");
        q.month = 1;
        q.addDifference = true;
        const Payments p = computePayments(loadPaymentRows(f.db, january()), Layout::Text);
        QCOMPARE(bankListTotals(loadBankList(f.db, q).rows).NET, p.total);
    }

    void commandLine()
    {
        QTemporaryDir out;
        test::FreshDatabase fresh;
        {
            db::Database db(test::uniqueName("bank"));
            db.open(fresh.params);
            fx::fill(db);
        }
        const QString dir = fresh.dir.path();
        const QString file = out.filePath(QStringLiteral("ZER_4815162001.TXT"));
        const QStringList args = {QStringLiteral("bank-file"), dir, QStringLiteral("--today"), QStringLiteral("2026-01-20"),
                                  QStringLiteral("--run-timestamp"), QStringLiteral("2026-01-20T10:15:00"),
                                  QStringLiteral("-o"), file};
        test::CliRun r = test::runCli(args);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QString golden = QStringLiteral(ZERAN_BANKFILES_GOLDEN "/db-layout-t.txt");
        if (qEnvironmentVariableIsSet("ZERAN_GOLDEN_UPDATE")) {
            QFile g(golden);
            QVERIFY(g.open(QIODevice::WriteOnly));
            g.write(readFile(file));
        }
        QCOMPARE(readFile(file), readFile(golden));

        // An existing file is not replaced without being told to.
        r = test::runCli(args);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(QStringLiteral("zaten var")), qPrintable(r.err));
        // Merging the target into itself is refused.
        r = test::runCli(QStringList(args) << QStringLiteral("--merge") << file << QStringLiteral("--overwrite"));
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains(QStringLiteral("kendisi olamaz")));
        QCOMPARE(readFile(file), readFile(golden));

        // The printed list of the same month.
        const QString pdf = out.filePath(QStringLiteral("liste.pdf"));
        r = test::runCli({QStringLiteral("bank-list"), dir, QStringLiteral("--today"), QStringLiteral("2026-01-20"),
                          QStringLiteral("--difference"), QStringLiteral("--pdf"), pdf});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains(QStringLiteral("9 satır, Ele Geçen 5354.44")), qPrintable(r.out));
        const QString text = test::simplified(test::pdfPages(pdf).join(QLatin1Char('\n')));
        for (const QString &expected : {QStringLiteral("AYLIKLARI BANKA VASITASI İLE ÖDENECEK PERSONEL LİSTESİ"),
                                        QStringLiteral("ÖRNEK BANKASI / GÖLBAŞI ŞUBESİ"), QStringLiteral("OCAK 2026"),
                                        QStringLiteral("AYŞE KAYA"), QStringLiteral("22222222-2002"),
                                        QStringLiteral("Ele Geçen"), QStringLiteral("TOPLAM"),
                                        QStringLiteral("5.354,44"), QStringLiteral("Muhasebe Yetkilisi")})
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in ") + text));

        r = test::runCli({QStringLiteral("bank-list"), dir, QStringLiteral("--today"), QStringLiteral("2026-01-20"),
                          QStringLiteral("--layout"), QStringLiteral("B"), QStringLiteral("--pdf"), pdf});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QString b = test::simplified(test::pdfPages(pdf).join(QLatin1Char('\n')));
        for (const QString &expected : {QStringLiteral("T.C."), QStringLiteral("BANKA LİSTESİ"), QStringLiteral("OCAK 2026"),
                                        QStringLiteral("BİRİMİ : YAZI İŞLERİ"), QStringLiteral("BİRİMİ : FEN İŞLERİ"),
                                        QStringLiteral("Bölüm Toplamı"), QStringLiteral("Genel Toplam 5.189,44")})
            QVERIFY2(b.contains(expected), qPrintable(expected + QStringLiteral(" in ") + b));
    }
};

QTEST_GUILESS_MAIN(TestBankFilesData)
#include "tst_bankfiles_data.moc"
