#include "gradestore.h"

#include "payrecords.h"

#include <QSet>
#include <QSqlQuery>

namespace zeran::grades {

namespace {

const QString kReadIndicators = QStringLiteral(
    "SELECT DER,K1,K2,K3,K4,K5,K6,K7,K8,K9,K10,K11,K12 FROM GOSTAN ORDER BY DER");
const QString kDeleteIndicators = QStringLiteral("DELETE FROM GOSTAN");
const QString kInsertIndicator = QStringLiteral(
    "INSERT INTO GOSTAN (DER,K1,K2,K3,K4,K5,K6,K7,K8,K9,K10,K11,K12) "
    "VALUES (:DER,:K1,:K2,:K3,:K4,:K5,:K6,:K7,:K8,:K9,:K10,:K11,:K12)");
const QString kClasses = QStringLiteral("SELECT SNFKOD,SINIF FROM HIZSNF");
const QString kSubClasses = QStringLiteral("SELECT ALTKOD,ACIK FROM HIZSNF1 WHERE SNFKOD=:SK ORDER BY ALTKOD");
const QString kReadSupplementary = QStringLiteral(
    "SELECT E.SNFKOD,E.DER,E.ALTKOD,E.EKGOS FROM EKGOSTAN E WHERE SNFKOD=:SK ORDER BY E.ALTKOD,DER");
const QString kDeleteSupplementary = QStringLiteral("DELETE FROM EKGOSTAN WHERE SNFKOD=:SK");
const QString kInsertSupplementary = QStringLiteral(
    "INSERT INTO EKGOSTAN (SNFKOD,ALTKOD,DER,EKGOS) VALUES (:SK,:AK,:DR,:EG)");
// An empty subclass may be stored empty or NULL and both mean none; the marker keeps the bound
// text from being empty, which the driver would send as NULL.
const QString kLookUpSupplementary = QStringLiteral(
    "SELECT EKGOS FROM EKGOSTAN WHERE SNFKOD=:SK AND DER=:DR AND '#'||COALESCE(TRIM(ALTKOD),'')=:AK");
const QString kAllowance = QStringLiteral("SELECT EKGOST,LOJMAN,OHT FROM ELOHT WHERE BKOD=:BK AND DER=:DR");
const QString kGradeRecord = QStringLiteral(
    "SELECT DER,KAD,GOS,EGOS,MDER,MKAD,MGOS,MEGOS,TFA,GF,KIDEM,OHT,LTAZ,SNFKOD,SNFALTKOD FROM ZERBORBIL "
    "WHERE PKAYNO=:PK AND BKOD=:BK AND PKOD=:PO");
const QString kArchivedPaid = QStringLiteral(
    "SELECT DER,GOS,EGOS FROM ZERARSIV WHERE PKAYNO=:PK AND BKOD=:BK AND AY=:AY AND YIL=:YL AND TUR='1'");
const QString kPromotionDates = QStringLiteral(
    "SELECT B.PKAYNO,B.BKOD,B.PKOD,B.TERTAR,S.ADI||' '||S.SOYADI ADSOY,S.EMSNO FROM ZERBORBIL B "
    "LEFT JOIN SICIL S ON(S.PKAYNO=B.PKAYNO) ORDER BY B.BKOD,B.PKOD");

QVariant intOrNull(const std::optional<int> &v)
{
    return v ? QVariant(*v) : QVariant(QMetaType::fromType<int>());
}

std::optional<int> optionalInt(const QVariant &v)
{
    return v.isNull() ? std::nullopt : std::optional<int>(v.toInt());
}

}  // namespace

std::vector<IndicatorRow> readIndicators(db::Database &db)
{
    std::vector<IndicatorRow> rows;
    QSqlQuery q = db.exec(kReadIndicators);
    while (q.next()) {
        IndicatorRow r;
        r.DER = q.value(0).toInt();
        for (int k = 0; k < kSteps; ++k)
            r.K[std::size_t(k)] = q.value(k + 1).toInt();
        rows.push_back(r);
    }
    return rows;
}

std::optional<TableProblem> saveIndicators(db::Database &db, const std::vector<IndicatorRow> &rows)
{
    QSet<int> seen;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].DER < 1)
            return TableProblem{int(i), QString::fromUtf8(kGradeMissing)};
        if (seen.contains(rows[i].DER))
            return TableProblem{int(i), QString::fromUtf8(kGradeTwice)};
        seen.insert(rows[i].DER);
    }
    db::Transaction work(db);
    db.exec(kDeleteIndicators);
    QSqlQuery insert = db.prepare(kInsertIndicator);
    for (const IndicatorRow &r : rows) {
        insert.bindValue(QStringLiteral(":DER"), r.DER);
        for (int k = 0; k < kSteps; ++k)
            insert.bindValue(QStringLiteral(":K%1").arg(k + 1), r.K[std::size_t(k)]);
        if (!insert.exec())
            throw db::DbError(db::DbError::Kind::Sql, insert.lastError().text());
    }
    work.commit();
    return std::nullopt;
}

