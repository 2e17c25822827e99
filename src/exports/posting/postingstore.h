#pragma once
// The posting of a payroll: its rows loaded by the rule of its kind, the per-user working
// table ZERQRNAK, the payroll's journal number, and "Muhasebeye Aktar" writing the journal
// entry in the accounting database and stamping the journal number on the payroll's rows.

#include "accountingstore.h"
#include "database.h"
#include "paymentorder.h"
#include "plans.h"
#include "preparation.h"

#include <QDate>
#include <functional>
#include <optional>
#include <vector>

namespace zeran::posting {

inline constexpr const char *kNothingToPost = "DİKKAT Maaş Yapılmamış..";
inline constexpr const char *kConfirmPost =
    "DİKKAT! Hesaplanan değerler muhasebe programına aktarılacaktır. Onaylıyormusunuz";
inline constexpr const char *kConfirmRepost = "DİKKAT! Bu Bordro için Muhasebeye Aktarma Yapılmıştır. Onaylıyormusunuz";

/// Which payroll is posted.
struct PostingRequest {
    QString year;              ///< working year, four digits
    int month = 0;
    PostingKind kind;
    int unit = 0;              ///< the unit whose plan is used
    bool combined = false;     ///< every unit's rows (the combined-payment unit is set)
    std::optional<int> person; ///< PKOD of the one person posted (single-person mode)
    int usrno = 1;             ///< the logged-in user's number (USERS.HNO)
};

/// The request as the screens and the command line make it: the combined-payment unit
/// `modemebkod` (0: none) makes the monthly and difference postings combined, and gives the
/// plan's unit when no unit is chosen. nullopt for an unknown kind.
std::optional<PostingRequest> makeRequest(const QString &year, int month, const QString &kindCode, int unit,
                                          int modemebkod, std::optional<int> person, int usrno);

/// The rows the request's rule selects, ordered by BKOD, PKOD, with each person's current
/// account. One statement.
std::vector<PersonRow> loadRows(db::Database &main, const PostingRequest &r);

/// The payroll's journal number: the first of its rows that carries one above 0.
std::optional<qint64> journalNumber(db::Database &main, const PostingRequest &r);

/// ZERQRNAK: the user's lines replaced by `lines` (in their order), read back, deleted.
void writeWorkLines(db::Database &main, int usrno, const std::vector<PreparedLine> &lines);
std::vector<PreparedLine> readWorkLines(db::Database &main, int usrno);
void clearWorkLines(db::Database &main, int usrno);

/// Everything a posting is prepared from, loaded: plan, header, rows, lines, totals.
struct Preparation {
    PostingRequest request;
    std::optional<PlanHeader> header;
    std::vector<PlanLine> plan;
    std::vector<PersonRow> rows;
    Prepared prepared;
    std::optional<qint64> journalNumber;
};
/// Loads the plan and the rows and prepares the lines. `exemption`: ASUCISTISNA is "E".
Preparation prepareFromDatabase(db::Database &main, const PostingRequest &r, bool exemption);

/// The journal entry the posting would write: header (from the plan's header, the accounting
/// database's institution and unit rows) and lines (with their budget record numbers).
struct Entry {
    JournalHeader header;
    std::vector<JournalLine> lines;
};
Entry entryFor(db::Database &acc, const PostingRequest &r, const std::optional<PlanHeader> &planHeader,
               const std::vector<PreparedLine> &lines, const QDate &date);

/// The questions of a posting, answered by the screen or the command line.
class Questions {
public:
    virtual ~Questions() = default;
    virtual bool confirm(const QString &text) = 0;
    virtual void inform(const QString &text) = 0;
};

enum class PostOutcome { Posted, Refused, Declined, Failed };
struct PostResult {
    PostOutcome outcome = PostOutcome::Failed;
    QString message;
    qint64 yevno = 0;
    qint64 kayno = 0;
    bool reposted = false;
    int lines = 0;
};

/// Points where a test makes the posting fail: after the accounting rows are written, after
/// the payroll rows are stamped, and after the main database committed (the accounting
/// database's commit failing then).
enum class PostStage { AccountingWritten, MainStamped, MainCommitted };
using FaultHook = std::function<void(PostStage)>;

/// "Muhasebeye Aktar": refuses an entry without accrual or an unbalanced one, asks, writes
/// the entry (a re-post keeps the entry key and journal number and replaces its lines) and
/// stamps the journal number on the payroll's rows. Both databases or neither: the accounting
/// work stays open until the main database has committed; when the accounting commit then
/// fails the stamp is taken back.
PostResult post(db::Database &main, db::Database &acc, const PostingRequest &r, const std::optional<PlanHeader> &planHeader,
                const std::vector<PreparedLine> &lines, const QDate &date, Questions &questions,
                const FaultHook &fault = {});

/// What the payment order prints besides the lines: the payroll unit's name and signatories,
/// the plan header, the accounting unit's name, the payee's current account.
PaymentOrderData paymentOrderData(db::Database &main, db::Database *acc, const PostingRequest &r,
                                  const std::optional<PlanHeader> &planHeader, const std::vector<PreparedLine> &lines,
                                  const QDate &date, qint64 yevno);

}  // namespace zeran::posting
