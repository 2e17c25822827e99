#include "listsloader.h"

#include "banklistloader.h"

#include "calendar.h"
#include "settingsrow.h"
#include "unitstore.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace zeran::lists {

namespace {

const QString kAdsoy = QStringLiteral("S.ADI||' '||S.SOYADI ADSOY");
const QString kResultJoins = QStringLiteral(
    " FROM ZERMAAS M LEFT JOIN SICIL S ON S.PKAYNO=M.PKAYNO"
    " LEFT JOIN ZERBORBIL B ON B.PKAYNO=M.PKAYNO AND B.BKOD=M.BKOD AND B.PKOD=M.PKOD"
    " LEFT JOIN UNTAN U ON U.UKOD=B.UKOD");
// Today's "H" hides only the months from which it applies: a row of an earlier month was paid.
const QString kNotHidden = QStringLiteral(" AND (COALESCE(B.DURUM,'E')<>'H' OR M.AY<:HM)");
const QString kOrder = QStringLiteral(" ORDER BY M.BKOD,ADSOY,M.AY,M.PKOD,M.TUR");
const QString kStaff = QStringLiteral(
    "SELECT %1,B.PKAYNO,B.BKOD,B.PKOD,B.DER,B.KAD,B.GOS,B.KIDEM,S.EMSNO,S.KGT,U.UNVAN,S.OGRDUR,S.TCKNO,S.BHN"
    " FROM ZERBORBIL B LEFT JOIN UNTAN U ON U.UKOD=B.UKOD LEFT JOIN SICIL S ON S.PKAYNO=B.PKAYNO"
    " WHERE COALESCE(B.DURUM,'E')<>'H'");
const QString kUnionHeading = QStringLiteral("SELECT SENDIKA,ADRES,BHNO FROM SENDIKA WHERE SENKOD=:SK AND TUR='M'");
const QString kUnions = QStringLiteral("SELECT SENKOD,SENDIKA FROM SENDIKA WHERE TUR='M' ORDER BY SENDIKA");
const QString kDeductions = QStringLiteral("SELECT HARNO,KESADI,AKTIF FROM ZERKES ORDER BY HARNO");

/// The result columns a page selects, besides the keys, the names and numbers.
QString resultColumns(Page page)
{
    switch (page) {
    case Page::Retirement: return QStringLiteral("M.ARTIS,M.EMKESD,M.EMKESM,M.MYOI,M.MYOP,M.GSSI,M.GSSP,M.HIZBOR");
    case Page::Retirement12: return QStringLiteral("M.DVVIADE");
    case Page::Union: return QStringLiteral("B.SENKOD,SN.SENDIKA,M.SEN1+M.SEN2+M.SEN3 SENTUT");
    case Page::Special: return QStringLiteral("M.KES1,M.KES2,M.KES3,M.KES4,M.KES5");
    case Page::Garnishment: return QStringLiteral("M.ICRA");
    case Page::Rent: return QStringLiteral("M.KIRA");
    case Page::Tax: return QStringLiteral("M.VEROR,M.VERMAT,M.GELVER,M.DAMVER,M.DVMAT");
    case Page::Surety: return QStringLiteral("M.KEFALET");
    case Page::Pension: return QStringLiteral("M.BES,M.GSSMAT,M.EKMAT");
    case Page::Allowance: return QStringLiteral("M.VIADE");
    case Page::Withheld: return QStringLiteral("M.ACIKKES");
    case Page::Staff:
    case Page::Bank:
        break;
    }
    return {};
}

/// The page's own condition after the year (and the kinds it takes).
QString resultCondition(Page page, const ListQuery &q)
{
    switch (page) {
    case Page::Retirement:
        return QStringLiteral(" AND M.TUR='1'") + kNotHidden + QStringLiteral(" AND B.GSSTUR=:GS");
    case Page::Retirement12: return QStringLiteral(" AND M.TUR='1' AND M.DVVIADE>0");
    case Page::Union:
        return QStringLiteral(" AND B.SENDIKA='E' AND M.TUR='1'") + kNotHidden +
               (q.union_ != 0 ? QStringLiteral(" AND B.SENKOD=:SK") : QString());
    case Page::Special:
        return QStringLiteral(" AND M.KES1+M.KES2+M.KES3+M.KES4+M.KES5>0 AND M.TUR='1'") + kNotHidden;
    case Page::Garnishment: return QStringLiteral(" AND M.ICRA>0") + kNotHidden;
    case Page::Rent: return QStringLiteral(" AND M.KIRA>0") + kNotHidden;
    case Page::Tax: return q.addDifference ? QString() : QStringLiteral(" AND M.TUR='1'");
    case Page::Surety: return QStringLiteral(" AND M.KEFALET>0");
    case Page::Pension: return QStringLiteral(" AND M.TUR='1' AND M.BES>0");
    case Page::Allowance: return QStringLiteral(" AND M.TUR='1' AND M.VIADE>0");
    case Page::Withheld: return QStringLiteral(" AND M.TUR='1' AND M.ACIKKES>0");
    case Page::Staff:
    case Page::Bank:
        break;
    }
    return {};
}

QString text(const QSqlQuery &q, const QSqlRecord &rec, const char *name)
{
    const int i = rec.indexOf(QLatin1String(name));
    return i < 0 ? QString() : q.value(i).toString().trimmed();
}

int number(const QSqlQuery &q, const QSqlRecord &rec, const char *name)
{
    const int i = rec.indexOf(QLatin1String(name));
    return i < 0 ? 0 : q.value(i).toInt();
}

Money amount(const QSqlQuery &q, const QSqlRecord &rec, const char *name)
{
    const int i = rec.indexOf(QLatin1String(name));
    return i < 0 || q.value(i).isNull() ? Money() : Money::fromDbDouble(q.value(i).toDouble());
}

ListSource readRow(const QSqlQuery &q, const QSqlRecord &rec)
{
    ListSource r;
    r.PKAYNO = number(q, rec, "PKAYNO");
    r.BKOD = number(q, rec, "BKOD");
    r.PKOD = number(q, rec, "PKOD");
    r.TUR = text(q, rec, "TUR");
    r.YIL = text(q, rec, "YIL");
    r.AY = number(q, rec, "AY");
    r.ADSOY = text(q, rec, "ADSOY");
    r.EMSNO = text(q, rec, "EMSNO");
    r.TCKNO = text(q, rec, "TCKNO");
    r.BHN = text(q, rec, "BHN");
    r.UNVAN = text(q, rec, "UNVAN");
    if (const int i = rec.indexOf(QLatin1String("KGT")); i >= 0)
        r.KGT = q.value(i).toDate();
    r.OGRDUR = number(q, rec, "OGRDUR");
    r.KIDEM = number(q, rec, "KIDEM");
    r.DER = number(q, rec, "DER");
    r.KAD = number(q, rec, "KAD");
    r.GOS = number(q, rec, "GOS");
    r.SENKOD = number(q, rec, "SENKOD");
    r.SENDIKA = text(q, rec, "SENDIKA");
    r.SENTUT = amount(q, rec, "SENTUT");
    r.ARTIS = amount(q, rec, "ARTIS");
    r.EMKESM = amount(q, rec, "EMKESM");
    r.EMKESD = amount(q, rec, "EMKESD");
    r.MYOI = amount(q, rec, "MYOI");
    r.MYOP = amount(q, rec, "MYOP");
    r.GSSI = amount(q, rec, "GSSI");
    r.GSSP = amount(q, rec, "GSSP");
    r.HIZBOR = amount(q, rec, "HIZBOR");
    r.DVVIADE = amount(q, rec, "DVVIADE");
    static const char *const kes[] = {"KES1", "KES2", "KES3", "KES4", "KES5"};
    for (std::size_t n = 0; n < 5; ++n)
        r.KES[n] = amount(q, rec, kes[n]);
    r.ICRA = amount(q, rec, "ICRA");
    r.KIRA = amount(q, rec, "KIRA");
    r.KEFALET = amount(q, rec, "KEFALET");
    r.BES = amount(q, rec, "BES");
    r.GSSMAT = amount(q, rec, "GSSMAT");
    r.EKMAT = amount(q, rec, "EKMAT");
    r.VIADE = amount(q, rec, "VIADE");
    r.ACIKKES = amount(q, rec, "ACIKKES");
    if (const int i = rec.indexOf(QLatin1String("VEROR")); i >= 0)
        r.VEROR = q.value(i).toDouble();
    r.VERMAT = amount(q, rec, "VERMAT");
    r.GELVER = amount(q, rec, "GELVER");
    r.DAMVER = amount(q, rec, "DAMVER");
    r.DVMAT = amount(q, rec, "DVMAT");
    return r;
}

}  // namespace

