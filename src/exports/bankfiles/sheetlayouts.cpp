#include "sheetlayouts.h"

#include "calendar.h"

#include <cmath>

namespace zeran::bankfiles {

namespace {

const QString kAmountFormat = QStringLiteral("0.00");

QString who(const PaymentRow &r)
{
    return QStringLiteral("%1 (Sicil No %2)").arg(r.ADSOY().trimmed()).arg(r.PKAYNO);
}

void amountCell(sheet::Workbook &wb, int row, int col, Money amount, const QString &format = kAmountFormat)
{
    wb.writeNumber(row, col, amount.yuvarla1().toPlain(2), format);
}

void widths(sheet::Workbook &wb)
{
    const std::pair<int, double> w[] = {{1, 10}, {2, 15}, {3, 10}, {4, 10}, {6, 20}, {7, 20}, {8, 11}, {9, 11}};
    for (const auto &[col, width] : w)
        wb.setColumnWidth(col, width);
}

// An amount read from a workbook cell: nothing for an empty cell.
std::optional<Money> cellAmount(const sheet::CellValue &c, int row)
{
    if (c.isEmpty() || c.text.trimmed().isEmpty())
        return std::nullopt;
    std::optional<Money> m;
    if (c.kind == sheet::CellValue::Kind::Number) {
        bool ok = false;
        const double v = c.text.toDouble(&ok);
        if (ok && std::isfinite(v))
            m = Money::fromDbDouble(v);
    } else {
        m = Money::parse(c.text.trimmed());
    }
    if (!m)
        throw BankFileError(QStringLiteral("DİKKAT! Birleştirilecek dosyanın %1. satırında tutar okunamadı: \"%2\".")
                                .arg(row)
                                .arg(c.text));
    return m;
}

// Rows of an earlier workbook from `firstRow` down to the first row whose amount column is
// empty or zero; the amount is written as a number with two decimals, every other column of
// `columns` as text.
void appendEarlier(sheet::Workbook &wb, int &row, const sheet::Workbook &earlier, int firstRow, int amountCol,
                   const std::vector<int> &columns, SheetResult &out)
{
    for (int r = firstRow;; ++r) {
        const std::optional<Money> amount = cellAmount(earlier.cell(r, amountCol), r);
        if (!amount || amount->isZero())
            break;
        for (int col : columns)
            wb.writeText(row, col, earlier.text(r, col));
        amountCell(wb, row, amountCol, *amount);
        out.total += amount->yuvarla1();
        ++out.count;
        ++out.merged;
        ++row;
    }
}

// The whole number a template keeps in a cell (the count of rows above the data); an empty
// cell is 0.
int templateNumber(const sheet::Workbook &wb, int row, int col)
{
    const sheet::CellValue c = wb.cell(row, col);
    const QString t = c.text.trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < 0 || v > 100000)
        throw BankFileError(QStringLiteral("DİKKAT! Şablonun %1%2 hücresinde bir sayı bekleniyordu: \"%3\".")
                                .arg(sheet::columnLetters(col))
                                .arg(row)
                                .arg(t));
    return int(v);
}

void selectSheet(sheet::Workbook &wb, QStringView name)
{
    if (!wb.selectSheet(name.toString()))
        throw BankFileError(QStringLiteral("DİKKAT! Şablonda \"%1\" sayfası bulunamadı.").arg(name));
}

}  // namespace

SheetResult fillWorkbookE(sheet::Workbook &wb, const PaymentHeader &h, const Payments &p, const sheet::Workbook *earlier)
{
    wb.selectSheet(1);
    widths(wb);
    const char *const headings[] = {"Tarih", "Sabit Alan", "Müşteri No", "Ek No.", "IBAN",
                                    "Ad", "Soyad", "TCK/VKN", "TUTAR", "AÇIKLAMA"};
    for (int col = 1; col <= 10; ++col)
        wb.writeText(1, col, QString::fromUtf8(headings[col - 1]));
    SheetResult out;
    int row = 2;
    for (const PaymentLine &l : p.lines) {
        if (!l.paid)
            continue;
        wb.writeText(row, 1, dateText(h.paymentDate));
        wb.writeText(row, 2, h.KHESNO);
        wb.writeText(row, 3, h.KMUSNO);
        wb.writeText(row, 4, h.SBKOD);
        wb.writeText(row, 5, l.row.BHN.trimmed());
        wb.writeText(row, 6, l.row.ADI);
        wb.writeText(row, 7, l.row.SOYADI);
        wb.writeText(row, 8, l.row.TCKNO);
        amountCell(wb, row, 9, l.amount);
        wb.writeText(row, 10, h.description);
        out.total += l.amount;
        ++out.count;
        ++row;
    }
    if (earlier)
        appendEarlier(wb, row, *earlier, 2, 9, {1, 2, 3, 4, 5, 6, 7, 8, 10}, out);
    ++row;  // one empty row before the total
    wb.writeText(row, 8, QStringLiteral("TOPLAM"));
    amountCell(wb, row, 9, out.total);
    return out;
}

