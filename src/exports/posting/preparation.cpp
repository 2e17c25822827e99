#include "preparation.h"

namespace zeran::posting {

std::optional<PostingKind> postingKind(const QString &code)
{
    const QString c = code.trimmed();
    const auto k = [&c](const char *plan, const char *rows, Rule rule, const char *shown) {
        return PostingKind{c, QString::fromLatin1(plan), QString::fromLatin1(rows), rule, QString::fromUtf8(shown)};
    };
    if (c == QLatin1String("1"))
        return k("1", "1", Rule::Monthly, "Maaş");
    if (c == QLatin1String("2"))
        return k("2", "2", Rule::Difference, "Fark");
    // The inflation difference uses the difference plans but posts and stamps its own rows.
    if (c == QLatin1String("8"))
        return k("2", "8", Rule::Difference, "Fark");
    if (c == QLatin1String("4"))
        return k("4", "4", Rule::Additional, "Encümen");
    if (c == QLatin1String("5"))
        return k("5", "5", Rule::Additional, "Meclis");
    if (c == QLatin1String("6"))
        return k("6", "6", Rule::Additional, "Meclis");
    if (c == QLatin1String("7"))
        return k("7", "7", Rule::Additional, "Vekalet");
    return std::nullopt;
}

QStringList postingKindCodes()
{
    return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("5"),
            QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")};
}

std::array<QString, 4> splitCode(const QString &code)
{
    std::array<QString, 4> parts;
    QString rest = code.trimmed();
    for (int i = 0; i < 3 && !rest.isEmpty(); ++i) {
        const qsizetype dot = rest.indexOf(QLatin1Char('.'));
        if (dot < 0) {
            parts[i] = rest;
            rest.clear();
        } else {
            parts[i] = rest.left(dot);
            rest = rest.mid(dot + 1);
        }
    }
    parts[3] = rest;
    return parts;
}

void keepPaidAmounts(ColumnSums &row, bool otherStaff, bool serviceDebtInAdvance)
{
    if (otherStaff)
        for (Col c : {Col::AYTUT, Col::EGOSTUT, Col::TABAY, Col::KIDAY, Col::YANOD, Col::FAZMES, Col::OZHIZTAZ,
                      Col::EKODTUT, Col::LOJTAZ, Col::EKTAZ, Col::DILTAZ, Col::TERFAR})
            row[c] = Money();
    if (serviceDebtInAdvance)
        row[Col::HIZBOR] = Money();
}

namespace {

PreparedLine fromPlan(const PlanLine &p)
{
    PreparedLine l;
    l.HESNO = p.HKOD.trimmed();
    l.K = splitCode(p.KKOD);
    l.F = splitCode(p.FKOD);
    l.FT = p.FTIP.trimmed();
    l.E = splitCode(p.EKOD);
    if (l.E[0].isEmpty())
        l.E = splitCode(p.HKOD);
    l.ACIK = fitDescription(p.ACIK);
    l.TUR = p.TUR.trimmed();
    l.DUR = p.DUR.trimmed();
    l.KKOD = p.KKOD.trimmed();
    l.FKOD = p.FKOD.trimmed();
    l.FTIP = p.FTIP.trimmed();
    l.EKOD = p.EKOD.trimmed();
    l.CKOD = p.CKOD;
    return l;
}

bool isDebit(const PreparedLine &l) { return l.TUR == QLatin1String("B"); }
bool isCredit(const PreparedLine &l) { return l.TUR == QLatin1String("A"); }

}  // namespace

Prepared prepare(const std::vector<PlanLine> &plan, const std::vector<PersonRow> &rows, Rule rule, bool exemption)
{
    Prepared out;
    ColumnSums sums;
    for (const PersonRow &r : rows)
        sums += r.cols;
    out.vars = variables(sums, rule, exemption);

    for (const PlanLine &p : plan) {
        const bool perPerson = rule == Rule::Monthly && p.HESAPDUR.trimmed() == QLatin1String("A");
        if (perPerson) {
            if (p.TUR.trimmed() != QLatin1String("A"))
                continue;  // a debit line per person has no amount
            for (const PersonRow &r : rows) {
                const Money v = evaluate(p.HESAP, variables(r.cols, rule, exemption));
                if (v <= Money())
                    continue;
                PreparedLine l = fromPlan(p);
                l.E = splitCode(p.HKOD);
                l.CKOD = r.CKOD;
                l.ALACAK = v;
                out.lines.push_back(std::move(l));
            }
            continue;
        }
        PreparedLine l = fromPlan(p);
        const Money v = evaluate(p.HESAP, out.vars);
        if (isDebit(l))
            l.BORC = v;
        else if (isCredit(l))
            l.ALACAK = v;
        if (l.BORC.isZero() && l.ALACAK.isZero())
            continue;
        out.lines.push_back(std::move(l));
    }
    out.totals = totalsOf(out.lines);
    return out;
}

Totals totalsOf(const std::vector<PreparedLine> &lines)
{
    Totals t;
    for (const PreparedLine &l : lines) {
        if (isDebit(l)) {
            t.debit += l.BORC;
            if (l.DUR == QLatin1String("T"))
                t.accrual += l.BORC;
        } else if (isCredit(l)) {
            t.credit += l.ALACAK;
            if (l.DUR == QLatin1String("C"))
                t.cheques += l.ALACAK;
            else if (l.DUR == QLatin1String("K"))
                t.deduction += l.ALACAK;
        }
    }
    return t;
}

Money imbalance(const std::vector<PreparedLine> &lines)
{
    Money d;
    for (const PreparedLine &l : lines)
        d += l.BORC - l.ALACAK;
    return d;
}

QString imbalanceMessage(Money debit, Money credit)
{
    return QStringLiteral("DİKKAT! Borç Toplamı (%1) ile Alacak Toplamı (%2) Eşit Değil, Fark: %3.\r"
                          "Dengesiz kayıt muhasebeye aktarılmaz.")
        .arg(debit.toText(), credit.toText(), (debit - credit).toText());
}

QString budgetKey(const QString &kkod, const QString &fkod, const QString &ftip, const QString &ekod)
{
    return kkod.trimmed() + QLatin1Char('|') + fkod.trimmed() + QLatin1Char('|') + ftip.trimmed() + QLatin1Char('|') +
           ekod.trimmed();
}

std::vector<JournalLine> journalLines(const std::vector<PreparedLine> &lines, const QHash<QString, qint64> &budget)
{
    std::vector<JournalLine> out;
    for (const PreparedLine &l : lines) {
        if (l.BORC.isZero() && l.ALACAK.isZero())
            continue;
        JournalLine j;
        j.HARNO = int(out.size()) + 1;
        j.HKOD = l.HESNO;
        if (!l.KKOD.isEmpty())
            j.BKAYNO = budget.value(budgetKey(l.KKOD, l.FKOD, l.FTIP, l.EKOD), 0);
        j.BORC = l.BORC;
        j.ALACAK = l.ALACAK;
        j.CKOD = l.CKOD;
        out.push_back(std::move(j));
    }
    return out;
}

JournalHeader journalHeader(const EntrySource &s, const Totals &t)
{
    JournalHeader h;
    h.YEVTAR = s.date;
    h.BRMKOD = s.BRMKOD;
    h.CKOD = s.CKOD;
    h.TAH = t.accrual;
    h.KES = t.deduction;
    h.ODE = t.cheques;
    h.TUT = t.cheques;
    h.ACIK = s.ACIK;
    h.EKLER = s.EKLER;
    h.MYET = s.MYET;
    h.MYETUNV = s.MYETUNV;
    h.HADSOY = s.HADSOY;
    h.HGOR = s.HGOR;
    h.TADSOY = s.TADSOY;
    h.TGOR = s.TGOR;
    h.YIL = s.year;
    return h;
}

}  // namespace zeran::posting
