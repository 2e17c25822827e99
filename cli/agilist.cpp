// zeran-cli agi-list: the minimum-living-allowance list of a month of the working year, as
// JSON or as the printed form. Only reads.

#include "commands.h"
#include "output.h"
#include "registry.h"
#include "session.h"
#include "settingsrow.h"
#include "summaryloader.h"

#include <QDir>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cstdio>

namespace {

using namespace zeran;

int agiList(const QStringList &argsIn, cli::Io io)
{
    const char *name = "agi-list";
    QStringList args = argsIn;
    int unit = 0;
    if (!cli::takeKeyOption(args, QStringLiteral("--unit"), unit, io, name))
        return 2;
    const QString monthText = cli::takeOption(args, QStringLiteral("--month"));
    const QString pdf = cli::takeOption(args, QStringLiteral("--pdf"));
    const bool json = cli::takeFlag(args, QStringLiteral("--json"));
    const auto target = cli::takeTarget(args, io, name);
    if (!target)
        return 2;
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,2}$"));
    const int month = digits.match(monthText).hasMatch() ? monthText.toInt() : 0;
    if (month < 1 || month > 12) {
        io.err << name << ": --month 1 ile 12 arasında bir sayı olmalı: '" << monthText << "'\n";
        return 2;
    }
    if (json == !pdf.isEmpty()) {
        io.err << name << ": --json ya da --pdf DOSYA bekleniyor\n";
        return 2;
    }
    if (!pdf.isEmpty() && !qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        io.err << name << ": yazdırma için grafik uygulama nesnesi (QGuiApplication) gerekli\n";
        return 1;
    }
    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    db::Database &database = session.main();
    try {
        const QString year = settingsrow::readWorkingYear(database).CYIL;
        if (unit != 0 && summary::unitKind(database, unit).isNull()) {
            io.err << name << ": " << unit << " kodlu birim yok\n";
            return 2;
        }
        const summary::AllowanceList list = summary::loadAllowanceList(database, year, month, unit);
        if (json) {
            const QByteArray bytes = QJsonDocument(summary::allowanceJson(list)).toJson(QJsonDocument::Indented);
            io.out.flush();
            std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
            return 0;
        }
        QString error;
        if (!report::writePdf(summary::allowanceDocument(list), pdf, &error)) {
            io.err << "PDF yazılamadı: " << error << "\n";
            return 1;
        }
        io.out << QDir(pdf).absolutePath() << ": " << list.rows.size() << " kişi\n";
    } catch (const db::DbError &e) {
        io.err << "Liste okunamadı: " << e.text << "\n";
        return 1;
    } catch (const std::exception &e) {
        io.err << "Liste okunamadı: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

const cli::Registration reg("agi-list",
                            "agi-list DIR --today YYYY-AA-GG --month AY [--unit BKOD] [--server HOST] --json | --pdf DOSYA"
                            "   asgari geçim indirimi bordrosu",
                            &agiList);

}  // namespace
