#include "banklistloader.h"

#include "calendar.h"

#include <QSqlQuery>

namespace zeran::bankfiles {

namespace {

const QString kRows = QStringLiteral(
    "SELECT M.ACIKKES,S.EMSNO,M.MAAS,M.PKAYNO,M.YIL,M.AY,M.BKOD,M.OZELKES,M.PKOD,M.TUR,S.ADI,S.SOYADI,"
    "S.VERNO,S.BHN,S.TCKNO,B.BIRIM FROM ZERMAAS M "
    "JOIN SICIL S ON(S.PKAYNO=M.PKAYNO) "
    "LEFT JOIN BIRIM B ON(B.BKOD=M.BKOD AND B.TUR='M') "
    "WHERE M.YIL=:YL AND M.TUR<>'2' AND M.TUR<>'8'%1 "
    "ORDER BY M.BKOD,M.PKOD,M.AY,M.TUR");
const QString kDifferences = QStringLiteral(
    "SELECT M.PKAYNO,M.BKOD,M.YIL,M.AY,M.MAAS,M.ACIKKES FROM ZERMAAS M "
    "WHERE M.YIL=:YL AND (M.TUR='2' OR M.TUR='8') AND M.MAAS>0%1");
const QString kUnit = QStringLiteral(" AND M.BKOD=:BK");
const QString kMonth = QStringLiteral(" AND M.AY=:AA");
const QString kSalaryUnits = QStringLiteral(" AND B.MTUR='N'");
const QString kOtherUnits = QStringLiteral(" AND B.MTUR<>'N'");

QString text(const QVariant &v)
{
    return v.toString().trimmed();
}

Money money(const QVariant &v)
{
    return v.isNull() ? Money() : Money::fromDbDouble(v.toDouble());
}

}  // namespace

BankList loadBankList(const db::Database &db, const BankListQuery &query)
{
    QVariantMap binds{{QStringLiteral("YL"), query.year}};
    QString condition;
    if (query.unit > 0) {
        condition += kUnit;
        binds.insert(QStringLiteral("BK"), query.unit);
    } else if (query.group == StaffGroup::Zeran) {
        condition += kSalaryUnits;
    } else if (query.group == StaffGroup::Other) {
        condition += kOtherUnits;
    }
    if (query.month > 0) {
        condition += kMonth;
        binds.insert(QStringLiteral("AA"), query.month);
    }

    std::vector<BankListSource> sources;
    QSqlQuery q = db.exec(kRows.arg(condition), binds);
    while (q.next()) {
        BankListSource s;
        s.ACIKKES = money(q.value(0));
        s.EMSNO = text(q.value(1));
        s.MAAS = money(q.value(2));
        s.PKAYNO = q.value(3).toInt();
        s.YIL = text(q.value(4));
        s.AY = q.value(5).toInt();
        s.BKOD = q.value(6).toInt();
        s.OZELKES = money(q.value(7));
        s.PKOD = q.value(8).toInt();
        s.TUR = text(q.value(9));
        s.ADSOY = text(q.value(10)) + QLatin1Char(' ') + text(q.value(11));
        s.VERNO = text(q.value(12));
        s.BHN = text(q.value(13));
        s.TCKNO = text(q.value(14));
        s.BIRIM = text(q.value(15));
        sources.push_back(std::move(s));
    }

    std::vector<DifferenceRow> differences;
    if (query.addDifference) {
        QString diffCondition;
        if (query.unit > 0)
            diffCondition += kUnit;
        if (query.month > 0)
            diffCondition += kMonth;
        QVariantMap diffBinds{{QStringLiteral("YL"), query.year}};
        if (query.unit > 0)
            diffBinds.insert(QStringLiteral("BK"), query.unit);
        if (query.month > 0)
            diffBinds.insert(QStringLiteral("AA"), query.month);
        QSqlQuery d = db.exec(kDifferences.arg(diffCondition), diffBinds);
        while (d.next())
            differences.push_back({d.value(0).toInt(), d.value(1).toInt(), text(d.value(2)), d.value(3).toInt(),
                                   money(d.value(4)), money(d.value(5))});
    }

    const BankSettings settings = readBankSettings(db);
    BankList list;
    list.rows = bankListRows(sources, differences, query.addDifference, settings.MKESDUR);
    list.heading.TTBA = settings.TTBA;
    list.heading.TTSA = settings.TTSA;
    list.heading.KURUM = settings.KURUM;
    list.heading.monthText = query.month > 0 ? cal::monthName(query.month) : QStringLiteral("TÜMÜ");
    list.heading.year = query.year;
    if (query.unit > 0)
        if (const auto unit = units::unitHeader(db, query.unit))
            list.heading.signatories = unit->signatories;
    list.layout = bankListLayout(settings.MBORTUR);
    list.preview = list.layout == BankListLayout::A || settings.ONIZ == QLatin1String("E");
    return list;
}

}  // namespace zeran::bankfiles
