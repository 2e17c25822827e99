#include "paidsums.h"

#include "ledgerstore.h"

#include <QSqlQuery>
#include <QVariant>

namespace zeran::ledgers {

namespace {

// One statement is composed of the fixed parts below: which people, and which payroll (if
// any) is left out. No part carries a value; every value is bound.
// "PKAYNO+0" and "GROUP BY 1" let the engine read the table straight through and sort the few
// rows that carry an instalment, instead of walking every row in person order through an index
// (measured: 0.41 s against 0.16 s for a year of 10,000 people). Rows without an instalment add
// nothing to the sums, and a person without any row reads as zero, as before.
const QString kPaidSelect = QStringLiteral("SELECT PKAYNO+0 PKAYNO,SUM(ICRA) ICRA,SUM(HIZBOR) HIZBOR FROM ZERMAAS");
const QString kScopeAll = QStringLiteral(" WHERE 1=1");
const QString kScopeUnit = QStringLiteral(" WHERE PKAYNO IN (SELECT PKAYNO FROM ZERBORBIL WHERE BKOD=:BK)");
const QString kScopePerson = QStringLiteral(" WHERE PKAYNO=:PK");
const QString kLeaveOutPayroll = QStringLiteral(" AND NOT (YIL=:YL AND AY=:AY AND TUR=:TR)");
const QString kLeaveOutPayrollOfUnit = QStringLiteral(" AND NOT (YIL=:YL AND AY=:AY AND TUR=:TR AND BKOD=:LB)");
const QString kOnlyInstalments = QStringLiteral(" AND (ICRA<>0 OR HIZBOR<>0)");
const QString kPaidGroup = QStringLiteral(" GROUP BY 1");

Money sumOf(const QVariant &v)
{
    return v.isNull() ? Money() : Money::fromDbDouble(v.toDouble());
}

QHash<int, PaidSums> run(const db::Database &db, const QString &scope, QVariantMap binds,
                         const std::optional<PayrollKey> &leaveOut)
{
    QString sql = kPaidSelect + scope;
    if (leaveOut) {
        sql += leaveOut->bkod ? kLeaveOutPayrollOfUnit : kLeaveOutPayroll;
        binds.insert(QStringLiteral("YL"), QString::number(leaveOut->year));
        binds.insert(QStringLiteral("AY"), leaveOut->month);
        binds.insert(QStringLiteral("TR"), leaveOut->kind);
        if (leaveOut->bkod)
            binds.insert(QStringLiteral("LB"), *leaveOut->bkod);
    }
    sql += kOnlyInstalments + kPaidGroup;
    QSqlQuery q = db.exec(sql, binds);
    QHash<int, PaidSums> sums;
    while (q.next())
        sums.insert(q.value(0).toInt(), PaidSums{sumOf(q.value(1)), sumOf(q.value(2))});
    return sums;
}

}  // namespace

Money PaidSums::of(DebtKind kind) const
{
    return kind == DebtKind::Garnishment ? garnishment : serviceDebt;
}

QHash<int, PaidSums> paidSums(const db::Database &db, const std::optional<PayrollKey> &leaveOut)
{
    return run(db, kScopeAll, {}, leaveOut);
}

QHash<int, PaidSums> paidSumsOfUnit(const db::Database &db, int bkod, const std::optional<PayrollKey> &leaveOut)
{
    return run(db, kScopeUnit, {{QStringLiteral("BK"), bkod}}, leaveOut);
}

PaidSums paidSumsOf(const db::Database &db, int pkayno, const std::optional<PayrollKey> &leaveOut)
{
    return run(db, kScopePerson, {{QStringLiteral("PK"), pkayno}}, leaveOut).value(pkayno);
}

}  // namespace zeran::ledgers
