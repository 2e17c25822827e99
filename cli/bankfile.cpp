// zeran-cli bank-file: the month's bank payment file, either from a payment list given as JSON
// ("--json -": the layout functions alone, no database) or from the database's result rows.
// The text layout goes to stdout when no -o is given; an error writes nothing to stdout and
// exits non-zero; a list with nothing to pay writes nothing and exits 0.

#include "bankjson.h"
#include "clock.h"
#include "commands.h"
#include "paymentloader.h"
#include "produce.h"
#include "registry.h"
#include "session.h"
#include "textlayout.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

using namespace zeran;
using namespace zeran::bankfiles;

const char *const kName = "bank-file";

std::optional<Layout> parseLayout(const QString &code, cli::Io io)
{
    static const QStringList known = {QStringLiteral("T"), QStringLiteral("E"), QStringLiteral("3"),
                                      QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")};
    if (!known.contains(code)) {
        io.err << kName << ": --layout T, E, 3, 4, 5 ya da 6 olmalı\n";
        return std::nullopt;
    }
    return layoutOf(code);
}

void writeStdout(cli::Io io, const QByteArray &bytes)
{
    io.out.flush();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void reportSkipped(const Payments &p, cli::Io io)
{
    for (const QString &s : p.skipped)
        io.err << s << "\n";
}

// Writes the file of `req` at req.path; an existing file (not a template) needs --overwrite.
int writeFile(ProduceRequest req, bool overwrite, cli::Io io)
{
    if (!isTemplate(req.layout) && QFileInfo::exists(req.path) && !overwrite) {
        io.err << kName << ": dosya zaten var (üzerine yazmak için --overwrite): " << req.path << "\n";
        return 1;
    }
    const ProduceResult r = produce(req);
    if (r.outcome == ProduceResult::Outcome::NoFile) {
        io.err << r.message << "\n";
        return 0;
    }
    if (!r.written()) {
        io.err << QString(r.message).replace(QLatin1Char('\r'), QLatin1Char('\n')) << "\n";
        return 1;
    }
    io.err << req.path << ": " << r.count << " kayıt, toplam " << r.total.toPlain(2) << "\n";
    return 0;
}

int fromJson(const QString &source, const QString &layoutCode, const QString &output, const QString &mergePath,
             bool overwrite, cli::Io io)
{
    const auto layout = parseLayout(layoutCode.isEmpty() ? QStringLiteral("T") : layoutCode, io);
    if (!layout)
        return 2;
    QByteArray json;
    if (source == QLatin1String("-")) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly)) {
            io.err << kName << ": standart girdi okunamadı\n";
            return 1;
        }
        json = in.readAll();
    } else {
        QFile in(source);
        if (!in.open(QIODevice::ReadOnly)) {
            io.err << kName << ": okunamadı: " << source << "\n";
            return 1;
        }
        json = in.readAll();
    }
    try {
        const JsonInput input = parseJsonInput(json);
        const Payments payments = computePayments(input.rows, *layout);
        reportSkipped(payments, io);
        if (!output.isEmpty() || *layout != Layout::Text) {
            if (output.isEmpty()) {
                io.err << kName << ": çalışma kitabı düzenleri -o DOSYA ister\n";
                return 2;
            }
            ProduceRequest req;
            req.layout = *layout;
            req.header = input.header;
            req.payments = payments;
            req.path = output;
            req.iban = input.iban;
            if (!mergePath.isEmpty()) {
                req.mergePath = mergePath;
            } else if (input.hasMerge) {
                io.err << kName << ": merge_text yalnızca -o olmadan metin düzeninde kullanılır; -o ile --merge DOSYA verin\n";
                return 2;
            }
            return writeFile(req, overwrite, io);
        }
        if (payments.count == 0 && !input.hasMerge) {
            io.err << kNothingToPay << "\n";
            return 0;
        }
        const TextFile file = textFile(input.header, payments, input.merge);
        writeStdout(io, file.bytes);
        return 0;
    } catch (const BankFileError &e) {
        io.err << e.text << "\n";
        return 1;
    }
}

