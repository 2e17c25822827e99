#include "formula.h"

#include <QSet>

namespace zeran::posting {

namespace {

struct Single {
    const char *name;
    Col col;
};

// Variables that stand for the sum of one column.
const Single kSingles[] = {
    {"AYTUT", Col::AYTUT},     {"TUTAR", Col::AYTUT},      {"EKGOST", Col::EGOSTUT},   {"AILEYRD", Col::AILEYRD},
    {"ARTIS1", Col::ARTIS},    {"TERFI", Col::TERFAR},     {"TABAN", Col::TABAY},      {"KIDEM", Col::KIDAY},
    {"YANOD", Col::YANOD},     {"FAZMES", Col::FAZMES},    {"OHT", Col::OZHIZTAZ},     {"EKOD", Col::EKODTUT},
    {"LOJTAZ", Col::LOJTAZ},   {"EKTAZ", Col::EKTAZ},      {"DILTAZ", Col::DILTAZ},    {"DIGTAZ", Col::DIGTAZ},
    {"EMKESD", Col::EMKESD},   {"EMKESM", Col::EMKESM},    {"GELIR", Col::GELTOP},     {"GELTOP", Col::GELTOP},
    {"INDIRIM", Col::INDIRIM}, {"OZIND", Col::OZIN},       {"HIZBOR", Col::HIZBOR},    {"KEFALET", Col::KEFALET},
    {"KIRA", Col::KIRA},       {"ICRA", Col::ICRA},        {"PCEZA", Col::PCEZA},      {"SEN1", Col::SEN1},
    {"SEN2", Col::SEN2},       {"SEN3", Col::SEN3},        {"OZELKES", Col::OZELKES},  {"KESTOP", Col::KESTOP},
    {"EKFARK", Col::EKFARK},   {"VIADE", Col::VIADE},      {"YEMEK", Col::YEMEK},      {"BES", Col::BES},
    {"DVERVIADE", Col::DVVIADE}, {"KAZ1", Col::KAZ1},      {"KAZ2", Col::KAZ2},        {"KAZ3", Col::KAZ3},
    {"KAZ4", Col::KAZ4},       {"KAZ5", Col::KAZ5},        {"KAZ6", Col::KAZ6},        {"KAZ7", Col::KAZ7},
    {"KAZ8", Col::KAZ8},       {"KAZ9", Col::KAZ9},        {"KAZ10", Col::KAZ10},      {"KES1", Col::KES1},
    {"KES2", Col::KES2},       {"KES3", Col::KES3},        {"KES4", Col::KES4},        {"KES5", Col::KES5},
    {"MYOI", Col::MYOI},       {"MYOP", Col::MYOP},        {"GSSI", Col::GSSI},        {"GSSP", Col::GSSP},
    {"ACIKKES", Col::ACIKKES},
};

// Names with a rule of their own (sums of two columns, a switch, a multiple).
const char *const kComposite[] = {"COCYRD", "ARTIS2", "GIRIS", "MAAS", "NET", "GELVER", "DAMVER"};
// Names of the table that never have a value of their own.
const char *const kNoValue[] = {"GELVERKES", "DAMVERKES", "EKGOR"};

// What the difference rule leaves out.
const char *const kNotInDifference[] = {"YEMEK", "KAZ1", "KAZ2", "KAZ3", "KAZ4", "KAZ5", "KAZ6", "KAZ7",
                                         "KAZ8",  "KAZ9", "KAZ10", "BES", "ACIKKES", "GELTOP"};
// What the additional-payments rule sums. Besides the names its payrolls always had, the
// deductions and premiums their deduction totals include (KES1…KES5, the four premiums): without
// them a plan could not credit what the payroll withheld, and its entry would not balance.
const char *const kInAdditional[] = {"AYTUT", "TUTAR", "EKGOST", "YANOD", "OHT",  "EKTAZ", "GELIR",
                                     "GELTOP", "GELVER", "DAMVER", "ICRA", "KESTOP", "DVERVIADE",
                                     "KES1",   "KES2",   "KES3",   "KES4", "KES5", "MYOI", "MYOP",
                                     "GSSI",   "GSSP",   "MAAS",   "NET"};

template <typename Range> QSet<QString> setOf(const Range &names)
{
    QSet<QString> s;
    for (const char *n : names)
        s.insert(QString::fromLatin1(n));
    return s;
}

const QSet<QString> &allVariables()
{
    static const QSet<QString> all = [] {
        QSet<QString> s;
        for (const Single &x : kSingles)
            s.insert(QString::fromLatin1(x.name));
        s.unite(setOf(kComposite));
        s.unite(setOf(kNoValue));
        return s;
    }();
    return all;
}

}  // namespace

const QStringList &columnNames()
{
    static const QStringList names = {
        "AYTUT",  "EGOSTUT", "TABAY",   "KIDAY",     "YANOD",     "OZHIZTAZ", "EKODTUT", "FAZMES",  "LOJTAZ",
        "EKTAZ",  "DILTAZ",  "DIGTAZ",  "AILEYRD",   "COCYRD",    "COCYRD1",  "ARTIS",   "TERFAR",  "KAZ1",
        "KAZ2",   "KAZ3",    "KAZ4",    "KAZ5",      "KAZ6",      "KAZ7",     "KAZ8",    "KAZ9",    "KAZ10",
        "YEMEK",  "GELTOP",  "EMKESM",  "EMKESD",    "MYOI",      "MYOP",     "GSSI",    "GSSP",    "DVVIADE",
        "INDIRIM", "OZIN",   "GELVER",  "DAMVER",    "GELVERKES", "DAMVERKES", "VIADE",  "BES",     "HIZBOR",
        "ICRA",   "KIRA",    "PCEZA",   "KEFALET",   "SEN1",      "SEN2",     "SEN3",    "KES1",    "KES2",
        "KES3",   "KES4",    "KES5",    "OZELKES",   "KESTOP",    "MAAS",     "ACIKKES", "EKFARK"};
    static_assert(kColumnCount == 62);
    return names;
}

ColumnSums &ColumnSums::operator+=(const ColumnSums &o)
{
    for (std::size_t i = 0; i < kColumnCount; ++i)
        v[i] += o.v[i];
    return *this;
}

Variables variables(const ColumnSums &s, Rule rule, bool exemption)
{
    Variables out;
    for (const Single &x : kSingles)
        out.insert(QString::fromLatin1(x.name), s[x.col]);
    out.insert(QStringLiteral("COCYRD"), s[Col::COCYRD] + s[Col::COCYRD1]);
    out.insert(QStringLiteral("ARTIS2"), s[Col::ARTIS].mul(2));
    // First-entry fees are stored in the surety column (they replace it for a first entry), so
    // the plans credit them through KEFALET; GIRIS has nothing left of its own to add.
    out.insert(QStringLiteral("GIRIS"), Money());
    out.insert(QStringLiteral("GELVER"), s[Col::GELVER]);
    out.insert(QStringLiteral("DAMVER"), s[Col::DAMVER]);
    for (const char *n : kNoValue)
        out.insert(QString::fromLatin1(n), Money());

    switch (rule) {
    case Rule::Monthly: {
        const Money net = s[Col::ACIKKES] > Money() ? s[Col::MAAS] - s[Col::ACIKKES] : s[Col::MAAS];
        out.insert(QStringLiteral("MAAS"), net);
        out.insert(QStringLiteral("NET"), net);
        if (exemption) {
            out.insert(QStringLiteral("GELVER"), s[Col::GELVERKES]);
            out.insert(QStringLiteral("DAMVER"), s[Col::DAMVERKES]);
        }
        break;
    }
    case Rule::Difference:
        for (const char *n : kNotInDifference)
            out.insert(QString::fromLatin1(n), Money());
        out.insert(QStringLiteral("MAAS"), s[Col::MAAS]);
        out.insert(QStringLiteral("NET"), s[Col::MAAS]);
        break;
    case Rule::Additional: {
        const QSet<QString> kept = setOf(kInAdditional);
        for (auto it = out.begin(); it != out.end(); ++it)
            if (!kept.contains(it.key()))
                it.value() = Money();
        out.insert(QStringLiteral("MAAS"), s[Col::MAAS]);
        out.insert(QStringLiteral("NET"), s[Col::MAAS]);
        break;
    }
    }
    return out;
}

namespace {

// The value of one operand: a blank after a name is not part of it, a blank before is.
Money operandValue(QStringView text, const Variables &vars)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    if (text.isEmpty())
        return Money();
    return vars.value(text.toString());
}

}  // namespace

