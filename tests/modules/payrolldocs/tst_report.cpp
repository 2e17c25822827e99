// The report layer, read back from the PDF it writes: the page header on every page, the
// signatures once after the last record, amounts flush right, a text too wide for its cell
// kept inside it, and letters outside the usual table still printed.

#include "format.h"
#include "output.h"
#include "pdftext.h"

#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using namespace zeran;
using namespace zeran::report;

namespace {

Cell text(const QString &s, int column, Align align = Align::Left, int span = 1)
{
    Cell c;
    c.text = s;
    c.column = std::uint16_t(column);
    c.span = std::uint16_t(span);
    c.align = align;
    return c;
}

/// A landscape document of `records` one-line records under a header band.
Document records(int records)
{
    Document doc;
    doc.orientation = Orientation::Landscape;
    doc.title = QStringLiteral("DENEME LİSTESİ");
    const int fields = doc.addLayout(Layout({1, 1}, 8));
    const int rows = doc.addLayout(Layout({3, 1, 1}, 8, CaptionStyle::Inline, true));
    Band header;
    header.layout = fields;
    Cell unit = text(QStringLiteral("ÖRNEK BİRİM"), 0);
    unit.caption = QStringLiteral("BİRİMİ");
    header.rows.push_back({{unit}});
    doc.pageHeader.push_back(header);
    for (int i = 1; i <= records; ++i) {
        Band b;
        b.layout = rows;
        b.ruleBelow = true;
        b.rows.push_back({{text(QStringLiteral("Kayıt %1").arg(i), 0),
                           text(amount(Money::fromKurus(i * 12345)), 1, Align::Right)}});
        doc.body.push_back(Block{{b}, false});
    }
    doc.signatures = {{QStringLiteral("Düzenleyen"), QStringLiteral("Ayşe ÇELİK"), QStringLiteral("MEMUR")},
                      {QStringLiteral("Harcama Yetkilisi"), QStringLiteral("İsmail ŞAHİN"), QStringLiteral("MÜDÜR")}};
    return doc;
}

}  // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void headerOnEveryPageSignaturesOnceAtTheEnd()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("liste.pdf"));
        QString error;
        QVERIFY2(writePdf(records(150), file, &error), qPrintable(error));
        const QStringList pages = test::pdfPages(file);
        QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
        for (int p = 0; p < pages.size(); ++p) {
            const QString page = test::simplified(pages[p]);
            QVERIFY2(page.contains(QStringLiteral("DENEME LİSTESİ")), qPrintable(QString::number(p + 1)));
            QVERIFY(page.contains(QStringLiteral("BİRİMİ ÖRNEK BİRİM")));
            QVERIFY(page.contains(QStringLiteral("SAYFA NO : %1").arg(p + 1)));
            const bool last = p + 1 == pages.size();
            QCOMPARE(page.contains(QStringLiteral("Düzenleyen")), last);
            QCOMPARE(page.contains(QStringLiteral("Harcama Yetkilisi")), last);
        }
        // Every record once, in order; the signatures after the last one.
        const QString all = test::simplified(pages.join(QLatin1Char(' ')));
        qsizetype at = 0;
        for (int i = 1; i <= 150; ++i) {
            const qsizetype next = all.indexOf(QStringLiteral("Kayıt %1 ").arg(i), at);
            QVERIFY2(next >= 0, qPrintable(QString::number(i)));
            at = next;
        }
        QVERIFY(all.indexOf(QStringLiteral("Düzenleyen")) > at);
        QVERIFY(all.contains(QStringLiteral("Ayşe ÇELİK")));
        QVERIFY(all.contains(QStringLiteral("İsmail ŞAHİN MÜDÜR")) || all.contains(QStringLiteral("İsmail ŞAHİN")));
    }

    void amountsFlushRightTextsFlushLeft()
    {
        Document doc;
        const int l = doc.addLayout(Layout({2, 1}, 9, CaptionStyle::Inline, true));
        Band b;
        b.layout = l;
        const QStringList amounts = {QStringLiteral("1,00"), QStringLiteral("12.345,67"), QStringLiteral("1.234.567,89"),
                                     QStringLiteral("-5,50")};
        for (const QString &a : amounts)
            b.rows.push_back({{text(QStringLiteral("Satır%1").arg(b.rows.size()), 0), text(a, 1, Align::Right)}});
        doc.body.push_back(Block{{b}, false});
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("hiza.pdf"));
        QVERIFY(writePdf(doc, file));
        const QList<test::Word> words = test::pdfWords(file);
        QList<double> rights, lefts;
        for (const test::Word &w : words) {
            if (amounts.contains(w.text))
                rights << w.box.right();
            if (w.text.startsWith(QStringLiteral("Satır")))
                lefts << w.box.left();
        }
        QCOMPARE(rights.size(), amounts.size());
        QCOMPARE(lefts.size(), amounts.size());
        const auto spread = [](const QList<double> &v) {
            const auto [low, high] = std::minmax_element(v.begin(), v.end());
            return *high - *low;
        };
        QVERIFY2(spread(rights) < 0.6, qPrintable(QString::number(spread(rights))));
        QVERIFY2(spread(lefts) < 0.6, qPrintable(QString::number(spread(lefts))));
    }

    void tooWideTextStaysInItsCell_data()
    {
        QTest::addColumn<QString>("wide");
        QTest::newRow("a little too wide") << QStringLiteral("ÇOK UZUN BİR BİRİM ADI");
        QTest::newRow("far too wide") << QStringLiteral("ÇOK ÇOK ÇOK UZUN BİR GÖREV ÜNVANI VE DAHA DA UZUN BİR AÇIKLAMA");
    }
    void tooWideTextStaysInItsCell()
    {
        QFETCH(QString, wide);
        Document doc;
        const int l = doc.addLayout(Layout({1, 1, 8}, 8));
        Band b;
        b.layout = l;
        b.rows.push_back({{text(wide, 0), text(QStringLiteral("KOMŞU"), 1), text(QStringLiteral("SON"), 2)}});
        doc.body.push_back(Block{{b}, false});
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("dar.pdf"));
        QVERIFY(writePdf(doc, file));
        const QList<test::Word> words = test::pdfWords(file);
        double neighbourLeft = -1, wideRight = 0;
        const QStringList wideWords = wide.split(QLatin1Char(' '));
        for (const test::Word &w : words) {
            if (w.text == QStringLiteral("KOMŞU"))
                neighbourLeft = w.box.left();
            else if (wideWords.contains(w.text) || w.text.endsWith(QStringLiteral("…")))
                wideRight = std::max(wideRight, w.box.right());
        }
        QVERIFY(neighbourLeft > 0);
        QVERIFY2(wideRight > 0 && wideRight < neighbourLeft,
                 qPrintable(QStringLiteral("%1 / %2").arg(wideRight).arg(neighbourLeft)));
    }

    void lettersOutsideTheTableArePrinted()
    {
        Document doc;
        const int l = doc.addLayout(Layout({1}, 9));
        Band b;
        b.layout = l;
        b.rows.push_back({{text(QStringLiteral("Tutar 12 € – ΩMEGA"), 0)}});
        doc.body.push_back(Block{{b}, false});
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("harf.pdf"));
        QVERIFY(writePdf(doc, file));
        QVERIFY(test::pdfPages(file).value(0).contains(QStringLiteral("Tutar 12 € – ΩMEGA")));
    }

    void anUnwritableFileIsReported()
    {
        QString error;
        QVERIFY(!writePdf(records(1), QStringLiteral("/nonexistent-folder/x.pdf"), &error));
        QVERIFY(error.contains(QStringLiteral("x.pdf")));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
