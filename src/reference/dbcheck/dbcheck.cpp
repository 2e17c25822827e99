#include "dbcheck.h"

#include "audit.h"
#include "contributionstore.h"
#include "payrecords.h"
#include "planstore.h"

namespace zeran::dbcheck {

namespace {

const QString kUnitCount = QStringLiteral("SELECT COUNT(*) FROM BIRIM");

void step(const Hooks &h, int progress)
{
    if (h.progress)
        h.progress(progress);
}

void after(const Hooks &h, int n)
{
    if (h.afterStep)
        h.afterStep(n);
}

}  // namespace

Outcome run(db::Database &db, WorkingContext &ctx, const Hooks &hooks)
{
    Outcome out;
    out.log = startLines();
    auto refuse = [&](QStringView text) {
        out.status = Outcome::Status::Refused;
        out.message = text.toString();
        out.log << out.message << QString() << kNothingChanged.toString();
        out.log += endLines();
        return out;
    };
    if (ctx.KULNO != 1)
        return refuse(kSuperUserOnly);
    try {
        db::Transaction tx(db);
        if (db.scalar(kUnitCount).toInt() == 0)
            return refuse(kNoUnits);
        Counts &c = out.counts;
        step(hooks, kProgressPayRecords);
        c.payRecordsDeleted = personnel::deletePayRecordsWithoutUnit(db);
        after(hooks, 1);
        step(hooks, kProgressLedger);
        c.ledgerRowsCreated = contributions::addMissingLedgerMonths(db, ctx.CYIL);
        c.ledgerRowsDeleted = contributions::deleteLedgerRowsWithoutPayRecord(db, ctx.CYIL);
        after(hooks, 2);
        step(hooks, kProgressPlans);
        c.planHeadersDeleted = posting::deletePlanHeadersWithoutUnit(db);
        c.planHeadersCreated = posting::addMissingPlanHeaders(db);
        after(hooks, 3);
        if (c.any()) {
            if (!hooks.confirm || !hooks.confirm(c)) {
                tx.rollback();
                out.status = Outcome::Status::Declined;
                out.log << kDeclined.toString();
                out.log += endLines();
                step(hooks, kProgressDone);
                return out;
            }
            audit::write(db, ctx,
                         {QStringLiteral("DOSYAKONT"), QStringLiteral("D"),
                          QStringLiteral("DOSYA KONTROL: %1 PERS.SİL, %2/%3 EMKES EKL/SİL, %4/%5 NAKİT SİL/EKL")
                              .arg(c.payRecordsDeleted)
                              .arg(c.ledgerRowsCreated)
                              .arg(c.ledgerRowsDeleted)
                              .arg(c.planHeadersDeleted)
                              .arg(c.planHeadersCreated)});
        }
        tx.commit();
        out.log += changeLines(c);
        out.log += endLines();
        step(hooks, kProgressDone);
        return out;
    } catch (const std::exception &e) {
        const auto *dbe = dynamic_cast<const db::DbError *>(&e);
        out.status = Outcome::Status::Failed;
        out.message = dbe ? dbe->text : QString::fromUtf8(e.what());
        out.counts = {};
        out.log = startLines();
        out.log << QStringLiteral("HATA: %1").arg(out.message) << kNothingChanged.toString();
        out.log += endLines();
        return out;
    }
}

}  // namespace zeran::dbcheck