int fromDatabase(QStringList args, const QString &layoutCode, const QString &output, const QString &mergePath,
                 bool overwrite, cli::Io io)
{
    PaymentQuery query;
    if (!cli::takeKeyOption(args, QStringLiteral("--unit"), query.unit, io, kName))
        return 2;
    const QString paymentDate = cli::takeOption(args, QStringLiteral("--payment-date"));
    const QString description = cli::takeOption(args, QStringLiteral("--description"));
    const QString typeCode = cli::takeOption(args, QStringLiteral("--type-code"));
    const QString stamp = cli::takeOption(args, QStringLiteral("--run-timestamp"));
    const QString group = cli::takeOption(args, QStringLiteral("--group"));
    query.addDifference = !cli::takeFlag(args, QStringLiteral("--no-difference"));
    const bool iban = cli::takeFlag(args, QStringLiteral("--iban"));
    const auto target = cli::takeTarget(args, io, kName);
    if (!target)
        return 2;
    if (output.isEmpty()) {
        io.err << kName << ": -o DOSYA bekleniyor\n";
        return 2;
    }
    if (group.isEmpty() || group == QLatin1String("zeran"))
        query.group = StaffGroup::Zeran;
    else if (group == QLatin1String("tumu"))
        query.group = StaffGroup::All;
    else if (group == QLatin1String("diger"))
        query.group = StaffGroup::Other;
    else {
        io.err << kName << ": --group tumu, zeran ya da diger olmalı\n";
        return 2;
    }
    const QDate today = clock::today();
    PaymentHeader header;
    header.paymentDate = paymentDate.isEmpty() ? defaultPaymentDate(today)
                                               : QDate::fromString(paymentDate, QStringLiteral("dd.MM.yyyy"));
    if (!header.paymentDate.isValid()) {
        io.err << kName << ": --payment-date gg.aa.yyyy olmalı\n";
        return 2;
    }
    header.runTimestamp = stamp.isEmpty() ? QDateTime::currentDateTime() : QDateTime::fromString(stamp, Qt::ISODate);
    if (!header.runTimestamp.isValid()) {
        io.err << kName << ": --run-timestamp ISO tarih-saat olmalı\n";
        return 2;
    }

    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    try {
        const BankSettings settings = readBankSettings(session.main());
        std::optional<Layout> layout = layoutOf(settings.BDTUR);
        if (!layoutCode.isEmpty() && !(layout = parseLayout(layoutCode, io)))
            return 2;
        query.year = settings.CYIL;
        query.month = today.month();
        header.KMUSNO = settings.KMUSNO;
        header.SBKOD = settings.SBKOD;
        header.KHESNO = settings.KHESNO;
        header.KURUM = settings.KURUM;
        header.typeCode = typeCode.isEmpty() ? QStringLiteral("001") : typeCode;
        header.description = description.isEmpty() ? defaultDescription(query.month, query.year) : description;
        header.month = query.month;
        header.year = query.year;
        const std::vector<PaymentRow> rows = loadPaymentRows(session.main(), query);
        if (rows.empty()) {
            io.err << kNothingToPay << "\n";
            return 0;
        }
        ProduceRequest req;
        req.layout = *layout;
        req.header = header;
        req.payments = computePayments(rows, *layout);
        req.path = output;
        req.mergePath = mergePath;
        req.iban = iban;
        reportSkipped(req.payments, io);
        return writeFile(req, overwrite, io);
    } catch (const db::DbError &e) {
        io.err << "Banka listesi okunamadı: " << e.text << "\n";
        return 1;
    }
}

int bankFile(const QStringList &argsIn, cli::Io io)
{
    QStringList args = argsIn;
    const QString json = cli::takeOption(args, QStringLiteral("--json"));
    const QString layout = cli::takeOption(args, QStringLiteral("--layout"));
    const QString output = cli::takeOption(args, QStringLiteral("-o"));
    const QString merge = cli::takeOption(args, QStringLiteral("--merge"));
    const bool overwrite = cli::takeFlag(args, QStringLiteral("--overwrite"));
    if (!merge.isEmpty() && !output.isEmpty() && samePath(merge, output)) {
        io.err << kMergeIsTarget << "\n";
        return 1;
    }
    if (!json.isEmpty()) {
        if (!args.isEmpty()) {
            io.err << kName << ": --json ile klasör verilmez, fazlası: " << args.join(QLatin1Char(' ')) << "\n";
            return 2;
        }
        return fromJson(json, layout, output, merge, overwrite, io);
    }
    return fromDatabase(args, layout, output, merge, overwrite, io);
}

const cli::Registration reg(
    "bank-file",
    "bank-file --layout T --json - [-o DOSYA] [--merge DOSYA] [--overwrite]   JSON ödeme listesinden banka dosyası\n"
    "  bank-file DIR --today YYYY-AA-GG [--unit BKOD] [--layout T|E|3|4|5|6] [--payment-date GG.AA.YYYY]\n"
    "            [--description METİN] [--type-code 001] [--group tumu|zeran|diger] [--no-difference] [--iban]\n"
    "            [--run-timestamp ISO] [--merge DOSYA] [--overwrite] [--server HOST] -o DOSYA   ayın banka dosyası",
    &bankFile);

}  // namespace
