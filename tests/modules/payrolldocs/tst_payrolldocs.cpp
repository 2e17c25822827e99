// The printed documents of the monthly payroll, written as PDF and read back: what a clerk
// finds on the page for the cases that go wrong in practice (an empty unit, a person of
// another staff kind after a civil servant, withheld pay, taxes fully covered by the
// minimum-wage exemption, the unit's signatories, totals against the stored rows, the preview
// setting of the payslips, the half-year of an archived month).

#include "demo.h"
#include "format.h"
#include "monthtotals.h"
#include "output.h"
#include "payrolldocs.h"
#include "pdftext.h"
#include "printing.h"
#include "printloader.h"
#include "resultstore.h"
#include "runloader.h"
#include "testsupport.h"
#include "writtenrow.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace zeran;
using namespace zeran::payrolldocs;

namespace {

Money m(const char *plain)
{
    return Money::parsePlain(QString::fromLatin1(plain)).value();
}

/// A document written to a PDF in its own folder and read back page by page.
struct Printed {
    explicit Printed(const report::Document &doc)
    {
        file = dir.filePath(QStringLiteral("belge.pdf"));
        QString error;
        ok = report::writePdf(doc, file, &error);
        if (!ok)
            qWarning("%s", qPrintable(error));
        pages = test::pdfPages(file);
    }
    QString all() const { return pages.join(QLatin1Char('\n')); }

    QTemporaryDir dir;
    QString file;
    bool ok = false;
    QStringList pages;
};

/// A run made of hand-set people: the pay is given, not computed, so that each case shows
/// exactly the amounts it is about.
struct HandRun {
    HandRun()
    {
        loaded.run.YIL = QStringLiteral("2026");
        loaded.run.AY = 1;
        loaded.run.DON = QStringLiteral("1");
        engine::PeriodRates &r = loaded.run.rates;
        r.KATSAYI = 1.387871;
        r.TAK = 22.722793;
        r.YOD = 0.440141;
        r.KAK = 20;
        r.EYMG = 9500;
        r.AYRDP = 1500;
        r.EYMM = engine::eymmAmount(r.EYMG, r.KATSAYI);
        r.INDIRIM = m("123.45");
        r.ASUCR = m("33030");
        context.KURUM = QStringLiteral("ÖRNEK BELEDİYESİ");
        context.ONIZ = QStringLiteral("E");
        context.ASUCISTISNA = QStringLiteral("E");
        context.unit = {7,
                        QStringLiteral("FEN İŞLERİ MÜDÜRLÜĞÜ"),
                        QString(),
                        QStringLiteral("Ayten ÖZTÜRK"),
                        QStringLiteral("V.H.K.İ."),
                        QStringLiteral("Gülşen ERDOĞAN"),
                        QStringLiteral("MUHASEBE YETKİLİSİ"),
                        QStringLiteral("Hüseyin KORKMAZ"),
                        QStringLiteral("YAZI İŞLERİ MÜDÜRÜ")};
    }

    void add(const QString &name, const QString &surname, QChar staffKind, const engine::PersonPay &pay)
    {
        payrollrun::RunPerson p;
        const int n = int(loaded.people.size()) + 1;
        engine::PayRecord &r = p.input.rec;
        r.PKAYNO = 100 + n;
        r.BKOD = 7;
        r.PKOD = n;
        r.UKOD = 1;
        r.DURUM = QLatin1Char('E');
        r.PERTUR = staffKind;
        r.DER = 5;
        r.KAD = 2;
        r.GOS = 865;
        r.MDER = 5;
        r.MKAD = 2;
        r.MGOS = 865;
        r.KIDEM = 12;
        p.ADI = name;
        p.SOYADI = surname;
        p.EMSNO = QStringLiteral("4563967404%1").arg(n);
        p.UNVAN = QStringLiteral("MÜHENDİS");
        p.BIRIM = context.unit.BIRIM;
        loaded.people.push_back(p);
        pays.push_back(pay);
    }

    RunData data() const { return {loaded, pays, context, QStringLiteral("15 OCAK 2026")}; }

