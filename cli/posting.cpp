// zeran-cli posting prepare|make|print|plan: the cash screen's work without the screen. The
// payroll of the run month (the month of --today) of the working year, of one unit and
// posting kind, prepared from the unit's plan; "make" posts it into the accounting database
// (its questions answered Yes only with --yes), "print" writes the payment order as PDF, "plan"
// generates one of the default plans for a unit and cash kind.

#include "clock.h"
#include "commands.h"
#include "output.h"
#include "planstore.h"
#include "postingjson.h"
#include "postingstore.h"
#include "registry.h"
#include "session.h"

#include <QDir>
#include <QGuiApplication>

namespace zeran::cli {

namespace {

using namespace zeran::posting;

class CliQuestions : public posting::Questions {
public:
    CliQuestions(bool yes, QTextStream &err) : yes_(yes), err_(err) {}
    bool confirm(const QString &text) override
    {
        err_ << QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')) << (yes_ ? " → Evet\n" : " → Hayır (--yes verilmedi)\n");
        err_.flush();
        return yes_;
    }
    void inform(const QString &text) override
    {
        err_ << QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')) << "\n";
        err_.flush();
    }

private:
    bool yes_;
    QTextStream &err_;
};

struct Opened {
    Session session;
    PostingRequest request;
    bool exemption = false;
};

// Options shared by prepare, make and print; opens both databases. 0 or the exit code.
int open(QStringList &args, Io io, const char *command, Opened &o)
{
    int unit = 0;
    int person = 0;
    if (!takeKeyOption(args, QStringLiteral("--unit"), unit, io, command) ||
        !takeKeyOption(args, QStringLiteral("--person"), person, io, command))
        return 2;
    const QString kind = takeOption(args, QStringLiteral("--kind"));
    if (!postingKind(kind)) {
        io.err << command << ": --kind 1, 2, 4, 5, 6, 7 ya da 8 olmalı\n";
        return 2;
    }
    if (unit == 0) {
        io.err << command << ": --unit BKOD bekleniyor\n";
        return 2;
    }
    const auto target = takeTarget(args, io, command);
    if (!target)
        return 2;
    if (const int rc = openMain(o.session, *target, io))
        return rc;
    try {
        o.session.activateContext(clock::today());
        o.session.loginAsDefaultUser();
    } catch (const db::DbError &e) {
        io.err << "Tanımlar okunamadı: " << e.text << "\n";
        return 1;
    }
    try {
        o.session.accounting().open(target->accountingParams());
    } catch (const db::DbError &e) {
        io.err << kAccountingMissingMessage << ": " << e.text << "\n";
        return 1;
    }
    const WorkingContext &c = o.session.ctx;
    o.request = *makeRequest(c.CYIL, c.AY, kind, unit, c.MODEMEBKOD,
                             person != 0 ? std::optional<int>(person) : std::nullopt, c.KULNO);
    o.exemption = c.ASUCISTISNA == QLatin1String("E");
    return 0;
}

int prepareCommand(const QStringList &argsIn, Io io)
{
    QStringList args = argsIn;
    const bool json = takeFlag(args, QStringLiteral("--json"));
    Opened o;
    if (const int rc = open(args, io, "posting prepare", o))
        return rc;
    try {
        const Preparation p = prepareFromDatabase(o.session.main(), o.request, o.exemption);
        const Entry entry = entryFor(o.session.accounting(), o.request, p.header, p.prepared.lines, clock::today());
        if (json) {
            io.out << QString::fromUtf8(preparationJson(p, p.prepared.lines, entry));
        } else {
            for (const PreparedLine &l : p.prepared.lines)
                io.out << l.HESNO << '\t' << l.TUR << '\t' << l.BORC.toPlain(2) << '\t' << l.ALACAK.toPlain(2) << '\t'
                       << l.ACIK << "\n";
            const Totals &t = p.prepared.totals;
            io.out << "TAHAKKUK " << t.accrual.toPlain(2) << "\nBORC " << t.debit.toPlain(2) << "\nALACAK "
                   << t.credit.toPlain(2) << "\nKESINTI " << t.deduction.toPlain(2) << "\nCEK " << t.cheques.toPlain(2)
                   << "\n";
        }
    } catch (const std::exception &e) {
        io.err << "posting prepare: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

int makeCommand(const QStringList &argsIn, Io io)
{
    QStringList args = argsIn;
    const bool yes = takeFlag(args, QStringLiteral("--yes"));
    Opened o;
    if (const int rc = open(args, io, "posting make", o))
        return rc;
    CliQuestions questions(yes, io.err);
    PostResult r;
    try {
        db::Database &main = o.session.main();
        const Preparation p = prepareFromDatabase(main, o.request, o.exemption);
        // The lines go through the user's work table like the screen's.
        writeWorkLines(main, o.request.usrno, p.prepared.lines);
        const std::vector<PreparedLine> lines = readWorkLines(main, o.request.usrno);
        r = post(main, o.session.accounting(), o.request, p.header, lines, clock::today(), questions);
        clearWorkLines(main, o.request.usrno);
    } catch (const std::exception &e) {
        io.err << "posting make: " << e.what() << "\n";
        return 1;
    }
    switch (r.outcome) {
    case PostOutcome::Posted:
        io.out << "YEVNO " << r.yevno << "\nKAYNO " << r.kayno << "\nMUHHAR " << r.lines << "\n"
               << (r.reposted ? "yeniden aktarıldı\n" : "aktarıldı\n");
        return 0;
    case PostOutcome::Declined:
        io.err << "Aktarılmadı.\n";
        return 3;
    case PostOutcome::Refused:
    case PostOutcome::Failed:
        return 1;
    }
    return 1;
}

int printCommand(const QStringList &argsIn, Io io)
{
    QStringList args = argsIn;
    const QString pdf = takeOption(args, QStringLiteral("--pdf"));
    if (pdf.isEmpty()) {
        io.err << "posting print: --pdf DOSYA bekleniyor\n";
        return 2;
    }
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        io.err << "posting print: yazdırma için grafik uygulama nesnesi (QGuiApplication) gerekli\n";
        return 1;
    }
    Opened o;
    if (const int rc = open(args, io, "posting print", o))
        return rc;
    try {
        db::Database &main = o.session.main();
        const Preparation p = prepareFromDatabase(main, o.request, o.exemption);
        const PaymentOrderData d = paymentOrderData(main, &o.session.accounting(), o.request, p.header,
                                                    p.prepared.lines, clock::today(), p.journalNumber.value_or(0));
        QString error;
        if (!report::writePdf(paymentOrder(d), pdf, &error)) {
            io.err << "PDF yazılamadı: " << error << "\n";
            return 1;
        }
        io.out << QDir(pdf).absolutePath() << ": " << p.prepared.lines.size() << " satır\n";
    } catch (const std::exception &e) {
        io.err << "posting print: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

int planCommand(const QStringList &argsIn, Io io)
{
    QStringList args = argsIn;
    int unit = 0;
    if (!takeKeyOption(args, QStringLiteral("--unit"), unit, io, "posting plan"))
        return 2;
    const QString kind = takeOption(args, QStringLiteral("--kind"));
    const QString which = takeOption(args, QStringLiteral("--default"));
    const bool yes = takeFlag(args, QStringLiteral("--yes"));
    std::optional<DefaultPlan> plan;
    if (which == QLatin1String("salaries"))
        plan = DefaultPlan::Salaries;
    else if (which == QLatin1String("mayor"))
        plan = DefaultPlan::Mayor;
    else if (which == QLatin1String("council"))
        plan = DefaultPlan::Council;
    if (unit == 0 || cashKindLabel(kind).isEmpty() || !plan) {
        io.err << "posting plan: --unit BKOD --kind 1|2|4|5|6|7 --default salaries|mayor|council bekleniyor\n";
        return 2;
    }
    const auto target = takeTarget(args, io, "posting plan");
    if (!target)
        return 2;
    Session session;
    if (const int rc = openMain(session, *target, io))
        return rc;
    bool memo = false;
    try {
        session.accounting().open(target->accountingParams());
        if (const auto inst = readInstitution(session.accounting()))
            memo = inst->memorandum();
    } catch (const db::DbError &e) {
        io.err << kAccountingMissingMessage << ": " << e.text << "\n";
    }
    try {
        session.activateContext(clock::today());
        db::Database &main = session.main();
        PlanHeader header = readHeader(main, unit, kind).value_or(PlanHeader{});
        header.BKOD = unit;
        header.NAKTUR = kind;
        CliQuestions questions(yes, io.err);
        if (!readLines(main, unit, kind).empty() &&
            !questions.confirm(QStringLiteral("DİKKAT! Hesap Tanımlarında Bilgi Mevcuttur.\rBu Kayıtlar Silinecek. "
                                              "Onaylıyormusunuz....")))
            return 3;
        if (header.SAYAD.isEmpty())
            header.SAYAD = defaultPurpose(*plan);
        const std::vector<PlanLine> lines = defaultPlan(*plan, memo);
        savePlan(main, header, lines, session.ctx.CYIL.toInt());
        io.out << defaultPlanCaption(*plan) << ": " << lines.size() << " satır\n";
    } catch (const std::exception &e) {
        io.err << "posting plan: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

const Registration regPrepare("posting prepare",
                              "posting prepare DIR --today YYYY-AA-GG --unit BKOD --kind 1|2|4|5|6|7|8 [--person PKOD] "
                              "[--server HOST] --json   hesap satırları, beş toplam ve yazılacak yevmiye kaydı",
                              &prepareCommand);
const Registration regMake("posting make",
                           "posting make DIR --today YYYY-AA-GG --unit BKOD --kind 1|2|4|5|6|7|8 [--person PKOD] "
                           "[--server HOST] [--yes]   muhasebeye aktarır (sorulara yalnız --yes ile Evet)",
                           &makeCommand);
const Registration regPrint("posting print",
                            "posting print DIR --today YYYY-AA-GG --unit BKOD --kind 1|2|4|5|6|7|8 [--person PKOD] "
                            "[--server HOST] --pdf DOSYA   ödeme emri belgesi",
                            &printCommand);
const Registration regPlan("posting plan",
                           "posting plan DIR --unit BKOD --kind 1|2|4|5|6|7 --default salaries|mayor|council [--yes] "
                           "[--server HOST]   hazır hesap planını oluşturur",
                           &planCommand);

}  // namespace

}  // namespace zeran::cli
