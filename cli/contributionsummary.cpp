// zeran-cli contribution-summary: the yearly retirement-contribution summary of a unit's
// people (or one person) as a PDF, built in memory from the ledger; nothing is written to the
// database.

#include "clock.h"
#include "commands.h"
#include "registry.h"
#include "contributionstore.h"
#include "output.h"
#include "session.h"
#include "summarydocument.h"
#include "unitstore.h"

#include <QDir>
#include <QGuiApplication>

namespace {

using namespace zeran;
using namespace zeran::contributions;

constexpr const char *kName = "contribution-summary";

int contributionSummary(const QStringList &argsIn, cli::Io io)
{
    QStringList args = argsIn;
    int unit = 0;
    int person = 0;
    if (!cli::takeKeyOption(args, QStringLiteral("--unit"), unit, io, kName)
        || !cli::takeKeyOption(args, QStringLiteral("--person"), person, io, kName))
        return 2;
    const QString yearText = cli::takeOption(args, QStringLiteral("--year"));
    const QString pdf = cli::takeOption(args, QStringLiteral("--pdf"));
    const auto target = cli::takeTarget(args, io, kName);
    if (!target)
        return 2;
    bool ok = false;
    const int year = yearText.toInt(&ok);
    if (!ok || yearText.size() != 4 || year < 1900 || pdf.isEmpty()) {
        io.err << kName << ": --year YYYY --pdf DOSYA bekleniyor\n";
        return 2;
    }
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        io.err << kName << ": yazdırma için grafik uygulama nesnesi (QGuiApplication) gerekli\n";
        return 1;
    }
    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    try {
        db::Database &db = session.main();
        if (unit == 0) {
            const auto units = ledgerUnits(db);
            if (units.empty()) {
                io.err << kName << ": birim yok\n";
                return 1;
            }
            unit = units.front().first;
        }
        const std::vector<SummaryRow> rows =
            loadSummaryRows(db, unit, yearText, person ? std::optional<int>(person) : std::nullopt);
        SummaryHeader header;
        header.year = yearText;
        header.unitName = units::unitName(db, unit);
        QString error;
        if (!report::writePdf(yearlySummaryDocument(header, rows), pdf, &error)) {
            io.err << "PDF yazılamadı: " << error << "\n";
            return 1;
        }
        io.out << QDir(pdf).absolutePath() << ": " << rows.size() << " kişi\n";
    } catch (const db::DbError &e) {
        io.err << kName << ": " << e.text << "\n";
        return 1;
    }
    return 0;
}

const cli::Registration reg(kName,
                            "contribution-summary DIR --year YYYY [--unit BKOD] [--person PKAYNO] [--server HOST] "
                            "--pdf DOSYA   emekli kesenekleri yıllık icmal bordrosu",
                            &contributionSummary);

}  // namespace
