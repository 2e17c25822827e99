#include "unitstore.h"

#include <QSqlQuery>

namespace zeran::units {

namespace {
const QString kUnits = QStringLiteral("SELECT BKOD,BIRIM FROM BIRIM WHERE TUR='M'%1 ORDER BY BIRIM,BKOD");
const QString kActive = QStringLiteral(" AND AKTIF='A'");
const QString kActiveSalary = QStringLiteral(" AND MTUR='N' AND AKTIF='A'");
const QString kNames = QStringLiteral("SELECT BKOD,BIRIM FROM BIRIM WHERE TUR='M'");
const QString kName = QStringLiteral("SELECT BIRIM FROM BIRIM WHERE BKOD=:BK AND TUR='M'");
const QString kHeader =
    QStringLiteral("SELECT BKOD,BIRIM,BASLIK,TAS,TUN,SAS,SUN,IAS,IUN FROM BIRIM WHERE BKOD=:BK AND TUR='M'");
const QString kLock = QStringLiteral("UPDATE BIRIM SET BKOD=BKOD WHERE TUR='M'%1");
const QString kOneUnit = QStringLiteral(" AND BKOD=:BK");

const QString kRowColumns =
    QStringLiteral("BKOD,BIRIM,BASLIK,MTUR,AKTIF,MAS,MUN,TAS,TUN,SAS,SUN,IAS,IUN,TTBA,TTSA");
const QString kRows = QStringLiteral("SELECT %1 FROM BIRIM WHERE TUR='M'%2 ORDER BY %3");
const QString kByActivity = QStringLiteral(" AND AKTIF=:A");
const QString kRow = QStringLiteral("SELECT %1 FROM BIRIM WHERE TUR='M' AND BKOD=:BK");
const QString kMaxCode = QStringLiteral("SELECT MAX(BKOD) YENINO FROM BIRIM WHERE TUR='M'");
const QString kInsertRow = QStringLiteral(
    "INSERT INTO BIRIM (BKOD,BIRIM,TUR,MAS,MUN,TAS,TUN,IAS,IUN,SAS,SUN,BASLIK,TTBA,TTSA,MTUR,AKTIF) "
    "VALUES (:BKOD,:BIRIM,'M',:MAS,:MUN,:TAS,:TUN,:IAS,:IUN,:SAS,:SUN,:BASLIK,:TTBA,:TTSA,:MTUR,:AKTIF)");
const QString kUpdateRow = QStringLiteral(
    "UPDATE BIRIM SET BIRIM=:BIRIM,BASLIK=:BASLIK,MTUR=:MTUR,AKTIF=:AKTIF,TAS=:TAS,TUN=:TUN,SAS=:SAS,SUN=:SUN,"
    "IAS=:IAS,IUN=:IUN WHERE BKOD=:BKOD AND TUR='M'");
const QString kDeleteRow = QStringLiteral("DELETE FROM BIRIM WHERE BKOD=:KK AND TUR='M'");
const QString kHasResults = QStringLiteral("SELECT FIRST 1 BKOD FROM ZERMAAS WHERE BKOD=:KK");

QString text(const QVariant &v)
{
    return v.toString().trimmed();
}

UnitRow rowFrom(const QSqlQuery &q)
{
    UnitRow r;
    r.BKOD = q.value(0).toInt();
    QString *fields[] = {&r.BIRIM, &r.BASLIK, &r.MTUR, &r.AKTIF, &r.MAS, &r.MUN, &r.TAS,
                         &r.TUN,   &r.SAS,    &r.SUN,  &r.IAS,   &r.IUN, &r.TTBA, &r.TTSA};
    for (int i = 0; i < 14; ++i)
        *fields[i] = text(q.value(i + 1));
    return r;
}

/// Empty texts are stored as NULL, as the columns had them before.
QVariant textOrNull(const QString &s)
{
    return s.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(s);
}

QVariantMap rowBinds(const UnitRow &r)
{
    return {{QStringLiteral("BKOD"), r.BKOD},          {QStringLiteral("BIRIM"), textOrNull(r.BIRIM)},
            {QStringLiteral("BASLIK"), textOrNull(r.BASLIK)}, {QStringLiteral("MTUR"), textOrNull(r.MTUR)},
            {QStringLiteral("AKTIF"), textOrNull(r.AKTIF)},   {QStringLiteral("MAS"), textOrNull(r.MAS)},
            {QStringLiteral("MUN"), textOrNull(r.MUN)},       {QStringLiteral("TAS"), textOrNull(r.TAS)},
            {QStringLiteral("TUN"), textOrNull(r.TUN)},       {QStringLiteral("SAS"), textOrNull(r.SAS)},
            {QStringLiteral("SUN"), textOrNull(r.SUN)},       {QStringLiteral("IAS"), textOrNull(r.IAS)},
            {QStringLiteral("IUN"), textOrNull(r.IUN)},       {QStringLiteral("TTBA"), textOrNull(r.TTBA)},
            {QStringLiteral("TTSA"), textOrNull(r.TTSA)}};
}
}  // namespace

std::vector<UnitName> units(const db::Database &db, UnitFilter filter)
{
    const QString condition = filter == UnitFilter::Active         ? kActive
                              : filter == UnitFilter::ActiveSalary ? kActiveSalary
                                                                   : QString();
    std::vector<UnitName> out;
    QSqlQuery q = db.exec(kUnits.arg(condition));
    while (q.next())
        out.push_back({q.value(0).toInt(), text(q.value(1))});
    return out;
}

QHash<int, QString> unitNames(const db::Database &db)
{
    QHash<int, QString> out;
    QSqlQuery q = db.exec(kNames);
    while (q.next())
        out.insert(q.value(0).toInt(), text(q.value(1)));
    return out;
}

QString unitName(const db::Database &db, int bkod)
{
    return text(db.scalar(kName, {{QStringLiteral("BK"), bkod}}));
}

std::optional<UnitHeader> unitHeader(const db::Database &db, int bkod)
{
    QSqlQuery q = db.exec(kHeader, {{QStringLiteral("BK"), bkod}});
    if (!q.next())
        return std::nullopt;
    UnitHeader h;
    h.BKOD = q.value(0).toInt();
    h.BIRIM = text(q.value(1));
    h.BASLIK = text(q.value(2));
    h.signatories = {text(q.value(3)), text(q.value(4)), text(q.value(5)),
                     text(q.value(6)), text(q.value(7)), text(q.value(8))};
    return h;
}

void lockUnits(const db::Database &db, std::optional<int> bkod)
{
    QVariantMap binds;
    if (bkod)
        binds.insert(QStringLiteral("BK"), *bkod);
    db.exec(kLock.arg(bkod ? kOneUnit : QString()), binds);
}

std::vector<UnitRow> unitRows(const db::Database &db, ListFilter filter, ListOrder order)
{
    QVariantMap binds;
    QString condition;
    if (filter != ListFilter::All) {
        condition = kByActivity;
        binds.insert(QStringLiteral("A"), filter == ListFilter::Active ? QStringLiteral("A") : QStringLiteral("P"));
    }
    const QString orderBy = order == ListOrder::Code ? QStringLiteral("BKOD") : QStringLiteral("BIRIM,BKOD");
    std::vector<UnitRow> out;
    QSqlQuery q = db.exec(kRows.arg(kRowColumns, condition, orderBy), binds);
    while (q.next())
        out.push_back(rowFrom(q));
    return out;
}

std::optional<UnitRow> unitRow(const db::Database &db, int bkod)
{
    QSqlQuery q = db.exec(kRow.arg(kRowColumns), {{QStringLiteral("BK"), bkod}});
    if (!q.next())
        return std::nullopt;
    return rowFrom(q);
}

int nextUnitCode(const db::Database &db)
{
    return db::smallintKey(db.scalar(kMaxCode).toLongLong() + 1, QStringLiteral("BKOD"));
}

void insertUnitRow(const db::Database &db, const UnitRow &r)
{
    db.exec(kInsertRow, rowBinds(r));
}

int updateUnitRow(const db::Database &db, const UnitRow &r)
{
    QVariantMap binds = rowBinds(r);
    for (const char *kept : {"MAS", "MUN", "TTBA", "TTSA"})
        binds.remove(QLatin1String(kept));
    return db.exec(kUpdateRow, binds).numRowsAffected();
}

int deleteUnitRow(const db::Database &db, int bkod)
{
    return db.exec(kDeleteRow, {{QStringLiteral("KK"), bkod}}).numRowsAffected();
}

bool unitHasResults(const db::Database &db, int bkod)
{
    return db.scalar(kHasResults, {{QStringLiteral("KK"), bkod}}).isValid();
}

}  // namespace zeran::units
