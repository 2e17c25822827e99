// zeran-cli archive list|export|delete|pay: the stored payrolls as the archive screen shows
// them ("ÖNCEKİ DÖNEM BORDROLARI"): the rows of a year and kind, optionally of one unit, month
// and person, with the calculated fields (JSON); the same rows as the workbook of "Dosya
// Oluşturma"; the deletion of one month of a unit ("Sil", questions answered Yes only with
// --yes); the payment status of every selected row ("Tüm Ödeme").

#include "archivelogic.h"
#include "archivestore.h"
#include "clock.h"
#include "commands.h"
#include "registry.h"
#include "session.h"

#include <QDir>

namespace {

using namespace zeran;

class CliQuestions : public payrollmake::Questions {
public:
    CliQuestions(bool yes, QTextStream &err) : yes_(yes), err_(err) {}
    bool confirm(const QString &text) override
    {
        err_ << QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'))
             << (yes_ ? " → Evet\n" : " → Hayır (--yes verilmedi)\n");
        err_.flush();
        return yes_;
    }
    void inform(const QString &text) override
    {
        err_ << QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')) << "\n";
        err_.flush();
    }

private:
    bool yes_;
    QTextStream &err_;
};

/// --year, --kind, --unit, --month, --person into a selection; false after a message.
bool takeSelection(QStringList &args, archive::ArchiveSelection &s, cli::Io io, const char *name)
{
    s.year = cli::takeOption(args, QStringLiteral("--year"));
    const QString kind = cli::takeOption(args, QStringLiteral("--kind"));
    QString month = cli::takeOption(args, QStringLiteral("--month"));
    if (!cli::takeKeyOption(args, QStringLiteral("--unit"), s.unit, io, name) ||
        !cli::takeKeyOption(args, QStringLiteral("--person"), s.person, io, name))
        return false;
    if (s.year.size() != 4 || !std::all_of(s.year.begin(), s.year.end(), [](QChar c) { return c.isDigit(); })) {
        io.err << name << ": --year YYYY bekleniyor\n";
        return false;
    }
    const auto k = results::kindFromCode(kind.isEmpty() ? QStringLiteral("1") : kind);
    if (!k) {
        io.err << name << ": --kind 1-8 olmalı\n";
        return false;
    }
    s.kind = *k;
    if (!month.isEmpty()) {
        bool ok = false;
        s.month = month.toInt(&ok);
        if (!ok || s.month < 1 || s.month > 12) {
            io.err << name << ": --month 1-12 olmalı\n";
            return false;
        }
    }
    return true;
}

enum class Action { List, Export, Delete, Pay };

int archiveCommand(const char *name, Action action, const QStringList &argsIn, cli::Io io)
{
    QStringList args = argsIn;
    archive::ArchiveSelection selection;
    if (!takeSelection(args, selection, io, name))
        return 2;
    const bool json = cli::takeFlag(args, QStringLiteral("--json"));
    const bool yes = cli::takeFlag(args, QStringLiteral("--yes"));
    const QString xlsx = cli::takeOption(args, QStringLiteral("--xlsx"));
    const QString number = cli::takeOption(args, QStringLiteral("--number"));
    const QString date = cli::takeOption(args, QStringLiteral("--date"));
    const QString status = cli::takeOption(args, QStringLiteral("--status"));
    const auto target = cli::takeTarget(args, io, name);
    if (!target)
        return 2;
    if (action == Action::Export && xlsx.isEmpty()) {
        io.err << name << ": --xlsx DOSYA bekleniyor\n";
        return 2;
    }
    results::PaymentStatus payment;
    if (action == Action::Pay) {
        const archive::NumberReading n = archive::readJournalNumber(number);
        const archive::NumberReading d = archive::readJournalDate(date);
        if (!n.ok() || !d.ok()) {
            io.err << (n.ok() ? d.problem : n.problem) << "\n";
            return 2;
        }
        payment.ODE = status.isEmpty() ? QStringLiteral("1") : status;
        if (payment.ODE != QLatin1String("1") && payment.ODE != QLatin1String("2")) {
            io.err << name << ": --status 1 (Ödendi) ya da 2 (Ödenmedi) olmalı\n";
            return 2;
        }
        payment.ODENO = n.value;
        payment.ODETAR = d.value;
    }

    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    db::Database &db = session.main();
    try {
        session.activateContext(clock::today());
        session.loginAsDefaultUser();
        switch (action) {
        case Action::List: {
            const std::vector<archive::ArchiveRow> rows = archive::loadRows(db, selection);
            if (json) {
                io.out << QString::fromUtf8(archive::rowsJson(rows));
            } else {
                io.out << archive::gridHeadings().join(QLatin1Char('\t')) << "\n";
                for (const archive::ArchiveRow &r : rows)
                    io.out << archive::gridTexts(r).join(QLatin1Char('\t')) << "\n";
            }
            return 0;
        }
        case Action::Export: {
            const std::vector<archive::ArchiveRow> rows = archive::loadRows(db, selection);
            sheet::Workbook wb;
            const archive::ExportSheet sheet = archive::exportSheet(rows, selection.year);
            archive::fillWorkbook(sheet, wb);
            const sheet::Result r = wb.save(xlsx);
            if (!r.ok()) {
                io.err << (r.kind == sheet::ErrorKind::EngineNotStarted ? r.message : QString::fromUtf8(archive::kExportFailed))
                       << " " << (r.kind == sheet::ErrorKind::EngineNotStarted ? QString() : r.message) << "\n";
                return 1;
            }
            io.out << QDir(xlsx).absolutePath() << ": " << rows.size() << " satır\n";
            return 0;
        }
        case Action::Delete: {
            CliQuestions questions(yes, io.err);
            const archive::OperationResult r = archive::deleteMonth(db, session.ctx, selection, questions);
            switch (r.outcome) {
            case archive::Outcome::Done:
                io.out << "deleted " << r.rows << "\n";
                return 0;
            case archive::Outcome::Declined:
                io.err << "Silinmedi.\n";
                return 3;
            case archive::Outcome::Refused:
                return 1;
            case archive::Outcome::Failed:
                io.err << r.message << "\n";
                return 1;
            }
            return 1;
        }
        case Action::Pay: {
            const std::vector<archive::ArchiveRow> rows = archive::loadRows(db, selection);
            std::vector<results::RowKey> keys;
            for (const archive::ArchiveRow &a : rows)
                keys.push_back(a.result.key);
            const archive::OperationResult r = archive::setPayments(db, session.ctx, keys, payment);
            if (r.outcome != archive::Outcome::Done) {
                io.err << r.message << "\n";
                return 1;
            }
            io.out << "paid " << r.rows << "\n";
            return 0;
        }
        }
    } catch (const db::DbError &e) {
        io.err << name << ": " << e.text << "\n";
        return 1;
    } catch (const std::exception &e) {
        io.err << name << ": " << e.what() << "\n";
        return 1;
    }
    return 1;
}

int archiveList(const QStringList &args, cli::Io io)
{
    return archiveCommand("archive list", Action::List, args, io);
}
int archiveExport(const QStringList &args, cli::Io io)
{
    return archiveCommand("archive export", Action::Export, args, io);
}
int archiveDelete(const QStringList &args, cli::Io io)
{
    return archiveCommand("archive delete", Action::Delete, args, io);
}
int archivePay(const QStringList &args, cli::Io io)
{
    return archiveCommand("archive pay", Action::Pay, args, io);
}

const cli::Registration regList("archive list",
                                "archive list DIR --year YYYY --kind K [--unit BKOD] [--month AY] [--person PKAYNO] "
                                "[--json] [--server HOST]   geçmiş bordro satırları hesaplanan alanlarıyla",
                                &archiveList);
const cli::Registration regExport("archive export",
                                  "archive export DIR --year YYYY --kind K [--unit BKOD] [--month AY] [--person PKAYNO] "
                                  "--xlsx DOSYA [--server HOST]   seçili satırların çalışma kitabı",
                                  &archiveExport);
const cli::Registration regDelete("archive delete",
                                  "archive delete DIR --year YYYY --kind K --unit BKOD --month AY [--yes] "
                                  "[--server HOST]   birimin o ayki bordrosunu siler (sorulara yalnız --yes ile Evet)",
                                  &archiveDelete);
const cli::Registration regPay("archive pay",
                               "archive pay DIR --year YYYY --kind K [--unit BKOD] [--month AY] [--person PKAYNO] "
                               "[--number N] [--date GG.AA.YYYY] [--status 1|2] [--server HOST]   ödeme bilgisi",
                               &archivePay);

}  // namespace
