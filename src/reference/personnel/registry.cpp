#include "registry.h"

#include "audit.h"

#include <QSqlRecord>

namespace zeran::personnel {

namespace {
const QString kListByRetirementNumber =
    QStringLiteral("SELECT PKAYNO,ADI||' '||SOYADI ADSOY,EMSNO,TCKNO,BABA FROM SICIL ORDER BY EMSNO");
const QString kListByName = QStringLiteral("SELECT PKAYNO,ADI||' '||SOYADI ADSOY,EMSNO,TCKNO,BABA FROM SICIL ORDER BY ADSOY");
const QString kRead = QStringLiteral(
    "SELECT PKAYNO,TCKNO,EMSNO,ADI,SOYADI,BABA,ANA,OGRDUR,ADRES,TEL1,TEL2,GKUR,ILKOD,ILCEKOD,DYER,DTAR,KGT,TERTAR,"
    "KSN,ISN,SSN,PERNO,FHAY,FHGUN,FHTUT,IHAY,IHGUN,IHTUT,VERNO,MBKOD,BHN,INO,CINS,CKOD FROM SICIL WHERE PKAYNO=:PK");
const QString kInsert = QStringLiteral(
    "INSERT INTO SICIL(PKAYNO,TCKNO,EMSNO,ADI,SOYADI,BABA,ANA,OGRDUR,ADRES,TEL1,TEL2,GKUR,ILKOD,ILCEKOD,DYER,DTAR,"
    "KGT,TERTAR,KSN,ISN,SSN,PERNO,FHAY,FHGUN,FHTUT,IHAY,IHGUN,IHTUT,VERNO,MBKOD,BHN,INO,CINS,CKOD,TUR) "
    "VALUES(:PK,:TCKNO,:EMSNO,:ADI,:SOYADI,:BABA,:ANA,:OGRDUR,:ADRES,:TEL1,:TEL2,:GKUR,:ILKOD,:ILCEKOD,:DYER,:DTAR,"
    ":KGT,:TERTAR,:KSN,:ISN,:SSN,:PERNO,:FHAY,:FHGUN,:FHTUT,:IHAY,:IHGUN,:IHTUT,:VERNO,:MBKOD,:BHN,:INO,:CINS,:CKOD,'M')");
const QString kUpdate = QStringLiteral(
    "UPDATE SICIL SET TCKNO=:TCKNO,EMSNO=:EMSNO,ADI=:ADI,SOYADI=:SOYADI,BABA=:BABA,ANA=:ANA,OGRDUR=:OGRDUR,"
    "ADRES=:ADRES,TEL1=:TEL1,TEL2=:TEL2,GKUR=:GKUR,ILKOD=:ILKOD,ILCEKOD=:ILCEKOD,DYER=:DYER,DTAR=:DTAR,KGT=:KGT,"
    "TERTAR=:TERTAR,KSN=:KSN,ISN=:ISN,SSN=:SSN,PERNO=:PERNO,FHAY=:FHAY,FHGUN=:FHGUN,FHTUT=:FHTUT,IHAY=:IHAY,"
    "IHGUN=:IHGUN,IHTUT=:IHTUT,VERNO=:VERNO,MBKOD=:MBKOD,BHN=:BHN,INO=:INO,CINS=:CINS,CKOD=:CKOD WHERE PKAYNO=:PK");
const QString kSeniority = QStringLiteral("SELECT PKAYNO,KIDEM FROM ZERBORBIL WHERE PKAYNO=:EM ORDER BY BKOD,PKOD");

QVariant text(const QString &s)
{
    const QString t = s.trimmed();
    return t.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(t);
}
QVariant number(std::optional<int> v)
{
    return v ? QVariant(*v) : QVariant(QMetaType::fromType<int>());
}
QVariant date(const QDate &d)
{
    return d.isValid() ? QVariant(d) : QVariant(QMetaType::fromType<QDate>());
}
QVariant amount(std::optional<Money> m)
{
    return m ? QVariant(m->toDouble()) : QVariant(QMetaType::fromType<double>());
}

std::optional<int> readNumber(const QVariant &v)
{
    if (v.isNull())
        return std::nullopt;
    return v.toInt();
}
std::optional<Money> readAmount(const QVariant &v)
{
    if (v.isNull())
        return std::nullopt;
    return Money::fromDbDouble(v.toDouble());
}

QVariantMap binds(const Person &p)
{
    return {
        {QStringLiteral("PK"), p.PKAYNO},         {QStringLiteral("TCKNO"), text(p.TCKNO)},
        {QStringLiteral("EMSNO"), text(p.EMSNO)}, {QStringLiteral("ADI"), text(p.ADI)},
        {QStringLiteral("SOYADI"), text(p.SOYADI)}, {QStringLiteral("BABA"), text(p.BABA)},
        {QStringLiteral("ANA"), text(p.ANA)},     {QStringLiteral("OGRDUR"), number(p.OGRDUR)},
        {QStringLiteral("ADRES"), text(p.ADRES)}, {QStringLiteral("TEL1"), text(p.TEL1)},
        {QStringLiteral("TEL2"), text(p.TEL2)},   {QStringLiteral("GKUR"), text(p.GKUR)},
        {QStringLiteral("ILKOD"), number(p.ILKOD)}, {QStringLiteral("ILCEKOD"), number(p.ILCEKOD)},
        {QStringLiteral("DYER"), text(p.DYER)},   {QStringLiteral("DTAR"), date(p.DTAR)},
        {QStringLiteral("KGT"), date(p.KGT)},     {QStringLiteral("TERTAR"), date(p.TERTAR)},
        {QStringLiteral("KSN"), text(p.KSN)},     {QStringLiteral("ISN"), text(p.ISN)},
        {QStringLiteral("SSN"), text(p.SSN)},     {QStringLiteral("PERNO"), text(p.PERNO)},
        {QStringLiteral("FHAY"), text(p.FHAY)},   {QStringLiteral("FHGUN"), text(p.FHGUN)},
        {QStringLiteral("FHTUT"), amount(p.FHTUT)}, {QStringLiteral("IHAY"), text(p.IHAY)},
        {QStringLiteral("IHGUN"), text(p.IHGUN)}, {QStringLiteral("IHTUT"), amount(p.IHTUT)},
        {QStringLiteral("VERNO"), text(p.VERNO)}, {QStringLiteral("MBKOD"), text(p.MBKOD)},
        {QStringLiteral("BHN"), text(p.BHN)},     {QStringLiteral("INO"), text(p.INO)},
        {QStringLiteral("CINS"), text(p.CINS)},   {QStringLiteral("CKOD"), number(p.CKOD)},
    };
}
}  // namespace

QVector<RegistryEntry> registryList(db::Database &db, RegistryOrder order)
{
    QVector<RegistryEntry> rows;
    QSqlQuery q = db.exec(order == RegistryOrder::ByName ? kListByName : kListByRetirementNumber);
    while (q.next())
        rows.push_back({q.value(0).toInt(), q.value(1).toString().trimmed(), q.value(2).toString().trimmed(),
                        q.value(3).toString().trimmed(), q.value(4).toString().trimmed()});
    return rows;
}

std::optional<Person> readPerson(db::Database &db, int pkayno)
{
    QSqlQuery q = db.exec(kRead, {{QStringLiteral("PK"), pkayno}});
    if (!q.next())
        return std::nullopt;
    auto s = [&q](const char *name) { return q.value(QLatin1String(name)).toString().trimmed(); };
    auto n = [&q](const char *name) { return readNumber(q.value(QLatin1String(name))); };
    auto d = [&q](const char *name) { return q.value(QLatin1String(name)).toDate(); };
    Person p;
    p.PKAYNO = q.value(QStringLiteral("PKAYNO")).toInt();
    p.TCKNO = s("TCKNO");
    p.EMSNO = s("EMSNO");
    p.ADI = s("ADI");
    p.SOYADI = s("SOYADI");
    p.BABA = s("BABA");
    p.ANA = s("ANA");
    p.OGRDUR = n("OGRDUR");
    p.ADRES = s("ADRES");
    p.TEL1 = s("TEL1");
    p.TEL2 = s("TEL2");
    p.GKUR = s("GKUR");
    p.ILKOD = n("ILKOD");
    p.ILCEKOD = n("ILCEKOD");
    p.DYER = s("DYER");
    p.DTAR = d("DTAR");
    p.KGT = d("KGT");
    p.TERTAR = d("TERTAR");
    p.KSN = s("KSN");
    p.ISN = s("ISN");
    p.SSN = s("SSN");
    p.PERNO = s("PERNO");
    p.FHAY = s("FHAY");
    p.FHGUN = s("FHGUN");
    p.FHTUT = readAmount(q.value(QStringLiteral("FHTUT")));
    p.IHAY = s("IHAY");
    p.IHGUN = s("IHGUN");
    p.IHTUT = readAmount(q.value(QStringLiteral("IHTUT")));
    p.VERNO = s("VERNO");
    p.MBKOD = s("MBKOD");
    p.BHN = s("BHN");
    p.INO = s("INO");
    p.CINS = s("CINS");
    p.CKOD = n("CKOD");
    return p;
}

std::optional<PersonProblem> checkPerson(const Person &p)
{
    using F = PersonProblem::Field;
    if (p.ADI.trimmed().isEmpty())
        return PersonProblem{F::ADI, QString::fromUtf8(kNameMissing)};
    if (p.SOYADI.trimmed().isEmpty())
        return PersonProblem{F::SOYADI, QString::fromUtf8(kSurnameMissing)};
    if (p.TCKNO.trimmed().isEmpty())
        return PersonProblem{F::TCKNO, QString::fromUtf8(kIdentityMissing)};
    if (p.EMSNO.trimmed().isEmpty())
        return PersonProblem{F::EMSNO, QString::fromUtf8(kRetirementNumberMissing)};
    return std::nullopt;
}

QString personAuditText(const Person &p)
{
    return (QStringLiteral("TCK NO: ") + p.TCKNO.trimmed() + QStringLiteral("ADI: ") + p.ADI.trimmed() +
            QLatin1Char(' ') + p.SOYADI.trimmed())
        .left(150);
}

std::optional<PersonProblem> savePerson(db::Database &db, WorkingContext &ctx, Person &p, bool isNew,
                                        const QDateTime &at)
{
    if (auto problem = checkPerson(p))
        return problem;
    db::Transaction t(db);
    Person row = p;
    if (isNew) {
        row.PKAYNO = db::smallintKey(db.nextGeneratorValue(QStringLiteral("GEN_PKAYNO")), QStringLiteral("Personel (PKAYNO)"));
        db.exec(kInsert, binds(row));
    } else {
        QSqlQuery q = db.exec(kUpdate, binds(row));
        if (q.numRowsAffected() == 0)
            throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("Sicil kaydı bulunamadı: %1").arg(row.PKAYNO));
    }
    try {
        audit::write(db, ctx, {QStringLiteral("SICBIL"), isNew ? QStringLiteral("Y") : QStringLiteral("D"),
                               personAuditText(row)},
                     at);
    } catch (const db::DbError &) {
        throw db::DbError(db::DbError::Kind::Sql, QString::fromUtf8(audit::kFailureMessage));
    }
    t.commit();
    p.PKAYNO = row.PKAYNO;
    return std::nullopt;
}