int hideFromMonth(const QString &year, const QDate &today)
{
    const int y = year.toInt();
    if (y < today.year())
        return 13;
    if (y > today.year())
        return 1;
    return today.month();
}

std::vector<ListSource> loadListRows(const db::Database &db, const ListQuery &query)
{
    QString sql;
    QVariantMap binds;
    if (query.page == Page::Bank)
        return {};
    if (query.page == Page::Staff) {
        sql = kStaff.arg(kAdsoy);
        if (query.unit != 0) {
            sql += QStringLiteral(" AND B.BKOD=:BK");
            binds.insert(QStringLiteral("BK"), query.unit);
        }
        sql += QStringLiteral(" ORDER BY B.BKOD,ADSOY,B.PKOD");
    } else {
        sql = QStringLiteral("SELECT M.PKAYNO,M.BKOD,M.PKOD,M.TUR,M.YIL,M.AY,S.EMSNO,S.TCKNO,U.UNVAN,") + kAdsoy +
              QLatin1Char(',') + resultColumns(query.page) + kResultJoins;
        if (query.page == Page::Union)
            sql += QStringLiteral(" LEFT JOIN SENDIKA SN ON SN.SENKOD=B.SENKOD AND SN.TUR='M'");
        sql += QStringLiteral(" WHERE M.YIL=:YL") + resultCondition(query.page, query);
        binds.insert(QStringLiteral("YL"), query.year);
        if (sql.contains(QLatin1String(":HM")))
            binds.insert(QStringLiteral("HM"), query.hideFrom);
        if (query.page == Page::Retirement)
            binds.insert(QStringLiteral("GS"), query.law5510 ? QStringLiteral("5") : QStringLiteral("E"));
        if (query.page == Page::Union && query.union_ != 0)
            binds.insert(QStringLiteral("SK"), query.union_);
        if (query.unit != 0) {
            sql += QStringLiteral(" AND M.BKOD=:BK");
            binds.insert(QStringLiteral("BK"), query.unit);
        }
        if (query.month != 0) {
            sql += QStringLiteral(" AND M.AY=:AA");
            binds.insert(QStringLiteral("AA"), query.month);
        }
        sql += kOrder;
    }
    QSqlQuery q = db.exec(sql, binds);
    const QSqlRecord rec = q.record();
    std::vector<ListSource> rows;
    while (q.next())
        rows.push_back(readRow(q, rec));
    return query.page == Page::Tax ? groupTaxRows(rows) : rows;
}

