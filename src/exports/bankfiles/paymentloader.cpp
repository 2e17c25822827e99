#include "paymentloader.h"

#include "settingsrow.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>

#include <map>
#include <tuple>

namespace zeran::bankfiles {

namespace {

// Every row of the month that can be paid through the bank, one per result row; grouped here.
const QString kRows = QStringLiteral(
    "SELECT M.BKOD,B.BIRIM,D.TCKNO,D.EMSNO,D.ADI,D.SOYADI,D.BHN,M.MAAS,M.PKOD,M.PKAYNO,D.INO,B.MTUR "
    "FROM ZERMAAS M "
    "JOIN SICIL D ON(D.PKAYNO=M.PKAYNO) "
    "LEFT JOIN BIRIM B ON(B.BKOD=M.BKOD AND B.TUR='M') "
    "WHERE M.AY=:AA AND M.YIL=:YL AND M.TUR<>'2' AND M.TUR<>'8' AND M.MAAS>0 AND D.BHN<>'' "
    "AND (D.MBKOD='E' OR D.MBKOD='Evet') "
    "ORDER BY M.BKOD,M.PKOD,M.PKAYNO");
// The person's month over all units and kinds: differences and withheld amounts.
const QString kPersonMonth = QStringLiteral(
    "SELECT M.PKAYNO,M.TUR,M.MAAS,M.ACIKKES FROM ZERMAAS M WHERE M.AY=:AA AND M.YIL=:YL AND M.MAAS>0");
const QString kUnits = QStringLiteral(
    "SELECT DISTINCT M.BKOD,B.BIRIM FROM ZERMAAS M "
    "JOIN BIRIM B ON(B.BKOD=M.BKOD AND B.TUR='M' AND COALESCE(B.AKTIF,'')<>'P') "
    "WHERE M.MAAS>0 AND M.AY=:AA AND M.YIL=:YL ORDER BY 2,1");
const QStringList kSettings = {QStringLiteral("TTBA"),   QStringLiteral("TTSA"),    QStringLiteral("SBKOD"),
                               QStringLiteral("KMUSNO"), QStringLiteral("KHESNO"),  QStringLiteral("BDTUR"),
                               QStringLiteral("MAIL"),   QStringLiteral("MHOST"),   QStringLiteral("BMAIL"),
                               QStringLiteral("KURUM"),  QStringLiteral("CYIL"),    QStringLiteral("MKESDUR"),
                               QStringLiteral("MBORTUR"), QStringLiteral("ONIZ")};

QString text(const QVariant &v)
{
    return v.toString().trimmed();
}

Money money(const QVariant &v)
{
    return v.isNull() ? Money() : Money::fromDbDouble(v.toDouble());
}

bool difference(const QString &tur)
{
    return tur == QLatin1String("2") || tur == QLatin1String("8");
}

struct Listed {
    PaymentRow row;
    QString MTUR;
    bool mturNull = true;
};

bool inGroup(const Listed &l, StaffGroup group)
{
    switch (group) {
    case StaffGroup::All: return true;
    case StaffGroup::Zeran: return !l.mturNull && l.MTUR == QLatin1String("N");
    case StaffGroup::Other: return !l.mturNull && l.MTUR != QLatin1String("N");
    }
    return true;
}

}  // namespace

std::vector<PaymentRow> loadPaymentRows(const db::Database &db, const PaymentQuery &query)
{
    const QVariantMap binds{{QStringLiteral("AA"), query.month}, {QStringLiteral("YL"), query.year}};

    using Key = std::tuple<int, int, int>;  // BKOD, PKOD, PKAYNO: the list order
    std::map<Key, Listed> listed;
    QSqlQuery q = db.exec(kRows, binds);
    while (q.next()) {
        const Key key{q.value(0).toInt(), q.value(8).toInt(), q.value(9).toInt()};
        auto [it, fresh] = listed.try_emplace(key);
        Listed &l = it->second;
        if (fresh) {
            PaymentRow &r = l.row;
            r.BKOD = std::get<0>(key);
            r.BIRIM = text(q.value(1));
            r.TCKNO = text(q.value(2));
            r.EMSNO = text(q.value(3));
            r.ADI = text(q.value(4));
            r.SOYADI = text(q.value(5));
            r.BHN = text(q.value(6));
            r.PKOD = std::get<1>(key);
            r.PKAYNO = std::get<2>(key);
            r.INO = text(q.value(10));
            l.mturNull = q.value(11).isNull();
            l.MTUR = text(q.value(11));
        }
        l.row.MAAS += money(q.value(7));
    }

    QHash<int, Money> fark, acikkes;
    QSqlQuery p = db.exec(kPersonMonth, binds);
    while (p.next()) {
        const int pk = p.value(0).toInt();
        const bool diff = difference(text(p.value(1)));
        if (diff && query.addDifference)
            fark[pk] += money(p.value(2));
        if (!diff || query.addDifference)
            acikkes[pk] += money(p.value(3));
    }

    // The person's first row of the whole month's list carries the difference and the
    // withheld amount; a selection without that row carries neither.
    QHash<int, Key> carrier;
    for (const auto &[key, l] : listed)
        if (!carrier.contains(l.row.PKAYNO))
            carrier.insert(l.row.PKAYNO, key);

    auto selected = [&](const Listed &l) {
        return query.unit > 0 ? l.row.BKOD == query.unit : inGroup(l, query.group);
    };
    std::vector<PaymentRow> out;
    for (const auto &[key, l] : listed) {
        if (!selected(l))
            continue;
        PaymentRow r = l.row;
        const auto c = listed.find(carrier.value(r.PKAYNO));
        if (c != listed.end() && selected(c->second)) {
            r.FARK = fark.value(r.PKAYNO);
            r.ACIKKES = acikkes.value(r.PKAYNO);
        }
        out.push_back(r);
    }
    return out;
}

std::vector<units::UnitName> unitChoices(const db::Database &db, const QString &year, int month)
{
    std::vector<units::UnitName> out;
    QSqlQuery q = db.exec(kUnits, {{QStringLiteral("AA"), month}, {QStringLiteral("YL"), year}});
    while (q.next())
        out.push_back({q.value(0).toInt(), text(q.value(1))});
    return out;
}

BankSettings readBankSettings(const db::Database &db)
{
    const QSqlRecord r = settingsrow::read(db, kSettings);
    auto v = [&](const char *name) { return text(r.value(QLatin1String(name))); };
    BankSettings s;
    s.TTBA = v("TTBA");
    s.TTSA = v("TTSA");
    s.SBKOD = v("SBKOD");
    s.KMUSNO = v("KMUSNO");
    s.KHESNO = v("KHESNO");
    s.BDTUR = v("BDTUR");
    s.MAIL = v("MAIL");
    s.MHOST = v("MHOST");
    s.BMAIL = v("BMAIL");
    s.KURUM = v("KURUM");
    s.CYIL = v("CYIL");
    s.MKESDUR = v("MKESDUR");
    s.MBORTUR = v("MBORTUR");
    s.ONIZ = v("ONIZ");
    return s;
}

}  // namespace zeran::bankfiles
