#include "audit.h"

#include <QSqlQuery>

namespace zeran::audit {

namespace {
const QString kInsert = QStringLiteral(
    "INSERT INTO IZLEM(PRG,TARIH,SAAT,USR,ADSOY,ACIK,BOLUM,TUR,KAYNO1,KAYNO2) "
    "VALUES(:PRG,:TAR,:SAT,:US,:AD,:ACK,:BOL,:TUR,:KN1,:KN2)");
}

bool enabled(const WorkingContext &ctx)
{
    return ctx.IZL == QLatin1String("E") && ctx.UDUR == QLatin1String("E");
}

void izlkayit(db::Database &db, const WorkingContext &ctx, const QDateTime &at)
{
    if (!enabled(ctx))
        return;
    db::Transaction t(db);
    db.exec(kInsert, {
                         {QStringLiteral("PRG"), QStringLiteral("1")},
                         {QStringLiteral("TAR"), at.date()},
                         {QStringLiteral("SAT"), at.time()},
                         {QStringLiteral("US"), ctx.userName.left(10)},
                         {QStringLiteral("AD"), ctx.userDescription.left(30)},
                         {QStringLiteral("ACK"), ctx.auditACIK.left(150)},
                         {QStringLiteral("BOL"), ctx.auditBOLUM.left(10)},
                         {QStringLiteral("TUR"), ctx.auditTUR.left(1)},
                         {QStringLiteral("KN1"), ctx.auditKAYNO1},
                         {QStringLiteral("KN2"), ctx.auditKAYNO2},
                     });
    t.commit();
}

void write(db::Database &db, WorkingContext &ctx, const Entry &e, const QDateTime &at)
{
    ctx.auditBOLUM = e.BOLUM;
    ctx.auditTUR = e.TUR;
    ctx.auditACIK = e.ACIK;
    ctx.auditKAYNO1 = e.KAYNO1;
    ctx.auditKAYNO2 = e.KAYNO2;
    izlkayit(db, ctx, at);
}

QVector<Line> lines(const db::Database &db, const ViewFilter &f)
{
    // Fixed fragments only; every typed value is bound.
    QString sql = QStringLiteral("SELECT TARIH,SAAT,USR,ADSOY,ACIK,BOLUM,TUR,KAYNO1 FROM IZLEM WHERE PRG='1'");
    QVariantMap binds;
    if (f.date.isValid()) {
        sql += f.onward ? QStringLiteral(" AND TARIH>=:TT") : QStringLiteral(" AND TARIH=:TT");
        binds.insert(QStringLiteral("TT"), f.date);
    }
    if (!f.user.isEmpty()) {
        sql += QStringLiteral(" AND USR=:UU");
        binds.insert(QStringLiteral("UU"), f.user);
    }
    if (!f.kind.isEmpty()) {
        sql += QStringLiteral(" AND TUR=:TU");
        binds.insert(QStringLiteral("TU"), f.kind.left(1));
    }
    if (!f.section.isEmpty()) {
        sql += QStringLiteral(" AND BOLUM=:BL");
        binds.insert(QStringLiteral("BL"), f.section);
    }
    if (!f.text.isEmpty()) {
        // The typed text is matched as it is: its own "%" and "_" are no wildcards.
        QString escaped = f.text;
        escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        escaped.replace(QLatin1Char('%'), QStringLiteral("\\%"));
        escaped.replace(QLatin1Char('_'), QStringLiteral("\\_"));
        sql += QStringLiteral(" AND ACIK LIKE :AC ESCAPE '\\'");
        binds.insert(QStringLiteral("AC"), QLatin1Char('%') + escaped + QLatin1Char('%'));
    }
    switch (f.order) {
    case ViewFilter::Order::Date:
        sql += QStringLiteral(" ORDER BY TARIH,SAAT");
        break;
    case ViewFilter::Order::User:
        sql += QStringLiteral(" ORDER BY USR,TARIH,SAAT");
        break;
    case ViewFilter::Order::Number:
        sql += QStringLiteral(" ORDER BY KAYNO1,TARIH,SAAT");
        break;
    }
    QVector<Line> out;
    QSqlQuery q = db.exec(sql, binds);
    while (q.next()) {
        out.push_back({q.value(0).toDate(), q.value(1).toTime(), q.value(2).toString(), q.value(3).toString(),
                       q.value(4).toString(), q.value(5).toString(), q.value(6).toString().trimmed(),
                       q.value(7).toInt()});
    }
    return out;
}

namespace {
QStringList distinct(const db::Database &db, const QString &column)
{
    QStringList out;
    QSqlQuery q = db.exec(QStringLiteral("SELECT DISTINCT %1 FROM IZLEM WHERE PRG='1' AND %1 IS NOT NULL ORDER BY %1").arg(column));
    while (q.next())
        out << q.value(0).toString();
    return out;
}
}  // namespace

QStringList users(const db::Database &db)
{
    return distinct(db, QStringLiteral("USR"));
}

QStringList sections(const db::Database &db)
{
    return distinct(db, QStringLiteral("BOLUM"));
}

QString kindText(const QString &tur)
{
    if (tur == QLatin1String("Y"))
        return QStringLiteral("Yeni Kayıt");
    if (tur == QLatin1String("D"))
        return QStringLiteral("Değişiklik");
    if (tur == QLatin1String("S"))
        return QStringLiteral("Silme");
    return tur;
}

}  // namespace zeran::audit