std::optional<int> payRecordSeniority(db::Database &db, int pkayno)
{
    QSqlQuery q = db.exec(kSeniority, {{QStringLiteral("EM"), pkayno}});
    if (!q.next())
        return std::nullopt;
    return q.value(1).isNull() ? 0 : q.value(1).toInt();
}

// The retirement-contribution correction dialog's writes and its duplicate check.
int updateRegistryNumbers(db::Database &db, int pkayno, const QString &emsno, const QString &tckno)
{
    return db
        .exec(QStringLiteral("UPDATE SICIL SET EMSNO=:EMS,TCKNO=:TC WHERE PKAYNO=:PK"),
              {{QStringLiteral("EMS"), emsno}, {QStringLiteral("TC"), tckno}, {QStringLiteral("PK"), pkayno}})
        .numRowsAffected();
}

bool retirementNumberUsed(db::Database &db, const QString &emsno, int pkayno)
{
    return db
        .scalar(QStringLiteral("SELECT COUNT(*) FROM SICIL WHERE EMSNO=:EMS AND PKAYNO<>:PK"),
                {{QStringLiteral("EMS"), emsno}, {QStringLiteral("PK"), pkayno}})
        .toInt() > 0;
}

// The bank screen's exclusion of a person from the bank payment list.
int excludeFromBankPayment(db::Database &db, int pkayno)
{
    db::Transaction work(db);
    const int changed = db.exec(QStringLiteral("UPDATE SICIL SET MBKOD='H' WHERE PKAYNO=:SN"), {{QStringLiteral("SN"), pkayno}})
                            .numRowsAffected();
    work.commit();
    return changed;
}

}  // namespace zeran::personnel
