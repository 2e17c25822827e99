#include "audit.h"

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

}  // namespace zeran::audit