SheetResult fillHalkbank(sheet::Workbook &wb, const PaymentHeader &h, const Payments &p, const sheet::Workbook *earlier)
{
    wb.selectSheet(1);
    widths(wb);
    SheetResult out;
    int row = 1;
    for (const PaymentLine &l : p.lines) {
        if (!l.paid)
            continue;
        wb.writeText(row, 1, compactDate(h.paymentDate));
        wb.writeText(row, 2, h.KMUSNO);
        wb.writeText(row, 3, h.SBKOD);
        wb.writeText(row, 4, h.KHESNO);
        wb.writeText(row, 5, l.account.MUSNO);
        wb.writeText(row, 6, l.account.HESNO);
        amountCell(wb, row, 7, l.amount);
        wb.writeText(row, 8, l.row.TCKNO);
        wb.writeText(row, 9, l.row.ADSOY());
        out.total += l.amount;
        ++out.count;
        ++row;
    }
    if (earlier)
        appendEarlier(wb, row, *earlier, 1, 7, {1, 2, 3, 4, 5, 6, 8, 9}, out);
    return out;
}

SheetResult fillHalkbankTemplate(sheet::Workbook &wb, const PaymentHeader &h, const Payments &p, bool iban)
{
    selectSheet(wb, kHalkbankSheet);
    int row = 0;
    if (iban) {
        row = 12 + templateNumber(wb, 8, 4);  // D8
    } else {
        row = 13 + templateNumber(wb, 9, 5);  // E9
        wb.writeText(1, 2, compactDate(h.paymentDate));
        wb.writeText(2, 2, h.KMUSNO);
        wb.writeText(3, 2, h.SBKOD);
        wb.writeText(4, 2, h.KHESNO);
        wb.writeText(9, 2, cal::monthName(h.month) + QLatin1Char(' ') + h.year);
    }
    SheetResult out;
    for (const PaymentLine &l : p.lines) {
        if (!l.paid)
            continue;
        if (iban) {
            wb.writeText(row, 1, l.row.INO.trimmed());
            amountCell(wb, row, 2, l.amount, QString());
            wb.writeText(row, 3, l.row.TCKNO);
            wb.writeText(row, 4, l.row.ADSOY());
        } else {
            wb.writeText(row, 1, h.SBKOD);
            wb.writeText(row, 2, l.account.HESNO);
            amountCell(wb, row, 3, l.amount, QString());
            wb.writeText(row, 4, l.row.TCKNO);
            wb.writeText(row, 5, l.row.ADSOY());
        }
        out.total += l.amount;
        ++out.count;
        ++row;
    }
    return out;
}

SheetResult fillZiraatTemplate(sheet::Workbook &wb, const PaymentHeader &h, const Payments &p, bool iban)
{
    selectSheet(wb, kZiraatSheet);
    SheetResult out;
    int row = 18;
    for (const PaymentLine &l : p.lines) {
        if (!l.paid)
            continue;
        if (iban) {
            wb.writeText(row, 3, l.row.INO.trimmed());
            amountCell(wb, row, 4, l.amount, QString());
            wb.writeText(row, 5, l.row.ADI);
            wb.writeText(row, 6, l.row.ADSOY());
        } else {
            bool ok = false;
            const qint64 ekno = l.account.EKNO.trimmed().toLongLong(&ok);
            if (!ok || ekno < 0)
                throw BankFileError(QStringLiteral("DİKKAT! Ek No bir tam sayı olmalıdır: \"%1\": %2.")
                                        .arg(l.account.EKNO, who(l.row)));
            wb.writeText(row, 3, h.SBKOD);
            wb.writeText(row, 4, l.account.HESNO);
            wb.writeInteger(row, 5, ekno);
            amountCell(wb, row, 6, l.amount, QString());
            wb.writeText(row, 7, l.row.ADI);
            wb.writeText(row, 8, l.row.SOYADI);
        }
        out.total += l.amount;
        ++out.count;
        ++row;
    }
    const int col = iban ? 4 : 5;  // D or E
    wb.writeText(5, col, h.KURUM);
    wb.writeText(6, col, h.KMUSNO);
    wb.writeText(7, col, QStringLiteral("001-MAAŞ"));
    wb.writeText(9, col, dateText(h.paymentDate));
    wb.writeText(10, col, h.description);
    wb.writeInteger(14, col, out.count);
    wb.writeText(14, iban ? 6 : 8, out.total.toText());  // F14 or H14: "Ödeme Tutarı" as shown
    return out;
}

}  // namespace zeran::bankfiles
