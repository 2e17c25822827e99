// zeran-cli promotions: the promotion list of a unit for the working month of --today — last
// month's promotions and this month's rows with their current and new values — as the
// promotions screen shows it ("Tarihi Gelenler" unless --all). Only reads.

#include "calendar.h"
#include "clock.h"
#include "commands.h"
#include "promotionstore.h"
#include "registry.h"
#include "session.h"
#include "settingsrow.h"

#include <QJsonDocument>
#include <QSqlRecord>

#include <cstdio>

namespace {

using namespace zeran;

int promotionsCommand(const QStringList &argsIn, cli::Io io)
{
    const char *name = "promotions";
    QStringList args = argsIn;
    int unit = 0;
    if (!cli::takeKeyOption(args, QStringLiteral("--unit"), unit, io, name))
        return 2;
    const bool all = cli::takeFlag(args, QStringLiteral("--all"));
    const bool json = cli::takeFlag(args, QStringLiteral("--json"));
    const auto target = cli::takeTarget(args, io, name);
    if (!target)
        return 2;
    if (!json) {
        io.err << name << ": --json bekleniyor\n";
        return 2;
    }
    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    db::Database &database = session.main();
    try {
        const int cyil = settingsrow::readWorkingYear(database).CYIL.toInt();
        if (unit == 0)
            unit = settingsrow::read(database, {QStringLiteral("MBKOD")}).value(0).toInt();
        const int ay = clock::today().month();
        const monthstart::Month previous = monthstart::previousMonth(ay, cyil);
        std::optional<cal::PayWindow> window;
        if (!all)
            window = cal::payWindow(ay, cyil);
        const auto lastMonth = promotions::loadLastMonth(database, unit, previous);
        const auto rows = promotions::loadPromotionRows(database, unit, previous, window);
        const QByteArray bytes =
            QJsonDocument(promotions::listJson(unit, previous, window, lastMonth, rows)).toJson(QJsonDocument::Indented);
        io.out.flush();
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    } catch (const db::DbError &e) {
        io.err << "Terfi listesi okunamadı: " << e.text << "\n";
        return 1;
    }
    return 0;
}

const cli::Registration reg("promotions",
                            "promotions DIR --today YYYY-AA-GG [--unit BKOD] [--all] [--server HOST] --json   "
                            "birimin terfi listesi (geçen ay yapılanlar ve bu ay yapılacaklar)",
                            &promotionsCommand);

}  // namespace
