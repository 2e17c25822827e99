#include "periodrows.h"

#include <QHash>
#include <QSqlRecord>

#include <functional>
#include <vector>

namespace zeran::rates {

namespace {

const QString kSelectLegal = QStringLiteral("SELECT * FROM ZERKANOR WHERE YIL=:YL AND DON=:DN");
const QString kSelectTax = QStringLiteral("SELECT * FROM VEROR WHERE YIL=:YL AND DON=:DN");
const QString kSelectWorker = QStringLiteral("SELECT SHI,ISSIZI FROM ISCKANOR WHERE YIL=:YY ORDER BY DON");
const QString kSelectEarningTypes = QStringLiteral("SELECT * FROM ZERHESTUR ORDER BY HNO,BKOD");

template <typename Row>
struct Field {
    QString name;
    std::function<void(Row &, const QVariant &)> set;
    std::function<QString(const Row &)> text;  // shortest decimal form
};

QString amountText(Money m)
{
    QString t = m.toPlain(4);
    if (t.contains(QLatin1Char('.'))) {
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.')))
            t.chop(1);
    }
    return t == QLatin1String("-0") ? QStringLiteral("0") : t;
}

template <typename Row>
Field<Row> rate(const char *name, double Row::*m)
{
    return {QString::fromLatin1(name), [m](Row &r, const QVariant &v) { r.*m = v.isNull() ? 0.0 : v.toDouble(); },
            [m](const Row &r) { return shortestDecimal(r.*m); }};
}
template <typename Row>
Field<Row> amount(const char *name, Money Row::*m)
{
    return {QString::fromLatin1(name),
            [m](Row &r, const QVariant &v) { r.*m = v.isNull() ? Money() : Money::fromDbDouble(v.toDouble()); },
            [m](const Row &r) { return amountText(r.*m); }};
}
template <typename Row>
Field<Row> text(const char *name, QString Row::*m)
{
    return {QString::fromLatin1(name), [m](Row &r, const QVariant &v) { r.*m = v.isNull() ? QString() : v.toString().trimmed(); },
            [m](const Row &r) { return r.*m; }};
}
template <typename Row>
Field<Row> integer(const char *name, int Row::*m)
{
    return {QString::fromLatin1(name), [m](Row &r, const QVariant &v) { r.*m = v.isNull() ? 0 : v.toInt(); },
            [m](const Row &r) { return QString::number(r.*m); }};
}

template <typename Row>
Row fromRecord(const QSqlQuery &q, const std::vector<Field<Row>> &fields)
{
    static const QHash<QString, const Field<Row> *> byName = [&fields] {
        QHash<QString, const Field<Row> *> h;
        for (const auto &f : fields)
            h.insert(f.name, &f);
        return h;
    }();
    Row r;
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i) {
        if (const Field<Row> *f = byName.value(rec.fieldName(i).trimmed().toUpper()))
            f->set(r, q.value(i));
    }
    return r;
}

template <typename Row>
QList<QPair<QString, QString>> describe(const Row &row, const std::vector<Field<Row>> &fields, const QString &prefix,
                                        int skip)
{
    QList<QPair<QString, QString>> out;
    for (std::size_t i = std::size_t(skip); i < fields.size(); ++i)
        out.append({prefix + fields[i].name, fields[i].text(row)});
    return out;
}

// Column order of the tables; the key columns come first (left out of the listing).
const std::vector<Field<LegalRates>> &legalFields()
{
    using L = LegalRates;
    static const std::vector<Field<L>> f = {
        integer("KAYNO", &L::KAYNO), text("YIL", &L::YIL),        text("DON", &L::DON),         text("HNO", &L::HNO),
        rate("KATSAYI", &L::KATSAYI), rate("YOD", &L::YOD),       rate("KAK", &L::KAK),         rate("TAK", &L::TAK),
        rate("TAG", &L::TAG),        rate("EYMG", &L::EYMG),      rate("EMKESM", &L::EMKESM),   rate("EMKESD", &L::EMKESD),
        rate("MYOI", &L::MYOI),      rate("MYOP", &L::MYOP),      rate("GSSI", &L::GSSI),       rate("GSSP", &L::GSSP),
        rate("BES", &L::BES),        rate("EGOSK", &L::EGOSK),    rate("EGOSB", &L::EGOSB),     rate("EGOSEB", &L::EGOSEB),
        rate("EGOS4", &L::EGOS4),    rate("EGOS5", &L::EGOS5),    rate("EGOS6", &L::EGOS6),     rate("EGOS7", &L::EGOS7),
        rate("AYRDP", &L::AYRDP),    rate("CYRDP1", &L::CYRDP1),  rate("CYRDP2", &L::CYRDP2),   amount("YEMEK", &L::YEMEK),
        amount("SAKDER1", &L::SAKDER1), amount("SAKDER2", &L::SAKDER2), amount("SAKDER3", &L::SAKDER3),
        amount("INDIRIM", &L::INDIRIM), rate("RPOR", &L::RPOR),   rate("SENDIKA", &L::SENDIKA), rate("KEF", &L::KEF),
        rate("BASKAN", &L::BASKAN),  rate("TASM", &L::TASM),      rate("TASD", &L::TASD),       rate("TAYIN", &L::TAYIN),
        rate("OYAK", &L::OYAK),      amount("ASUCR", &L::ASUCR),
    };
    return f;
}

const std::vector<Field<TaxRates>> &taxFields()
{
    using T = TaxRates;
    static const std::vector<Field<T>> f = {
        text("YIL", &T::YIL),           text("DON", &T::DON),
        amount("UST1", &T::UST1),       amount("UST2", &T::UST2),       amount("UST3", &T::UST3),
        amount("UST4", &T::UST4),       rate("OR1", &T::OR1),           rate("OR2", &T::OR2),
        rate("OR3", &T::OR3),           rate("OR4", &T::OR4),           rate("DVER", &T::DVER),
        rate("VIDVER", &T::VIDVER),     rate("BEKOR", &T::BEKOR),       rate("EV1OR", &T::EV1OR),
        rate("EV2OR", &T::EV2OR),       rate("COC1OR", &T::COC1OR),     rate("COC2OR", &T::COC2OR),
        rate("COC3OR", &T::COC3OR),     rate("COC4OR", &T::COC4OR),     rate("COC5OR", &T::COC5OR),
        rate("COC6OR", &T::COC6OR),     amount("AGIUST", &T::AGIUST),   amount("ASUCR", &T::ASUCR),
        amount("BASKAN", &T::BASKAN),   amount("ENCUMEN", &T::ENCUMEN), amount("MECLIS", &T::MECLIS),
        integer("KAZVEROR", &T::KAZVEROR), integer("SOZPERVOR", &T::SOZPERVOR),
        integer("ENCMECVOR", &T::ENCMECVOR), integer("BSKYRDVOR", &T::BSKYRDVOR),
    };
    return f;
}

const std::vector<Field<EarningType>> &earningFields()
{
    using E = EarningType;
    static const std::vector<Field<E>> f = {
        integer("HNO", &E::HNO), integer("BKOD", &E::BKOD), text("ADI", &E::ADI),   text("DUR", &E::DUR),
        text("GV", &E::GV),      text("DV", &E::DV),        text("EMK", &E::EMK),   text("IND", &E::IND),
        text("TUR", &E::TUR),    text("SEK", &E::SEK),      amount("TUTAR", &E::TUTAR), text("BRUTNET", &E::BRUTNET),
        text("KOD", &E::KOD),
    };
    return f;
}

}  // namespace

