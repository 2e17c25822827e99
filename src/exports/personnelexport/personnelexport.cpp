#include "personnelexport.h"

#include "calendar.h"
#include "spreadsheet.h"

namespace zeran::personnelexport {

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QString codeText(const QString &code, const char *const texts[3])
{
    const QString c = code.trimmed();
    if (c.size() == 1 && c.at(0) >= QLatin1Char('1') && c.at(0) <= QLatin1Char('3'))
        return s(texts[c.at(0).unicode() - '1']);
    return {};
}

CellOut text(const QString &t)
{
    return {t, std::nullopt, std::nullopt};
}

CellOut amount(Money m)
{
    return {QString(), m.yuvarla1(), std::nullopt};
}

CellOut integer(int n)
{
    return {QString(), std::nullopt, n};
}

}  // namespace

QString maritalText(const QString &MHAL)
{
    static const char *const texts[3] = {"Evli", "Bekar", "Boşanmış"};
    return codeText(MHAL, texts);
}

QString spouseText(const QString &ESI)
{
    static const char *const texts[3] = {"Çalışıyor", "Çalışmıyor", "Emekli"};
    return codeText(ESI, texts);
}

const std::vector<QString> &headings()
{
    static const std::vector<QString> all{
        s("ADI SOYADI"),
        s("HİZMET SINIFI"),
        s("UNVAN"),
        s("GÖREV YAPTIĞI ŞB.MÜD. "),
        s("MAAŞ DÖNEMİ"),
        s("DERECESİ"),
        s("AYLIK ALDIĞI DERECE/KADEME"),
        s("ÖĞRENİM DURUMU"),
        s("EK GÖSTERGE PUANI"),
        s("YAN ÖDEME PUANI"),
        s("ÖHT PUANI"),
        s("EK ÖDEME PUANI"),
        s("SOSYAL DENGE BÜRÜT TUTARI"),
        s("VEKALETEN GÖREV YAPTIĞI KADRO (VARSA) "),
        s("VEKALET ETTİĞİ GÖREV KADRO DERECESİ"),
        s("VEKALET YAN ÖDEME FARK (TUTAR)"),
        s("VEKALET ÖZEL HİZMET FARK (TUTAR) "),
        s("VEKALET    EK ÖDEME FARK (TUTAR) "),
        s("VEKALET SOSYAL DENGE FARK (TUTAR)"),
        s("VEKALET AYLIĞI"),
        s("EVLİLİK DURUMU"),
        s("EŞİ ÇALIŞIYORMU"),
        s("AGİ TUTARI"),
        s("AİLE YARDIMI"),
        s("6 YAŞINDAN BÜYÜK ÇOCUK SAYISI"),
        s("6 YAŞINDAN KÜÇÜK ÇOCUK SAYISI"),
        s("ÇOCUK YARDIMI TUTARI"),
        s("İTFAİYE MAKTU MESAİ TUTARI"),
        s("ZABITA MAKTU MESAİ TUTARI"),
        s("TEMSİL TAZMİNATI"),
        s("MUHTELİF KAZANÇ"),
        s("YEMEK KESİNTİSİ TUTARI"),
        s("SENDİKA AİDATI"),
        s("İŞE BAŞLAMA TARİHİ"),
        s("(MÜDÜR KADROSUNDA BULUNANLAR İÇİN)"),
    };
    return all;
}

std::vector<CellOut> rowCells(const StaffSource &r, int periodMonth)
{
    const PeriodAmounts a = r.amounts.value_or(PeriodAmounts{});
    std::vector<CellOut> c;
    c.reserve(35);
    c.push_back(text(r.ADSOY));
    c.push_back(text(r.SNFKOD ? QString::number(*r.SNFKOD) : QString()));
    c.push_back(text(r.UNVAN));
    c.push_back(text(r.BIRIM));
    c.push_back(text(periodMonth >= 1 && periodMonth <= 12 ? cal::monthName(periodMonth) : QString()));
    c.push_back(integer(r.DER));
    c.push_back(text(QStringLiteral("%1/%2").arg(r.DER).arg(r.KAD)));
    c.push_back(text(r.OGRDUR));
    c.push_back(text(QString()));
    c.push_back(integer(r.YOP));
    c.push_back(integer(r.OHT));
    // The pay record's additional-payment rate.
    c.push_back(integer(r.EKOD));
    c.push_back(amount(a.SDENGE));
    for (int i = 0; i < 7; ++i)
        c.push_back(integer(0));
    c.push_back(text(maritalText(r.MHAL)));
    c.push_back(text(spouseText(r.ESI)));
    c.push_back(amount(a.AGI));
    c.push_back(amount(a.AILE));
    // COC1 counts the children up to six, COC2 the older ones.
    c.push_back(integer(r.COC2));
    c.push_back(integer(r.COC1));
    c.push_back(amount(a.COCYRD));
    // The fixed overtime once, under the first overtime heading: the same amount under four
    // headings would be reported four times.
    c.push_back(amount(a.MESAI));
    c.push_back(amount(Money()));
    c.push_back(amount(Money()));
    c.push_back(amount(Money()));
    // No meal deduction is kept with the payroll results.
    c.push_back(amount(Money()));
    c.push_back(amount(a.SENDIKA));
    c.push_back(text(r.KGT.isValid() ? r.KGT.toString(QStringLiteral("dd.MM.yyyy")) : QString()));
    c.push_back(text(QString()));
    return c;
}

bool fillWorkbook(sheet::Workbook &wb, const std::vector<StaffSource> &rows, int periodMonth)
{
    bool ok = wb.selectSheet(1);
    ok = ok && wb.setColumnWidth(1, 30) && wb.setColumnWidth(2, 15) && wb.setColumnTextFormat(2)
         && wb.setColumnWidth(3, 30) && wb.setColumnWidth(4, 30) && wb.setColumnWidth(35, 40);
    ok = ok && wb.writeText(1, 35, s("ASLİ KADROSUNA ATANMA USULÜ "));
    const std::vector<QString> &heads = headings();
    for (std::size_t c = 0; ok && c < heads.size(); ++c)
        ok = wb.writeText(2, int(c + 1), heads[c]);
    int line = 3;
    for (const StaffSource &r : rows) {
        const std::vector<CellOut> cells = rowCells(r, periodMonth);
        for (std::size_t c = 0; ok && c < cells.size(); ++c) {
            const CellOut &v = cells[c];
            const int col = int(c + 1);
            if (v.amount)
                ok = wb.writeNumber(line, col, v.amount->toPlain(2), QStringLiteral("0.00"));
            else if (v.integer)
                ok = wb.writeInteger(line, col, *v.integer);
            else if (!v.text.isEmpty())
                ok = wb.writeText(line, col, v.text);
        }
        ++line;
    }
    return ok;
}

}  // namespace zeran::personnelexport
