#include "payrollmake.h"

#include "audit.h"
#include "calendar.h"
#include "resultstore.h"
#include "stages.h"
#include "unitstore.h"
#include "writtenrow.h"

#include <exception>

namespace zeran::payrollmake {

namespace {

// The checks look at every unit the delete will touch: one unit, or all of them.
// Only months from the run month on matter (later: refuse; the same: ask); reading just those
// keeps the check off the rest of the year's rows.
const QString kLastMonth = QStringLiteral("SELECT MAX(AY) FROM ZERMAAS WHERE YIL=:YIL AND AY>=:AY AND TUR='1'");
const QString kJournal = QStringLiteral(
    "SELECT FIRST 1 YEVNO FROM ZERMAAS WHERE YIL=:YIL AND AY=:AY AND TUR='1' AND YEVNO IS NOT NULL AND YEVNO<>0");
const QString kUnitCondition = QStringLiteral(" AND BKOD=:BKOD");
const QString kAuditSection = QStringLiteral("ZER-MAAŞ");

/// What the checks saw; compared again under the lock.
struct MonthState {
    std::optional<int> lastMonth;  ///< the latest month made, when it is the run month or later
    std::optional<qint64> journal;
    bool operator==(const MonthState &) const = default;
};

MonthState readState(db::Database &db, const QString &year, int month, int unit)
{
    QVariantMap binds{{QStringLiteral("YIL"), year}, {QStringLiteral("AY"), month}};
    QString cond;
    if (unit != 0) {
        cond = kUnitCondition;
        binds.insert(QStringLiteral("BKOD"), unit);
    }
    MonthState s;
    const QVariant last = db.scalar(kLastMonth + cond, binds);
    if (last.isValid() && !last.isNull())
        s.lastMonth = last.toInt();
    const QVariant yev = db.scalar(kJournal + cond, binds);
    if (yev.isValid() && !yev.isNull())
        s.journal = qint64(qRound64(yev.toDouble()));
    return s;
}

bool isLockConflict(const QString &text)
{
    const QString t = text.toLower();
    return t.contains(QLatin1String("conflict")) || t.contains(QLatin1String("deadlock"));
}

MakeResult stop(Outcome outcome, const QString &message, Questions &q)
{
    MakeResult r;
    r.outcome = outcome;
    r.message = message;
    if (!message.isEmpty())
        q.inform(message);
    return r;
}

QString personText(const payrollrun::RunPerson &p)
{
    return QStringLiteral("%1 %2 (Kodu %3, Birim %4)")
        .arg(p.ADI, p.SOYADI)
        .arg(p.input.rec.PKOD)
        .arg(p.input.rec.BKOD);
}

}  // namespace

QString journalQuestion(qint64 yevno)
{
    return QStringLiteral("DİKKAT.. ") + QString::number(yevno) +
           QStringLiteral(" Numaralı Yevmiye Kaydı Oluşturulmuştur, Devam Etmek İstiyormusunuz ");
}

QString journalReminder(qint64 yevno)
{
    return QStringLiteral("Lütfen ") + QString::number(yevno) + QStringLiteral(" Numaralı Yevmiye Kaydını Kontrol Ediniz ");
}

QString alreadyMadeQuestion(const QString &monthName)
{
    return QStringLiteral("D İ K K A T ") + monthName + QStringLiteral(" AYI MAASLARI YAPILMIŞTIR.") + QLatin1Char('\r') +
           QStringLiteral("ESKİ BİLGİLER SİLİNECEKTİR");
}

MakeResult make(db::Database &db, WorkingContext &ctx, const MakeRequest &request, Questions &questions)
{
    const payrollrun::RunPeriod period = payrollrun::RunPeriod::of(request.workingYear, request.today);
    const payrollrun::RunSelection &sel = request.selection;
    const bool single = sel.person != 0;
    if (sel.everyStatus)
        return stop(Outcome::Refused, QString::fromUtf8(kChooseStatus), questions);

    MakeResult result;
    // The current person being written, for the failure message.
    QString current;
    try {
        if (payrollrun::countSelection(db, sel) == 0) {
            result.outcome = Outcome::Empty;
            return result;
        }
        if (request.workingYear != QString::number(request.today.year()))
            return stop(Outcome::Refused, QString::fromUtf8(kWorkingYearDiffers), questions);

        const MonthState seen = readState(db, period.YIL, period.AY, sel.unit);
        if (seen.lastMonth && *seen.lastMonth > period.AY)
            return stop(Outcome::Refused, QString::fromUtf8(kLaterMonthMade), questions);
        if (seen.journal) {
            if (!questions.confirm(journalQuestion(*seen.journal))) {
                result.outcome = Outcome::Declined;
                return result;
            }
            questions.inform(journalReminder(*seen.journal));
        }
        if (single) {
            // "Tek Kişi" prints without writing: nothing is deleted, so nothing to confirm.
            result.loaded = payrollrun::loadRun(db, period, sel, request.settings);
            result.pays = payrollrun::computeAll(result.loaded);
            result.totals = results::alttoplam(db, period.YIL, period.AY,
                                               sel.unit ? std::optional<int>(sel.unit) : std::nullopt);
            result.outcome = Outcome::SinglePerson;
            return result;
        }
        if (seen.lastMonth && *seen.lastMonth == period.AY &&
            !questions.confirm(alreadyMadeQuestion(cal::monthName(period.AY)))) {
            result.outcome = Outcome::Declined;
            return result;
        }

        const std::optional<int> unit = sel.unit ? std::optional<int>(sel.unit) : std::nullopt;
        {
            db::Transaction tx(db);
            // Two makers of the same unit take turns: the second waits for the first to end
            // and then gets an update conflict instead of writing beside it.
            units::lockUnits(db, unit);
            if (readState(db, period.YIL, period.AY, sel.unit) != seen) {
                tx.rollback();
                return stop(Outcome::Refused, QString::fromUtf8(kChangedMeanwhile), questions);
            }
            // Computed again under the lock, from the same snapshot the rows are written in.
            result.loaded = payrollrun::loadRun(db, period, sel, request.settings);
            result.pays = payrollrun::computeAll(result.loaded);

            const results::PayrollMonth month{period.YIL, period.AY, results::PayrollKind::Monthly};
            results::deleteMonth(db, month, unit);
            results::ResultWriter writer(db);
            const engine::PayrollRun &run = result.loaded.run;
            // All result rows, then all snapshots: one table's index pages at a time stay in
            // the engine's page cache (interleaved, a large unit wrote them several times over).
            for (std::size_t i = 0; i < result.loaded.people.size(); ++i) {
                const payrollrun::RunPerson &p = result.loaded.people[i];
                current = personText(p);
                results::ResultRow row = payrollrun::resultRow(run, p.input, result.pays[i]);
                row.TAR = request.today;  // the day the payroll was made (read by the dues lists)
                writer.insertResult(row);
                if (request.afterPerson)
                    request.afterPerson(int(i));
            }
            for (const payrollrun::RunPerson &p : result.loaded.people) {
                current = personText(p);
                writer.insertSnapshot(payrollrun::snapshotRow(run, p.input));
            }
            current.clear();
            // The unit of the current row when the loop ends, as the log has always read.
            const int auditUnit = result.loaded.people.empty() ? sel.unit : result.loaded.people.back().input.rec.BKOD;
            audit::write(db, ctx,
                         {kAuditSection, QStringLiteral("D"),
                          QStringLiteral("YIL:") + period.YIL + QStringLiteral(" AY:") + QString::number(period.AY) +
                              QStringLiteral(" Birim Kodu:") + QString::number(auditUnit)});
            tx.commit();
        }
        result.rows = int(result.loaded.people.size());
        result.outcome = Outcome::Written;
        result.totals = results::alttoplam(db, period.YIL, period.AY, unit);
        return result;
    } catch (const db::DbError &e) {
        if (isLockConflict(e.text))
            return stop(Outcome::Refused, QString::fromUtf8(kChangedMeanwhile), questions);
        return stop(Outcome::Failed,
                    QString::fromUtf8(kWriteFailed) + QLatin1Char('\r') +
                        (current.isEmpty() ? QString() : current + QStringLiteral(": ")) + e.text + QLatin1Char('\r') +
                        QStringLiteral("Bordro yazılmadı; ayın önceki bilgileri değişmedi."),
                    questions);
    } catch (const std::exception &e) {
        return stop(Outcome::Failed,
                    QString::fromUtf8(kWriteFailed) + QLatin1Char('\r') +
                        (current.isEmpty() ? QString() : current + QStringLiteral(": ")) + QString::fromUtf8(e.what()) +
                        QLatin1Char('\r') + QStringLiteral("Bordro yazılmadı; ayın önceki bilgileri değişmedi."),
                    questions);
    }
}

}  // namespace zeran::payrollmake
