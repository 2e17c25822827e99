#include "bankfile.h"

#include "calendar.h"

#include <QDir>
#include <QSet>

namespace zeran::bankfiles {

Layout layoutOf(const QString &bdtur)
{
    const QString c = bdtur.trimmed();
    if (c == QLatin1String("E"))
        return Layout::Workbook;
    if (c == QLatin1String("3"))
        return Layout::Halkbank;
    if (c == QLatin1String("4"))
        return Layout::HalkbankNew;
    if (c == QLatin1String("5"))
        return Layout::HalkbankTemplate;
    if (c == QLatin1String("6"))
        return Layout::ZiraatTemplate;
    return Layout::Text;
}

QString layoutCode(Layout layout)
{
    switch (layout) {
    case Layout::Text: return QStringLiteral("T");
    case Layout::Workbook: return QStringLiteral("E");
    case Layout::Halkbank: return QStringLiteral("3");
    case Layout::HalkbankNew: return QStringLiteral("4");
    case Layout::HalkbankTemplate: return QStringLiteral("5");
    case Layout::ZiraatTemplate: return QStringLiteral("6");
    }
    return QStringLiteral("T");
}

bool isWorkbook(Layout layout)
{
    return layout != Layout::Text;
}

bool isTemplate(Layout layout)
{
    return layout == Layout::HalkbankTemplate || layout == Layout::ZiraatTemplate;
}

AccountFields accountFields(const QString &bhnIn, Layout layout)
{
    const QString bhn = bhnIn.trimmed();
    AccountFields f;
    if (layout == Layout::Workbook || layout == Layout::Halkbank) {
        // An IBAN of 26 characters: the customer and account numbers sit at fixed places.
        f.MUSNO = bhn.mid(14, 8);
        f.HESNO = bhn.mid(22, 4);
        return f;
    }
    const qsizetype dash = bhn.indexOf(QLatin1Char('-'));
    const QString before = dash < 0 ? QString() : bhn.left(dash);
    const QString after = dash < 0 ? bhn : bhn.mid(dash + 1);
    if (layout == Layout::ZiraatTemplate) {
        f.HESNO = before;
        f.EKNO = after;
    } else {
        f.MUSNO = before;
        f.HESNO = after.left(30);
    }
    return f;
}

Payments computePayments(const std::vector<PaymentRow> &rows, Layout layout)
{
    Payments out;
    QSet<int> carried;  // people whose difference and withheld amount are already on a row
    out.lines.reserve(rows.size());
    for (const PaymentRow &r : rows) {
        PaymentLine line;
        line.row = r;
        line.account = accountFields(r.BHN, layout);
        if (r.MAAS > Money() && !carried.contains(r.PKAYNO)) {
            carried.insert(r.PKAYNO);
            line.FARK = r.FARK;
            line.ACIKKES = r.ACIKKES;
        }
        line.NET = r.MAAS + line.FARK - line.ACIKKES;
        line.amount = line.NET.yuvarla1();
        line.paid = line.amount > Money();
        if (line.paid) {
            out.total += line.amount;
            ++out.count;
        } else {
            out.skipped << QStringLiteral("%1 (Sicil No %2, Birim %3): Net Tutar %4, dosyaya yazılmadı.")
                               .arg(r.ADSOY().trimmed())
                               .arg(r.PKAYNO)
                               .arg(r.BKOD)
                               .arg(line.NET.toText());
        }
        out.lines.push_back(std::move(line));
    }
    return out;
}

QString dateText(const QDate &d)
{
    return d.toString(QStringLiteral("dd.MM.yyyy"));
}

QString compactDate(const QDate &d)
{
    return d.toString(QStringLiteral("yyyyMMdd"));
}

QString defaultDescription(int month, const QString &year)
{
    return cal::monthName(month) + QLatin1Char(' ') + year + QStringLiteral(" ZERAN MAAŞLARI");
}

QDate defaultPaymentDate(const QDate &today)
{
    return QDate(today.year(), today.month(), 15);
}

QString defaultFileName(const QString &folder, int month, int unit, const QString &kmusno,
                        const QString &typeCode, Layout layout, bool merge)
{
    const QString monthName = cal::monthName(month);
    const QString prefix = merge ? QStringLiteral("BİRLEŞİK_") : QStringLiteral("ZER_");
    const QString unitPart = unit > 0 ? QString::number(unit) + QLatin1Char('-') : QString();
    QString name;
    if (layout == Layout::Text)
        name = prefix + unitPart + kmusno.trimmed() + typeCode + QStringLiteral(".TXT");
    else
        name = prefix + unitPart + monthName + (layout == Layout::Workbook ? QStringLiteral(".XLSX") : QStringLiteral(".XLS"));
    return QDir::cleanPath(folder + QLatin1Char('/') + monthName) + QLatin1Char('/') + name;
}

}  // namespace zeran::bankfiles