PeriodRows loadPeriod(db::Database &db, const QString &year, const QString &don)
{
    PeriodRows rows;
    const QVariantMap period{{QStringLiteral("YL"), year}, {QStringLiteral("DN"), don}};
    {
        QSqlQuery q = db.exec(kSelectLegal, period);
        if (q.next())
            rows.legal = fromRecord(q, legalFields());
    }
    {
        QSqlQuery q = db.exec(kSelectTax, period);
        if (q.next())
            rows.tax = fromRecord(q, taxFields());
    }
    {
        QSqlQuery q = db.exec(kSelectWorker, {{QStringLiteral("YY"), year}});
        if (q.next())
            rows.worker = WorkerRates{q.value(0).isNull() ? 0.0 : q.value(0).toDouble(),
                                      q.value(1).isNull() ? 0.0 : q.value(1).toDouble()};
    }
    {
        QSqlQuery q = db.exec(kSelectEarningTypes);
        while (q.next())
            rows.earningTypes.push_back(fromRecord(q, earningFields()));
    }
    return rows;
}

}  // namespace zeran::rates

namespace zeran::rates {

QList<QPair<QString, QString>> periodRateLines(const PeriodRows &rows)
{
    QList<QPair<QString, QString>> out;
    if (rows.legal)
        out += describe(*rows.legal, legalFields(), QStringLiteral("ZERKANOR."), 4);
    if (rows.tax)
        out += describe(*rows.tax, taxFields(), QStringLiteral("VEROR."), 2);
    if (rows.worker) {
        out.append({QStringLiteral("ISCKANOR.SHI"), shortestDecimal(rows.worker->SHI)});
        out.append({QStringLiteral("ISCKANOR.ISSIZI"), shortestDecimal(rows.worker->ISSIZI)});
    }
    return out;
}

QString shortestAmount(Money amount)
{
    return amountText(amount);
}

}  // namespace zeran::rates