std::vector<ServiceClass> serviceClasses(db::Database &db)
{
    std::vector<ServiceClass> rows;
    QSqlQuery q = db.exec(kClasses);
    while (q.next())
        rows.push_back({q.value(0).toInt(), q.value(1).toString().trimmed()});
    return rows;
}

std::vector<SubClass> subClasses(db::Database &db, int snfkod)
{
    std::vector<SubClass> rows;
    QSqlQuery q = db.exec(kSubClasses, {{QStringLiteral("SK"), snfkod}});
    while (q.next())
        rows.push_back({q.value(0).toString().trimmed(), q.value(1).toString().trimmed()});
    return rows;
}

std::vector<SupplementaryRow> readSupplementary(db::Database &db, int snfkod)
{
    std::vector<SupplementaryRow> rows;
    QSqlQuery q = db.exec(kReadSupplementary, {{QStringLiteral("SK"), snfkod}});
    while (q.next())
        rows.push_back({q.value(0).toInt(), q.value(2).toString().trimmed(), q.value(1).toInt(), q.value(3).toDouble()});
    return rows;
}

std::optional<TableProblem> saveSupplementary(db::Database &db, int snfkod, const std::vector<SupplementaryRow> &rows)
{
    QSet<QString> seen;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].DER < 1)
            continue;
        const QString key = rows[i].ALTKOD.trimmed() + QLatin1Char('/') + QString::number(rows[i].DER);
        if (seen.contains(key))
            return TableProblem{int(i), QString::fromUtf8(kSupplementaryTwice)};
        seen.insert(key);
    }
    db::Transaction work(db);
    db.exec(kDeleteSupplementary, {{QStringLiteral("SK"), snfkod}});
    QSqlQuery insert = db.prepare(kInsertSupplementary);
    for (const SupplementaryRow &r : rows) {
        if (r.DER < 1)
            continue;
        insert.bindValue(QStringLiteral(":SK"), snfkod);
        const QString alt = r.ALTKOD.trimmed();
        insert.bindValue(QStringLiteral(":AK"), alt.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(alt));
        insert.bindValue(QStringLiteral(":DR"), r.DER);
        insert.bindValue(QStringLiteral(":EG"), r.EKGOS);
        if (!insert.exec())
            throw db::DbError(db::DbError::Kind::Sql, insert.lastError().text());
    }
    work.commit();
    return std::nullopt;
}

std::optional<double> supplementaryIndicator(db::Database &db, int snfkod, const QString &altkod, int der)
{
    const QVariant v = db.scalar(kLookUpSupplementary, {{QStringLiteral("SK"), snfkod},
                                                        {QStringLiteral("DR"), der},
                                                        {QStringLiteral("AK"), QLatin1Char('#') + altkod.trimmed()}});
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    return v.toDouble();
}

std::optional<UnitAllowance> unitAllowance(db::Database &db, int bkod, int der)
{
    QSqlQuery q = db.exec(kAllowance, {{QStringLiteral("BK"), bkod}, {QStringLiteral("DR"), der}});
    if (!q.next())
        return std::nullopt;
    UnitAllowance a;
    a.EKGOST = optionalInt(q.value(0));
    if (!q.value(1).isNull())
        a.LOJMAN = Money::fromDbDouble(q.value(1).toDouble());
    a.OHT = optionalInt(q.value(2));
    return a;
}

