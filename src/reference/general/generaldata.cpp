#include "generaldata.h"

#include "settingsrow.h"
#include "unitstore.h"

#include <QSqlRecord>

namespace zeran::general {

namespace {

const QString kProvincesSql = QStringLiteral("SELECT ILKOD,ILADI FROM IL ORDER BY ILADI");
const QString kDistrictsSql = QStringLiteral("SELECT ILCEKOD,ILCE FROM ILCE WHERE ILKOD=:IK ORDER BY ILCE");
const QString kDistrictNameSql = QStringLiteral("SELECT ILCE FROM ILCE WHERE ILCEKOD=:KOD");
const QString kAddDistrictSql = QStringLiteral("INSERT INTO ILCE (ILCEKOD,ILKOD,ILCE) VALUES (:KOD,:IK,:AD)");
const QString kRenameDistrictSql = QStringLiteral("UPDATE ILCE SET ILCE=:AD WHERE ILCEKOD=:KOD");
constexpr int kDistrictNameLength = 20;  // ILCE.ILCE

QString text(const QVariant &v)
{
    return v.toString().trimmed();
}

std::optional<int> number(const QVariant &v)
{
    if (v.isNull())
        return std::nullopt;
    return v.toInt();
}

std::optional<bool> flag(const QVariant &v)
{
    if (v.isNull())
        return std::nullopt;
    const QString s = v.toString().trimmed().toLower();
    return s == QLatin1String("true") || s == QLatin1String("1") || s == QLatin1String("t");
}

QVariant bindText(const QString &s)
{
    const QString t = s.trimmed();
    return t.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(t);
}

QVariant bindNumber(const std::optional<int> &n)
{
    return n ? QVariant(*n) : QVariant(QMetaType::fromType<int>());
}

QVariant bindFlag(const std::optional<bool> &b)
{
    return b ? QVariant(*b) : QVariant(QMetaType::fromType<bool>());
}

QVariant bindBytes(const QByteArray &b)
{
    return b.isEmpty() ? QVariant(QMetaType::fromType<QByteArray>()) : QVariant(b);
}

}  // namespace

GeneralRow readGeneralRow(db::Database &db)
{
    const QSqlRecord rec = settingsrow::read(db);
    auto v = [&](const char *c) { return rec.value(QLatin1String(c)); };
    GeneralRow r;
    r.VER = text(v("VER"));
    r.KURUM = text(v("KURUM"));
    r.ILKOD = number(v("ILKOD"));
    r.ILCEKOD = number(v("ILCEKOD"));
    r.CYIL = text(v("CYIL"));
    r.FORM = text(v("FORM"));
    r.BORTEK = text(v("BORTEK"));
    r.OTOODE = text(v("OTOODE"));
    r.SEN = text(v("SEN"));
    r.ONIZ = text(v("ONIZ"));
    r.MKESDUR = text(v("MKESDUR"));
    r.HBORKESDUR = text(v("HBORKESDUR"));
    r.UDUR = text(v("UDUR"));
    r.MAIL = text(v("MAIL"));
    r.KEF = text(v("KEF"));
    r.SKOD = number(v("SKOD"));
    r.SADI = text(v("SADI"));
    r.ISSN = text(v("ISSN"));
    r.MBKOD = number(v("MBKOD"));
    r.MODEMEBKOD = number(v("MODEMEBKOD"));
    r.MBORTUR = text(v("MBORTUR"));
    r.MHOST = text(v("MHOST"));
    r.MUHYOL = text(v("MUHYOL"));
    r.NUFUS = number(v("NUFUS"));
    r.SBKOD = text(v("SBKOD"));
    r.KHESNO = text(v("KHESNO"));
    r.KMUSNO = text(v("KMUSNO"));
    r.BMAIL = text(v("BMAIL"));
    r.TTBA = text(v("TTBA"));
    r.TTSA = text(v("TTSA"));
    r.BDTUR = text(v("BDTUR"));
    r.PEKFARK = flag(v("PEKFARK"));
    r.YEMEKGV = flag(v("YEMEKGV"));
    r.YEMEKGSS = flag(v("YEMEKGSS"));
    r.LOGO = v("LOGO").toByteArray();
    r.NVIUSR = text(v("NVIUSR"));
    r.NVIPSWD = text(v("NVIPSWD"));
    return r;
}

void storeGeneralRow(db::Database &db, const GeneralRow &r)
{
    const QVector<std::pair<QString, QVariant>> values = {
        {QStringLiteral("KURUM"), bindText(r.KURUM)},
        {QStringLiteral("ILKOD"), bindNumber(r.ILKOD)},
        {QStringLiteral("ILCEKOD"), bindNumber(r.ILCEKOD)},
        {QStringLiteral("CYIL"), bindText(r.CYIL)},
        {QStringLiteral("FORM"), bindText(r.FORM)},
        {QStringLiteral("BORTEK"), bindText(r.BORTEK)},
        {QStringLiteral("OTOODE"), bindText(r.OTOODE)},
        {QStringLiteral("SEN"), bindText(r.SEN)},
        {QStringLiteral("ONIZ"), bindText(r.ONIZ)},
        {QStringLiteral("MKESDUR"), bindText(r.MKESDUR)},
        {QStringLiteral("HBORKESDUR"), bindText(r.HBORKESDUR)},
        {QStringLiteral("UDUR"), bindText(r.UDUR)},
        {QStringLiteral("MAIL"), bindText(r.MAIL)},
        {QStringLiteral("KEF"), bindText(r.KEF)},
        {QStringLiteral("SKOD"), bindNumber(r.SKOD)},
        {QStringLiteral("SADI"), bindText(r.SADI)},
        {QStringLiteral("ISSN"), bindText(r.ISSN)},
        {QStringLiteral("MBKOD"), bindNumber(r.MBKOD)},
        {QStringLiteral("MODEMEBKOD"), bindNumber(r.MODEMEBKOD)},
        {QStringLiteral("MBORTUR"), bindText(r.MBORTUR)},
        {QStringLiteral("MHOST"), bindText(r.MHOST)},
        {QStringLiteral("MUHYOL"), bindText(r.MUHYOL)},
        {QStringLiteral("NUFUS"), bindNumber(r.NUFUS)},
        {QStringLiteral("SBKOD"), bindText(r.SBKOD)},
        {QStringLiteral("KHESNO"), bindText(r.KHESNO)},
        {QStringLiteral("KMUSNO"), bindText(r.KMUSNO)},
        {QStringLiteral("BMAIL"), bindText(r.BMAIL)},
        {QStringLiteral("TTBA"), bindText(r.TTBA)},
        {QStringLiteral("TTSA"), bindText(r.TTSA)},
        {QStringLiteral("BDTUR"), bindText(r.BDTUR)},
        {QStringLiteral("PEKFARK"), bindFlag(r.PEKFARK)},
        {QStringLiteral("YEMEKGV"), bindFlag(r.YEMEKGV)},
        {QStringLiteral("YEMEKGSS"), bindFlag(r.YEMEKGSS)},
        {QStringLiteral("LOGO"), bindBytes(r.LOGO)},
        {QStringLiteral("NVIUSR"), bindText(r.NVIUSR)},
        {QStringLiteral("NVIPSWD"), bindText(r.NVIPSWD)},
    };
    db::Transaction t(db);
    settingsrow::store(db, values);
    t.commit();
}

QVector<Province> readProvinces(db::Database &db)
{
    QVector<Province> out;
    QSqlQuery q = db.exec(kProvincesSql);
    while (q.next())
        out.push_back({q.value(0).toInt(), q.value(1).toString().trimmed()});
    return out;
}

QVector<District> readDistricts(db::Database &db, int ilkod)
{
    QVector<District> out;
    QSqlQuery q = db.exec(kDistrictsSql, {{QStringLiteral("IK"), ilkod}});
    while (q.next())
        out.push_back({q.value(0).toInt(), q.value(1).toString().trimmed()});
    return out;
}

QVector<UnitName> readUnits(db::Database &db)
{
    QVector<UnitName> out;
    for (const units::UnitName &u : units::units(db, units::UnitFilter::All))
        out.push_back({u.BKOD, u.BIRIM});
    return out;
}

namespace {
QString checkedDistrictName(const QString &name)
{
    const QString n = name.trimmed();
    if (n.isEmpty())
        throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("Dikkat! İlçe adını giriniz.."));
    if (n.size() > kDistrictNameLength)
        throw db::DbError(db::DbError::Kind::Sql,
                          QStringLiteral("Dikkat! İlçe adı en fazla %1 karakter olabilir..").arg(kDistrictNameLength));
    return n;
}
}  // namespace

