#include "archivelogic.h"

#include "calendar.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>

namespace zeran::archive {

const QStringList &kindSelectorTexts()
{
    static const QStringList t = {
        QStringLiteral("Maaş Bordrosu"),     QStringLiteral("Fark Bordrosu"),
        QStringLiteral("Ek Bordro"),         QStringLiteral("Encümen Bordrosu"),
        QStringLiteral("Meclis Bordrosu"),   QStringLiteral("Olağanüstü Meclis "),
        QStringLiteral("Başkan Vekalet Bordrosu"), QStringLiteral("Enflasyon Farkı"),
    };
    return t;
}

QString archiveKindName(PayrollKind kind)
{
    return kindSelectorTexts().at(static_cast<int>(kind) - 1).trimmed();
}

QString taxBaseKindText(PayrollKind kind)
{
    static const QStringList t = {
        QStringLiteral("MAAŞLAR"),        QStringLiteral("FARKLAR"),       QStringLiteral("EK ÖDEME"),
        QStringLiteral("ENCÜMEN ÜCRETİ"), QStringLiteral("MECLİSÜCRETİ"), QStringLiteral("OLAĞANÜSTÜ MECLİS ÜCRETİ"),
        QStringLiteral("VEKALET ÜCRETİ"), QStringLiteral("ENFLASYON FARKI"),
    };
    return t.at(static_cast<int>(kind) - 1);
}

const QStringList &monthSelectorTexts()
{
    static const QStringList t = {
        QStringLiteral("Tümü"),    QStringLiteral("Ocak"),    QStringLiteral("Şubat"), QStringLiteral("Mart"),
        QStringLiteral("Nisan"),   QStringLiteral("Mayıs"),   QStringLiteral("Haziran"), QStringLiteral("Temmuz"),
        QStringLiteral("Ağustos"), QStringLiteral("Eylül"),   QStringLiteral("Ekim"),  QStringLiteral("Kasım"),
        QStringLiteral("Aralık"),
    };
    return t;
}

Money net(const results::ResultRow &r)
{
    return r.MAAS - r.ACIKKES;
}

std::optional<Money> gelver2(const results::ResultRow &r)
{
    const Money d = r.GELVER - r.GELVER1;
    return d > Money() ? std::optional<Money>(d) : std::nullopt;
}

std::optional<Money> damver2(const results::ResultRow &r)
{
    const Money d = r.DAMVER - r.DAMVER1;
    return d > Money() ? std::optional<Money>(d) : std::nullopt;
}

QString periodText(const results::RowKey &k)
{
    return k.YIL + QLatin1Char('/') + QString::number(k.AY);
}

QString gradeText(const ArchiveRow &row)
{
    if (!row.snapshot)
        return QString();
    return QString::number(row.snapshot->DER) + QLatin1Char('/') + QString::number(row.snapshot->KAD);
}

QString paymentText(const QString &ode)
{
    if (ode == QLatin1String("1"))
        return QStringLiteral("Ödendi");
    if (ode == QLatin1String("2"))
        return QStringLiteral("Ödenmedi");
    return QString();
}

const QStringList &gridHeadings()
{
    static const QStringList h = {QStringLiteral("Kodu"),         QStringLiteral("Adı ve Soyadı"),
                                  QStringLiteral("Dönemi"),       QStringLiteral("Gelir Tutarı"),
                                  QStringLiteral("Kesinti Tutarı"), QStringLiteral("Net Maaş"),
                                  QStringLiteral("Ödeme"),        QStringLiteral("Birimi")};
    return h;
}

QStringList gridTexts(const ArchiveRow &row)
{
    const results::ResultRow &r = row.result;
    return {QString::number(r.key.PKOD), row.ADSOY,          periodText(r.key),    r.GELTOP.toText(),
            r.KESTOP.toText(),           r.MAAS.toText(),    paymentText(r.ODE),   row.BIRIM};
}

namespace {

SheetCell amount(Money m)
{
    return SheetCell::number(m.toPlain(2));
}

SheetCell integerText(int v)
{
    return SheetCell::text(QString::number(v));
}

SheetCell rate(double v)
{
    return SheetCell::number(shortestDecimal(v));
}

/// The stored item names of the rows: the first of their distinct name sets in sorted order,
/// as a SELECT DISTINCT over the same rows gives them.
std::pair<std::array<QString, 10>, std::array<QString, 5>> itemNames(const std::vector<ArchiveRow> &rows)
{
    using Names = std::pair<std::array<QString, 10>, std::array<QString, 5>>;
    std::optional<Names> first;
    for (const ArchiveRow &a : rows) {
        const Names n{a.result.KAZA, a.result.KESA};
        if (!first || n < *first)
            first = n;
    }
    return first.value_or(Names{});
}

}  // namespace

ExportSheet exportSheet(const std::vector<ArchiveRow> &rows, const QString &year)
{
    std::array<Money, 10> kazSum{};
    std::array<Money, 5> kesSum{};
    for (const ArchiveRow &a : rows) {
        for (std::size_t i = 0; i < 10; ++i)
            kazSum[i] += a.result.KAZ[i];
        for (std::size_t i = 0; i < 5; ++i)
            kesSum[i] += a.result.KES[i];
    }
    std::vector<std::size_t> kazShown, kesShown;
    for (std::size_t i = 0; i < 10; ++i)
        if (kazSum[i] > Money())
            kazShown.push_back(i);
    for (std::size_t i = 0; i < 5; ++i)
        if (kesSum[i] > Money())
            kesShown.push_back(i);
    const auto names = itemNames(rows);

    ExportSheet sheet;
    sheet.headings = {
        QStringLiteral("MAAŞ TÜRÜ"),          QStringLiteral("MAAŞ DÖNEMİ"),
        QStringLiteral("EMEKLİ SİCİL NO"),    QStringLiteral("ADI SOYADI"),
        QStringLiteral("DERECE / KADEME"),    QStringLiteral("AYLIK TUTAR"),
        QStringLiteral("GÖSTERGE"),           QStringLiteral("EK GÖSTERGE PUANI"),
        QStringLiteral("EK GÖSTERGE"),        QStringLiteral("TABAN AYLIĞI"),
        QStringLiteral("KIDEM AYLIĞI"),       QStringLiteral("YAN ÖDEME PUANI"),
        QStringLiteral("YAN ÖDEME"),          QStringLiteral("ÖZEL HİZMET PUANI"),
        QStringLiteral("ÖZEL HİZMET TAZMİNATI"), QStringLiteral("EK ÖDEME PUANI"),
        QStringLiteral("EK ÖDEME "),          QStringLiteral("EK TAZMİNAT TUTARI"),
        QStringLiteral("LOJMAN TAZMİNAT "),   QStringLiteral("DİĞER TAZMİNAT "),
        QStringLiteral("AİLE YARDIMI "),      QStringLiteral("0-6 YAŞ ÇOCUK"),
        QStringLiteral("6 YAŞ ÜZERİ ÇOCUK"),  QStringLiteral("ÇOCUK YARDIMI"),
        QStringLiteral("YEMEK BEDELİ"),       QStringLiteral("M.Y.O.İŞVEREN HİSSESİ"),
        QStringLiteral("G.S.S.İŞVEREN HİSSESİ"), QStringLiteral("GSS MATRAHI"),
        QStringLiteral("EMEKLİ KESENEĞİ(%20)"), QStringLiteral("TERFİ FARKI"),
        QStringLiteral("FAZLA MESAİ"),
    };
    for (std::size_t i : kazShown)
        sheet.headings << names.first[i];
    sheet.headings << QStringLiteral("GELİR TOPLAMI") << QStringLiteral("VERGİ MATRAHI") << QStringLiteral("VERGİ ORANI")
                   << QStringLiteral("TOPLAM GELİR VERGİSİ") << QStringLiteral("GELİR VERGİSİ(HESAPLANAN)")
                   << QStringLiteral("GELİR VERGİSİ(İNDİRİLEN)") << QStringLiteral("GELİR VERGİSİ (KESİLEN)")
                   << QStringLiteral("DAMGA VERGİ MATRAHI") << QStringLiteral("DAMGA VERGİSİ")
                   << QStringLiteral("EMEKLİ KESENEĞİ(ZERAN)") << QStringLiteral("EMEKLİ KESENEĞİ(İŞVEREN)")
                   << QStringLiteral("M.Y.O.İŞVEREN (%11)") << QStringLiteral("M.Y.O.PERSONEL(%9)")
                   << QStringLiteral("G.S.S.İŞVEREN(%7.5)") << QStringLiteral("G.S.S.PERSONEL(%5)")
                   << QStringLiteral("HİZMET BORÇLANMASI") << QStringLiteral("İCRA KESİNTİSİ")
                   << QStringLiteral("LOJMAN KİRASI") << QStringLiteral("KEFALET") << QStringLiteral("PARA CEZASI")
                   << QStringLiteral("B.E.S.") << QStringLiteral("A.G.İ.") << QStringLiteral("SENDİKA1")
                   << QStringLiteral("SENDİKA2") << QStringLiteral("SENDİKA3");
    for (std::size_t i : kesShown)
        sheet.headings << names.second[i];
    sheet.headings << QStringLiteral("KESİNTİ TOPLAMI") << QStringLiteral("MAAŞ TUTARI")
                   << QStringLiteral("EMANETE ALINAN") << QStringLiteral("NET MAAŞ");

    for (const ArchiveRow &a : rows) {
        const results::ResultRow &r = a.result;
        const results::SnapshotRow s = a.snapshot.value_or(results::SnapshotRow{});
        const bool has = a.snapshot.has_value();
        const auto snap = [has](int v) { return has ? integerText(v) : SheetCell::text(QString()); };
        std::vector<SheetCell> c = {
            SheetCell::text(archiveKindName(r.key.TUR)),
            SheetCell::text(year + QStringLiteral(" / ") + QString::number(r.key.AY)),
            SheetCell::text(a.EMSNO),
            SheetCell::text(a.ADSOY),
            SheetCell::text(has ? QString::number(s.DER) + QStringLiteral(" / ") + QString::number(s.KAD) : QString()),
            amount(r.AYTUT),
            snap(s.GOS),
            snap(s.EGOS),
            amount(r.EGOSTUT),
            amount(r.TABAY),
            amount(r.KIDAY),
            snap(s.YOP),
            amount(r.YANOD),
            snap(s.OHT),
            amount(r.OZHIZTAZ),
            snap(s.EKOD),
            amount(r.EKODTUT),
            amount(r.EKTAZ),
            amount(r.LOJTAZ),
            amount(r.DIGTAZ),
            amount(r.AILEYRD),
            snap(s.COC1),
            snap(s.COC2),
            amount(r.COCYRD),
            amount(r.YEMEK),
            amount(r.MYOI),
            amount(r.GSSI),
            amount(r.GSSMAT),
            amount(r.EMKESD + r.EMKESM),
            amount(r.TERFAR),
            amount(r.FAZMES),
        };
        for (std::size_t i : kazShown)
            c.push_back(amount(r.KAZ[i]));
        // The withheld income tax is the stored GELVERKES: GELVER − GELVER1 would go negative
        // where the exemption exceeds the tax.
        c.insert(c.end(), {amount(r.GELTOP), amount(r.VERMAT), rate(r.VEROR), amount(a.TGVMAT), amount(r.GELVER),
                           amount(r.GELVER1), amount(r.GELVERKES), amount(r.DVMAT), amount(r.DAMVER),
                           amount(r.EMKESM), amount(r.EMKESD), amount(r.MYOI), amount(r.MYOP), amount(r.GSSI),
                           amount(r.GSSP), amount(r.HIZBOR), amount(r.ICRA), amount(r.KIRA), amount(r.KEFALET),
                           amount(r.PCEZA), amount(r.BES), amount(r.VIADE), amount(r.SEN1), amount(r.SEN2),
                           amount(r.SEN3)});
        for (std::size_t i : kesShown)
            c.push_back(amount(r.KES[i]));
        c.insert(c.end(), {amount(r.KESTOP), amount(r.MAAS), SheetCell::number(r.ACIKKES.toPlain(2)), amount(net(r))});
        sheet.rows.push_back(std::move(c));
    }
    sheet.textColumns = {2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 20, 22, 23, 24, 26, 27, 29, 30, 32};
    sheet.widths = {{1, 15}, {2, 15}, {3, 15}, {4, 25}, {20, 25}};
    return sheet;
}

bool fillWorkbook(const ExportSheet &sheet, sheet::Workbook &wb)
{
    bool ok = true;
    for (int c : sheet.textColumns)
        ok = wb.setColumnTextFormat(c) && ok;
    for (const auto &[c, w] : sheet.widths)
        ok = wb.setColumnWidth(c, w) && ok;
    for (int c = 0; c < sheet.headings.size(); ++c)
        ok = wb.writeText(1, c + 1, sheet.headings.at(c)) && ok;
    int row = 2;
    for (const std::vector<SheetCell> &cells : sheet.rows) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const SheetCell &cell = cells[c];
            const int col = int(c) + 1;
            ok = (cell.kind == SheetCell::Kind::Text ? wb.writeText(row, col, cell.value)
                                                     : wb.writeNumber(row, col, cell.value, QStringLiteral("#,##0.00"))) &&
                 ok;
        }
        ++row;
    }
    return ok;
}