Table loadBankTable(const db::Database &db, const ListQuery &query)
{
    bankfiles::BankListQuery bq;
    bq.year = query.year;
    bq.month = query.month;
    bq.unit = query.unit;
    bq.addDifference = query.addDifference;
    const bankfiles::BankList list = bankfiles::loadBankList(db, bq);
    Table t;
    const auto col = [&t](const char *heading, ValueKind kind) {
        t.columns.push_back({QString::fromUtf8(heading), kind, kind == ValueKind::Amount, 1});
        t.totals.push_back(kind == ValueKind::Amount ? std::optional<Money>(Money()) : std::nullopt);
    };
    col("Adı ve Soyadı", ValueKind::Text);
    col("T.C.Kimlik No", ValueKind::Text);
    col("Banka H.No", ValueKind::Text);
    for (const char *h : {"Maaş Tutarı", "Maaş Farkı", "Toplam", "Kesinti T.", "Ele Geçen"})
        col(h, ValueKind::Amount);
    for (const bankfiles::BankListRow &r : list.rows) {
        std::vector<Value> line{{r.source.ADSOY, {}}, {r.source.TCKNO, {}}, {r.source.BHN, {}}};
        for (const Money &m : {r.MAAS, r.FARK, r.TOPLAM, r.OZKES, r.NET})
            line.push_back({QString(), m});
        for (std::size_t c = 3; c < line.size(); ++c)
            *t.totals[c] += *line[c].amount;
        t.rows.push_back(std::move(line));
    }
    return t;
}

ListHeading loadListHeading(const db::Database &db, const ListQuery &query)
{
    ListHeading h;
    h.KURUM = settingsrow::readWorkingYear(db).KURUM.trimmed();
    h.year = query.year;
    h.monthText = query.month == 0 ? QStringLiteral("TÜMÜ") : cal::monthName(query.month);
    h.unitName = QStringLiteral("TÜMÜ");
    if (query.unit != 0) {
        if (const auto unit = units::unitHeader(db, query.unit)) {
            h.unitName = unit->BIRIM.trimmed();
            h.signatories = unit->signatories;
        }
    }
    h.unionName = QStringLiteral("TÜMÜ");
    if (query.page == Page::Union && query.union_ != 0) {
        QSqlQuery q = db.exec(kUnionHeading, {{QStringLiteral("SK"), query.union_}});
        if (q.next()) {
            h.unionName = q.value(0).toString().trimmed();
            h.unionAddress = q.value(1).toString().trimmed();
            h.unionAccount = q.value(2).toString().trimmed();
            h.unionCode = query.union_;
        }
    }
    return h;
}

std::vector<DeductionDefinition> loadDeductions(const db::Database &db)
{
    std::vector<DeductionDefinition> out;
    QSqlQuery q = db.exec(kDeductions);
    while (q.next())
        out.push_back({q.value(0).toInt(), q.value(1).toString().trimmed(), q.value(2).toString().trimmed()});
    return out;
}

std::vector<UnionChoice> loadUnions(const db::Database &db)
{
    std::vector<UnionChoice> out;
    QSqlQuery q = db.exec(kUnions);
    while (q.next())
        out.push_back({q.value(0).toInt(), q.value(1).toString().trimmed()});
    return out;
}

}  // namespace zeran::lists
