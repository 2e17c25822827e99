// The archive's figures on the database in DIR, offscreen:
//   zeran-bench-archive DIR [--year YYYY] [--month M] [--unit BKOD] [--xlsx FILE]
// Output, one "name value" a line:
//   month_rows N / month_open_ms T   the screen made and opened on month M of every unit until
//                                    its grid is filled
//   unit_rows N / unit_ms T          one unit chosen on the open screen (its month)
//   year_rows N / year_ms T          then "Tümü" months: the unit's whole year
//   export_ms T                      the month's rows as the workbook, written to FILE

#include "archivelogic.h"
#include "archivescreen.h"
#include "prompter.h"
#include "session.h"
#include "settings.h"
#include "spreadsheet.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QTableView>

#include <cstdio>

namespace {

class Silent : public zeran::ui::Prompter {
public:
    void inform(QWidget *, const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool ask(QWidget *, const QString &) override { return false; }
};

QString option(QStringList &args, const QString &name, const QString &fallback)
{
    const int i = args.indexOf(name);
    if (i < 0 || i + 1 >= args.size())
        return fallback;
    const QString v = args.at(i + 1);
    args.remove(i, 2);
    return v;
}

double ms(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString year = option(args, QStringLiteral("--year"), QStringLiteral("2026"));
    const int month = option(args, QStringLiteral("--month"), QStringLiteral("11")).toInt();
    int unit = option(args, QStringLiteral("--unit"), QStringLiteral("0")).toInt();
    const QString xlsx = option(args, QStringLiteral("--xlsx"), QDir::temp().filePath(QStringLiteral("zeran-bench-archive.xlsx")));
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: zeran-bench-archive DIR [--year YYYY] [--month M] [--unit BKOD] [--xlsx FILE]\n");
        return 2;
    }
    zeran::Session session;
    zeran::db::ConnectParams params;
    params.path = zeran::mainDatabasePath(QDir(args.first()).absolutePath());
    try {
        session.openMain(params);
        session.tanimoku();
        session.loginAsDefaultUser();
        if (unit == 0)
            unit = session.main()
                       .scalar(QStringLiteral("SELECT FIRST 1 BKOD FROM ZERMAAS WHERE YIL=:Y ORDER BY BKOD"),
                               {{QStringLiteral("Y"), year}})
                       .toInt();
    } catch (const zeran::db::DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text));
        return 1;
    }
    session.ctx.CYIL = year;
    session.ctx.AY = month;
    session.ctx.MBKOD = 0;  // "Tümü"
    Silent prompter;

    QElapsedTimer t;
    t.start();
    zeran::archive::ui::ArchiveScreen screen(session, prompter);
    screen.resize(1000, 700);
    screen.show();
    screen.start();
    QApplication::processEvents();
    const double openMs = ms(t);
    const auto *grid = screen.findChild<QTableView *>(QStringLiteral("archiveGrid"));
    std::printf("month_rows %d\nmonth_open_ms %.0f\n", grid->model()->rowCount(), openMs);

    // The clerk chooses the unit (its month), then "Tümü" months: the second step is the year.
    auto *units = screen.findChild<QComboBox *>(QStringLiteral("unitCombo"));
    auto *months = screen.findChild<QComboBox *>(QStringLiteral("monthCombo"));
    t.restart();
    units->setCurrentIndex(units->findData(unit));
    QApplication::processEvents();
    std::printf("unit_rows %d\nunit_ms %.0f\n", grid->model()->rowCount(), ms(t));
    t.restart();
    months->setCurrentIndex(0);
    QApplication::processEvents();
    std::printf("year_rows %d\nyear_ms %.0f\n", grid->model()->rowCount(), ms(t));

    // The workbook of the month of every unit, as "Dosya Oluşturma" builds it (written to a file
    // instead of shown).
    t.restart();
    zeran::archive::ArchiveSelection s;
    s.year = year;
    s.month = month;
    const std::vector<zeran::archive::ArchiveRow> rows = zeran::archive::loadRows(session.main(), s);
    zeran::sheet::Workbook wb;
    zeran::archive::fillWorkbook(zeran::archive::exportSheet(rows, year), wb);
    const zeran::sheet::Result saved = wb.save(xlsx);
    if (!saved.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(saved.message));
        return 1;
    }
    std::printf("export_rows %zu\nexport_ms %.0f\n", rows.size(), ms(t));
    return 0;
}
