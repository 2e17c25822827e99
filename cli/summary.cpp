// zeran-cli summary: the payroll summary of the working month as the summary screen shows it,
// from the stored rows, as JSON or as the printed PDF. Only reads.

#include "clock.h"
#include "commands.h"
#include "output.h"
#include "registry.h"
#include "session.h"
#include "settingsrow.h"
#include "summaryloader.h"

#include <QDir>
#include <QGuiApplication>
#include <QJsonDocument>

#include <cstdio>

namespace {

using namespace zeran;

int summaryCommand(const QStringList &argsIn, cli::Io io)
{
    const char *name = "summary";
    QStringList args = argsIn;
    summary::SummaryRequest request;
    if (!cli::takeKeyOption(args, QStringLiteral("--unit"), request.unit, io, name) ||
        !cli::takeKeyOption(args, QStringLiteral("--person"), request.person, io, name))
        return 2;
    const QString modeText = cli::takeOption(args, QStringLiteral("--mode"));
    const QString pdf = cli::takeOption(args, QStringLiteral("--pdf"));
    const bool json = cli::takeFlag(args, QStringLiteral("--json"));
    const auto target = cli::takeTarget(args, io, name);
    if (!target)
        return 2;
    const auto mode = summary::modeFromName(modeText);
    if (!mode) {
        io.err << name << ": --mode monthly|difference|inflation|meeting bekleniyor\n";
        return 2;
    }
    if (json == !pdf.isEmpty()) {
        io.err << name << ": --json ya da --pdf DOSYA bekleniyor\n";
        return 2;
    }
    if (request.person != 0 && *mode != summary::SummaryMode::Monthly) {
        io.err << name << ": --person yalnız monthly kipinde verilebilir\n";
        return 2;
    }
    if (!pdf.isEmpty() && !qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        io.err << name << ": yazdırma için grafik uygulama nesnesi (QGuiApplication) gerekli\n";
        return 1;
    }
    request.mode = *mode;
    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    db::Database &database = session.main();
    try {
        request.year = settingsrow::readWorkingYear(database).CYIL;
        request.month = clock::today().month();
        if (request.unit != 0 && summary::unitKind(database, request.unit).isNull()) {
            io.err << name << ": " << request.unit << " kodlu birim yok\n";
            return 2;
        }
        const summary::SummaryInput input = summary::loadSummaryInput(database, request);
        if (!input.rates.found)
            io.err << QString::fromUtf8("Dikkat Kanuni Oranları Kontrol Etmelisiniz") << "\n";
        const summary::Summary result = summary::summarize(input);
        if (json) {
            const QByteArray bytes = QJsonDocument(summary::summaryJson(result)).toJson(QJsonDocument::Indented);
            io.out.flush();
            std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
            return 0;
        }
        const report::Document doc = summary::summaryDocument(result, summary::loadSummaryHeader(database, request));
        QString error;
        if (!report::writePdf(doc, pdf, &error)) {
            io.err << "PDF yazılamadı: " << error << "\n";
            return 1;
        }
        io.out << QDir(pdf).absolutePath() << ": " << result.count << " kişi\n";
    } catch (const db::DbError &e) {
        io.err << "İcmal okunamadı: " << e.text << "\n";
        return 1;
    } catch (const std::exception &e) {
        io.err << "İcmal okunamadı: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

const cli::Registration reg("summary",
                            "summary DIR --today YYYY-AA-GG --mode monthly|difference|inflation|meeting [--unit BKOD] "
                            "[--person PKAYNO] [--server HOST] --json | --pdf DOSYA   ayın maaş icmali",
                            &summaryCommand);

}  // namespace
