// zeran-cli contribution-file: the monthly retirement-contribution declaration file, either
// from one JSON object of plain rows on stdin ("--json -") or from a database. The file's
// bytes (Windows-1254, CR LF) go to stdout or to -o FILE; nothing is written to the database.

#include "clock.h"
#include "commands.h"
#include "registry.h"
#include "contributionfile.h"
#include "contributionstore.h"
#include "session.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

using namespace zeran;
using namespace zeran::contributions;

constexpr const char *kName = "contribution-file";

int writeStdout(const QByteArray &bytes, cli::Io io)
{
    io.out.flush();
    if (!bytes.isEmpty() && std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) != std::size_t(bytes.size()))
        return 1;
    std::fflush(stdout);
    return 0;
}

int fromJson(cli::Io io)
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) {
        io.err << kName << ": standart girdi okunamadı\n";
        return 1;
    }
    QString error;
    const auto input = parseFileInput(in.readAll(), &error);
    if (!input) {
        io.err << kName << ": " << error << "\n";
        return 2;
    }
    const FileOutcome out = buildFile(*input);
    if (!out.ok) {
        io.err << out.message << "\n";
        return 1;
    }
    return writeStdout(out.bytes, io);
}

int contributionFile(const QStringList &argsIn, cli::Io io)
{
    QStringList args = argsIn;
    const QString json = cli::takeOption(args, QStringLiteral("--json"));
    if (!json.isEmpty()) {
        if (json != QLatin1String("-") || !args.isEmpty()) {
            io.err << kName << ": --json - ile başka bağımsız değişken verilmez\n";
            return 2;
        }
        return fromJson(io);
    }
    const QString kind = cli::takeOption(args, QStringLiteral("--kind"));
    const QString payroll = cli::takeOption(args, QStringLiteral("--payroll"));
    const QString order = cli::takeOption(args, QStringLiteral("--order"));
    const QString monthText = cli::takeOption(args, QStringLiteral("--month"));
    const QString output = cli::takeOption(args, QStringLiteral("-o"));
    const auto target = cli::takeTarget(args, io, kName);
    if (!target)
        return 2;
    const auto regime = regimeFromCode(kind);
    const auto choice = payrollChoiceFromCode(payroll);
    if (!regime || !choice || (!order.isEmpty() && order != QLatin1String("tckno") && order != QLatin1String("emsno"))
        || output.isEmpty()) {
        io.err << kName << ": --kind E|5 --payroll 1|2|8|2+8 [--order tckno|emsno] [--month M] -o DOSYA bekleniyor\n";
        return 2;
    }
    const QDate today = clock::today();
    int month = today.month();
    if (!monthText.isEmpty()) {
        bool ok = false;
        month = monthText.toInt(&ok);
        if (!ok || month < 1 || month > 12) {
            io.err << kName << ": --month 1–12 bekleniyor\n";
            return 2;
        }
    }
    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    try {
        session.activateContext(today);
        db::Database &db = session.main();
        const QString year = session.ctx.CYIL;
        const FileInput input = loadFileInput(db, *regime, *choice,
                                              order == QLatin1String("emsno") ? Order::Emsno : Order::Tckno, year,
                                              month, QDateTime(today, QTime(12, 0)));
        const FileOutcome out = buildFile(input);
        if (!out.ok) {
            io.err << out.message << "\n";
            return 1;
        }
        QSaveFile file(output);
        if (!file.open(QIODevice::WriteOnly) || file.write(out.bytes) != out.bytes.size() || !file.commit()) {
            io.err << "DİKKAT! Hata oluştuğundan işlem yapılamadı... " << file.errorString() << "\n";
            return 1;
        }
        io.out << output << ": " << out.lines << " kişi\n";
    } catch (const db::DbError &e) {
        io.err << kName << ": " << e.text << "\n";
        return 1;
    }
    return 0;
}

const cli::Registration reg(kName,
                            "contribution-file --json -   |   contribution-file DIR --today YYYY-AA-GG --kind E|5 "
                            "--payroll 1|2|8|2+8 [--order tckno|emsno] [--month M] [--server HOST] -o DOSYA   "
                            "emekli kesenek dosyası",
                            &contributionFile);

}  // namespace
