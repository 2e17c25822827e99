// zeran-cli leave balance: a person's four leave balances of a year as JSON. Only reads.

#include "commands.h"
#include "leavestore.h"
#include "registry.h"
#include "session.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cstdio>

namespace {

using namespace zeran;

int leaveBalance(const QStringList &argsIn, cli::Io io)
{
    const char *name = "leave balance";
    QStringList args = argsIn;
    int person = 0;
    if (!cli::takeKeyOption(args, QStringLiteral("--person"), person, io, name))
        return 2;
    const QString year = cli::takeOption(args, QStringLiteral("--year"));
    const bool json = cli::takeFlag(args, QStringLiteral("--json"));
    const auto target = cli::takeTarget(args, io, name);
    if (!target)
        return 2;
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    if (person == 0) {
        io.err << name << ": --person PKAYNO bekleniyor\n";
        return 2;
    }
    if (!fourDigits.match(year).hasMatch()) {
        io.err << name << ": --year dört haneli bir yıl olmalı: '" << year << "'\n";
        return 2;
    }
    if (!json) {
        io.err << name << ": --json bekleniyor\n";
        return 2;
    }
    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    try {
        const auto who = leave::person(session.main(), person);
        if (!who) {
            io.err << name << ": " << person << " numaralı personel yok\n";
            return 2;
        }
        const leave::Balance b = leave::loadBalance(session.main(), person, year.toInt());
        const QJsonObject o{{QStringLiteral("person"), person},
                            {QStringLiteral("name"), who->ADSOY},
                            {QStringLiteral("year"), year},
                            {QStringLiteral("carried"), b.carried},
                            {QStringLiteral("current"), b.current},
                            {QStringLiteral("used"), b.used},
                            {QStringLiteral("remaining"), b.remaining}};
        const QByteArray bytes = QJsonDocument(o).toJson(QJsonDocument::Indented);
        io.out.flush();
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    } catch (const db::DbError &e) {
        io.err << "İzin bilgileri okunamadı: " << e.text << "\n";
        return 1;
    }
    return 0;
}

const cli::Registration reg("leave balance",
                            "leave balance DIR --person PKAYNO --year YYYY [--server HOST] --json"
                            "   kişinin yıllık izin bakiyesi (devreden, mevcut, kullanılan, kalan)",
                            &leaveBalance);

}  // namespace