namespace {

QJsonValue money(Money m)
{
    return m.toPlain(2);
}

QJsonValue optionalMoney(const std::optional<Money> &m)
{
    return m ? QJsonValue(m->toPlain(2)) : QJsonValue(QJsonValue::Null);
}

QJsonValue optionalNumber(const std::optional<double> &v)
{
    return v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null);
}

}  // namespace

QByteArray rowsJson(const std::vector<ArchiveRow> &rows)
{
    QJsonArray out;
    for (const ArchiveRow &a : rows) {
        const results::ResultRow &r = a.result;
        QJsonObject o;
        o.insert(QStringLiteral("PKAYNO"), r.key.PKAYNO);
        o.insert(QStringLiteral("BKOD"), r.key.BKOD);
        o.insert(QStringLiteral("PKOD"), r.key.PKOD);
        o.insert(QStringLiteral("TUR"), results::kindCode(r.key.TUR));
        o.insert(QStringLiteral("TURAD"), archiveKindName(r.key.TUR));
        o.insert(QStringLiteral("YIL"), r.key.YIL);
        o.insert(QStringLiteral("AY"), r.key.AY);
        o.insert(QStringLiteral("DON"), periodText(r.key));
        o.insert(QStringLiteral("ADSOY"), a.ADSOY);
        o.insert(QStringLiteral("EMSNO"), a.EMSNO);
        o.insert(QStringLiteral("BIRIM"), a.BIRIM);
        o.insert(QStringLiteral("GELTOP"), money(r.GELTOP));
        o.insert(QStringLiteral("KESTOP"), money(r.KESTOP));
        o.insert(QStringLiteral("MAAS"), money(r.MAAS));
        o.insert(QStringLiteral("ACIKKES"), r.ACIKKES.toPlain(4));
        o.insert(QStringLiteral("NET"), r.ACIKKES.isZero() ? money(net(r)) : QJsonValue(net(r).toPlain(4)));
        o.insert(QStringLiteral("VERMAT"), money(r.VERMAT));
        o.insert(QStringLiteral("GELVER"), money(r.GELVER));
        o.insert(QStringLiteral("GELVER1"), money(r.GELVER1));
        o.insert(QStringLiteral("GELVERKES"), money(r.GELVERKES));
        o.insert(QStringLiteral("GELVER2"), optionalMoney(gelver2(r)));
        o.insert(QStringLiteral("DAMVER"), money(r.DAMVER));
        o.insert(QStringLiteral("DAMVER1"), money(r.DAMVER1));
        o.insert(QStringLiteral("DAMVER2"), optionalMoney(damver2(r)));
        o.insert(QStringLiteral("TGVMAT"), money(a.TGVMAT));
        o.insert(QStringLiteral("KEFALET"), money(r.KEFALET));
        o.insert(QStringLiteral("ODE"), r.ODE);
        o.insert(QStringLiteral("ODEAD"), paymentText(r.ODE));
        o.insert(QStringLiteral("ODENO"), optionalNumber(r.ODENO));
        o.insert(QStringLiteral("ODETAR"), optionalNumber(r.ODETAR));
        o.insert(QStringLiteral("YEVNO"), optionalNumber(r.YEVNO));
        if (a.snapshot) {
            const results::SnapshotRow &s = *a.snapshot;
            QJsonObject snap;
            snap.insert(QStringLiteral("DK"), gradeText(a));
            snap.insert(QStringLiteral("GOS"), s.GOS);
            snap.insert(QStringLiteral("KEFALET"), s.KEFALET);
            snap.insert(QStringLiteral("GSSTUR"), s.GSSTUR);
            snap.insert(QStringLiteral("VEKIL"), s.VEKIL);
            o.insert(QStringLiteral("ARSIV"), snap);
        } else {
            o.insert(QStringLiteral("ARSIV"), QJsonValue(QJsonValue::Null));
        }
        out.append(o);
    }
    return QJsonDocument(out).toJson(QJsonDocument::Indented);
}

