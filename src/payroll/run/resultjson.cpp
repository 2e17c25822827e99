#include "resultjson.h"

#include "money.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace zeran::payrollrun {

namespace {

using results::ResultRow;

enum class Kind { Key, Text, Amount2, Amount4, Rate };

/// How one column is read from a row. Built once; a large run writes millions of cells.
struct Column {
    QString name;
    Kind kind;
    Money ResultRow::*amount = nullptr;
    std::array<Money, 10> ResultRow::*items = nullptr;
    std::array<Money, 5> ResultRow::*deductions = nullptr;
    std::array<QString, 10> ResultRow::*itemNames = nullptr;
    std::array<QString, 5> ResultRow::*deductionNames = nullptr;
    double ResultRow::*rate = nullptr;
    int results::RowKey::*key = nullptr;
    std::size_t index = 0;
};

std::vector<Column> buildColumns()
{
    using R = ResultRow;
    const QHash<QString, Money R::*> amounts = {
        {"INDIRIM", &R::INDIRIM}, {"OZIN", &R::OZIN},       {"HIZBOR", &R::HIZBOR},   {"AILEYRD", &R::AILEYRD},
        {"COCYRD", &R::COCYRD},   {"COCYRD1", &R::COCYRD1}, {"ARTIS", &R::ARTIS},     {"TERFAR", &R::TERFAR},
        {"AYTUT", &R::AYTUT},     {"EGOSTUT", &R::EGOSTUT}, {"TABAY", &R::TABAY},     {"KIDAY", &R::KIDAY},
        {"OZHIZTAZ", &R::OZHIZTAZ}, {"EKODTUT", &R::EKODTUT}, {"YANOD", &R::YANOD},   {"FAZMES", &R::FAZMES},
        {"LOJTAZ", &R::LOJTAZ},   {"EKTAZ", &R::EKTAZ},     {"DILTAZ", &R::DILTAZ},   {"DIGTAZ", &R::DIGTAZ},
        {"EMKESD", &R::EMKESD},   {"EMKESM", &R::EMKESM},   {"GELTOP", &R::GELTOP},   {"VERMAT", &R::VERMAT},
        {"GELVER", &R::GELVER},   {"DAMVER", &R::DAMVER},   {"KIRA", &R::KIRA},       {"ICRA", &R::ICRA},
        {"OZELKES", &R::OZELKES}, {"KESTOP", &R::KESTOP},   {"SEN1", &R::SEN1},       {"SEN2", &R::SEN2},
        {"SEN3", &R::SEN3},       {"KEFALET", &R::KEFALET}, {"DVMAT", &R::DVMAT},     {"EKMAT", &R::EKMAT},
        {"MAAS", &R::MAAS},       {"VIADE", &R::VIADE},     {"MYOI", &R::MYOI},       {"MYOP", &R::MYOP},
        {"GSSI", &R::GSSI},       {"GSSP", &R::GSSP},       {"GSSMAT", &R::GSSMAT},   {"DVVIADE", &R::DVVIADE},
        {"PCEZA", &R::PCEZA},     {"BES", &R::BES},         {"ACIKKES", &R::ACIKKES}, {"AGIMAT", &R::AGIMAT},
        {"PEKFARK", &R::PEKFARK}, {"GELVER1", &R::GELVER1}, {"DAMVER1", &R::DAMVER1}, {"VERMAT1", &R::VERMAT1},
        {"DVMAT1", &R::DVMAT1},   {"GELVERKES", &R::GELVERKES}, {"DAMVERKES", &R::DAMVERKES}, {"YEMEK", &R::YEMEK},
    };
    std::vector<Column> columns;
    for (const QString &name : monthlyColumns()) {
        Column c{name, Kind::Key};
        const auto numbered = [&name](const char *prefix) {
            const QString p = QLatin1String(prefix);
            bool ok = false;
            const int n = name.startsWith(p) ? name.mid(p.size()).toInt(&ok) : 0;
            return ok ? n : 0;
        };
        if (name == QLatin1String("PKOD") || name == QLatin1String("BKOD") || name == QLatin1String("AY") ||
            name == QLatin1String("PKAYNO")) {
            c.kind = Kind::Key;
            c.key = name == QLatin1String("PKOD")   ? &results::RowKey::PKOD
                    : name == QLatin1String("BKOD") ? &results::RowKey::BKOD
                    : name == QLatin1String("AY")   ? &results::RowKey::AY
                                                    : &results::RowKey::PKAYNO;
        } else if (name == QLatin1String("TUR") || name == QLatin1String("YIL")) {
            c.kind = Kind::Text;
        } else if (name == QLatin1String("VEROR") || name == QLatin1String("VEROR1")) {
            c.kind = Kind::Rate;
            c.rate = name == QLatin1String("VEROR") ? &R::VEROR : &R::VEROR1;
        } else if (const auto it = amounts.constFind(name); it != amounts.constEnd()) {
            c.kind = name == QLatin1String("EKMAT") || name == QLatin1String("ACIKKES") ? Kind::Amount4 : Kind::Amount2;
            c.amount = *it;
        } else if (const int n = numbered("KAZA"); n >= 1 && n <= 10) {
            c.kind = Kind::Text;
            c.itemNames = &R::KAZA;
            c.index = std::size_t(n - 1);
        } else if (const int n = numbered("KESA"); n >= 1 && n <= 5) {
            c.kind = Kind::Text;
            c.deductionNames = &R::KESA;
            c.index = std::size_t(n - 1);
        } else if (const int n = numbered("KAZ"); n >= 1 && n <= 10) {
            c.kind = Kind::Amount2;
            c.items = &R::KAZ;
            c.index = std::size_t(n - 1);
        } else if (const int n = numbered("KES"); n >= 1 && n <= 5) {
            c.kind = Kind::Amount2;
            c.deductions = &R::KES;
            c.index = std::size_t(n - 1);
        } else {
            throw std::logic_error("payroll compute JSON: unknown ZERMAAS column " + name.toStdString());
        }
        columns.push_back(c);
    }
    return columns;
}

/// Decimal text of an amount with 2 or 4 decimals, halves away from zero (as Money::toPlain).
void appendAmount(QByteArray &out, Money m, int decimals)
{
    const std::int64_t raw = m.raw();
    std::uint64_t mag = raw < 0 ? std::uint64_t(0) - std::uint64_t(raw) : std::uint64_t(raw);
    if (decimals == 2)
        mag = (mag + 50) / 100;
    const bool minus = raw < 0 && mag != 0;
    char buf[32];
    int n = 0;
    for (int d = 0; d < decimals; ++d) {
        buf[n++] = char('0' + mag % 10);
        mag /= 10;
    }
    buf[n++] = '.';
    do {
        buf[n++] = char('0' + mag % 10);
        mag /= 10;
    } while (mag != 0);
    if (minus)
        buf[n++] = '-';
    out += '"';
    while (n > 0)
        out += buf[--n];
    out += '"';
}

void appendText(QByteArray &out, const QString &text)
{
    out += '"';
    for (const char ch : text.toUtf8()) {
        switch (ch) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(ch) < 0x20)
                out += QByteArray("\\u00") + QByteArray::number(static_cast<unsigned char>(ch), 16).rightJustified(2, '0');
            else
                out += ch;
        }
    }
    out += '"';
}

}  // namespace

