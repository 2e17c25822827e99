#pragma once
// Data access of the accounting database (ANALITIK.GDB) as far as the postings use it: the
// institution row, accounting units, current accounts, the chart of accounts, the expense
// budget, and the journal entries (YEVMIYE, MUHHAR) the postings write.

#include "database.h"
#include "money.h"
#include "preparation.h"

#include <QHash>
#include <optional>
#include <utility>
#include <vector>

namespace zeran::posting {

struct Institution {
    QString K1, K2, K3, K4, FISOH, SAY, SUNV;
    /// K1.K2.K3, the prefix of a unit's institutional code.
    QString prefix() const { return K1 + QLatin1Char('.') + K2 + QLatin1Char('.') + K3; }
    bool memorandum() const { return FISOH == QLatin1String("E"); }
};
/// The TANIM row; nullopt when there is none.
std::optional<Institution> readInstitution(db::Database &acc);

struct AccountingUnit {
    QString BKOD, BIRIM, HADSOY, HGOR, TADSOY, TGOR;
};
/// The accounting units of a year, ordered by name.
std::vector<AccountingUnit> accountingUnits(db::Database &acc, int year);
std::optional<AccountingUnit> accountingUnit(db::Database &acc, int year, const QString &bkod);

struct CurrentAccount {
    int CKOD = 0;
    QString CARI, TCKNO, VERDA, BSUBE, BHN;
};
/// Every current account, ordered by name.
std::vector<CurrentAccount> currentAccounts(db::Database &acc);
std::optional<CurrentAccount> currentAccount(db::Database &acc, int ckod);

/// The description of an account code in the year's chart; nullopt when it is not there.
std::optional<QString> chartDescription(db::Database &acc, const QString &hkod, int year);

struct BudgetLine {
    qint64 KAYNO = 0;
    QString KKOD, FKOD, FTIP, EKOD, ACIK;
    Money ODENEK;
    int YIL = 0;
};
/// The personnel budget lines (economic codes 01… and 02…) of an institutional code, with the
/// economic-code names, optionally of one economic code.
std::vector<BudgetLine> budgetLines(db::Database &acc, int year, const QString &kkod, const QString &ekod = {});
/// The economic codes of the year's personnel budget lines with their names (EKOD, ACIK).
std::vector<std::pair<QString, QString>> economicCodes(db::Database &acc, int year);
/// The budget record numbers of the lines that carry a KKOD, by budgetKey().
QHash<QString, qint64> budgetRecords(db::Database &acc, int year, const std::vector<PreparedLine> &lines);

/// The journal entry's key of a journal number; nullopt when the entry is gone.
std::optional<qint64> entryKey(db::Database &acc, qint64 yevno, int year);
/// Writes a new entry header with the given keys.
void insertEntry(db::Database &acc, const JournalHeader &h, qint64 kayno, qint64 yevno);
/// Rewrites an entry's header.
void updateEntry(db::Database &acc, const JournalHeader &h, qint64 kayno, qint64 yevno);
/// Deletes an entry's lines.
void deleteEntryLines(db::Database &acc, qint64 kayno);
/// Writes an entry's lines with one prepared statement.
void insertEntryLines(db::Database &acc, qint64 kayno, int year, const std::vector<JournalLine> &lines);

}  // namespace zeran::posting