QString deleteRefusal(int unit, int month)
{
    return unit == 0 || month < 1 || month > 12 ? QString::fromUtf8(kChooseUnitAndMonth) : QString();
}

QString deleteQuestion()
{
    return QString::fromUtf8(kDeleteQuestion) + QString::fromUtf8(kDeleteLedgerNote);
}

QString journalQuestion(qint64 yevno)
{
    return QStringLiteral("DİKKAT.. %1 Numaralı Yevmiye Kaydı Oluşturulmuştur, Devam Etmek İstiyormusunuz ").arg(yevno);
}

NumberReading readJournalNumber(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    bool ok = false;
    const qlonglong n = t.toLongLong(&ok);
    if (!ok || n < 1 || n > 999999999)
        return {std::nullopt, QString::fromUtf8(kBadJournalNumber)};
    return {double(n), QString()};
}

NumberReading readJournalDate(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    const std::optional<QDate> d = cal::parseDateText(t);
    if (!d)
        return {std::nullopt, QString::fromUtf8(kBadJournalDate)};
    return {double(d->year() * 10000 + d->month() * 100 + d->day()), QString()};
}

QString journalDateText(const std::optional<double> &stored)
{
    if (!stored)
        return QString();
    const qint64 n = qRound64(*stored);
    const QDate d(int(n / 10000), int(n / 100 % 100), int(n % 100));
    if (double(n) == *stored && n >= 10000101 && d.isValid())
        return cal::dateText(d);
    return shortestDecimal(*stored);
}