    payrollrun::LoadedRun loaded;
    std::vector<engine::PersonPay> pays;
    PrintContext context;
};

/// An archive of hand-set stored rows.
ArchiveData handArchive(const std::vector<results::ResultRow> &rows)
{
    ArchiveData a;
    a.selection.year = QStringLiteral("2026");
    a.selection.month = 1;
    a.selection.unit = 7;
    a.context.KURUM = QStringLiteral("ÖRNEK BELEDİYESİ");
    a.context.unit.BKOD = 7;
    a.context.unit.BIRIM = QStringLiteral("FEN İŞLERİ MÜDÜRLÜĞÜ");
    int n = 0;
    for (const results::ResultRow &r : rows) {
        ArchiveRow row;
        row.result = r;
        row.result.key = {100 + n, 7, n + 1, results::PayrollKind::Monthly, QStringLiteral("2026"), 1};
        row.ADSOY = QStringLiteral("Kişi %1").arg(++n);
        a.rows.push_back(row);
    }
    return a;
}

/// The demo municipality in a database of its own, with the month's payroll made on demand.
struct Institution {
    Institution() : db(test::uniqueName("docs"))
    {
        db.open(fresh.params);
        demo::fillDemoInstitution(db, {2026});
        settings = payrollrun::readInstallationSettings(db);
    }

    struct Made {
        payrollrun::LoadedRun loaded;
        std::vector<engine::PersonPay> pays;
    };

    /// Computes the month's run of `unit` (0: every unit) and writes its rows as the payroll does.
    Made make(int month, int unit = 0)
    {
        payrollrun::RunSelection selection;
        selection.unit = unit;
        Made made;
        made.loaded = payrollrun::loadRun(db, payrollrun::RunPeriod::of(settings.CYIL, QDate(2026, month, 15)), selection,
                                          settings.engine);
        made.pays = payrollrun::computeAll(made.loaded);
        db::Transaction tx(db);
        results::deleteMonth(db, {made.loaded.run.YIL, month, results::PayrollKind::Monthly},
                             unit ? std::optional<int>(unit) : std::nullopt);
        results::ResultWriter writer(db);
        for (std::size_t i = 0; i < made.loaded.people.size(); ++i) {
            const engine::PersonInput &in = made.loaded.people[i].input;
            writer.insertResult(payrollrun::resultRow(made.loaded.run, in, made.pays[i]));
            writer.insertSnapshot(payrollrun::snapshotRow(made.loaded.run, in));
        }
        tx.commit();
        return made;
    }

    double katsayi(const char *don)
    {
        return db.scalar(QStringLiteral("SELECT KATSAYI FROM ZERKANOR WHERE YIL='2026' AND DON=:D"),
                         {{QStringLiteral("D"), QString::fromLatin1(don)}})
            .toDouble();
    }