const QStringList &monthlyColumns()
{
    static const QStringList columns = [] {
        const QStringList all = results::resultInsertColumns();
        return all.mid(0, all.indexOf(QStringLiteral("YEMEK")) + 1);
    }();
    return columns;
}

QByteArray resultRowsJson(const std::vector<ResultRow> &rows)
{
    static const std::vector<Column> columns = buildColumns();
    std::vector<QByteArray> keys;
    for (const Column &c : columns)
        keys.push_back("\n    \"" + c.name.toLatin1() + "\": ");

    QByteArray out;
    out.reserve(qsizetype(rows.size()) * 2200 + 8);
    out += '[';
    bool firstRow = true;
    for (const ResultRow &row : rows) {
        out += firstRow ? "\n  {" : ",\n  {";
        firstRow = false;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const Column &c = columns[i];
            if (i > 0)
                out += ',';
            out += keys[i];
            switch (c.kind) {
            case Kind::Key:
                out += QByteArray::number(row.key.*c.key);
                break;
            case Kind::Text:
                if (c.itemNames)
                    appendText(out, (row.*c.itemNames)[c.index].trimmed().left(15));
                else if (c.deductionNames)
                    appendText(out, (row.*c.deductionNames)[c.index].trimmed().left(15));
                else
                    appendText(out, c.name == QLatin1String("TUR") ? results::kindCode(row.key.TUR) : row.key.YIL);
                break;
            case Kind::Rate:
                out += shortestDecimal(row.*c.rate).toLatin1();
                break;
            case Kind::Amount2:
            case Kind::Amount4: {
                const Money m = c.amount ? row.*c.amount : c.items ? (row.*c.items)[c.index] : (row.*c.deductions)[c.index];
                appendAmount(out, m, c.kind == Kind::Amount4 ? 4 : 2);
                break;
            }
            }
        }
        out += "\n  }";
    }
    out += rows.empty() ? "]\n" : "\n]\n";
    return out;
}

}  // namespace zeran::payrollrun
