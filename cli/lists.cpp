// zeran-cli lists: one page of the payroll lists of the working year, as CSV (the printed
// columns, one line per row and the totals line) or as the printed A4 list. Only reads.

#include "clock.h"
#include "commands.h"
#include "listsloader.h"
#include "output.h"
#include "registry.h"
#include "session.h"
#include "settingsrow.h"
#include "unitstore.h"

#include <QDir>
#include <QGuiApplication>
#include <QRegularExpression>

#include <cstdio>

namespace {

using namespace zeran;

int listsCommand(const QStringList &argsIn, cli::Io io)
{
    const char *name = "lists";
    QStringList args = argsIn;
    int unit = 0, union_ = 0;
    if (!cli::takeKeyOption(args, QStringLiteral("--unit"), unit, io, name)
        || !cli::takeKeyOption(args, QStringLiteral("--union"), union_, io, name))
        return 2;
    const QString pageText = cli::takeOption(args, QStringLiteral("--page"));
    const QString monthText = cli::takeOption(args, QStringLiteral("--month"));
    const QString insurance = cli::takeOption(args, QStringLiteral("--insurance"));
    const QString deductionText = cli::takeOption(args, QStringLiteral("--deduction"));
    const QString pdf = cli::takeOption(args, QStringLiteral("--pdf"));
    const bool addDifference = cli::takeFlag(args, QStringLiteral("--fark"));
    const bool csv = cli::takeFlag(args, QStringLiteral("--csv"));
    const auto target = cli::takeTarget(args, io, name);
    if (!target)
        return 2;
    const std::optional<lists::Page> page = lists::pageByName(pageText);
    if (!page) {
        io.err << name << ": bilinmeyen sayfa '" << pageText << "'; sayfalar:";
        for (const lists::PageInfo &p : lists::pages())
            io.err << ' ' << p.key;
        io.err << "\n";
        return 2;
    }
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,2}$"));
    int month = 0;
    if (!monthText.isEmpty()) {
        month = digits.match(monthText).hasMatch() ? monthText.toInt() : -1;
        if (month < 1 || month > 12) {
            io.err << name << ": --month 1 ile 12 arasında bir sayı olmalı: '" << monthText << "'\n";
            return 2;
        }
    }
    if (!insurance.isEmpty() && insurance != QLatin1String("normal") && insurance != QLatin1String("5510")) {
        io.err << name << ": --insurance normal ya da 5510 olmalı: '" << insurance << "'\n";
        return 2;
    }
    int deduction = 0;
    if (!deductionText.isEmpty()) {
        deduction = QRegularExpression(QStringLiteral("^[1-5]$")).match(deductionText).hasMatch() ? deductionText.toInt() : -1;
        if (deduction < 1) {
            io.err << name << ": --deduction 1 ile 5 arasında olmalı: '" << deductionText << "'\n";
            return 2;
        }
    }
    if (csv == !pdf.isEmpty()) {
        io.err << name << ": --csv ya da --pdf DOSYA bekleniyor\n";
        return 2;
    }
    if (!pdf.isEmpty() && *page == lists::Page::Bank) {
        io.err << name << ": banka listesini bank-list komutu yazdırır\n";
        return 2;
    }
    if (!pdf.isEmpty() && !qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        io.err << name << ": yazdırma için grafik uygulama nesnesi (QGuiApplication) gerekli\n";
        return 1;
    }
    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    const db::Database &database = session.main();
    try {
        lists::ListQuery query;
        query.page = *page;
        query.year = settingsrow::readWorkingYear(database).CYIL;
        query.month = month;
        query.unit = unit;
        query.law5510 = insurance == QLatin1String("5510");
        query.union_ = union_;
        query.addDifference = addDifference;
        query.hideFrom = lists::hideFromMonth(query.year, clock::today());
        if (unit != 0 && !units::unitHeader(database, unit)) {
            io.err << name << ": " << unit << " kodlu birim yok\n";
            return 2;
        }
        lists::PageOptions options;
        options.law5510 = query.law5510;
        options.deduction = deduction;
        options.deductionNames = lists::deductionHeadings(lists::loadDeductions(database));
        const lists::Table table = *page == lists::Page::Bank
                                       ? lists::loadBankTable(database, query)
                                       : lists::printTable(*page, lists::loadListRows(database, query), options);
        if (csv) {
            const QByteArray bytes = lists::tableCsv(table);
            io.out.flush();
            std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
            return 0;
        }
        QString error;
        const report::Document doc = lists::listDocument(*page, table, lists::loadListHeading(database, query), options);
        if (!report::writePdf(doc, pdf, &error)) {
            io.err << "PDF yazılamadı: " << error << "\n";
            return 1;
        }
        io.out << QDir(pdf).absolutePath() << ": " << table.rows.size() << " satır\n";
    } catch (const db::DbError &e) {
        io.err << "Liste okunamadı: " << e.text << "\n";
        return 1;
    } catch (const std::exception &e) {
        io.err << "Liste okunamadı: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

const cli::Registration reg("lists",
                            "lists DIR --today YYYY-AA-GG --page SAYFA [--unit BKOD] [--month AY] [--insurance normal|5510]"
                            " [--union SENKOD] [--deduction 1-5] [--fark] [--server HOST] --csv | --pdf DOSYA"
                            "   bordro listeleri",
                            &listsCommand);

}  // namespace