    test::FreshDatabase fresh;
    db::Database db;
    payrollrun::InstallationSettings settings;
};

/// The letter-spaced heading "A L T      T O P L A M L A R" comes back with its letters joined.
QString unspaced(QString text)
{
    return text.remove(QLatin1Char(' '));
}

/// A page without its page number, to compare two prints of the same statement.
QString withoutPageNumber(const QString &page)
{
    return test::simplified(page).remove(QRegularExpression(QStringLiteral("SAYFA NO : \\d+")));
}

QStringList lineWords(const QString &line)
{
    return line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

}  // namespace

class TestPayrollDocs : public QObject {
    Q_OBJECT

private slots:
    void emptyRunStillPrintsHeaderAndZeroTotals()
    {
        HandRun run;
        const Printed pdf(payrollDocument(run.data()));
        QVERIFY(pdf.ok);
        QCOMPARE(pdf.pages.size(), 1);
        const QString page = test::simplified(pdf.pages.front());
        for (const char *expected :
             {"ZERAN MAAŞ BORDROSU", "SAYFA NO : 1", "BİRİMİ FEN İŞLERİ MÜDÜRLÜĞÜ", "DÖNEMİ 15 OCAK 2026",
              "Katsayı 1,387871", "Taban Aylığı Katsayısı 22,722793", "Yan Öd. Katsayısı 0,440141",
              "En Yüksek M.M. 13.184,77", "Ver. İndirimi 123,45", "Adı ve Soyadı", "NET MAAŞ", "İmza", "Düzenleyen",
              "Ayten ÖZTÜRK", "Muhasebe Yetkilisi", "Harcama Yetkilisi"})
            QVERIFY2(page.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(unspaced(page).contains(QStringLiteral("ALTTOPLAMLAR")));
        // Every column total is there, and is zero.
        QCOMPARE(page.count(QStringLiteral("0,00")), 54);
    }

    void otherStaffKindShowsZerosNotThePreviousPerson()
    {
        HandRun run;
        engine::PersonPay civil;
        civil.AYTUT = m("1000.01");
        civil.EGOSTUT = m("2000.02");
        civil.TABAY = m("4000.04");
        civil.KIDAY = m("5000.05");
        civil.YANOD = m("6000.06");
        civil.GELTOP = m("18000.18");
        civil.MAAS = m("18000.18");
        run.add(QStringLiteral("Ahmet"), QStringLiteral("YILMAZ"), QLatin1Char('M'), civil);
        // Computed for the other kind, but never shown or written.
        engine::PersonPay other;
        other.AYTUT = m("7777.71");
        other.EGOSTUT = m("7777.72");
        other.TABAY = m("7777.73");
        other.KIDAY = m("7777.74");
        other.YANOD = m("7777.75");
        other.GELTOP = m("900");
        other.MAAS = m("900");
        run.add(QStringLiteral("Veli"), QStringLiteral("DEMİR"), QLatin1Char('D'), other);

        const Printed statements(personStatements(run.data(), 102));
        QCOMPARE(statements.pages.size(), 1);
        const Printed both(runStatements(run.data(), results::MonthTotals{}));
        QCOMPARE(both.pages.size(), 3);
        const QString first = both.pages[0], second = both.pages[1];
        QVERIFY(second.contains(QStringLiteral("Veli DEMİR")));
        QCOMPARE(withoutPageNumber(statements.pages[0]), withoutPageNumber(second));
        const QList<std::pair<const char *, const char *>> lines = {{"Aylık Tutar", "1.000,01"},
                                                                   {"Ek Gösterge Tutarı", "2.000,02"},
                                                                   {"Taban Aylığı Tutarı", "4.000,04"},
                                                                   {"Kıdem Aylığı Tutarı", "5.000,05"},
                                                                   {"Yan Ödeme Tutarı", "6.000,06"}};
        for (const auto &[caption, civilValue] : lines) {
            QCOMPARE(test::wordsAfter(first, QString::fromUtf8(caption)).value(0), QString::fromUtf8(civilValue));
            QCOMPARE(test::wordsAfter(second, QString::fromUtf8(caption)).value(0), QStringLiteral("0"));
        }

        const Printed payroll(payrollDocument(run.data()));
        const Printed slips(payslips(run.data()));
        for (const Printed *pdf : {&both, &payroll, &slips})
            QVERIFY(!pdf->all().contains(QStringLiteral("7.777,7")));
        // The other person's four lines hold none of the civil servant's amounts.
        const QStringList lines4 = payroll.pages[0].split(QLatin1Char('\n'));
        qsizetype at = -1;
        for (qsizetype i = 0; i < lines4.size(); ++i) {
            if (lines4[i].contains(QStringLiteral("Veli DEMİR")))
                at = i;
        }
        QVERIFY(at >= 0);
        const QString block = lines4.mid(at, 4).join(QLatin1Char(' '));
        for (const auto &[caption, civilValue] : lines)
            QVERIFY2(!block.contains(QString::fromUtf8(civilValue)), civilValue);
        QVERIFY(block.contains(QStringLiteral("900,00")));
    }

    void netPaymentLessWithheld_data()
    {
        QTest::addColumn<QString>("maas");
        QTest::addColumn<QString>("acikkes");
        QTest::addColumn<bool>("archive");
        QTest::addColumn<QString>("net");
        QTest::newRow("run, withheld") << "1000" << "150" << false << "850,00";
        QTest::newRow("run, nothing withheld") << "1000" << "0" << false << "1.000,00";
        QTest::newRow("archive, withheld") << "1000" << "150" << true << "850,00";
        QTest::newRow("archive, nothing withheld") << "1000" << "0" << true << "1.000,00";
    }
    void netPaymentLessWithheld()
    {
        QFETCH(QString, maas);
        QFETCH(QString, acikkes);
        QFETCH(bool, archive);
        QFETCH(QString, net);
        const Money pay = *Money::parsePlain(maas), withheld = *Money::parsePlain(acikkes);
        HandRun run;
        std::optional<Printed> pdf;
        if (archive) {
            results::ResultRow r;
            r.MAAS = pay;
            r.ACIKKES = withheld;
            pdf.emplace(archiveStatements(handArchive({r})));
        } else {
            engine::PersonPay p;
            p.MAAS = pay;
            p.ACIKKES = withheld;
            run.add(QStringLiteral("Ayşe"), QStringLiteral("KURT"), QLatin1Char('M'), p);
            pdf.emplace(personStatements(run.data(), 101));
        }
        QCOMPARE(pdf->pages.size(), 1);
        QCOMPARE(test::wordsAfter(pdf->pages[0], QStringLiteral("NET ÖDEME TOPLAMI")).value(0), net);
        QCOMPARE(test::wordsAfter(pdf->pages[0], QStringLiteral("MAAŞ TUTARI")).value(0), report::amount(pay));
        QCOMPARE(test::wordsAfter(pdf->pages[0], QStringLiteral("EMANETE ALINAN")).value(0), report::amount(withheld));
    }

    void deductedTax_data()
    {
        QTest::addColumn<QString>("computed");
        QTest::addColumn<QString>("exempt");
        QTest::addColumn<bool>("archive");
        QTest::addColumn<QStringList>("cells");  // Hesaplanan, Asgari Ücret, Kesilen
        QTest::newRow("run, all exempt") << "120" << "120" << false << QStringList{"120,00", "120,00", "0"};
        QTest::newRow("run, partly exempt") << "150" << "120" << false << QStringList{"150,00", "120,00", "30,00"};
        QTest::newRow("run, exempt part larger") << "100" << "120" << false << QStringList{"100,00", "120,00", "0"};
        QTest::newRow("archive, all exempt") << "120" << "120" << true << QStringList{"120,00", "120,00"};
        QTest::newRow("archive, partly exempt") << "150" << "120" << true << QStringList{"150,00", "120,00", "30,00"};
    }
    void deductedTax()
    {
        QFETCH(QString, computed);
        QFETCH(QString, exempt);
        QFETCH(bool, archive);
        QFETCH(QStringList, cells);
        const Money tax = *Money::parsePlain(computed), part = *Money::parsePlain(exempt);
        HandRun run;
        std::optional<Printed> pdf;
        if (archive) {
            results::ResultRow r;
            r.GELVER = r.DAMVER = tax;
            r.GELVER1 = r.DAMVER1 = part;
            pdf.emplace(archiveStatements(handArchive({r})));
        } else {
            engine::PersonPay p;
            p.GELVER = p.DAMVER = tax;
            p.GELVER1 = p.DAMVER1 = part;
            run.add(QStringLiteral("Ayşe"), QStringLiteral("KURT"), QLatin1Char('M'), p);
            pdf.emplace(personStatements(run.data(), 101));
        }
        const QString page = pdf->pages.value(0);
        QCOMPARE(test::wordsAfter(page, QStringLiteral("Gelir vergisi Tutarı")), cells);
        QCOMPARE(test::wordsAfter(page, QStringLiteral("Damga Vergisi Tutarı")), cells);
    }

    void signaturesOfTheUnitOnceAfterTheLastRow()
    {
        Institution inst;
        const Institution::Made made = inst.make(1);
        const PrintContext context = loadPrintContext(inst.db, 0);
        const UnitInfo &u = context.unit;
        QVERIFY(!u.TAS.isEmpty() && !u.SAS.isEmpty() && !u.IAS.isEmpty());
        const RunData run{made.loaded, made.pays, context, periodText(QDate(2026, 1, 15))};

        const Printed payroll(payrollDocument(run));
        QVERIFY(payroll.pages.size() >= 2);
        for (int p = 0; p < payroll.pages.size(); ++p) {
            const QString page = test::simplified(payroll.pages[p]);
            QVERIFY(page.contains(QStringLiteral("ZERAN MAAŞ BORDROSU")));
            QVERIFY(page.contains(QStringLiteral("SAYFA NO : %1").arg(p + 1)));
            QVERIFY(page.contains(QStringLiteral("Sıra No / Emekli Sicil No")));
            const bool last = p + 1 == payroll.pages.size();
            QCOMPARE(page.contains(QStringLiteral("Düzenleyen")), last);
        }
        const QString last = test::simplified(payroll.pages.last());
        for (const QString &text : {QStringLiteral("Düzenleyen"), u.TAS, u.TUN, QStringLiteral("Muhasebe Yetkilisi"), u.SAS,
                                    u.SUN, QStringLiteral("Harcama Yetkilisi"), u.IAS, u.IUN})
            QVERIFY2(last.contains(text), qPrintable(text));
        // The last person comes before the totals and the signatures.
        const payrollrun::RunPerson &lastPerson = made.loaded.people.back();
        const qsizetype person = last.indexOf(lastPerson.ADI + QLatin1Char(' ') + lastPerson.SOYADI);
        QVERIFY(person >= 0);
        const qsizetype totals = last.indexOf(QStringLiteral("ALT TOPLAMLAR"));
        QVERIFY(person < totals);
        QVERIFY(totals < last.indexOf(QStringLiteral("Düzenleyen")));

        // The detailed statements: no names on a person's page, the three on the totals page.
        const Printed statements(runStatements(run, results::alttoplam(inst.db, QStringLiteral("2026"), 1, std::nullopt)));
        QCOMPARE(statements.pages.size(), int(made.loaded.people.size()) + 1);
        QVERIFY(!statements.pages.front().contains(u.TAS));
        QVERIFY(!statements.pages.front().contains(QStringLiteral("Düzenleyen")));
        for (const QString &text : {u.TAS, u.SAS, u.IAS, QStringLiteral("Asgari Geçim İndirimi")})
            QVERIFY(statements.pages.last().contains(text));

        // The archive document signs with two of them.
        ArchiveSelection selection;
        selection.year = QStringLiteral("2026");
        selection.month = 1;
        const Printed archive(archivePayrollDocument(loadArchive(inst.db, selection)));
        const QString archiveLast = archive.pages.last();
        QVERIFY(archiveLast.contains(QStringLiteral("Düzenleyen")) && archiveLast.contains(u.TAS));
        QVERIFY(archiveLast.contains(QStringLiteral("Harcama Yetkilisi")) && archiveLast.contains(u.IAS));
        QVERIFY(!archive.all().contains(QStringLiteral("Muhasebe Yetkilisi")));
        QVERIFY(!archive.all().contains(u.SUN));
    }

    void grandTotalsAreTheTotalsOfTheWrittenRows()
    {
        Institution inst;
        const Institution::Made made = inst.make(1);
        const results::MonthTotals t = results::alttoplam(inst.db, QStringLiteral("2026"), 1, std::nullopt);
        QCOMPARE(t.rows, int(made.loaded.people.size()));
        const PrintContext context = loadPrintContext(inst.db, 0);
        const Printed pdf(payrollDocument({made.loaded, made.pays, context, periodText(QDate(2026, 1, 15))}));

        const auto s = [&t](const char *column) { return t[QString::fromLatin1(column)]; };
        const auto a = [](Money v) { return report::amount(v); };
        // The totals of each of the four lines, column by column.
        const QList<QStringList> expected = {
            {a(s("AYTUT") + s("EGOSTUT")), a(s("FAZMES")), a(s("MYOI")),
             a(s("DIGTAZ") + s("DILTAZ") + s("LOJTAZ") + s("EKTAZ")), a(s("KAZ3")), a(s("KAZ7")), a(s("DVVIADE")),
             a(s("EMKESM")), a(s("ICRA")), a(t.ARTIS2), a(s("KES1")), a(s("KES5"))},
            {a(s("AILEYRD")), a(s("TABAY")), a(s("YANOD")), a(s("GSSI")), a(s("EKODTUT")), a(s("KAZ4")), a(s("KAZ8")),
             a(s("YEMEK")), a(s("GSSI")), a(s("EMKESD")), a(s("KIRA")), a(s("KEFALET")), a(s("KES2"))},
            {a(s("COCYRD")), a(s("KIDAY")), a(s("TERFAR")), a(s("EMKESD")), a(s("KAZ1")), a(s("KAZ5")), a(s("KAZ9")),
             a(s("EKTAZ")), a(s("GELVERKES")), a(s("GSSP")), a(s("MYOI")), a(s("BES")), a(s("HIZBOR")), a(s("KES3")),
             a(s("KESTOP"))},
            {a(s("COCYRD1")), a(s("OZHIZTAZ")), a(s("ARTIS")), a(s("ARTIS")), a(s("DVVIADE")), a(s("KAZ2")), a(s("KAZ6")),
             a(s("KAZ10")), a(s("GELTOP")), a(s("DAMVERKES")), a(s("MYOP")), a(s("SEN1")), a(s("KES4")),
             a(s("MAAS") - s("ACIKKES"))},
        };
        QVERIFY(!s("GELTOP").isZero());
        const QStringList lines = pdf.pages.last().split(QLatin1Char('\n'));
        qsizetype heading = -1;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (unspaced(lines[i]) == QStringLiteral("ALTTOPLAMLAR"))
                heading = i;
        }
        QVERIFY(heading >= 0);
        QList<QStringList> printed;
        for (qsizetype i = heading + 1; i < lines.size() && printed.size() < 4; ++i) {
            if (!lines[i].trimmed().isEmpty())
                printed << lineWords(lines[i]);
        }
        QCOMPARE(printed, expected);
    }

