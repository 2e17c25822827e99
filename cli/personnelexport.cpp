// zeran-cli personnel-export: the personnel detail workbook (97–2003 format) of the paid
// civil-servant staff, one unit or all, with the working year's latest pay period.

#include "commands.h"
#include "exportloader.h"
#include "registry.h"
#include "session.h"
#include "settingsrow.h"
#include "spreadsheet.h"

#include <QDir>

namespace {

using namespace zeran;

int personnelExport(const QStringList &argsIn, cli::Io io)
{
    const char *name = "personnel-export";
    QStringList args = argsIn;
    int unit = 0;
    if (!cli::takeKeyOption(args, QStringLiteral("--unit"), unit, io, name))
        return 2;
    const QString file = cli::takeOption(args, QStringLiteral("-o"));
    const auto target = cli::takeTarget(args, io, name);
    if (!target)
        return 2;
    if (file.isEmpty()) {
        io.err << name << ": -o DOSYA.xls bekleniyor\n";
        return 2;
    }
    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    const db::Database &database = session.main();
    try {
        const QString year = settingsrow::readWorkingYear(database).CYIL;
        const int period = personnelexport::payPeriod(database, year, unit);
        const std::vector<personnelexport::StaffSource> rows = personnelexport::loadStaff(database, year, period, unit);
        sheet::Workbook wb;
        if (!personnelexport::fillWorkbook(wb, rows, period)) {
            io.err << QString::fromUtf8("DİKKAT! Hata oluştuğundan işlem yapılamadı...") << " " << wb.error().message << "\n";
            return 1;
        }
        const sheet::Result saved = wb.save(file, sheet::FileFormat::Xls);
        if (!saved.ok()) {
            io.err << (saved.kind == sheet::ErrorKind::EngineNotStarted
                           ? saved.message
                           : QString::fromUtf8("DİKKAT! Hata oluştuğundan işlem yapılamadı... ") + saved.message)
                   << "\n";
            return 1;
        }
        io.out << QDir(file).absolutePath() << ": " << rows.size() << " kişi\n";
    } catch (const db::DbError &e) {
        io.err << "Liste okunamadı: " << e.text << "\n";
        return 1;
    }
    return 0;
}

const cli::Registration reg("personnel-export",
                            "personnel-export DIR --today YYYY-AA-GG [--unit BKOD] [--server HOST] -o DOSYA.xls"
                            "   personel detay listesi",
                            &personnelExport);

}  // namespace
