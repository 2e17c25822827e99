#pragma once
// The rules of the two rate screens without widgets or SQL: periods, the columns with their
// captions and kinds, the order of the rate-update replies, numbers typed or received in
// either decimal form, and the bracket display.
//
// A row being edited is held as RateValues: column name -> canonical text ('.' as decimal
// point, no grouping, shortest form); an empty text is an empty (NULL) column.

#include "money.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace zeran::rates {

using RateValues = QMap<QString, QString>;

// ---- Periods -------------------------------------------------------------------------

/// Period code DON by chooser position: "1" "OCAK/HAZİRAN", "2" "TEMMUZ/ARALIK", "3" "ENFLASYON FARKI".
const QStringList &periodNames();
QString periodCode(int index);
/// Chooser position of a period code; 0 for anything unknown.
int periodIndex(const QString &don);
bool isPeriodCode(const QString &don);
bool isYear(const QString &year);

struct Period {
    QString year, don;
    friend bool operator==(const Period &, const Period &) = default;
};
/// The half-year before: period "1" -> "2" of the previous year; "2" and "3" -> "1" of the same year.
Period previousPeriod(const Period &p);

// ---- Columns -------------------------------------------------------------------------

enum class ValueKind {
    Rate,    ///< a double (coefficient, points, percent, per mille)
    Amount,  ///< lira: at most four decimals, held exactly as Money
    Choice,  ///< SMALLINT 0 / 1 of the tax choosers
};

struct RateColumn {
    QString name;
    QString caption;
    ValueKind kind = ValueKind::Rate;
};

struct ColumnGroup {
    QString title;
    QStringList columns;
};

/// The ZERKANOR columns of the legal-rates screen, in screen order, with their captions.
const QList<RateColumn> &legalColumns();
/// The same columns in the screen's five groups.
const QList<ColumnGroup> &legalGroups();
/// What "Önceki Dönemden Aktar" copies.
const QStringList &legalCopyColumns();
/// The 30 columns of the "MKAT1" reply, in reply order.
const QStringList &legalReplyOrder();

/// The VEROR columns of the tax-rates screen (VIDVER is not among them).
const QList<RateColumn> &taxColumns();
/// The 23 columns of the "MKAT2" reply, in reply order.
const QStringList &taxReplyOrder();
/// The four choosers: column and caption; their items are chooserItems().
const QList<RateColumn> &taxChoosers();
/// "Vergi Matrahından" (0), "1. Dilimden" (1).
const QStringList &chooserItems();

/// The kind of a column of either table (Rate for unknown names).
ValueKind kindOf(const QString &column);
/// A caption by column name (legal or tax table; `tax` chooses for names in both).
QString captionOf(const QString &column, bool tax);

// ---- Values --------------------------------------------------------------------------

/// A number in either decimal form: "1,387871", "1.387871", "190000", "1.234,56",
/// "1,234.56", "1.234.567", "-0,5", "1E-5". A single separator is the decimal separator;
/// when both appear the last one is. Grouping must be regular (1–3 digits, then threes).
/// nullopt for anything else (empty text included).
std::optional<double> parseNumber(QStringView text);

/// A value typed in a field or received as a reply line, as canonical text: "" for an
/// empty (or blank) text, nullopt when it is not a number of the column's kind (an amount
/// with more than four decimals, a choice other than 0 / 1).
std::optional<QString> canonicalValue(QStringView text, ValueKind kind);
/// A value of a rate-update reply line: as canonicalValue, except that an amount with more
/// than four decimals is rounded to four (ties to even) instead of refused.
std::optional<QString> replyValue(QStringView line, ValueKind kind);
/// Canonical text of a stored value (NULL -> "").
QString canonicalFromStored(const QVariant &stored, ValueKind kind);
/// What to bind for a canonical text: NULL for "", else a double (Money::toDouble for
/// amounts) or an int for choices.
QVariant storedFromCanonical(const QString &canonical, ValueKind kind);
/// How a field shows a canonical value: the decimal comma of the Turkish workstation.
QString displayValue(const QString &canonical);

/// "Alt Sınır" of brackets 2–4: the upper bound of the bracket before + 1 (an empty bound
/// counts as 0), "." grouping thousands (110000 -> "110.001"; decimals, when any, after a
/// comma), right-aligned in 15 characters.
QString lowerLimitText(const QString &previousUpperCanonical);
/// "Alt Sınır" of bracket 1: 0, laid out the same way.
QString firstLowerLimitText();

/// "Önceki Dönemden Aktar": `current` with the copied columns taken from `source`.
RateValues copyFromPrevious(const RateValues &current, const RateValues &source);

/// UST1 of at least 1 lira: what "Kayıt" of the tax rates asks for.
bool taxRowComplete(const RateValues &values);

}  // namespace zeran::rates