    void payslipsFollowThePreviewSetting_data()
    {
        QTest::addColumn<QString>("oniz");
        QTest::addColumn<int>("output");
        QTest::newRow("preview") << "E" << int(PayslipOutput::Previewed);
        QTest::newRow("print at once") << "H" << int(PayslipOutput::Printed);
        QTest::newRow("neither") << "X" << int(PayslipOutput::Nothing);
        QTest::newRow("not set") << "" << int(PayslipOutput::Nothing);
    }
    void payslipsFollowThePreviewSetting()
    {
        QFETCH(QString, oniz);
        QFETCH(int, output);
        HandRun run;
        run.context.ONIZ = oniz;
        engine::PersonPay p;
        p.MAAS = m("1000");
        run.add(QStringLiteral("Ayşe"), QStringLiteral("KURT"), QLatin1Char('M'), p);

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("fis.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        bool previewShown = false;
        QTimer closer;
        closer.setInterval(20);
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget())) {
                previewShown = true;
                dialog->reject();
            }
        });
        closer.start();
        const PayslipOutput done = printPayslips(nullptr, printer, run.data());
        closer.stop();

        QCOMPARE(int(done), output);
        QCOMPARE(previewShown, done == PayslipOutput::Previewed);
        QCOMPARE(QFile::exists(file), done == PayslipOutput::Printed);
        if (done == PayslipOutput::Printed) {
            const QString page = test::pdfPages(file).value(0);
            QVERIFY(page.contains(QStringLiteral("ZERAN MAAŞ FİŞİ")));
            QVERIFY(page.contains(QStringLiteral("Ayşe KURT")));
        }
    }

    void archiveRatesOfTheMonthsHalfYear_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("don");
        QTest::newRow("January") << 1 << "1";
        QTest::newRow("June") << 6 << "1";
        QTest::newRow("July") << 7 << "2";
    }
    void archiveRatesOfTheMonthsHalfYear()
    {
        QFETCH(int, month);
        QFETCH(QString, don);
        Institution inst;
        const double first = inst.katsayi("1"), second = inst.katsayi("2");
        QVERIFY2(first != second && first > 0 && second > 0, "the two half-years need rates of their own");
        const int unit = loadPrintContext(inst.db).MBKOD;
        inst.make(month, unit);
        ArchiveSelection selection;
        selection.year = QStringLiteral("2026");
        selection.month = month;
        selection.unit = unit;
        const ArchiveData archive = loadArchive(inst.db, selection);
        QVERIFY(!archive.rows.empty());
        const QString expected = QStringLiteral("Katsayı ") + report::rate(don == QLatin1String("2") ? second : first);

        const Printed document(archivePayrollDocument(archive));
        const QString page = test::simplified(document.pages.value(0));
        QVERIFY2(page.contains(expected), qPrintable(page.left(400)));
        QVERIFY(page.contains(QStringLiteral("AİT OLDUĞU AY 2026 / %1").arg(month)));

        const results::RowKey &k = archive.rows.front().result.key;
        const std::optional<ArchivePayslipData> slip =
            loadArchivePayslip(inst.db, {k.YIL, k.AY, k.TUR}, k.PKAYNO, k.BKOD, k.PKOD, 2026);
        QVERIFY(slip);
        const Printed slipPdf(archivePayslip(*slip));
        QVERIFY(test::simplified(slipPdf.pages.value(0)).contains(expected));

        // "Tek Yaz": one statement, of the row asked for.
        const Printed one(archiveStatements(archive, archive.rows.size() - 1));
        QCOMPARE(one.pages.size(), 1);
        QVERIFY(one.pages[0].contains(archive.rows.back().ADSOY));
        if (archive.rows.size() > 1)
            QVERIFY(!one.pages[0].contains(archive.rows.front().ADSOY));
    }

    void printContextFromTheDatabase()
    {
        Institution inst;
        const PrintContext c = loadPrintContext(inst.db);
        QCOMPARE(c.KURUM, QStringLiteral("ÖRNEK BELEDİYESİ"));
        QCOMPARE(c.ONIZ, QStringLiteral("E"));
        QVERIFY(c.MBKOD != 0);
        QCOMPARE(c.unit.BKOD, c.MBKOD);  // no unit asked: the default unit
        QVERIFY(!c.unit.BIRIM.isEmpty());
        QCOMPARE(c.items.earningCaption(1), QStringLiteral("SOSYAL DENGE"));
        QVERIFY(c.items.earningInUse[0]);
        QVERIFY(!c.items.earningInUse[5]);
        QCOMPARE(c.items.deductionCaption(1), QStringLiteral("KOOPERATİF AİDATI"));
        QCOMPARE(c.items.deductionCaption(4), QStringLiteral("KES4"));  // "NAFAKA" is not active
        QCOMPARE(c.items.deductionCaption(5), QStringLiteral("KES5"));

        inst.db.exec(QStringLiteral("DELETE FROM ZERHESTUR WHERE HNO=9"));
        QCOMPARE(loadPrintContext(inst.db).items.earningCaption(9), QStringLiteral("KAZ9"));
        const int other = inst.db.scalar(QStringLiteral("SELECT MIN(BKOD) FROM BIRIM WHERE TUR='M' AND BKOD<>:B"),
                                         {{QStringLiteral("B"), c.MBKOD}})
                              .toInt();
        QCOMPARE(loadPrintContext(inst.db, other).unit.BKOD, other);
    }

    void cliWritesThePdfAndNoRows_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("title");
        QTest::newRow("payroll") << "payroll" << "ZERAN MAAŞ BORDROSU";
        QTest::newRow("payslips") << "payslips" << "ZERAN MAAŞ FİŞİ";
    }
    void cliWritesThePdfAndNoRows()
    {
        QFETCH(QString, what);
        QFETCH(QString, title);
        QTemporaryDir dir;
        const QString data = dir.filePath(QStringLiteral("DATA"));
        const QString file = dir.filePath(QStringLiteral("cikti.pdf"));
        QCOMPARE(test::runCli({QStringLiteral("demo-db"), data}).code, 0);
        // The tool must print without a display: a missing graphical application object is
        // a failure, never a reason to skip.
        const test::CliRun printed = test::runCli({QStringLiteral("print"), what, data, QStringLiteral("--today"),
                                                   QStringLiteral("2026-01-15"), QStringLiteral("--pdf"), file});
        QVERIFY2(printed.code == 0, qPrintable(printed.err));
        const QStringList pages = test::pdfPages(file);
        QVERIFY(!pages.isEmpty());
        QVERIFY(pages.front().contains(title));

        db::Database db(test::uniqueName("cli"));
        db.open(test::params(test::Mode::Embedded, data));
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM ZERMAAS")).toInt(), 0);
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM ZERARSIV")).toInt(), 0);
    }
};

QTEST_MAIN(TestPayrollDocs)
#include "tst_payrolldocs.moc"