Money evaluate(const QString &formula, const Variables &vars)
{
    Money value;
    QChar op = QLatin1Char('+');
    qsizetype start = 0;
    for (qsizetype i = 0; i <= formula.size(); ++i) {
        if (i < formula.size() && formula[i] != QLatin1Char('+') && formula[i] != QLatin1Char('-'))
            continue;
        const Money v = operandValue(QStringView(formula).mid(start, i - start), vars);
        value = op == QLatin1Char('+') ? value + v : value - v;
        if (i < formula.size())
            op = formula[i];
        start = i + 1;
    }
    return value;
}

QStringList operands(const QString &formula)
{
    QStringList out;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= formula.size(); ++i) {
        if (i < formula.size() && formula[i] != QLatin1Char('+') && formula[i] != QLatin1Char('-'))
            continue;
        QString t = formula.mid(start, i - start);
        while (!t.isEmpty() && t.back().isSpace())
            t.chop(1);
        if (!t.isEmpty())
            out << t;
        start = i + 1;
    }
    return out;
}

const QStringList &editorVariables()
{
    static const QStringList names = {
        "AYTUT",  "EKGOST",  "AILEYRD", "COCYRD",    "ARTIS1",    "ARTIS2",  "GIRIS",  "TERFI",   "TABAN",
        "KIDEM",  "YANOD",   "FAZMES",  "OHT",       "LOJTAZ",    "EKTAZ",   "DILTAZ", "DIGTAZ",  "EMKESD",
        "EMKESM", "GELIR",   "INDIRIM", "OZIND",     "HIZBOR",    "GELVER",  "DAMVER", "KEFALET", "KIRA",
        "ICRA",   "SEN1",    "SEN2",    "SEN3",      "OZELKES",   "KESTOP",  "MAAS",   "VIADE",   "DVERVIADE",
        "YEMEK",  "KAZ1",    "KAZ2",    "KAZ3",      "KAZ4",      "KAZ5",    "KAZ6",   "KAZ7",    "KAZ8",
        "KAZ9",   "KAZ10",   "MYOI",    "MYOP",      "GSSI",      "GSSP",    "KES1",   "KES2",    "KES3",
        "KES4",   "KES5",    "BES",     "EKFARK",    "EKOD",      "GELTOP",  "TUTAR",  "NET",     "ACIKKES",
        "GELVERKES", "DAMVERKES"};
    return names;
}

bool isVariable(const QString &name)
{
    return allVariables().contains(name);
}

bool hasNoValueOfItsOwn(const QString &name)
{
    static const QSet<QString> none = setOf(kNoValue);
    return none.contains(name);
}

QStringList deadNames(const QString &formula)
{
    QStringList out;
    for (const QString &name : operands(formula))
        if ((!isVariable(name) || hasNoValueOfItsOwn(name)) && !out.contains(name))
            out << name;
    return out;
}

QString deadNamesQuestion(const QStringList &names)
{
    QStringList shown;
    for (const QString &n : names)
        shown << QLatin1Char('"') + n + QLatin1Char('"');
    return QStringLiteral("DİKKAT! Formüldeki ") + shown.join(QStringLiteral(", ")) +
           QStringLiteral(" değişken değildir ya da kendi değeri yoktur; hesapta 0 sayılır.\r"
                          "Yine de kaydetmek istiyormusunuz?");
}

}  // namespace zeran::posting