std::optional<GradeRecord> readGradeRecord(db::Database &db, const RecordKey &key)
{
    QSqlQuery q = db.exec(kGradeRecord, {{QStringLiteral("PK"), key.PKAYNO},
                                         {QStringLiteral("BK"), key.BKOD},
                                         {QStringLiteral("PO"), key.PKOD}});
    if (!q.next())
        return std::nullopt;
    GradeRecord r;
    r.DER = optionalInt(q.value(0));
    r.KAD = optionalInt(q.value(1));
    r.GOS = optionalInt(q.value(2));
    r.EGOS = optionalInt(q.value(3));
    r.MDER = optionalInt(q.value(4));
    r.MKAD = optionalInt(q.value(5));
    r.MGOS = optionalInt(q.value(6));
    r.MEGOS = optionalInt(q.value(7));
    r.TFA = optionalInt(q.value(8));
    r.GF = optionalInt(q.value(9));
    r.KIDEM = optionalInt(q.value(10));
    r.OHT = optionalInt(q.value(11));
    if (!q.value(12).isNull())
        r.LTAZ = Money::fromDbDouble(q.value(12).toDouble());
    r.SNFKOD = optionalInt(q.value(13));
    r.SNFALTKOD = q.value(14).toString().trimmed();
    return r;
}

PaidValues paidValues(db::Database &db, const RecordKey &key, int year, int month)
{
    QSqlQuery q = db.exec(kArchivedPaid, {{QStringLiteral("PK"), key.PKAYNO},
                                          {QStringLiteral("BK"), key.BKOD},
                                          {QStringLiteral("AY"), month},
                                          {QStringLiteral("YL"), QString::number(year)}});
    if (q.next() && q.value(1).toInt() != 0)
        return {q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()};
    const std::optional<GradeRecord> r = readGradeRecord(db, key);
    if (!r)
        return {};
    PaidValues p{r->DER.value_or(0), r->GOS.value_or(0), r->EGOS.value_or(0)};
    // A difference not paid yet was measured from the indicator paid before it.
    if (r->TFA.value_or(0) > 0 && r->GF.value_or(0) != 0)
        p.GOS -= *r->GF;
    return p;
}

int writeGradeRecord(db::Database &db, const RecordKey &key, PickMode mode, const GradeRecord &r)
{
    QVector<std::pair<QString, QVariant>> values;
    const auto add = [&values](const char *column, const std::optional<int> &v) {
        values.append({QString::fromLatin1(column), intOrNull(v)});
    };
    switch (mode) {
    case PickMode::Salary:
        add("DER", r.DER);
        add("KAD", r.KAD);
        add("GOS", r.GOS);
        add("EGOS", r.EGOS);
        add("TFA", r.TFA);
        add("GF", r.GF);
        add("OHT", r.OHT);
        values.append({QStringLiteral("LTAZ"),
                       r.LTAZ ? QVariant(r.LTAZ->toDouble()) : QVariant(QMetaType::fromType<double>())});
        break;
    case PickMode::Retirement:
        add("MDER", r.MDER);
        add("MKAD", r.MKAD);
        add("MGOS", r.MGOS);
        add("MEGOS", r.MEGOS);
        break;
    case PickMode::Promotion:
        add("DER", r.DER);
        add("KAD", r.KAD);
        add("GOS", r.GOS);
        add("EGOS", r.EGOS);
        add("MDER", r.MDER);
        add("MKAD", r.MKAD);
        add("MGOS", r.MGOS);
        add("MEGOS", r.MEGOS);
        add("TFA", r.TFA);
        add("GF", r.GF);
        add("KIDEM", r.KIDEM);
        break;
    }
    return personnel::updatePayRecordColumns(db, {key.PKAYNO, key.BKOD, key.PKOD}, values);
}

std::vector<PromotionDate> promotionDates(db::Database &db)
{
    std::vector<PromotionDate> rows;
    QSqlQuery q = db.exec(kPromotionDates);
    while (q.next()) {
        PromotionDate d;
        d.key = {q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()};
        d.TERTAR = q.value(3).toDate();
        d.ADSOY = q.value(4).toString().trimmed();
        d.EMSNO = q.value(5).toString().trimmed();
        rows.push_back(d);
    }
    return rows;
}

int setPromotionDate(db::Database &db, const RecordKey &key, const QDate &date)
{
    return personnel::updatePayRecordColumns(
        db, {key.PKAYNO, key.BKOD, key.PKOD},
        {{QStringLiteral("TERTAR"), date.isValid() ? QVariant(date) : QVariant(QMetaType::fromType<QDate>())}});
}

}  // namespace zeran::grades