void addDistrict(db::Database &db, int ilkod, int ilcekod, const QString &name)
{
    const QString n = checkedDistrictName(name);
    if (ilcekod < 1 || ilcekod > db::kSmallIntMax)
        throw db::DbError(db::DbError::Kind::Sql,
                          QStringLiteral("Dikkat! İlçe kodu 1 ile %1 arasında olmalı (nüfus kayıtlarındaki ilçe kodu)..")
                              .arg(db::kSmallIntMax));
    db::Transaction t(db);
    const QVariant taken = db.scalar(kDistrictNameSql, {{QStringLiteral("KOD"), ilcekod}});
    if (taken.isValid())
        throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("Dikkat! %1 ilçe kodu kayıtlıdır (%2)..")
                                                      .arg(ilcekod)
                                                      .arg(taken.toString().trimmed()));
    db.exec(kAddDistrictSql, {{QStringLiteral("KOD"), ilcekod}, {QStringLiteral("IK"), ilkod}, {QStringLiteral("AD"), n}});
    t.commit();
}

void renameDistrict(db::Database &db, int ilcekod, const QString &name)
{
    const QString n = checkedDistrictName(name);
    db::Transaction t(db);
    QSqlQuery q = db.exec(kRenameDistrictSql, {{QStringLiteral("KOD"), ilcekod}, {QStringLiteral("AD"), n}});
    if (q.numRowsAffected() == 0)
        throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("İlçe kaydı bulunamadı: %1").arg(ilcekod));
    t.commit();
}

}  // namespace zeran::general
