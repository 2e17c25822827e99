#include "monthtotals.h"

namespace zeran::results {

namespace {

const QString kSelect = QStringLiteral("SELECT COUNT(*),%1 FROM ZERMAAS WHERE YIL=:YIL AND AY=:AY AND TUR='1'");
const QString kUnitCondition = QStringLiteral(" AND BKOD=:BKOD");

}  // namespace

const QStringList &totalColumns()
{
    static const QStringList columns = [] {
        QStringList c{QStringLiteral("AYTUT"),   QStringLiteral("EGOSTUT"), QStringLiteral("TABAY"),
                      QStringLiteral("KIDAY"),   QStringLiteral("YANOD"),   QStringLiteral("FAZMES"),
                      QStringLiteral("AILEYRD"), QStringLiteral("COCYRD"),  QStringLiteral("COCYRD1"),
                      QStringLiteral("TERFAR"),  QStringLiteral("ARTIS"),   QStringLiteral("EMKESD"),
                      QStringLiteral("EMKESM"),  QStringLiteral("OZHIZTAZ"), QStringLiteral("EKODTUT"),
                      QStringLiteral("LOJTAZ"),  QStringLiteral("EKTAZ"),   QStringLiteral("DIGTAZ"),
                      QStringLiteral("YEMEK"),   QStringLiteral("DVVIADE"), QStringLiteral("MYOI"),
                      QStringLiteral("MYOP"),    QStringLiteral("GSSI"),    QStringLiteral("GSSP")};
        for (int i = 1; i <= 10; ++i)
            c << QStringLiteral("KAZ%1").arg(i);
        c << QStringLiteral("GELVER") << QStringLiteral("DAMVER") << QStringLiteral("GELVERKES")
          << QStringLiteral("DAMVERKES") << QStringLiteral("HIZBOR") << QStringLiteral("KIRA") << QStringLiteral("ICRA")
          << QStringLiteral("SEN1") << QStringLiteral("KEFALET") << QStringLiteral("PCEZA") << QStringLiteral("BES");
        for (int i = 1; i <= 5; ++i)
            c << QStringLiteral("KES%1").arg(i);
        c << QStringLiteral("VIADE") << QStringLiteral("MAAS") << QStringLiteral("KESTOP") << QStringLiteral("GELTOP")
          << QStringLiteral("ACIKKES");
        // Not among the prints' original totals, but the detailed statement's totals page shows them.
        c << QStringLiteral("DILTAZ");
        return c;
    }();
    return columns;
}

Money MonthTotals::operator[](const QString &column) const
{
    const auto it = sums.find(column);
    return it == sums.end() ? Money() : it->second;
}

MonthTotals alttoplam(db::Database &db, const QString &year, int month, std::optional<int> bkod)
{
    QStringList sums;
    for (const QString &c : totalColumns())
        // Summed as scaled integers: a double SUM drifts in the last decimals over many rows.
        sums << QStringLiteral("SUM(CAST(%1 AS NUMERIC(18,4)))").arg(c);  // fixed names, never user text
    QString sql = kSelect.arg(sums.join(QLatin1Char(',')));
    QVariantMap binds{{QStringLiteral("YIL"), year}, {QStringLiteral("AY"), month}};
    if (bkod) {
        sql += kUnitCondition;
        binds.insert(QStringLiteral("BKOD"), *bkod);
    }
    QSqlQuery q = db.exec(sql, binds);
    MonthTotals t;
    if (q.next()) {
        t.rows = q.value(0).toInt();
        for (int i = 0; i < totalColumns().size(); ++i) {
            const QVariant v = q.value(i + 1);
            // An exact NUMERIC sum below 2^53 ten-thousandths comes over as an exact double.
            t.sums[totalColumns().at(i)] = v.isNull() ? Money() : Money::fromDbDouble(v.toDouble());
        }
    }
    t.ARTIS2 = t[QStringLiteral("ARTIS")] + t[QStringLiteral("ARTIS")];
    return t;
}

}  // namespace zeran::results
