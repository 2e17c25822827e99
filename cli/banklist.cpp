// zeran-cli bank-list: the printed bank list of the month (or the year) as PDF, in the layout the
// settings choose (MBORTUR) unless --layout says otherwise. Nothing is written to the database.

#include "banklistloader.h"
#include "clock.h"
#include "commands.h"
#include "output.h"
#include "registry.h"
#include "session.h"

#include <QDir>
#include <QGuiApplication>

namespace {

using namespace zeran;
using namespace zeran::bankfiles;

const char *const kName = "bank-list";

int bankList(const QStringList &argsIn, cli::Io io)
{
    QStringList args = argsIn;
    BankListQuery query;
    if (!cli::takeKeyOption(args, QStringLiteral("--unit"), query.unit, io, kName))
        return 2;
    const QString pdf = cli::takeOption(args, QStringLiteral("--pdf"));
    const QString month = cli::takeOption(args, QStringLiteral("--month"));
    const QString group = cli::takeOption(args, QStringLiteral("--group"));
    const QString layout = cli::takeOption(args, QStringLiteral("--layout"));
    query.addDifference = cli::takeFlag(args, QStringLiteral("--difference"));
    const auto target = cli::takeTarget(args, io, kName);
    if (!target)
        return 2;
    if (pdf.isEmpty()) {
        io.err << kName << ": --pdf DOSYA bekleniyor\n";
        return 2;
    }
    query.month = clock::today().month();
    if (!month.isEmpty()) {
        bool ok = false;
        query.month = month.toInt(&ok);
        if (!ok || query.month < 0 || query.month > 12) {
            io.err << kName << ": --month 0 (TÜMÜ) ile 12 arasında olmalı\n";
            return 2;
        }
    }
    if (group.isEmpty() || group == QLatin1String("tumu"))
        query.group = StaffGroup::All;
    else if (group == QLatin1String("zeran"))
        query.group = StaffGroup::Zeran;
    else if (group == QLatin1String("diger"))
        query.group = StaffGroup::Other;
    else {
        io.err << kName << ": --group tumu, zeran ya da diger olmalı\n";
        return 2;
    }
    if (!layout.isEmpty() && layout != QLatin1String("A") && layout != QLatin1String("B")) {
        io.err << kName << ": --layout A ya da B olmalı\n";
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
        query.year = readBankSettings(session.main()).CYIL;
        const BankList list = loadBankList(session.main(), query);
        const BankListLayout chosen = layout.isEmpty()            ? list.layout
                                      : layout == QLatin1String("B") ? BankListLayout::B
                                                                     : BankListLayout::A;
        QString error;
        if (!report::writePdf(bankListDocument(list.rows, list.heading, chosen), pdf, &error)) {
            io.err << "PDF yazılamadı: " << error << "\n";
            return 1;
        }
        const BankListTotals totals = bankListTotals(list.rows);
        io.out << QDir(pdf).absolutePath() << ": " << list.rows.size() << " satır, Ele Geçen "
               << totals.NET.toPlain(2) << "\n";
    } catch (const db::DbError &e) {
        io.err << "Banka listesi okunamadı: " << e.text << "\n";
        return 1;
    }
    return 0;
}

const cli::Registration reg("bank-list",
                            "bank-list DIR --today YYYY-AA-GG [--unit BKOD] [--month 0-12] [--group tumu|zeran|diger] "
                            "[--difference] [--layout A|B] [--server HOST] --pdf DOSYA   basılı banka listesi (PDF)",
                            &bankList);

}  // namespace