QString journalNumberText(const std::optional<double> &stored)
{
    return stored ? shortestDecimal(*stored) : QString();
}

const std::vector<TaxBaseEntryKind> &taxBaseEntryKinds()
{
    static const std::vector<TaxBaseEntryKind> k = {
        {QStringLiteral("Maaş"), QStringLiteral("Maaş Matrah Giriş"), PayrollKind::Monthly},
        {QStringLiteral("Fark"), QStringLiteral("Fark Matrah Giriş"), PayrollKind::Difference},
        {QStringLiteral("İkramiye"), QStringLiteral("İkramiye Matrah Giriş"), PayrollKind::Additional},
        {QStringLiteral("Mesai"), QStringLiteral("Mesai Matrah Giriş"), PayrollKind::Committee},
    };
    return k;
}

QString taxBaseRefusal(int month, int runMonth, const std::optional<Money> &base)
{
    if (month < 1 || month > 12)
        return QString::fromUtf8(kChooseMonth);
    if (!base)
        return QString::fromUtf8(kEnterBase);
    // A base of a later month would stand as that month's payroll row and block the unit's
    // later payrolls.
    if (month > runMonth)
        return QString::fromUtf8(kLaterThanRunMonth);
    if (base->isNegative())
        return QString::fromUtf8(kNegativeBase);
    return QString();
}

