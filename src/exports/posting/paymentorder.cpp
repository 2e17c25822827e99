#include "paymentorder.h"

#include "amountwords.h"
#include "format.h"

namespace zeran::posting {

namespace {

using report::Align;
using report::Band;
using report::Block;
using report::Cell;
using report::Row;

Cell cell(const QString &text, int column, int span = 1, Align align = Align::Left, bool bold = false)
{
    Cell c;
    c.text = text;
    c.column = std::uint16_t(column);
    c.span = std::uint16_t(span);
    c.align = align;
    c.bold = bold;
    return c;
}

Cell field(const QString &caption, const QString &text, int column, int span = 1)
{
    Cell c = cell(text, column, span);
    c.caption = caption;
    return c;
}

QString amountOrBlank(Money m)
{
    return m.isZero() ? QString() : report::amount(m);
}

QString words(Money m)
{
    try {
        return general::yaziyla(m.isNegative() ? Money() : m);
    } catch (const std::exception &) {
        return report::amount(m);
    }
}

QString dateText(const QDate &d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

}  // namespace

report::Document paymentOrder(const PaymentOrderData &d)
{
    report::Document doc;
    doc.title = QStringLiteral("ÖDEME EMRİ BELGESİ");
    doc.pageNumbers = false;
    const int head = doc.addLayout(report::Layout({1, 1, 1, 1}, 7.5));
    // Hesap No, K1–K4, F1–F4, FT, E1–E4, Borç, Alacak, Açıklama
    const int grid = doc.addLayout(report::Layout({2.4, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6, 0.9,
                                                   1.8, 1.8, 4.2},
                                                  6.5, report::CaptionStyle::Inline, true));
    const int foot = doc.addLayout(report::Layout({1, 1, 1}, 7));

    Band header;
    header.layout = head;
    header.box = true;
    header.rows.push_back({{field(QStringLiteral("Kurum Adı"), d.unitName, 0, 2),
                            field(QStringLiteral("Muhasebe Adı"), d.accountingName, 2, 2)}});
    header.rows.push_back({{field(QStringLiteral("Kurum-Birim Kodu"),
                                  QStringLiteral("1: %1  2: %2  Birim: %3").arg(d.code1, d.code2, d.accountingUnit), 0, 2),
                            field(QStringLiteral("Birim Adı"), d.accountingUnitName, 2, 2)}});
    header.rows.push_back({{field(QStringLiteral("Bütçe Yılı"), QString::number(d.year), 0),
                            field(QStringLiteral("Yevmiyenin Tarihi"), dateText(d.date), 1),
                            field(QStringLiteral("No. su"), d.yevno > 0 ? QString::number(d.yevno) : QString(), 2)}});
    header.rows.push_back({{cell(QStringLiteral("İlgilinin"), 0, 1, Align::Left, true),
                            field(QStringLiteral("Adı, Soyadı"), d.payee, 1, 2),
                            field(QStringLiteral("T.C. /Vergi Kimlik No"), d.payeeId, 3)}});
    header.rows.push_back({{field(QStringLiteral("Banka Şube Adı"), d.bankBranch, 0, 2),
                            field(QStringLiteral("Banka Hesap Numarası"), d.bankAccount, 2),
                            field(QStringLiteral("Bağlı Olduğu V. Dairesi"), d.taxOffice, 3)}});
    header.spaceAfter = 4;

    Band columns;
    columns.layout = grid;
    columns.box = true;
    {
        Row r1, r2;
        r1.cells = {cell(QStringLiteral("Hesap"), 0, 1, Align::Center, true),
                    cell(QStringLiteral("Kurumsal Kod"), 1, 4, Align::Center, true),
                    cell(QStringLiteral("Fonksiyonel Kod"), 5, 4, Align::Center, true),
                    cell(QStringLiteral("Fns. Kodu"), 9, 1, Align::Center, true),
                    cell(QStringLiteral("Ekonomik/Hesap Ayrıntı Kodu"), 10, 4, Align::Center, true),
                    cell(QStringLiteral("TUTAR"), 14, 2, Align::Center, true),
                    cell(QStringLiteral("Hesap / Ayrıntı Adı"), 16, 1, Align::Center, true)};
        r2.cells = {cell(QStringLiteral("No"), 0, 1, Align::Center)};
        for (int i = 0; i < 4; ++i) {
            r2.cells.push_back(cell(QString::number(i + 1), 1 + i, 1, Align::Center));
            r2.cells.push_back(cell(QString::number(i + 1), 5 + i, 1, Align::Center));
            r2.cells.push_back(cell(QString::number(i + 1), 10 + i, 1, Align::Center));
        }
        r2.cells.push_back(cell(QStringLiteral("1"), 9, 1, Align::Center));
        r2.cells.push_back(cell(QStringLiteral("B o r ç"), 14, 1, Align::Center));
        r2.cells.push_back(cell(QStringLiteral("A l a c a k"), 15, 1, Align::Center));
        columns.rows = {r1, r2};
    }

    Band body;
    body.layout = grid;
    body.box = true;
    const std::size_t count = std::max<std::size_t>(d.lines.size(), kPaymentOrderRows);
    for (std::size_t i = 0; i < count; ++i) {
        Row r;
        if (i < d.lines.size()) {
            const PreparedLine &l = d.lines[i];
            r.cells.push_back(cell(l.HESNO, 0));
            for (int k = 0; k < 4; ++k) {
                r.cells.push_back(cell(l.K[k], 1 + k, 1, Align::Center));
                r.cells.push_back(cell(l.F[k], 5 + k, 1, Align::Center));
                r.cells.push_back(cell(l.E[k], 10 + k, 1, Align::Center));
            }
            r.cells.push_back(cell(l.FT, 9, 1, Align::Center));
            r.cells.push_back(cell(amountOrBlank(l.BORC), 14, 1, Align::Right));
            r.cells.push_back(cell(amountOrBlank(l.ALACAK), 15, 1, Align::Right));
            r.cells.push_back(cell(l.ACIK, 16));
        } else {
            r.cells.push_back(cell(QStringLiteral(" "), 0));
        }
        body.rows.push_back(std::move(r));
    }
    Band total;
    total.layout = grid;
    total.box = true;
    total.rows.push_back({{cell(QStringLiteral("TOPLAM"), 0, 14, Align::Right, true),
                           cell(report::amount(d.totals.debit), 14, 1, Align::Right, true),
                           cell(report::amount(d.totals.credit), 15, 1, Align::Right, true)}});
    total.spaceAfter = 4;

    Band summary;
    summary.layout = foot;
    summary.box = true;
    const QString sayad = d.purpose;
    summary.rows.push_back({{cell(QStringLiteral("Yukarıda yazılı ") + words(d.totals.accrual) +
                                      QStringLiteral(" Bütçe Gideri Tahakkuk Etmiştir."),
                                  0, 3)}});
    summary.rows.push_back({{cell(QStringLiteral("Ödenmesi / Mahsubu gerekir."), 0),
                             cell(dateText(d.date), 1),
                             field(QStringLiteral("Düzenleyen *"), d.signatories.TAS + QLatin1Char(' ') + d.signatories.TUN, 2)}});
    summary.rows.push_back({{field(QStringLiteral("Ödeme Emri No"), d.yevno > 0 ? QString::number(d.yevno) : QString(), 0),
                             field(QStringLiteral("Bütçe Gideri Tahakkuk Toplamı"), report::amount(d.totals.accrual), 1),
                             field(QStringLiteral("Kesinti Toplamı"), report::amount(d.totals.deduction), 2)}});
    summary.rows.push_back({{field(QStringLiteral("Özel Gider İndirimi Toplamı"), QString(), 0),
                             field(QStringLiteral("Ödenmesi Gereken"), report::amount(d.totals.cheques), 1),
                             field(QStringLiteral("Çek/ Gönderme Emri No"), QString(), 2)}});
    summary.rows.push_back({{cell(QStringLiteral("Tetkik Eden"), 0, 1, Align::Left, true),
                             cell(QStringLiteral("Zeran"), 1), cell(QStringLiteral("Şef"), 2)}});
    summary.rows.push_back({{cell(QStringLiteral("Muhasebe Yetkilisi Yrd."), 0, 3)}});
    summary.rows.push_back({{field(QStringLiteral("Açıklama ve Ekler"), sayad, 0, 3)}});
    summary.rows.push_back({{cell(d.attachments, 0, 3)}});
    summary.rows.push_back({{cell(QStringLiteral("Ödemeye Esas Belgenin"), 0, 1, Align::Left, true),
                             field(QStringLiteral("Türü"), QString(), 1), field(QStringLiteral("Tarihi"), QString(), 2)}});
    summary.rows.push_back({{field(QStringLiteral("No.su"), QString(), 1), field(QStringLiteral("Tutarı"), QString(), 2)}});
    summary.rows.push_back({{cell(QStringLiteral("Uygundur."), 0), cell(dateText(d.date), 1),
                             field(QStringLiteral("Harcama Yetkilisi"), d.signatories.IAS + QLatin1Char(' ') + d.signatories.IUN, 2)}});
    summary.rows.push_back({{cell(QStringLiteral("Ödeyiniz / Mahsup Ediniz"), 0), cell(dateText(d.date), 1),
                             field(QStringLiteral("Muhasebe Yetkilisi"), d.signatories.SAS + QLatin1Char(' ') + d.signatories.SUN, 2)}});
    summary.rows.push_back({{cell(QStringLiteral("Yalnız :") + words(d.totals.cheques) + QStringLiteral(" Aldım"), 0, 2),
                             cell(QStringLiteral("İmza"), 2)}});
    summary.rows.push_back({{cell(QStringLiteral("(*) Gerçekleştirme görevlileri arasından harcama yetkilisince "
                                                 "görevlendirilen kişi tarafından imzalanacaktır."),
                                  0, 3)}});
    summary.rows.push_back({{cell(QStringLiteral("B.B.M.Y. Örnek 32"), 2, 1, Align::Right)}});

    Block top;
    top.bands = {header, columns, body, total};
    doc.body.push_back(std::move(top));
    Block bottom;
    bottom.bands = {summary};
    doc.summary.push_back(std::move(bottom));
    return doc;
}

}  // namespace zeran::posting
