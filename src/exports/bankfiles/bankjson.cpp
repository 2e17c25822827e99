#include "bankjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringEncoder>

namespace zeran::bankfiles {

namespace {

[[noreturn]] void bad(const QString &what)
{
    throw BankFileError(QStringLiteral("Geçersiz girdi: %1").arg(what));
}

QString text(const QJsonObject &o, const char *key, bool required, const QString &where = QString())
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull()) {
        if (required)
            bad(QStringLiteral("%1%2 eksik").arg(where, QLatin1String(key)));
        return {};
    }
    if (!v.isString())
        bad(QStringLiteral("%1%2 metin olmalı").arg(where, QLatin1String(key)));
    return v.toString();
}

int integer(const QJsonObject &o, const char *key, bool required, const QString &where = QString())
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull()) {
        if (required)
            bad(QStringLiteral("%1%2 eksik").arg(where, QLatin1String(key)));
        return 0;
    }
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d != double(qint64(d)) || d < -32768 || d > 32767)
        bad(QStringLiteral("%1%2 bir tam sayı olmalı").arg(where, QLatin1String(key)));
    return int(d);
}

Money amount(const QJsonObject &o, const char *key, const QString &where)
{
    const QString t = text(o, key, false, where);
    if (t.isEmpty())
        return {};
    const std::optional<Money> m = Money::parsePlain(t);
    if (!m)
        bad(QStringLiteral("%1%2 ondalık sayı metni olmalı (\"1234.56\"): \"%3\"").arg(where, QLatin1String(key), t));
    return *m;
}

}  // namespace

JsonInput parseJsonInput(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        bad(QStringLiteral("JSON okunamadı (%1)").arg(error.errorString()));
    if (!doc.isObject())
        bad(QStringLiteral("bir JSON nesnesi bekleniyordu"));
    const QJsonObject o = doc.object();

    JsonInput in;
    PaymentHeader &h = in.header;
    h.KMUSNO = text(o, "KMUSNO", true);
    h.SBKOD = text(o, "SBKOD", true);
    h.typeCode = text(o, "type_code", true);
    const QString date = text(o, "payment_date", true);
    h.paymentDate = QDate::fromString(date, QStringLiteral("dd.MM.yyyy"));
    if (!h.paymentDate.isValid())
        bad(QStringLiteral("payment_date gg.aa.yyyy olmalı: \"%1\"").arg(date));
    h.description = text(o, "description", true);
    const QString stamp = text(o, "run_timestamp", true);
    h.runTimestamp = QDateTime::fromString(stamp, Qt::ISODate);
    if (!h.runTimestamp.isValid())
        bad(QStringLiteral("run_timestamp ISO tarih-saat olmalı: \"%1\"").arg(stamp));
    h.KHESNO = text(o, "KHESNO", false);
    h.KURUM = text(o, "KURUM", false);
    h.month = integer(o, "month", false);
    if (h.month == 0)
        h.month = h.paymentDate.month();
    if (h.month < 1 || h.month > 12)
        bad(QStringLiteral("month 1–12 olmalı"));
    h.year = text(o, "year", false);
    if (h.year.isEmpty())
        h.year = QString::number(h.paymentDate.year());
    const QJsonValue iban = o.value(QLatin1String("iban"));
    if (!iban.isUndefined() && !iban.isBool())
        bad(QStringLiteral("iban true/false olmalı"));
    in.iban = iban.toBool(false);

    const QJsonValue rows = o.value(QLatin1String("rows"));
    if (!rows.isArray())
        bad(QStringLiteral("rows bir dizi olmalı"));
    int n = 0;
    for (const QJsonValue &v : rows.toArray()) {
        ++n;
        const QString where = QStringLiteral("rows[%1].").arg(n - 1);
        if (!v.isObject())
            bad(QStringLiteral("rows[%1] bir nesne olmalı").arg(n - 1));
        const QJsonObject r = v.toObject();
        PaymentRow row;
        row.PKAYNO = integer(r, "PKAYNO", true, where);
        row.BKOD = integer(r, "BKOD", true, where);
        row.PKOD = integer(r, "PKOD", false, where);
        row.ADI = text(r, "ADI", true, where);
        row.SOYADI = text(r, "SOYADI", true, where);
        row.BHN = text(r, "BHN", true, where);
        row.TCKNO = text(r, "TCKNO", false, where);
        row.INO = text(r, "INO", false, where);
        row.EMSNO = text(r, "EMSNO", false, where);
        row.BIRIM = text(r, "BIRIM", false, where);
        if (!r.contains(QLatin1String("MAAS")))
            bad(where + QStringLiteral("MAAS eksik"));
        row.MAAS = amount(r, "MAAS", where);
        row.FARK = amount(r, "FARK", where);
        row.ACIKKES = amount(r, "ACIKKES", where);
        in.rows.push_back(row);
    }

    const QJsonValue merge = o.value(QLatin1String("merge_text"));
    if (!merge.isUndefined() && !merge.isNull()) {
        if (!merge.isString())
            bad(QStringLiteral("merge_text metin olmalı"));
        QStringEncoder encoder("windows-1254", QStringConverter::Flag::Stateless);
        in.merge = encoder.encode(merge.toString());
        if (encoder.hasError())
            bad(QStringLiteral("merge_text Windows-1254 ile yazılamayan karakter içeriyor"));
        in.hasMerge = true;
    }
    return in;
}

}  // namespace zeran::bankfiles
