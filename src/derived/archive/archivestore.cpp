#include "archivestore.h"

#include "audit.h"
#include "printloader.h"
#include "unitstore.h"

#include <QSqlQuery>

namespace zeran::archive {

namespace {

const QString kPersonsAll = QStringLiteral(
    "SELECT S.PKAYNO,S.ADI,S.SOYADI FROM SICIL S "
    "WHERE EXISTS (SELECT 1 FROM ZERMAAS M WHERE M.PKAYNO=S.PKAYNO) ORDER BY S.ADI,S.SOYADI,S.PKAYNO");
const QString kPersonsOfUnit = QStringLiteral(
    "SELECT S.PKAYNO,S.ADI,S.SOYADI FROM SICIL S "
    "WHERE EXISTS (SELECT 1 FROM ZERMAAS M WHERE M.PKAYNO=S.PKAYNO AND M.BKOD=:BK) "
    "ORDER BY S.ADI,S.SOYADI,S.PKAYNO");
const QString kPerson = QStringLiteral("SELECT ADI,SOYADI,EMSNO,TCKNO,PERNO FROM SICIL WHERE PKAYNO=:PK");
const QString kPeriodRates = QStringLiteral(
    "SELECT FIRST 1 KATSAYI,YOD,TAK,EYMG FROM ZERKANOR WHERE YIL=:YL AND DON=:DN ORDER BY KAYNO");

QString trimmed(const QVariant &v)
{
    return v.toString().trimmed();
}

double number(const QVariant &v)
{
    return v.isNull() ? 0.0 : v.toDouble();
}

/// The unit of work of one operation: commits, or reports a database failure as Failed.
template <typename Work>
OperationResult run(db::Database &db, Work work)
{
    try {
        db::Transaction tx(db);
        OperationResult r = work();
        if (r.outcome == Outcome::Done)
            tx.commit();
        return r;
    } catch (const db::DbError &e) {
        return {Outcome::Failed, e.text, 0};
    } catch (const results::ResultValueError &e) {
        return {Outcome::Failed, QString::fromStdString(e.what()), 0};
    }
}

OperationResult refused(Questions &q, const QString &message)
{
    q.inform(message);
    return {Outcome::Refused, message, 0};
}

}  // namespace

std::vector<PersonChoice> personChoices(db::Database &db, int unit)
{
    QSqlQuery q = unit != 0 ? db.exec(kPersonsOfUnit, {{QStringLiteral("BK"), unit}}) : db.exec(kPersonsAll);
    std::vector<PersonChoice> out;
    while (q.next())
        out.push_back({q.value(0).toInt(), trimmed(q.value(1)) + QLatin1Char(' ') + trimmed(q.value(2))});
    return out;
}

std::vector<ArchiveRow> loadRows(db::Database &db, const ArchiveSelection &selection)
{
    return payrolldocs::loadArchive(db, selection).rows;
}

payrolldocs::ArchiveData loadArchiveData(db::Database &db, const ArchiveSelection &selection)
{
    return payrolldocs::loadArchive(db, selection);
}

OperationResult deleteMonth(db::Database &db, WorkingContext &ctx, const ArchiveSelection &selection,
                            Questions &questions)
{
    if (const QString why = deleteRefusal(selection.unit, selection.month); !why.isEmpty())
        return refused(questions, why);
    if (!questions.confirm(deleteQuestion()))
        return {Outcome::Declined, QString(), 0};
    const results::PayrollMonth month{selection.year, selection.month, selection.kind};
    return run(db, [&]() -> OperationResult {
        // The unit's row is locked first, as the payroll make locks it: a make of the same
        // unit waits for this deletion instead of writing beside it.
        units::lockUnits(db, selection.unit);
        if (results::countLaterMonths(db, month, selection.unit) > 0 &&
            !questions.confirm(QString::fromUtf8(kNotLastMonthQuestion)))
            return {Outcome::Declined, QString(), 0};
        if (const auto yevno = results::postedJournal(db, month, selection.unit);
            yevno && !questions.confirm(journalQuestion(*yevno)))
            return {Outcome::Declined, QString(), 0};
        const results::DeletedPayroll d = results::deleteArchivedPayroll(db, month, selection.unit);
        audit::write(db, ctx,
                     {QString::fromUtf8(kAuditSection), QStringLiteral("S"),
                      deleteAuditText(month, selection.unit, d.results), selection.unit, selection.month});
        return {Outcome::Done, QString(), d.results};
    });
}

OperationResult setPayments(db::Database &db, WorkingContext &ctx, const std::vector<results::RowKey> &keys,
                            const results::PaymentStatus &status)
{
    return run(db, [&]() -> OperationResult {
        int changed = 0;
        for (const results::RowKey &k : keys) {
            changed += results::setPayment(db, k, status);
            audit::write(db, ctx,
                         {QString::fromUtf8(kAuditSection), QStringLiteral("D"), paymentAuditText(k, status.ODE),
                          k.PKAYNO, k.BKOD});
        }
        return {Outcome::Done, QString(), changed};
    });
}

std::optional<StoredMonth> loadStoredMonth(db::Database &db, const results::RowKey &key)
{
    db::Transaction tx(db);
    const results::PayrollMonth month{key.YIL, key.AY, key.TUR};
    std::optional<results::ResultRow> r = results::readResult(db, month, key.PKAYNO, key.BKOD, key.PKOD);
    if (!r)
        return std::nullopt;
    StoredMonth m;
    m.result = std::move(*r);
    m.snapshot = results::readSnapshot(db, month, key.PKAYNO, key.BKOD, key.PKOD);
    {
        QSqlQuery q = db.exec(kPerson, {{QStringLiteral("PK"), key.PKAYNO}});
        if (q.next()) {
            m.ADI = trimmed(q.value(0));
            m.SOYADI = trimmed(q.value(1));
            m.EMSNO = trimmed(q.value(2));
            m.TCKNO = trimmed(q.value(3));
            m.PERNO = trimmed(q.value(4));
        }
    }
    m.BIRIM = units::unitName(db, key.BKOD);
    {
        QSqlQuery q = db.exec(kPeriodRates, {{QStringLiteral("YL"), key.YIL},
                                             {QStringLiteral("DN"), key.AY > 6 ? QStringLiteral("2") : QStringLiteral("1")}});
        if (q.next()) {
            m.KATSAYI = number(q.value(0));
            m.YOD = number(q.value(1));
            m.TAK = number(q.value(2));
            m.EYMG = number(q.value(3));
        }
    }
    tx.commit();
    return m;
}

OperationResult saveCorrection(db::Database &db, WorkingContext &ctx, const results::ResultRow &corrected,
                               Questions &questions)
{
    return run(db, [&]() -> OperationResult {
        if (const auto yevno = results::postedJournal(db, corrected.key); yevno && !questions.confirm(journalQuestion(*yevno)))
            return {Outcome::Declined, QString(), 0};
        const int n = results::updateResultRow(db, corrected);
        if (n == 0)
            return {Outcome::Failed, QStringLiteral("Kayıt bulunamadı"), 0};
        audit::write(db, ctx,
                     {QString::fromUtf8(kAuditSection), QStringLiteral("D"), correctionAuditText(corrected),
                      corrected.key.PKAYNO, corrected.key.BKOD});
        return {Outcome::Done, QString(), n};
    });
}

std::vector<results::PersonYearRow> taxBaseRows(db::Database &db, int pkayno, const QString &year)
{
    return results::personYearResults(db, pkayno, year);
}

OperationResult addTaxBase(db::Database &db, WorkingContext &ctx, const TaxBaseEntry &e, int runMonth)
{
    if (const QString why = taxBaseRefusal(e.AY, runMonth, e.VERMAT); !why.isEmpty())
        return {Outcome::Refused, why, 0};
    const results::RowKey key{e.PKAYNO, e.BKOD, e.PKOD, e.TUR, e.YIL, e.AY};
    return run(db, [&]() -> OperationResult {
        if (results::resultExists(db, e.PKAYNO, e.BKOD, {e.YIL, e.AY, e.TUR}))
            return {Outcome::Refused, QString::fromUtf8(kDuplicateBase), 0};
        results::insertTaxBase(db, key, *e.VERMAT, e.VERMAT1);
        audit::write(db, ctx,
                     {QString::fromUtf8(kTaxBaseAuditSection), QStringLiteral("Y"), taxBaseAuditText(key, *e.VERMAT),
                      e.PKAYNO, e.BKOD});
        return {Outcome::Done, QString(), 1};
    });
}

OperationResult correctTaxBase(db::Database &db, WorkingContext &ctx, const results::RowKey &key, Money vermat)
{
    if (vermat.isNegative())
        return {Outcome::Refused, QString::fromUtf8(kNegativeBase), 0};
    return run(db, [&]() -> OperationResult {
        const int n = results::updateTaxBase(db, key, vermat);
        if (n == 0)
            return {Outcome::Failed, QStringLiteral("Kayıt bulunamadı"), 0};
        audit::write(db, ctx,
                     {QString::fromUtf8(kTaxBaseAuditSection), QStringLiteral("D"), taxBaseAuditText(key, vermat),
                      key.PKAYNO, key.BKOD});
        return {Outcome::Done, QString(), n};
    });
}

OperationResult deleteTaxBase(db::Database &db, WorkingContext &ctx, const results::RowKey &key, Questions &questions)
{
    if (!questions.confirm(QString::fromUtf8(kDeleteBaseQuestion)))
        return {Outcome::Declined, QString(), 0};
    return run(db, [&]() -> OperationResult {
        const int n = results::deleteTaxBase(db, key);
        if (n == 0)
            return {Outcome::Refused, QString::fromUtf8(kNotAnEnteredBase), 0};
        audit::write(db, ctx,
                     {QString::fromUtf8(kTaxBaseAuditSection), QStringLiteral("S"), taxBaseAuditText(key, Money()),
                      key.PKAYNO, key.BKOD});
        return {Outcome::Done, QString(), n};
    });
}

}  // namespace zeran::archive
