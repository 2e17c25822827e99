#pragma once
// The audit writer. A line goes into IZLEM only when both login (UDUR) and logging (IZL)
// are on. It joins the caller's unit of work: it becomes durable with the caller's commit
// and disappears with its rollback. A failed insert is thrown back to the caller, whose
// unit of work then rolls back and reports the failure, so work is never reported done
// without its audit line, and nothing outside that unit of work is touched.

#include "context.h"
#include "database.h"

#include <QDateTime>
#include <QStringList>
#include <QVector>

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

// ---- The viewer's reading ------------------------------------------------------------------

/// The viewer's filters; empty texts and a null date filter nothing.
struct ViewFilter {
    QDate date;
    bool onward = false;  ///< "Devam": the date and later
    QString user;
    QString kind;         ///< "Y", "D" or "S"
    QString section;
    QString text;         ///< found anywhere in the description
    enum class Order { Date, User, Number } order = Order::Date;
};

struct Line {
    QDate TARIH;
    QTime SAAT;
    QString USR, ADSOY, ACIK, BOLUM, TUR;
    int KAYNO1 = 0;
};

/// This program's lines (PRG "1") that pass the filter, in the chosen order.
QVector<Line> lines(const db::Database &db, const ViewFilter &filter);
/// The user names and the sections found in this program's lines, sorted.
QStringList users(const db::Database &db);
QStringList sections(const db::Database &db);
/// "Yeni Kayıt", "Değişiklik", "Silme" for "Y", "D", "S".
QString kindText(const QString &tur);

}  // namespace zeran::audit
