// zeran-cli formula --json -: evaluates one formula of the account plans the way a posting
// does. Reads {"formula": TEXT, "sums": {NAME: amount, …}, "ASUCISTISNA": "E"|"H",
// "rule": "monthly"|"difference"|"additional"} from stdin and prints the value with four
// decimals. A sum is named by its result-row column (AYTUT, EGOSTUT, COCYRD1 …) or by the
// variable that stands for that one column (EKGOST, TABAN, OHT …).

#include "formula.h"
#include "registry.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace zeran::cli {

namespace {

using namespace zeran::posting;

std::optional<Col> columnOf(const QString &name)
{
    static const QHash<QString, QString> aliases = {
        {QStringLiteral("TUTAR"), QStringLiteral("AYTUT")},    {QStringLiteral("EKGOST"), QStringLiteral("EGOSTUT")},
        {QStringLiteral("TABAN"), QStringLiteral("TABAY")},    {QStringLiteral("KIDEM"), QStringLiteral("KIDAY")},
        {QStringLiteral("OHT"), QStringLiteral("OZHIZTAZ")},   {QStringLiteral("EKOD"), QStringLiteral("EKODTUT")},
        {QStringLiteral("ARTIS1"), QStringLiteral("ARTIS")},   {QStringLiteral("TERFI"), QStringLiteral("TERFAR")},
        {QStringLiteral("DVERVIADE"), QStringLiteral("DVVIADE")}, {QStringLiteral("OZIND"), QStringLiteral("OZIN")},
        {QStringLiteral("GELIR"), QStringLiteral("GELTOP")},   {QStringLiteral("NET"), QStringLiteral("MAAS")},
    };
    const QString column = aliases.value(name, name);
    const qsizetype i = columnNames().indexOf(column);
    if (i < 0)
        return std::nullopt;
    return Col(std::size_t(i));
}

std::optional<Money> amountOf(const QJsonValue &v)
{
    if (v.isDouble())
        return Money::fromDbDouble(v.toDouble());
    if (v.isString())
        return Money::parsePlain(v.toString().trimmed());
    return std::nullopt;
}

int formula(const QStringList &argsIn, Io io)
{
    QStringList args = argsIn;
    const bool json = takeFlag(args, QStringLiteral("--json"));
    if (!json || args != QStringList{QStringLiteral("-")}) {
        io.err << "formula: kullanım: zeran-cli formula --json -   (JSON standart girdiden)\n";
        return 2;
    }
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) {
        io.err << "formula: standart girdi okunamadı\n";
        return 2;
    }
    QJsonParseError perr;
    const QJsonDocument doc = QJsonDocument::fromJson(in.readAll(), &perr);
    if (!doc.isObject()) {
        io.err << "formula: JSON okunamadı: " << perr.errorString() << "\n";
        return 2;
    }
    const QJsonObject o = doc.object();
    if (!o.value(QStringLiteral("formula")).isString()) {
        io.err << "formula: \"formula\" metni bekleniyor\n";
        return 2;
    }
    const QString text = o.value(QStringLiteral("formula")).toString();
    const QString ruleText = o.value(QStringLiteral("rule")).toString(QStringLiteral("monthly"));
    Rule rule;
    if (ruleText == QLatin1String("monthly"))
        rule = Rule::Monthly;
    else if (ruleText == QLatin1String("difference"))
        rule = Rule::Difference;
    else if (ruleText == QLatin1String("additional"))
        rule = Rule::Additional;
    else {
        io.err << "formula: \"rule\" monthly, difference ya da additional olmalı: " << ruleText << "\n";
        return 2;
    }
    const QString exemptionText = o.value(QStringLiteral("ASUCISTISNA")).toString(QStringLiteral("H"));
    if (exemptionText != QLatin1String("E") && exemptionText != QLatin1String("H")) {
        io.err << "formula: \"ASUCISTISNA\" E ya da H olmalı: " << exemptionText << "\n";
        return 2;
    }
    ColumnSums sums;
    const QJsonObject given = o.value(QStringLiteral("sums")).toObject();
    for (auto it = given.begin(); it != given.end(); ++it) {
        const auto col = columnOf(it.key());
        if (!col) {
            io.err << "formula: bilinmeyen toplam adı: " << it.key() << "\n";
            return 2;
        }
        const auto amount = amountOf(it.value());
        if (!amount) {
            io.err << "formula: tutar okunamadı: " << it.key() << "\n";
            return 2;
        }
        sums[*col] += *amount;
    }
    try {
        const Money value = evaluate(text, variables(sums, rule, exemptionText == QLatin1String("E")));
        io.out << value.toPlain(4) << "\n";
    } catch (const std::exception &e) {
        io.err << "formula: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

const Registration reg("formula",
                       "formula --json -   hesap formülünü muhasebe aktarımındaki gibi hesaplar "
                       "({\"formula\",\"sums\",\"ASUCISTISNA\",\"rule\"} standart girdiden)",
                       &formula);

}  // namespace

}  // namespace zeran::cli
