#pragma once
// The audit writer. A line goes into IZLEM only when both login (UDUR) and logging (IZL)
// are on. It joins the caller's unit of work: it becomes durable with the caller's commit
// and disappears with its rollback. A failed insert is thrown back to the caller, whose
// unit of work then rolls back and reports the failure, so work is never reported done
// without its audit line, and nothing outside that unit of work is touched.

#include "context.h"
#include "database.h"

#include <QDateTime>

namespace zeran::audit {

struct Entry {
    QString BOLUM;   ///< section, at most 10 characters
    QString TUR;     ///< "Y" new, "D" change, "S" deletion
    QString ACIK;    ///< description, cut to 150 characters
    int KAYNO1 = 0;
    int KAYNO2 = 0;
};

/// True when the installation logs (UDUR and IZL both "E").
bool enabled(const WorkingContext &ctx);

/// IZLKAYIT: writes one line from the context's audit fields if logging is on; throws
/// db::DbError when the insert fails. `at` is the moment of the operation.
void izlkayit(db::Database &db, const WorkingContext &ctx, const QDateTime &at = QDateTime::currentDateTime());

/// Sets the context's audit fields from `e` and writes the line.
void write(db::Database &db, WorkingContext &ctx, const Entry &e,
           const QDateTime &at = QDateTime::currentDateTime());

inline constexpr const char *kFailureMessage = "IZLKAY HATA";

}  // namespace zeran::audit
