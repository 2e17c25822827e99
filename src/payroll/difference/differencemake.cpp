#include "differencemake.h"

#include "audit.h"
#include "resultstore.h"
#include "unitstore.h"

#include <set>

namespace zeran::difference {

namespace {

MakeResult refused(Outcome outcome, const QString &message)
{
    MakeResult r;
    r.outcome = outcome;
    r.message = message;
    return r;
}

bool isLockConflict(const QString &text)
{
    const QString t = text.toLower();
    return t.contains(QLatin1String("conflict")) || t.contains(QLatin1String("deadlock"));
}

/// The units the payroll replaces: the chosen one, or every unit of the selection.
std::set<int> unitsTouched(const MakeRequest &request, const LoadedDifference &loaded)
{
    if (request.unit != 0)
        return {request.unit};
    std::set<int> units;
    for (const payrollrun::RunPerson &p : loaded.people)
        units.insert(p.input.rec.BKOD);
    return units;
}

/// The first unit among `units` with a later month of the kind already stored.
std::optional<int> laterMonthIn(db::Database &db, const payrollrun::RunPeriod &period, Kind kind,
                                const std::set<int> &units)
{
    for (int bkod : units) {
        const std::optional<int> last = results::lastMonth(db, period.YIL, payrollKind(kind), bkod);
        if (last && *last > period.AY)
            return bkod;
    }
    return std::nullopt;
}

}  // namespace

MakeResult prepare(db::Database &db, const MakeRequest &request)
{
    if (const auto message = checkOptions(request.options, request.workingYear, request.today.year()))
        return refused(Outcome::Refused, *message);
    const payrollrun::RunPeriod period = payrollrun::RunPeriod::of(request.workingYear, request.today);
    MakeResult result;
    result.loaded = loadDifference(db, request.options.kind, period, request.unit, request.settings);
    result.pays = computeAll(result.loaded, request.options);
    result.outcome = result.loaded.people.empty() ? Outcome::Empty : Outcome::SinglePerson;
    return result;
}

MakeResult make(db::Database &db, WorkingContext &ctx, const MakeRequest &request, payrollmake::Questions &questions)
{
    const auto stop = [&questions](Outcome outcome, const QString &message) {
        questions.inform(message);
        return refused(outcome, message);
    };
    if (const auto message = checkOptions(request.options, request.workingYear, request.today.year()))
        return stop(Outcome::Refused, *message);
    const int month = request.today.month();
    if (month != 1 && month != 7)
        questions.inform(QString::fromUtf8(kNotDifferenceMonth));

    const Kind kind = request.options.kind;
    const payrollrun::RunPeriod period = payrollrun::RunPeriod::of(request.workingYear, request.today);
    QString current;
    try {
        {
            // Checked before the lock so a refusal waits for nobody; checked again under it.
            const LoadedDifference seen = loadDifference(db, kind, period, request.unit, request.settings);
            if (seen.people.empty())
                return refused(Outcome::Empty, QString());
            if (laterMonthIn(db, period, kind, unitsTouched(request, seen)))
                return stop(Outcome::Refused, QString::fromUtf8(payrollmake::kLaterMonthMade));
        }
        MakeResult result;
        db::Transaction tx(db);
        const std::optional<int> unit = request.unit ? std::optional<int>(request.unit) : std::nullopt;
        units::lockUnits(db, unit);
        result.loaded = loadDifference(db, kind, period, request.unit, request.settings);
        if (laterMonthIn(db, period, kind, unitsTouched(request, result.loaded))) {
            tx.rollback();
            return stop(Outcome::Refused, QString::fromUtf8(payrollmake::kLaterMonthMade));
        }
        // Every row is computed before anything is deleted: a person who cannot be computed is
        // named and the month's rows stay as they were.
        result.pays = computeAll(result.loaded, request.options);

        results::deleteMonth(db, results::PayrollMonth{period.YIL, period.AY, payrollKind(kind)}, unit);
        results::ResultWriter writer(db);
        const engine::PayrollRun &run = result.loaded.run;
        for (std::size_t i = 0; i < result.loaded.people.size(); ++i) {
            const payrollrun::RunPerson &p = result.loaded.people[i];
            current = QString::number(p.input.rec.PKOD) + QLatin1Char(' ') + p.ADI + QLatin1Char(' ') + p.SOYADI;
            writer.insertResult(resultRow(kind, run, p.input.rec, result.pays[i], request.today));
        }
        for (const payrollrun::RunPerson &p : result.loaded.people) {
            current = QString::number(p.input.rec.PKOD) + QLatin1Char(' ') + p.ADI + QLatin1Char(' ') + p.SOYADI;
            writer.insertSnapshot(snapshotRow(kind, run, p.input));
        }
        current.clear();
        if (kind == Kind::Inflation) {
            const int auditUnit = result.loaded.people.back().input.rec.BKOD;
            audit::write(db, ctx,
                         {QString::fromUtf8(kAuditSection), QStringLiteral("D"),
                          QStringLiteral("YIL:") + period.YIL + QStringLiteral(" AY:") + QString::number(ctx.AY ? ctx.AY : period.AY) +
                              QStringLiteral(" Birim Kodu:") + QString::number(auditUnit)});
        }
        tx.commit();
        result.rows = int(result.loaded.people.size());
        result.outcome = Outcome::Written;
        return result;
    } catch (const db::DbError &e) {
        if (isLockConflict(e.text))
            return stop(Outcome::Refused, QString::fromUtf8(payrollmake::kChangedMeanwhile));
        return stop(Outcome::Failed, QString::fromUtf8(payrollmake::kWriteFailed) + QLatin1Char('\r') +
                                         (current.isEmpty() ? QString() : current + QStringLiteral(": ")) + e.text +
                                         QLatin1Char('\r') + QStringLiteral("Bordro yazılmadı; ayın önceki bilgileri değişmedi."));
    } catch (const std::exception &e) {
        return stop(Outcome::Failed, QString::fromUtf8(payrollmake::kWriteFailed) + QLatin1Char('\r') +
                                         (current.isEmpty() ? QString() : current + QStringLiteral(": ")) +
                                         QString::fromUtf8(e.what()) + QLatin1Char('\r') +
                                         QStringLiteral("Bordro yazılmadı; ayın önceki bilgileri değişmedi."));
    }
}

}  // namespace zeran::difference