QString correctionAuditText(const results::ResultRow &r)
{
    return QStringLiteral("PKAYNO:%1 BKOD:%2YIL:%3AY: %4TUT: %5")
        .arg(r.key.PKAYNO)
        .arg(r.key.BKOD)
        .arg(r.key.YIL)
        .arg(r.key.AY)
        .arg(r.MAAS.toText());
}

QString deleteAuditText(const results::PayrollMonth &m, int bkod, int rows)
{
    return QStringLiteral("BORDRO SİLME BKOD:%1 YIL:%2 AY:%3 TUR:%4 SATIR:%5")
        .arg(bkod)
        .arg(m.YIL)
        .arg(m.AY)
        .arg(results::kindCode(m.TUR))
        .arg(rows);
}

QString paymentAuditText(const results::RowKey &k, const QString &ode)
{
    return QStringLiteral("ÖDEME PKAYNO:%1 BKOD:%2 YIL:%3 AY:%4 TUR:%5 ODE:%6")
        .arg(k.PKAYNO)
        .arg(k.BKOD)
        .arg(k.YIL)
        .arg(k.AY)
        .arg(results::kindCode(k.TUR), ode);
}

QString taxBaseAuditText(const results::RowKey &k, Money vermat)
{
    return QStringLiteral("MATRAH PKAYNO:%1 BKOD:%2 YIL:%3 AY:%4 TUR:%5 TUT:%6")
        .arg(k.PKAYNO)
        .arg(k.BKOD)
        .arg(k.YIL)
        .arg(k.AY)
        .arg(results::kindCode(k.TUR), vermat.toText());
}

}  // namespace zeran::archive
